#include "TextPlacementScript.h"

#include "messages/ToolMessages.h"
#include "settings/ToolPaths.h"
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

std::variant<ToolOutputFile, Failure> BuildTextPlacementScript(FileAccess& files,
                                                               TextView programFolder) {
    auto mojidata =
        ReadToolInputFile(files, programFolder, u"mojidata.txt", kMojidataFirstLineHint);
    if (auto* failure = std::get_if<Failure>(&mojidata)) {
        return std::move(*failure);
    }
    const InputLines& lines = std::get<InputLines>(mojidata);
    const Text path = ToolFilePath(programFolder, u"mojidata.txt");
    const std::optional<TextParameters> parameters = SplitParameterLine(lines.first);
    if (!parameters) {
        return Failure{StopKind::Input, ParameterLineWithoutSpaceMessage(lines.first, path)};
    }
    for (const auto& [what, value] :
         {std::pair{u"文字の高さ", &parameters->height}, std::pair{u"角度", &parameters->angle}}) {
        if (Outcome bad = CheckLispNumber(u"mojidata.txt", 1, what, *value, path)) {
            return std::move(*bad);
        }
    }
    return ToolOutputFile{u"go.lsp", TextPlacementScript(*parameters, lines.data)};
}

} // namespace vr::labelpen
