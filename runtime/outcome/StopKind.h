#pragma once

#include <cstdint>

namespace vr {

// What kind of fault stopped a tool. Each kind ends the process with its own
// exit code, so that the macro that started the tool can tell them apart
// without reading the message the tool showed. The codes are a published
// table (README, Quillon連携, the sample workbook): a kind keeps its code,
// and a new kind takes the next free one.
enum class StopKind : std::uint8_t {
    Unexpected,       // an error nobody foresaw (out of memory, an internal fault)
    Input,            // senten.txt, mojidata.txt or gaugeread's command line
    Settings,         // ZuDuv.ini missing or a value out of range
    NoCad,            // no CAD running, or no main window or command area found
    CadElevated,      // the CAD runs as administrator
    CadNotAnswering,  // the CAD did not answer in time
    CadLost,          // the CAD closed or lost the front part-way
    AnotherTool,      // another tool of the set was still at work
    ClipboardBusy,    // another program kept the clipboard open
    OutputUnwritable, // go.lsp, excel_fname.lsp could not be written
    // The click would not reach the command line, or did not give it the
    // keys: a dialog of the CAD open, the command line hidden, covered or
    // off the screen, or the focus elsewhere after the click.
    CommandLineUnreachable,
};

inline constexpr StopKind kAllStopKinds[] = {
    StopKind::Unexpected,
    StopKind::Input,
    StopKind::Settings,
    StopKind::NoCad,
    StopKind::CadElevated,
    StopKind::CadNotAnswering,
    StopKind::CadLost,
    StopKind::AnotherTool,
    StopKind::ClipboardBusy,
    StopKind::OutputUnwritable,
    StopKind::CommandLineUnreachable,
};

// The exit code of a run that pasted its load command.
inline constexpr int kPastedExitCode = 0;

// The exit code of a run that stopped: never 0, and never 259 (STILL_ACTIVE,
// which a caller polling the process would take for a tool still running).
[[nodiscard]] constexpr int ExitCodeOf(StopKind kind) {
    switch (kind) {
    case StopKind::Unexpected:
        return 1;
    case StopKind::Input:
        return 2;
    case StopKind::Settings:
        return 3;
    case StopKind::NoCad:
        return 4;
    case StopKind::CadElevated:
        return 5;
    case StopKind::CadNotAnswering:
        return 6;
    case StopKind::CadLost:
        return 7;
    case StopKind::AnotherTool:
        return 8;
    case StopKind::ClipboardBusy:
        return 9;
    case StopKind::OutputUnwritable:
        return 10;
    case StopKind::CommandLineUnreachable:
        return 11;
    }
    return 1;
}

} // namespace vr
