// gaugeread's command line as any UTF-16 (two input bytes a code unit), into
// its plan. Whatever the line holds, the plan is a request or a message. A
// request file that the plan accepts must set, in the stand-in CAD, exactly
// the four values the line gave (the workbook path with forward slashes),
// whatever quotes or backslashes they hold; and the routine it loads is qv
// for an expression that begins with + or -, else qvpos.
#include "DimensionRequest.h"
#include "FuzzSupport.h"
#include "lisp/Interpreter.h"
#include "text/AnsiText.h"

#include <algorithm>

namespace {

using vr::fuzz::RecordingCad;

bool IsStringValue(const standin::lisp::ValuePtr& value, const vr::Text& text) {
    return value && value->kind == standin::lisp::Kind::String && value->text == text;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const vr::Text commandLine = vr::fuzz::AsUtf16(data, size);
    const vr::ToolPlanOrFailure plan = vr::gaugeread::GaugereadPlan(commandLine);
    const vr::Text arguments = vr::gaugeread::ArgumentText(commandLine);
    const auto request = vr::gaugeread::SplitRequest(arguments);
    // The arguments are what follows the program name.
    VR_FUZZ_CHECK(arguments.size() <= commandLine.size());
    VR_FUZZ_CHECK(commandLine.ends_with(arguments));
    // Four values, or fewer than three single spaces.
    VR_FUZZ_CHECK(request.has_value() ==
                  (std::count(arguments.begin(), arguments.end(), u' ') >= 3));
    if (request) {
        // The first three values are cut at single spaces; an unquoted
        // workbook path ends at the next space.
        for (const vr::Text* field : {&request->expression, &request->row, &request->column}) {
            VR_FUZZ_CHECK(field->find(u' ') == vr::Text::npos);
        }
        const std::size_t rest =
            request->expression.size() + request->row.size() + request->column.size() + 3;
        if (arguments.size() == rest || arguments[rest] != u'"') {
            VR_FUZZ_CHECK(request->workbook.find(u' ') == vr::Text::npos);
            VR_FUZZ_CHECK(arguments.substr(rest).starts_with(request->workbook));
        } else {
            VR_FUZZ_CHECK(request->workbook.find(u'"') == vr::Text::npos);
            VR_FUZZ_CHECK(arguments.substr(rest + 1).starts_with(request->workbook));
        }
    }
    if (const auto* failure = std::get_if<vr::Failure>(&plan)) {
        VR_FUZZ_CHECK(!failure->message.empty());
        // Refused only for fewer than four values or one the code page cannot hold.
        if (request) {
            VR_FUZZ_CHECK(
                !vr::IsAnsiEncodable(request->expression) || !vr::IsAnsiEncodable(request->row) ||
                !vr::IsAnsiEncodable(request->column) || !vr::IsAnsiEncodable(request->workbook));
        }
        return 0;
    }
    VR_FUZZ_CHECK(request.has_value());
    const vr::ToolJobPlan& job = std::get<vr::ToolJobPlan>(plan);
    VR_FUZZ_CHECK(job.request.has_value());
    VR_FUZZ_CHECK(job.request->fileName == u"excel_fname.lsp");
    VR_FUZZ_CHECK(!job.emptyClipboardAfterPaste);
    const bool relative = !request->expression.empty() &&
                          (request->expression[0] == u'+' || request->expression[0] == u'-');
    VR_FUZZ_CHECK(job.loadCommand == vr::LoadCommandFor(relative ? u"qv" : u"qvpos"));

    RecordingCad cad;
    cad.sources[u"C:\\support\\excel_fname.lsp"] = vr::DecodeAnsi(job.request->content);
    standin::lisp::Interpreter lisp(cad);
    const auto outcome = lisp.EvaluateText(u"(load \"excel_fname\")");
    VR_FUZZ_CHECK(!outcome.error);
    vr::Text workbook = request->workbook;
    std::replace(workbook.begin(), workbook.end(), u'\\', u'/');
    VR_FUZZ_CHECK(IsStringValue(lisp.Get(u"EXPR"), request->expression));
    VR_FUZZ_CHECK(IsStringValue(lisp.Get(u"ROW"), request->row));
    VR_FUZZ_CHECK(IsStringValue(lisp.Get(u"COL"), request->column));
    VR_FUZZ_CHECK(IsStringValue(lisp.Get(u"EXCELFNAM"), workbook));
    return 0;
}
