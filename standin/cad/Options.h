#pragma once

#include "cad/Entity.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace standin {

// A scripted answer to entsel (--picks): a point to pick at, Enter, or
// escape.
struct ScriptedPick {
    enum class Kind { Point, Enter, Escape } kind = Kind::Point;
    Point3 point;
    friend bool operator==(const ScriptedPick&, const ScriptedPick&) = default;
};

// What a test (or a person) sets on the stand-in's command line.
struct Options {
    Text mainCaption = u"StandIn CAD 2024";
    Text textCaption = u"StandIn CAD Text Window";
    Text commandCaption = u"Command Line";
    Text drawing = u"Drawing1.dwg";
    std::int32_t mainCmdCtrlId = 1001;
    std::int32_t textHistCtrlId = 1004;
    std::vector<Text> supportFolders;
    Text journal;
    std::vector<Point3> points; // scripted answers to getpoint, in order
    Text dxf;                   // saved on DXFOUT and on exit
    std::vector<Text> runAtStart;
    bool minimized = false;
    bool showTextWindow = false;
    bool noTextWindow = false;
    bool noCommandArea = false;
    bool noDash = false;
    bool ignoreHistoryCommand = false;
    std::uint32_t hangAfterMs = 0;
    std::uint32_t hangForMs = 0;
    // A step of a tool run at which the CAD exits or hangs (for hangForMs):
    // "topmost" (its main window made topmost) or "click" (a click into its
    // command area). Empty: none.
    Text exitOn;
    Text hangOn;
    std::optional<std::uint32_t> exitAfterMs;
    // The window shapes of later CAD releases.
    Text productPrefix;        // before the main caption in the main title
    Text floatingCommandClass; // the command line as an owned top-level window
    Text floatingCommandTitle; // its title (none by default)
    Text dockedCommandClass;   // the command line two levels deep in a docked panel
    bool noCaptions = false;   // no window carries a title
    // What keeps a click from reaching the command line: the command line
    // hidden (as AutoCAD's Ctrl+9 hides it), covered by a topmost palette
    // of the stand-in's own, partly off the screen (the main window placed
    // so that the command line's centre lies right of every monitor), or a
    // modal dialog of the stand-in open (its main window disabled).
    bool hideCommandLine = false;
    bool coverCommandLine = false;
    bool offScreen = false;
    bool modalDialog = false;
    // Entity picks: scripted answers to entsel, in order.
    std::vector<ScriptedPick> picks;

    // The spreadsheet program beside the CAD, for the automation functions:
    // running (--excel) with the workbooks opened in it (--workbook), each
    // with one worksheet (--sheet), opened read-only (--read-only) or with
    // its sheet protected (--protected).
    struct Workbook {
        Text fullName;
        Text sheet = u"Sheet1";
        bool readOnly = false;
        bool protectedSheet = false;
    };
    bool excel = false;
    std::vector<Workbook> workbooks;
    // The CAD imitated: AutoCAD, or AutoCAD LT (--lt: PROGRAM is "acadlt"
    // and its AutoLISP has none of the functions that reach another
    // program's automation objects). With --lt-automation-error it is an
    // AutoCAD LT that has those functions but raises an error on each call.
    bool lt = false;
    bool ltAutomationRaises = false;
    // What the user does in the dialogs the routines show, one entry for
    // each start_dialog in turn: answers split by ";", "key=value" typed
    // into an edit box, a bare key a button pressed (--dialog, repeatable).
    std::vector<Text> dialogs;

    // No window carries CommandCaption: the command line is found by its
    // class only.
    [[nodiscard]] bool ModernCommandLine() const {
        return !floatingCommandClass.empty() || !dockedCommandClass.empty();
    }
};

// Parses the arguments (without the program name). On a fault, returns the
// message for the user.
struct ParsedOptions {
    Options options;
    std::optional<Text> error;
};
[[nodiscard]] ParsedOptions ParseOptions(const std::vector<Text>& arguments);

// "x,y[,z];x,y[,z];..." as points; nullopt when a part is not a point.
[[nodiscard]] std::optional<std::vector<Point3>> ParsePointList(TextView text);

// "x,y[,z];enter;esc;..." as scripted picks; nullopt when a part is none.
[[nodiscard]] std::optional<std::vector<ScriptedPick>> ParsePickList(TextView text);

// One point typed as "x,y" or "x,y,z".
[[nodiscard]] std::optional<Point3> ParsePoint(TextView text);

[[nodiscard]] TextView OptionsUsage();

} // namespace standin
