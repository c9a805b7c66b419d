#include "PointLineScript.h"

#include "messages/ToolMessages.h"
#include "settings/ToolPaths.h"
#include "text/AnsiText.h"
#include "text/AsciiCase.h"
#include "text/LispNumber.h"
#include "text/NumberFields.h"

#include <algorithm>

namespace vr::pinmark {
namespace {

Text CommasToSpaces(Text point) {
    std::replace(point.begin(), point.end(), u',', u' ');
    return point;
}

} // namespace

Bytes PointLineScript(const InputLines& senten) {
    const std::vector<Text>& points = senten.data;
    Text items;
    if (senten.first == kPointMode) {
        for (const Text& point : points) {
            items += u" '(((0 . \"POINT\")(10 " + CommasToSpaces(point) + u")))";
        }
    } else {
        for (std::size_t k = 0; k + 1 < points.size(); ++k) {
            items += u" '(((0 . \"LINE\")(10 " + CommasToSpaces(points[k]) + u")(11 " +
                     CommasToSpaces(points[k + 1]) + u")))";
        }
    }
    const Text script = u"(setq enlist1 nil)\r\n"
                        u"(setq enlist1 (append enlist1 " +
                        items +
                        u")\r\n"
                        u")\r\n"
                        u"(setq n nil)\r\n"
                        u"(foreach n enlist1 (entmake n))\r\n"
                        u";(setq enlist1 nil)\r\n";
    return EncodeAnsi(script);
}

namespace {

// Commas and blanks both separate the coordinates of a point.
constexpr TextView kCoordinateSeparators = u" ,";

const InputFileShape kSenten{
    .fileName = u"senten.txt", .firstLineHint = kSentenFirstLineHint, .emptyRow = kBlankOrCommaRow};

Status CheckPointLine(TextView line, std::size_t lineNumber, TextView path) {
    if (HoldsOnly(line, kBlankOrCommaRow)) {
        return Failure{StopKind::Input, EmptyPointLineMessage(lineNumber, path)};
    }
    // Commas and blanks are the separators the format knows; a tab is named,
    // since it cannot be seen in the quoted line.
    if (line.find(u'\t') != TextView::npos) {
        return Failure{
            StopKind::Input,
            PointLineFieldCountMessage(lineNumber, line, path, NumberSlipHint(NumberSlip::Tab))};
    }
    const std::vector<TextView> fields = SplitAtSeparators(line, kCoordinateSeparators);
    const bool thousands = LooksLikeThousandsSeparators(line, fields.size());
    for (const TextView field : fields) {
        if (IsLispNumber(field)) {
            continue;
        }
        const NumberSlip slip = SlipInValue(field);
        const TextView hint =
            NumberSlipHint(slip == NumberSlip::None && thousands ? NumberSlip::Thousands : slip);
        return Failure{StopKind::Input, InputValueNotNumberMessage(u"senten.txt", lineNumber,
                                                                   u"座標", field, path, hint)};
    }
    if (fields.size() < 2 || fields.size() > 3) {
        const TextView hint = thousands ? NumberSlipHint(NumberSlip::Thousands) : TextView();
        return Failure{StopKind::Input, PointLineFieldCountMessage(lineNumber, line, path, hint)};
    }
    return Status::Ok();
}

// node apart from letter case, blanks, quotes (Write # quotes strings) or the
// commas of empty cells after it: the user meant points.
bool LooksLikeNode(TextView mode) {
    const std::size_t first = mode.find_first_not_of(u" \t,\"");
    if (first == TextView::npos) {
        return false;
    }
    const std::size_t last = mode.find_last_not_of(u" \t,\"");
    return AsciiLower(mode.substr(first, last - first + 1)) == kPointMode;
}

} // namespace

Status CheckPointLines(const InputLines& senten, TextView path) {
    if (senten.first != kPointMode && LooksLikeNode(senten.first)) {
        return Failure{StopKind::Input, ModeLineLikeNodeMessage(senten.first, path)};
    }
    for (std::size_t index = 0; index < senten.data.size(); ++index) {
        if (Status status = CheckPointLine(senten.data[index], index + 2, path); !status.ok()) {
            return status;
        }
    }
    return Status::Ok();
}

std::variant<ToolOutputFile, Failure> BuildPointLineScript(FileAccess& files,
                                                           TextView programFolder) {
    auto senten = ReadToolInputFile(files, programFolder, kSenten);
    if (auto* failure = std::get_if<Failure>(&senten)) {
        return std::move(*failure);
    }
    const InputLines& lines = std::get<InputLines>(senten);
    if (Status status = CheckPointLines(lines, ToolFilePath(programFolder, kSenten.fileName));
        !status.ok()) {
        return status.failure();
    }
    return ToolOutputFile{u"go.lsp", PointLineScript(lines)};
}

} // namespace vr::pinmark
