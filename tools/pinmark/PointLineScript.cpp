#include "PointLineScript.h"

#include "job/RunToolJob.h"
#include "startup/ProgramFolder.h"
#include "text/AnsiText.h"
#include "text/TextLines.h"

#include <algorithm>
#include <string>

namespace vr::pinmark {
namespace {

Text CommasToSpaces(Text point) {
    std::replace(point.begin(), point.end(), u',', u' ');
    return point;
}

Text Number(std::size_t value) {
    const std::string digits = std::to_string(value);
    return Text(digits.begin(), digits.end());
}

} // namespace

std::variant<PointList, PointListFault> ReadPointList(BytesView senten) {
    const std::vector<BytesView> lines = SplitLines(senten);
    if (lines.empty()) {
        return PointListFault::Empty;
    }
    if (lines.size() - 1 > kMaxDataLines) {
        return PointListFault::TooManyLines;
    }
    PointList list;
    list.pointMode = DecodeAnsi(lines[0]) == u"node";
    for (std::size_t i = 1; i < lines.size(); ++i) {
        list.points.push_back(DecodeAnsi(lines[i]));
    }
    return list;
}

Bytes PointLineScript(const PointList& list) {
    Text items;
    if (list.pointMode) {
        for (const Text& point : list.points) {
            items += u" '(((0 . \"POINT\")(10 " + CommasToSpaces(point) + u")))";
        }
    } else {
        for (std::size_t k = 0; k + 1 < list.points.size(); ++k) {
            items += u" '(((0 . \"LINE\")(10 " + CommasToSpaces(list.points[k]) + u")(11 " +
                     CommasToSpaces(list.points[k + 1]) + u")))";
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

Outcome WritePointLineScript(ToolRun& run) {
    const Text sentenPath = ToolFilePath(run.programFolder, u"senten.txt");
    const std::optional<Bytes> senten = run.services.files.ReadWholeFile(sentenPath);
    if (!senten) {
        return Failure{u"senten.txt が見つからないか、読み込めません。\n" + sentenPath};
    }
    const auto read = ReadPointList(*senten);
    if (const auto* fault = std::get_if<PointListFault>(&read)) {
        if (*fault == PointListFault::Empty) {
            return Failure{u"senten.txt が空です（1行目に node または line が必要です）。\n" +
                           sentenPath};
        }
        return Failure{u"senten.txt のデータが" + Number(kMaxDataLines) + u"行を超えています（" +
                       Number(kMaxDataLines + 2) + u"行目）。データは" + Number(kMaxDataLines) +
                       u"行までにしてください。\n" + sentenPath};
    }
    const Text goPath = ToolFilePath(run.programFolder, u"go.lsp");
    if (!run.services.files.ReplaceWholeFile(goPath, PointLineScript(std::get<PointList>(read)))) {
        return Failure{u"go.lsp を書き込めませんでした。\n" + goPath};
    }
    return kSucceeded;
}

Text PinmarkLoadCommand() {
    return LoadCommandFor(u"go");
}

} // namespace vr::pinmark
