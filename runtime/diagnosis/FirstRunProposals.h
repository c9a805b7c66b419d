#pragma once

#include "diagnosis/WindowSurvey.h"
#include "messages/FirstRunMessages.h"
#include "settings/ToolSettings.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace vr {

// Window classes known to hold a CAD's command line where it has no title
// to find it by.
inline constexpr TextView kKnownCommandLineClasses[] = {u"AcEdCommandLine"};

// Where a proposed line came from: the process (window 0) or the window
// whose title or class it quotes. The report marks it.
struct ProposalSource {
    std::uint32_t processId = 0;
    Hwnd window = 0;
    Text key;
    friend bool operator==(const ProposalSource&, const ProposalSource&) = default;
};

// What the tool read off the surveyed processes for one fault: the names or
// titles to quote, and the ZuDuv.ini lines it proposes (none where it cannot
// tell), with where each came from.
struct FirstRunFindings {
    std::vector<Text> quoted;
    std::vector<ProposedLine> proposal;
    std::vector<ProposalSource> sources;
    // No command area: the windows that could be the command line, as the
    // window report lists them with whether each is shown.
    std::optional<std::vector<SurveyedWindow>> candidates;
};

// No process named ACADName: the close names, and ACADName set to the base
// name of the first of them (one that differs only in case before a known
// CAD executable).
[[nodiscard]] FirstRunFindings FindCloseProcesses(const std::vector<SurveyedProcess>& processes,
                                                  TextView acadName);

// No main window: the titles of the process's top-level windows (input
// method windows left out), and MainCaption set to the product part of the
// first title shaped as a CAD main window's ("<product> - [<drawing>]").
[[nodiscard]] FirstRunFindings FindMainWindowTitles(const SurveyedProcess& process);

// No command area: the titled descendants of the main window and the other
// top-level windows of the process that could be the command line (titled
// ones holding an edit control, windows of a known command-line class);
// labels, buttons and the text window (its title starts with textCaption or
// names a text window) are no candidates. CommandClass proposed where a
// window of a known command-line class is present, else CommandCaption where
// a titled descendant of the main window holds an edit control.
[[nodiscard]] FirstRunFindings FindCommandLineCandidates(const SurveyedProcess& process,
                                                         Hwnd mainWindow, TextView textCaption);

// Every line a run needs, from the first one that does not fit to the last:
// a proposed ACADName leads to that process, a main window found there (or
// the one a proposed MainCaption came from) to the command line, looked for
// as discovery looks with the settings as they stand (CommandCaption among
// the main window's descendants, then CommandClass). Only the first stage's
// names are quoted; the proposals of all stages follow in that order.
[[nodiscard]] FirstRunFindings ProposeAfterNoCad(const std::vector<SurveyedProcess>& processes,
                                                 const ToolSettings& settings);
[[nodiscard]] FirstRunFindings ProposeAfterNoMainWindow(const SurveyedProcess& process,
                                                        const ToolSettings& settings);
[[nodiscard]] FirstRunFindings ProposeAfterNoCommandArea(const SurveyedProcess& process,
                                                         Hwnd mainWindow,
                                                         const ToolSettings& settings);

} // namespace vr
