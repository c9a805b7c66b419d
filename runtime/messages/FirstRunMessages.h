#pragma once

#include "text/Text.h"

#include <cstddef>
#include <vector>

namespace vr {

// The messages of a first run that does not fit the CAD: each names what the
// tool saw, proposes the ZuDuv.ini line to write where it can, and ends with
// the path of the window report written beside the tool.

// At most this many quoted names or titles in one message; the rest are
// counted (the report holds them all).
inline constexpr std::size_t kMaxListedValues = 8;

// A ZuDuv.ini line the tool proposes: key=value in section Main.
struct ProposedLine {
    Text key;
    Text value;
    friend bool operator==(const ProposedLine&, const ProposedLine&) = default;
};

// The window report's path, and whether it could be written there.
struct ReportPlace {
    Text path;
    bool written = true;
};

// closeNames: executable names of running processes that could be the CAD
// (the same name in another case, a known CAD executable).
[[nodiscard]] Text NoCadFoundFirstRunMessage(TextView acadName, const std::vector<Text>& closeNames,
                                             const std::vector<ProposedLine>& proposal,
                                             const ReportPlace& report);

// titles: those of the CAD process's top-level windows.
[[nodiscard]] Text NoMainWindowFirstRunMessage(TextView acadName, TextView mainCaption,
                                               const std::vector<Text>& titles,
                                               const std::vector<ProposedLine>& proposal,
                                               const ReportPlace& report);

// candidates: titles of windows that could be the command line.
// commandClass: empty when no class is set.
[[nodiscard]] Text NoCommandAreaFirstRunMessage(TextView commandCaption, TextView commandClass,
                                                const std::vector<Text>& candidates,
                                                const std::vector<ProposedLine>& proposal,
                                                const ReportPlace& report);

// The CAD runs at a higher integrity level than the tool (started as
// administrator): the platform would drop the click and the keys.
[[nodiscard]] Text ElevatedCadMessage(TextView acadName);

} // namespace vr
