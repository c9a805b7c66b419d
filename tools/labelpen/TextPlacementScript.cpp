#include "TextPlacementScript.h"

#include "startup/ProgramFolder.h"
#include "text/AnsiText.h"
#include "text/LispString.h"

namespace vr::labelpen {

std::optional<TextParameters> SplitParameterLine(TextView line) {
    const std::size_t space = line.find(u' ');
    if (space == TextView::npos) {
        return std::nullopt;
    }
    return TextParameters{Text(line.substr(0, space)), Text(line.substr(space + 1))};
}

Bytes TextPlacementScript(const TextParameters& parameters, const std::vector<Text>& items) {
    Text script;
    for (const Text& item : items) {
        const Text literal = LispStringContent(item);
        script +=
            u"(setq pos (getpoint \"" + literal + u" 文字描画点をクリックしてください。\"))\r\n";
        script += u"(command \"text\" pos " + parameters.height + u" " + parameters.angle + u" \"" +
                  literal + u"\")\r\n";
        script += u"(princ  \"\\n\")\r\n";
    }
    return EncodeAnsi(script);
}

Outcome WriteTextPlacementScript(ToolRun& run) {
    auto mojidata =
        ReadToolInputFile(run, u"mojidata.txt", kMaxItems, u"1行目に文字の高さと角度が必要です");
    if (auto* failure = std::get_if<Failure>(&mojidata)) {
        return std::move(*failure);
    }
    const InputLines& lines = std::get<InputLines>(mojidata);
    const std::optional<TextParameters> parameters = SplitParameterLine(lines.first);
    if (!parameters) {
        return Failure{u"mojidata.txt の1行目「" + lines.first +
                       u"」に空白がありません。文字の高さと角度を空白で区切って書いてください"
                       u"（例: 2.5 0）。\n" +
                       ToolFilePath(run.programFolder, u"mojidata.txt")};
    }
    return WriteToolOutputFile(run, u"go.lsp", TextPlacementScript(*parameters, lines.data));
}

} // namespace vr::labelpen
