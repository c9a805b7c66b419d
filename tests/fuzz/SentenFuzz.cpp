// senten.txt as any bytes, through pinmark's whole step: read, checked, into
// go.lsp. Whatever the file holds, the step ends in a script or a message;
// a script that the step accepts must run in the stand-in CAD without an
// error and draw exactly the points (or the chain of lines) of the file, at
// the coordinates it lists.
#include "FuzzSupport.h"
#include "PointLineScript.h"
#include "files/ToolFiles.h"
#include "lisp/Interpreter.h"
#include "text/AnsiText.h"
#include "text/AsciiCase.h"
#include "text/NumberFields.h"

#include <cstdlib>
#include <string>

namespace {

using vr::fuzz::RecordingCad;

constexpr vr::TextView kFolder = u"C:\\ツール";

// The coordinates of one data line as AutoLISP reads its numbers: commas
// and blanks both separate them.
std::vector<double> Coordinates(const vr::Text& line) {
    std::vector<double> values;
    for (const vr::TextView field : vr::SplitAtSeparators(line, u" ,")) {
        const std::string ascii(field.begin(), field.end()); // checked: ASCII only
        values.push_back(std::strtod(ascii.c_str(), nullptr));
    }
    return values;
}

standin::Point3 PointOf(const std::vector<double>& values) {
    return {values[0], values[1], values.size() == 3 ? values[2] : 0.0};
}

// Equal as coordinates: NaN cannot be written, infinities compare equal.
bool SamePoint(const standin::Point3& a, const standin::Point3& b) {
    return a.x == b.x && a.y == b.y && a.z == b.z;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    vr::fuzz::MemoryFiles files;
    files.files[vr::Text(kFolder) + u"\\senten.txt"] = vr::Bytes(vr::fuzz::AsBytes(data, size));
    auto built = vr::pinmark::BuildPointLineScript(files, kFolder);
    if (const auto* failure = std::get_if<vr::Failure>(&built)) {
        VR_FUZZ_CHECK(!failure->message.empty());
        return 0;
    }
    const vr::ToolOutputFile& script = std::get<vr::ToolOutputFile>(built);
    VR_FUZZ_CHECK(script.fileName == u"go.lsp");

    // Accepted, so the file splits into lines whose data lines are points,
    // with no lone LF, and a mode line that is node exactly or not at all.
    const auto split = vr::SplitInputLines(vr::fuzz::AsBytes(data, size), vr::kBlankOrCommaRow);
    VR_FUZZ_CHECK(std::holds_alternative<vr::InputLines>(split));
    const vr::InputLines& lines = std::get<vr::InputLines>(split);
    VR_FUZZ_CHECK(lines.first.find(u'\n') == vr::Text::npos);
    const vr::Text lowerMode = vr::AsciiLower(lines.first);
    const std::vector<vr::TextView> modeWords = vr::SplitAtSeparators(lowerMode, u" \t,\"");
    VR_FUZZ_CHECK(lines.first == u"node" || modeWords.size() != 1 || modeWords[0] != u"node");
    std::vector<standin::Point3> points;
    for (const vr::Text& line : lines.data) {
        const std::vector<double> values = Coordinates(line);
        VR_FUZZ_CHECK(values.size() == 2 || values.size() == 3);
        points.push_back(PointOf(values));
    }

    RecordingCad cad;
    cad.sources[u"C:\\support\\go.lsp"] = vr::DecodeAnsi(script.content);
    standin::lisp::Interpreter lisp(cad);
    const auto outcome = lisp.EvaluateText(u"(load \"go\")");
    VR_FUZZ_CHECK(!outcome.error);

    const bool pointMode = lines.first == u"node";
    const std::size_t expected =
        pointMode ? points.size() : (points.empty() ? 0 : points.size() - 1);
    VR_FUZZ_CHECK(cad.entityCount == expected);
    for (std::size_t k = 0; k < cad.entities.size(); ++k) {
        const standin::Entity& entity = cad.entities[k];
        if (pointMode) {
            VR_FUZZ_CHECK(entity.type == standin::EntityType::Point);
            VR_FUZZ_CHECK(SamePoint(entity.start, points[k]));
        } else {
            VR_FUZZ_CHECK(entity.type == standin::EntityType::Line);
            VR_FUZZ_CHECK(SamePoint(entity.start, points[k]));
            VR_FUZZ_CHECK(SamePoint(entity.end, points[k + 1]));
        }
    }
    return 0;
}
