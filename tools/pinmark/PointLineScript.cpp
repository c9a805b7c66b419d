#include "PointLineScript.h"

#include "messages/ToolMessages.h"
#include "settings/ToolPaths.h"
#include "text/AnsiText.h"

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
    if (senten.first == u"node") {
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

Outcome CheckPointLines(const InputLines& senten, TextView path) {
    for (std::size_t index = 0; index < senten.data.size(); ++index) {
        const Text& line = senten.data[index];
        const std::size_t lineNumber = index + 2;
        std::vector<TextView> fields;
        for (std::size_t start = 0;;) {
            const std::size_t comma = line.find(u',', start);
            fields.push_back(TextView(line).substr(start, comma - start));
            if (comma == Text::npos) {
                break;
            }
            start = comma + 1;
        }
        for (const TextView field : fields) {
            if (Outcome bad = CheckLispNumber(u"senten.txt", lineNumber, u"座標", field, path)) {
                return bad;
            }
        }
        if (fields.size() < 2 || fields.size() > 3) {
            return Failure{StopKind::Input, PointLineFieldCountMessage(lineNumber, line, path)};
        }
    }
    return kSucceeded;
}

std::variant<ToolOutputFile, Failure> BuildPointLineScript(FileAccess& files,
                                                           TextView programFolder) {
    auto senten = ReadToolInputFile(files, programFolder, u"senten.txt", kSentenFirstLineHint);
    if (auto* failure = std::get_if<Failure>(&senten)) {
        return std::move(*failure);
    }
    const InputLines& lines = std::get<InputLines>(senten);
    if (Outcome bad = CheckPointLines(lines, ToolFilePath(programFolder, u"senten.txt"))) {
        return std::move(*bad);
    }
    return ToolOutputFile{u"go.lsp", PointLineScript(lines)};
}

} // namespace vr::pinmark
