#include "PointLineScript.h"

#include "messages/ToolMessages.h"
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

Outcome WritePointLineScript(FileAccess& files, TextView programFolder) {
    auto senten = ReadToolInputFile(files, programFolder, u"senten.txt", kSentenFirstLineHint);
    if (auto* failure = std::get_if<Failure>(&senten)) {
        return std::move(*failure);
    }
    return WriteToolOutputFile(files, programFolder, u"go.lsp",
                               PointLineScript(std::get<InputLines>(senten)));
}

} // namespace vr::pinmark
