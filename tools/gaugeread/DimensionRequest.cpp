#include "DimensionRequest.h"

#include "messages/ToolMessages.h"
#include "text/AnsiText.h"
#include "text/LispString.h"

#include <algorithm>

namespace vr::gaugeread {

Text ArgumentText(TextView commandLine) {
    std::size_t end = 0;
    if (!commandLine.empty() && commandLine[0] == u'"') {
        const std::size_t close = commandLine.find(u'"', 1);
        end = close == TextView::npos ? commandLine.size() : close + 1;
    } else {
        end = std::min(commandLine.find_first_of(u" \t"), commandLine.size());
    }
    if (end < commandLine.size() && (commandLine[end] == u' ' || commandLine[end] == u'\t')) {
        ++end;
    }
    return Text(commandLine.substr(end));
}

std::optional<Request> SplitRequest(TextView arguments) {
    std::vector<Text> fields;
    std::size_t start = 0;
    while (fields.size() < 3) {
        const std::size_t space = arguments.find(u' ', start);
        if (space == TextView::npos) {
            return std::nullopt; // three fields or fewer
        }
        fields.emplace_back(arguments.substr(start, space - start));
        start = space + 1;
    }
    TextView rest = arguments.substr(start);
    Text workbook;
    if (!rest.empty() && rest[0] == u'"') {
        const std::size_t close = rest.find(u'"', 1);
        workbook = Text(rest.substr(1, close == TextView::npos ? TextView::npos : close - 1));
    } else {
        workbook = Text(rest.substr(0, rest.find(u' ')));
    }
    return Request{fields[0], fields[1], fields[2], workbook};
}

Bytes RequestFile(const Request& request) {
    Text workbook = request.workbook;
    std::replace(workbook.begin(), workbook.end(), u'\\', u'/');
    const Text file = u"(setq expr \"" + LispStringContent(request.expression) + u"\")\r\n" +
                      u"(setq row \"" + LispStringContent(request.row) + u"\")\r\n" +
                      u"(setq col \"" + LispStringContent(request.column) + u"\")\r\n" +
                      u"(setq excelfnam \"" + LispStringContent(workbook) + u"\")\r\n";
    return EncodeAnsi(file);
}

Text RoutineFor(TextView expression) {
    return !expression.empty() && (expression[0] == u'+' || expression[0] == u'-') ? u"qv"
                                                                                   : u"qvpos";
}

ToolPlanOrFailure GaugereadPlan(TextView commandLine) {
    const Text arguments = ArgumentText(commandLine);
    const std::optional<Request> request = SplitRequest(arguments);
    if (!request) {
        return Failure{StopKind::Input, RequestTooShortMessage(arguments)};
    }
    // excel_fname.lsp is written in the ANSI code page: a character it
    // cannot hold would silently become another one (a '?' in the path of
    // the workbook).
    for (const Text* field :
         {&request->expression, &request->row, &request->column, &request->workbook}) {
        if (!IsAnsiEncodable(*field)) {
            return Failure{StopKind::Input, RequestNotWritableMessage(*field)};
        }
    }
    return ToolJobPlan{
        .request = ToolOutputFile{u"excel_fname.lsp", RequestFile(*request)},
        .loadCommand = LoadCommandFor(RoutineFor(request->expression)),
        .emptyClipboardAfterPaste = false,
    };
}

} // namespace vr::gaugeread
