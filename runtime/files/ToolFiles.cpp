#include "files/ToolFiles.h"

#include "messages/ToolMessages.h"
#include "settings/ToolPaths.h"
#include "text/AnsiText.h"
#include "text/TextLines.h"

namespace vr {

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

std::variant<InputLines, Failure> ReadToolInputFile(FileAccess& files, TextView programFolder,
                                                    TextView fileName, TextView firstLineHint) {
    const Text path = ToolFilePath(programFolder, fileName);
    const std::optional<Bytes> bytes = files.ReadWholeFile(path);
    if (!bytes) {
        return Failure{InputFileUnreadableMessage(fileName, path)};
    }
    auto split = SplitInputLines(*bytes);
    if (const auto* fault = std::get_if<InputFault>(&split)) {
        if (*fault == InputFault::Empty) {
            return Failure{InputFileEmptyMessage(fileName, firstLineHint, path)};
        }
        return Failure{InputFileTooLongMessage(fileName, kMaxInputDataLines, path)};
    }
    return std::get<InputLines>(std::move(split));
}

Outcome WriteToolOutputFile(FileAccess& files, TextView programFolder, TextView fileName,
                            BytesView bytes) {
    const Text path = ToolFilePath(programFolder, fileName);
    if (!files.ReplaceWholeFile(path, bytes)) {
        return Failure{OutputFileUnwritableMessage(fileName, path)};
    }
    return kSucceeded;
}

} // namespace vr
