// mojidata.txt as any bytes, through labelpen's whole step: read, checked,
// into go.lsp. Whatever the file holds, the step ends in a script or a
// message. A script that the step accepts must run in the stand-in CAD as
// written: one prompt naming each label, and (for a positive height) one text
// per label with exactly the label's characters, the height and the angle of
// the first line. No label, whatever quotes, backslashes or yen signs it
// holds, can end its string literal early or add code.
#include "FuzzSupport.h"
#include "TextPlacementScript.h"
#include "files/ToolFiles.h"
#include "lisp/Interpreter.h"
#include "text/AnsiText.h"
#include "text/NumberFields.h"

#include <cstdlib>
#include <string>

namespace {

using vr::fuzz::RecordingCad;

constexpr vr::TextView kFolder = u"C:\\ツール";
constexpr vr::TextView kPromptEnd = u" 文字描画点をクリックしてください。";

double AsRead(const vr::Text& number) {
    const std::string ascii(number.begin(), number.end()); // checked: ASCII only
    return std::strtod(ascii.c_str(), nullptr);
}

// What the CAD sees of a text written in the ANSI code page.
vr::Text ThroughCodePage(const vr::Text& text) {
    return vr::DecodeAnsi(vr::EncodeAnsi(text));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    vr::fuzz::MemoryFiles files;
    files.files[vr::Text(kFolder) + u"\\mojidata.txt"] = vr::Bytes(vr::fuzz::AsBytes(data, size));
    auto built = vr::labelpen::BuildTextPlacementScript(files, kFolder);
    if (const auto* failure = std::get_if<vr::Failure>(&built)) {
        VR_FUZZ_CHECK(!failure->message.empty());
        return 0;
    }
    const vr::ToolOutputFile& script = std::get<vr::ToolOutputFile>(built);
    VR_FUZZ_CHECK(script.fileName == u"go.lsp");

    // Accepted: no lone LF anywhere, no empty row at the end, and a first
    // line of exactly two numbers between blanks, which the text command
    // receives as they stand.
    const vr::BytesView bytes = vr::fuzz::AsBytes(data, size);
    const auto split = vr::SplitInputLines(bytes);
    VR_FUZZ_CHECK(std::holds_alternative<vr::InputLines>(split));
    const vr::InputLines& lines = std::get<vr::InputLines>(split);
    for (const vr::Text& line : lines.data) {
        VR_FUZZ_CHECK(line.find(u'\n') == vr::Text::npos);
    }
    VR_FUZZ_CHECK(lines.data.empty() || !vr::HoldsOnly(lines.data.back(), u" \t"));
    VR_FUZZ_CHECK(vr::labelpen::SplitParameterLine(lines.first).has_value());
    const std::vector<vr::TextView> numbers = vr::SplitAtSeparators(lines.first, u" ");
    VR_FUZZ_CHECK(numbers.size() == 2);
    const double height = AsRead(vr::Text(numbers[0]));
    const double angle = AsRead(vr::Text(numbers[1]));

    RecordingCad cad;
    cad.sources[u"C:\\support\\go.lsp"] = vr::DecodeAnsi(script.content);
    for (std::size_t k = 0; k < lines.data.size(); ++k) {
        cad.points.push_back({static_cast<double>(k), 2.0 * static_cast<double>(k), 0});
    }
    standin::lisp::Interpreter lisp(cad);
    const auto outcome = lisp.EvaluateText(u"(load \"go\")");

    if (lines.data.empty()) {
        VR_FUZZ_CHECK(script.content.empty());
        VR_FUZZ_CHECK(!outcome.error && cad.prompts.empty() && cad.entityCount == 0);
        return 0;
    }
    if (!(height > 0)) {
        // The text command refuses the height: the first label's prompt, no text.
        VR_FUZZ_CHECK(outcome.error.has_value());
        VR_FUZZ_CHECK(cad.prompts.size() == 1);
        VR_FUZZ_CHECK(cad.prompts[0] == ThroughCodePage(lines.data[0]) + vr::Text(kPromptEnd));
        VR_FUZZ_CHECK(cad.entityCount == 0);
        return 0;
    }
    VR_FUZZ_CHECK(!outcome.error);
    VR_FUZZ_CHECK(cad.prompts.size() == lines.data.size());
    VR_FUZZ_CHECK(cad.entityCount == lines.data.size());
    VR_FUZZ_CHECK(cad.printed == vr::Text(lines.data.size(), u'\n'));
    for (std::size_t k = 0; k < lines.data.size() && k < cad.entities.size(); ++k) {
        const vr::Text label = ThroughCodePage(lines.data[k]);
        VR_FUZZ_CHECK(cad.prompts[k] == label + vr::Text(kPromptEnd));
        const standin::Entity& text = cad.entities[k];
        VR_FUZZ_CHECK(text.type == standin::EntityType::SingleLineText);
        VR_FUZZ_CHECK(text.text == label);
        VR_FUZZ_CHECK(text.height == height);
        VR_FUZZ_CHECK(text.rotation == angle);
        VR_FUZZ_CHECK(text.start.x == static_cast<double>(k));
        VR_FUZZ_CHECK(text.start.y == 2.0 * static_cast<double>(k));
    }
    return 0;
}
