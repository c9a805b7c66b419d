// The session made, and the lines of the command line run one after another:
// AutoLISP, DXFOUT and the commands AutoLISP defines; the history they write.
#include "session/CommandSession.h"

#include "session/HistoryText.h"
#include "text/AnsiText.h"
#include "text/AsciiCase.h"

namespace standin {

CommandSession::CommandSession(const Options& options, JournalSink& journal, vr::FileAccess& files,
                               SessionWindows& windows)
    : options_(options), journal_(journal), files_(files), windows_(windows),
      excel_(options.excel ? std::make_unique<excel::Application>() : nullptr), lisp_(*this),
      scriptedPoints_(options.points.begin(), options.points.end()),
      scriptedDialogs_(options.dialogs.begin(), options.dialogs.end()),
      scriptedPicks_(options.picks.begin(), options.picks.end()) {
    if (options.lt) {
        lisp::SetProduct(lisp_, options.ltAutomationRaises ? lisp::Product::AutoCadLtRaising
                                                           : lisp::Product::AutoCadLt);
    }
    if (excel_) {
        excel_->SetObserver(this);
        for (const Options::Workbook& book : options.workbooks) {
            excel_->Open(book.fullName, book.sheet, book.readOnly, book.protectedSheet);
        }
    }
}

void CommandSession::DrainQueue() {
    if (executing_) {
        return; // the running line drains the rest when it ends
    }
    while (!queuedLines_.empty()) {
        const Text line = queuedLines_.front();
        queuedLines_.pop_front();
        executing_ = true;
        Execute(line);
        executing_ = false;
    }
}

void CommandSession::Execute(const Text& line) {
    journal_.Write(JsonLine("execute").Add("line", TextView(line)));
    AppendHistory(u"Command: " + line + u"\r\n");
    if (line.empty()) {
        return;
    }
    if (line[0] == u'(' || line[0] == u'!') {
        RunLisp(line[0] == u'!' ? TextView(line).substr(1) : TextView(line));
        return;
    }
    const Text command = vr::AsciiUpper(line);
    if (command == u"DXFOUT" || command == u"_DXFOUT") {
        SaveDxf();
        return;
    }
    if (RunLispCommand(command)) {
        return;
    }
    journal_.Write(JsonLine("error").Add("message", u"Unknown command \"" + command + u"\""));
    Print(u"Unknown command \"" + command + u"\".  Press F1 for help.\n");
}

// Runs AutoLISP typed or sent to the command line and shows its outcome as
// the CAD does: the value, or "; error:" unless *error* took the error, in
// which case what *error* returned shows as a value would.
void CommandSession::RunLisp(TextView source) {
    excelReached_ = false;
    const long long callsBefore = excel_ ? excel_->Calls() : 0;
    const auto outcome = lisp_.EvaluateText(source);
    if (outcome.error) {
        JsonLine event("error");
        event.Add("message", TextView(*outcome.error));
        if (outcome.handled) {
            event.AddBool("handler", true);
        }
        journal_.Write(event);
    }
    if (outcome.error && !outcome.handled) {
        Print(u"; error: " + *outcome.error + u"\n");
    } else {
        Print(lisp::Prin1Text(outcome.value) + u"\n");
    }
    if (excel_ && (excelReached_ || excel_->Calls() != callsBefore)) {
        journal_.Write(JsonLine("excel-objects").Add("unreleased", excel_->Unreleased()));
    }
}

bool CommandSession::RunLispCommand(const Text& command) {
    // A name typed at the prompt runs the function (defun c:name ...) made,
    // with no arguments, and shows what it returns as an expression's value.
    if (command.find_first_of(u" \t()\";'|") != Text::npos) {
        return false;
    }
    const lisp::ValuePtr function = lisp_.Get(u"C:" + command);
    if (!function ||
        (function->kind != lisp::Kind::Function && function->kind != lisp::Kind::Subr)) {
        return false;
    }
    RunLisp(u"(C:" + command + u")");
    return true;
}

void CommandSession::AppendHistory(TextView text) {
    const Text lines = WithCrLf(text);
    history_ += lines;
    windows_.ShowHistory(lines, LastTwoLines(history_));
}

void CommandSession::Print(TextView text) {
    AppendHistory(text);
    journal_.Write(JsonLine("print").Add("text", text));
}

std::optional<vr::Bytes> CommandSession::HistoryForClipboard() {
    journal_.Write(JsonLine("command32781").AddBool("ignored", options_.ignoreHistoryCommand));
    if (options_.ignoreHistoryCommand) {
        return std::nullopt;
    }
    return vr::EncodeAnsi(history_);
}

} // namespace standin
