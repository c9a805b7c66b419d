#pragma once

#include "discovery/WindowSurvey.h"
#include "messages/FirstRunMessages.h"

#include <optional>
#include <vector>

namespace vr {

// Window classes known to hold a CAD's command line where it has no title
// to find it by.
inline constexpr TextView kKnownCommandLineClasses[] = {u"AcEdCommandLine"};

// What the tool read off the surveyed processes for one fault: the names or
// titles to quote, and the ZuDuv.ini lines it proposes (none where it cannot
// tell).
struct FirstRunFindings {
    std::vector<Text> quoted;
    std::vector<ProposedLine> proposal;
    // No command area: the windows that could be the command line, as the
    // window report lists them with whether each is shown.
    std::optional<std::vector<SurveyedWindow>> candidates;
};

// No process named ACADName: the close names, and ACADName set to the base
// name of the first of them (one that differs only in case before a known
// CAD executable).
[[nodiscard]] FirstRunFindings FindCloseProcesses(const std::vector<SurveyedProcess>& processes,
                                                  TextView acadName);

// No main window: the titles of the process's top-level windows, and
// MainCaption set to the product part of the first title shaped as a CAD
// main window's ("<product> - [<drawing>]").
[[nodiscard]] FirstRunFindings FindMainWindowTitles(const SurveyedProcess& process);

// No command area: the titled descendants of the main window and the other
// top-level windows of the process that could be the command line (titled
// ones holding an edit control, windows of a known command-line class);
// CommandClass proposed where a window of a known command-line class is
// present, else CommandCaption where a titled descendant of the main window
// holds an edit control.
[[nodiscard]] FirstRunFindings FindCommandLineCandidates(const SurveyedProcess& process,
                                                         Hwnd mainWindow);

} // namespace vr
