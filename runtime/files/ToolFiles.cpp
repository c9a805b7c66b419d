#include "files/ToolFiles.h"

#include "messages/ToolMessages.h"
#include "settings/ToolPaths.h"
#include "text/AnsiText.h"
#include "text/LispNumber.h"
#include "text/NumberFields.h"
#include "text/TextLines.h"
#include "text/Utf8.h"

namespace vr {

namespace {

// Characters that Japanese text holds and the ANSI code page can write:
// kana, kanji, CJK and full-width punctuation, the symbols of the code page.
bool IsJapaneseTextCharacter(char16_t c) {
    const bool usual = (c >= 0x00A0 && c <= 0x04FF) || (c >= 0x2000 && c <= 0x2BFF) ||
                       (c >= 0x3000 && c <= 0x33FF) || (c >= 0x4E00 && c <= 0x9FFF) ||
                       (c >= 0xF900 && c <= 0xFAFF) || (c >= 0xFF00 && c <= 0xFFEF);
    return usual && IsAnsiEncodable(TextView(&c, 1));
}

// True when every lead byte of the ANSI code page has a trail byte after it
// and no byte stands where no character begins.
bool IsDoubleByteTextThroughout(BytesView bytes) {
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const auto byte = static_cast<unsigned char>(bytes[i]);
        if (IsAnsiLeadByte(byte)) {
            if (++i == bytes.size()) {
                return false;
            }
            const auto trail = static_cast<unsigned char>(bytes[i]);
            if (trail < 0x40 || trail == 0x7F || trail > 0xFC) {
                return false;
            }
        } else if (byte == 0x80 || byte == 0xA0 || byte > 0xFC) {
            return false;
        }
    }
    return true;
}

// UTF-8 without a byte order mark. Some short Shift-JIS texts are valid
// UTF-8 too (a level-2 kanji before certain kana); when the bytes are also
// whole Shift-JIS, they count as UTF-8 only if that reading gives Japanese
// text throughout, which the accidental readings rarely do.
bool LooksLikeUtf8(BytesView bytes) {
    if (!IsUtf8WithWideCharacters(bytes)) {
        return false;
    }
    if (!IsDoubleByteTextThroughout(bytes)) {
        return true;
    }
    for (const char16_t c : TextFromUtf8(bytes)) {
        if (c >= 0x80 && !IsJapaneseTextCharacter(c)) {
            return false;
        }
    }
    return true;
}

} // namespace

std::variant<InputLines, InputFault> SplitInputLines(BytesView bytes, TextView emptyRow,
                                                     std::size_t maxDataLines) {
    const std::vector<BytesView> lines = SplitLines(bytes);
    std::vector<Text> decoded;
    decoded.reserve(lines.size());
    for (std::size_t i = 0; i < lines.size(); ++i) {
        // 0x0A is never part of a double-byte character, so a byte search
        // finds only real line feeds.
        if (lines[i].find('\n') != BytesView::npos) {
            return InputFault{InputFault::Kind::LoneLineFeed, i + 1};
        }
        decoded.push_back(DecodeAnsi(lines[i]));
    }
    // Judged on the decoded text, as the script would hold it.
    while (!decoded.empty() && HoldsOnly(decoded.back(), emptyRow)) {
        decoded.pop_back();
    }
    if (decoded.empty()) {
        return InputFault{InputFault::Kind::Empty};
    }
    if (decoded.size() - 1 > maxDataLines) {
        return InputFault{InputFault::Kind::TooManyLines, maxDataLines + 2};
    }
    InputLines input;
    input.first = std::move(decoded[0]);
    input.data.assign(std::make_move_iterator(decoded.begin() + 1),
                      std::make_move_iterator(decoded.end()));
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
    // Many editors and ADODB.Stream write UTF-8 without a mark; read as
    // Shift-JIS, its Japanese would reach the drawing as other characters.
    if (LooksLikeUtf8(bytes)) {
        return u"UTF-8";
    }
    return std::nullopt;
}

std::variant<InputLines, Failure> ReadToolInputFile(FileAccess& files, TextView programFolder,
                                                    const InputFileShape& shape) {
    const TextView fileName = shape.fileName;
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
    auto split = SplitInputLines(read.bytes, shape.emptyRow);
    if (const auto* fault = std::get_if<InputFault>(&split)) {
        switch (fault->kind) {
        case InputFault::Kind::Empty:
            return Failure{StopKind::Input,
                           InputFileEmptyMessage(fileName, shape.firstLineHint, path)};
        case InputFault::Kind::LoneLineFeed:
            if (shape.dataLinesAreCells && fault->lineNumber > 1) {
                return Failure{StopKind::Input,
                               LineBreakInCellMessage(fileName, fault->lineNumber, path)};
            }
            return Failure{StopKind::Input,
                           InputLineEndsMessage(fileName, fault->lineNumber, path)};
        case InputFault::Kind::TooManyLines:
            break;
        }
        return Failure{StopKind::Input,
                       InputFileTooLongMessage(fileName, kMaxInputDataLines, path)};
    }
    return std::get<InputLines>(std::move(split));
}

Status CheckLispNumber(TextView fileName, std::size_t lineNumber, TextView what, TextView value,
                       TextView path) {
    if (IsLispNumber(value)) {
        return Status::Ok();
    }
    return Failure{StopKind::Input,
                   InputValueNotNumberMessage(fileName, lineNumber, what, value, path,
                                              NumberSlipHint(SlipInValue(value)))};
}

Status WriteToolOutputFile(FileAccess& files, TextView programFolder, const ToolOutputFile& file) {
    const Text path = ToolFilePath(programFolder, file.fileName);
    if (const FileWrite write = files.ReplaceWholeFile(path, file.content); !write.written) {
        return Failure{StopKind::OutputUnwritable,
                       OutputFileUnwritableMessage(file.fileName, path, write.reason)};
    }
    return Status::Ok();
}

} // namespace vr
