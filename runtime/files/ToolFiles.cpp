#include "files/ToolFiles.h"

#include "messages/ToolMessages.h"
#include "settings/ToolPaths.h"
#include "text/AnsiText.h"
#include "text/LispNumber.h"
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

std::optional<TextView> NonAnsiEncodingOf(BytesView bytes) {
    if (bytes.starts_with("\xEF\xBB\xBF")) {
        return u"UTF-8（BOM付き）";
    }
    if (bytes.starts_with("\xFF\xFE") || bytes.starts_with("\xFE\xFF")) {
        return u"UTF-16";
    }
    // No character of the ANSI code page holds a zero byte; UTF-16 text
    // without its mark and binary files do.
    if (bytes.find('\0') != BytesView::npos) {
        return u"UTF-16 などテキスト以外の形式";
    }
    return std::nullopt;
}

std::variant<InputLines, Failure> ReadToolInputFile(FileAccess& files, TextView programFolder,
                                                    TextView fileName, TextView firstLineHint) {
    const Text path = ToolFilePath(programFolder, fileName);
    const BoundedRead read = files.ReadFileUpTo(path, kMaxInputFileBytes);
    if (read.status == BoundedRead::Status::Missing) {
        return Failure{StopKind::Input, InputFileUnreadableMessage(fileName, path)};
    }
    if (read.status == BoundedRead::Status::TooLarge) {
        return Failure{StopKind::Input, InputFileTooLargeMessage(fileName, read.size, path)};
    }
    if (const std::optional<TextView> encoding = NonAnsiEncodingOf(read.bytes)) {
        return Failure{StopKind::Input, InputFileNotAnsiMessage(fileName, *encoding, path)};
    }
    auto split = SplitInputLines(read.bytes);
    if (const auto* fault = std::get_if<InputFault>(&split)) {
        if (*fault == InputFault::Empty) {
            return Failure{StopKind::Input, InputFileEmptyMessage(fileName, firstLineHint, path)};
        }
        return Failure{StopKind::Input,
                       InputFileTooLongMessage(fileName, kMaxInputDataLines, path)};
    }
    return std::get<InputLines>(std::move(split));
}

Outcome CheckLispNumber(TextView fileName, std::size_t lineNumber, TextView what, TextView value,
                        TextView path) {
    if (IsLispNumber(value)) {
        return kSucceeded;
    }
    if (value.find(u'\n') != TextView::npos) {
        return Failure{StopKind::Input, InputLineEndsMessage(fileName, lineNumber, path)};
    }
    return Failure{StopKind::Input,
                   InputValueNotNumberMessage(fileName, lineNumber, what, value, path)};
}

Outcome WriteToolOutputFile(FileAccess& files, TextView programFolder, TextView fileName,
                            BytesView bytes) {
    const Text path = ToolFilePath(programFolder, fileName);
    if (const FileWrite write = files.ReplaceWholeFile(path, bytes); !write.written) {
        return Failure{StopKind::OutputUnwritable,
                       OutputFileUnwritableMessage(fileName, path, write.reason)};
    }
    return kSucceeded;
}

} // namespace vr
