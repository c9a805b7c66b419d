#include "files/ToolFiles.h"

#include "startup/ProgramFolder.h"
#include "text/AnsiText.h"
#include "text/TextLines.h"

#include <string>

namespace vr {
namespace {

Text Number(std::size_t value) {
    const std::string digits = std::to_string(value);
    return Text(digits.begin(), digits.end());
}

} // namespace

std::variant<InputLines, InputFault> SplitInputLines(BytesView bytes, std::size_t maxDataLines) {
    const std::vector<BytesView> lines = SplitLines(bytes);
    if (lines.empty()) {
        return InputFault::Empty;
    }
    if (lines.size() - 1 > maxDataLines) {
        return InputFault::TooManyLines;
    }
    InputLines input;
    input.first = DecodeAnsi(lines[0]);
    for (std::size_t i = 1; i < lines.size(); ++i) {
        input.data.push_back(DecodeAnsi(lines[i]));
    }
    return input;
}

std::variant<InputLines, Failure> ReadToolInputFile(ToolRun& run, TextView fileName,
                                                    std::size_t maxDataLines,
                                                    TextView firstLineHint) {
    const Text path = ToolFilePath(run.programFolder, fileName);
    const std::optional<Bytes> bytes = run.services.files.ReadWholeFile(path);
    if (!bytes) {
        return Failure{Text(fileName) + u" が見つからないか、読み込めません。\n" + path};
    }
    auto split = SplitInputLines(*bytes, maxDataLines);
    if (const auto* fault = std::get_if<InputFault>(&split)) {
        if (*fault == InputFault::Empty) {
            return Failure{Text(fileName) + u" が空です（" + Text(firstLineHint) + u"）。\n" +
                           path};
        }
        return Failure{Text(fileName) + u" のデータが" + Number(maxDataLines) +
                       u"行を超えています（" + Number(maxDataLines + 2) + u"行目）。データは" +
                       Number(maxDataLines) + u"行までにしてください。\n" + path};
    }
    return std::get<InputLines>(std::move(split));
}

Outcome WriteToolOutputFile(ToolRun& run, TextView fileName, BytesView bytes) {
    const Text path = ToolFilePath(run.programFolder, fileName);
    if (!run.services.files.ReplaceWholeFile(path, bytes)) {
        return Failure{Text(fileName) + u" を書き込めませんでした。\n" + path};
    }
    return kSucceeded;
}

} // namespace vr
