#pragma once

#include "platform/Desktop.h"
#include "text/Text.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace vr {

// One window as the survey read it.
struct SurveyedWindow {
    Hwnd handle = 0;
    int depth = 0;  // 0 for a top-level window, 1 for its child, ...
    Hwnd owner = 0; // of a top-level window
    Text className;
    Text title;
    std::int32_t controlId = 0; // of a child window
    std::optional<ScreenRect> rect;
    bool visible = false;
};

// A running process that could be the CAD, and its windows: each top-level
// window (of every thread, in enumeration order) followed by its
// descendants, parents before children.
struct SurveyedProcess {
    std::uint32_t processId = 0;
    Text exeFile;
    bool namedAsSet = false; // its base name is ACADName exactly
    std::vector<SurveyedWindow> windows;
};

// A title on one line, as the report and the messages quote it: CR, LF and
// tab are written as \r, \n and \t, and other control characters as \xNN,
// so that a window whose "title" is a text box's text stays one line.
[[nodiscard]] Text OnOneLine(TextView title);

// Known executables of the CADs the tools drive (AutoCAD, AutoCAD LT,
// IJCAD from 2014 and before), without ".exe", compared in any case.
inline constexpr TextView kKnownCadExecutables[] = {u"acad", u"acadlt", u"gcad", u"icad"};

// True when a process of this base name could be the CAD: ACADName in any
// case, or a known CAD executable.
[[nodiscard]] bool CouldBeCad(TextView baseName, TextView acadName);

// The processes that could be the CAD, in snapshot order, with their
// windows. Title reads are bounded; once a window of a process has not
// answered, the titles of its other windows are skipped.
[[nodiscard]] std::vector<SurveyedProcess> SurveyCadProcesses(const Desktop& desktop,
                                                              TextView acadName);

} // namespace vr
