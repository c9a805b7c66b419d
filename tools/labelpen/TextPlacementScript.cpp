#include "TextPlacementScript.h"

#include "messages/ToolMessages.h"
#include "settings/ToolPaths.h"
#include "text/AnsiText.h"
#include "text/LispNumber.h"
#include "text/LispString.h"
#include "text/NumberFields.h"

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

namespace {

const InputFileShape kMojidata{.fileName = u"mojidata.txt",
                               .firstLineHint = kMojidataFirstLineHint,
                               .emptyRow = kBlankRow,
                               .dataLinesAreCells = true};

// The height and the angle: exactly two numbers with blanks around and
// between them (Print #1, h; a writes " 2.5  0 "). The line is written as it
// stands, so any such line gives the text command the two answers.
Status CheckParameterLine(TextView line, TextView path) {
    if (line.find(u'\t') != TextView::npos) {
        return Failure{StopKind::Input,
                       ParameterLineMessage(line, path, NumberSlipHint(NumberSlip::Tab))};
    }
    const std::vector<TextView> values = SplitAtSeparators(line, u" ");
    for (const TextView value : values) {
        if (!IsLispNumber(value)) {
            return Failure{StopKind::Input,
                           ParameterLineMessage(line, path, NumberSlipHint(SlipInValue(value)))};
        }
    }
    if (values.size() != 2) {
        return Failure{StopKind::Input, ParameterLineMessage(line, path)};
    }
    return Status::Ok();
}

} // namespace

std::variant<ToolOutputFile, Failure> BuildTextPlacementScript(FileAccess& files,
                                                               TextView programFolder) {
    auto mojidata = ReadToolInputFile(files, programFolder, kMojidata);
    if (auto* failure = std::get_if<Failure>(&mojidata)) {
        return std::move(*failure);
    }
    const InputLines& lines = std::get<InputLines>(mojidata);
    const Text path = ToolFilePath(programFolder, kMojidata.fileName);
    if (Status status = CheckParameterLine(lines.first, path); !status.ok()) {
        return status.failure();
    }
    return ToolOutputFile{u"go.lsp",
                          TextPlacementScript(*SplitParameterLine(lines.first), lines.data)};
}

} // namespace vr::labelpen
