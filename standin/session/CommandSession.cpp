#include "session/CommandSession.h"

#include "cad/MTextFormat.h"
#include "platform/FileAccess.h"
#include "session/HistoryText.h"
#include "session/SessionFiles.h"
#include "text/AnsiText.h"
#include "text/AsciiCase.h"

#include <algorithm>

namespace standin {
namespace {

JsonLine EntityEvent(const Entity& entity) {
    JsonLine line("entity");
    line.Add("type", EntityTypeName(entity.type))
        .Add("number", static_cast<long long>(entity.number))
        .Add("layer", TextView(entity.layer))
        .Add("x", entity.start.x)
        .Add("y", entity.start.y)
        .Add("z", entity.start.z);
    if (entity.type == EntityType::Line) {
        line.Add("x2", entity.end.x).Add("y2", entity.end.y).Add("z2", entity.end.z);
    }
    if (entity.type == EntityType::SingleLineText) {
        line.Add("height", entity.height)
            .Add("rotation", entity.rotation)
            .Add("text", TextView(entity.text));
    }
    if (entity.type == EntityType::MText) {
        line.Add("height", entity.height)
            .Add("rotation", entity.rotation)
            .Add("attachment", static_cast<long long>(entity.attachment))
            .Add("text", TextView(entity.text))
            .Add("plain", TextView(PlainMText(entity.text)));
    }
    if (entity.type == EntityType::Dimension) {
        line.Add("textX", entity.end.x)
            .Add("textY", entity.end.y)
            .Add("x13", entity.extension1.x)
            .Add("y13", entity.extension1.y)
            .Add("x14", entity.extension2.x)
            .Add("y14", entity.extension2.y)
            .Add("dimensionType", static_cast<long long>(entity.dimensionType))
            .Add("rotation", entity.rotation)
            .Add("style", TextView(entity.style))
            .Add("measurement", entity.measurement)
            .Add("override", TextView(entity.text));
    }
    return line;
}

} // namespace

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

// ---- input ----

void CommandSession::QueueLines(const std::vector<Text>& lines) {
    queuedLines_.insert(queuedLines_.end(), lines.begin(), lines.end());
    windows_.PostDrain();
}

void CommandSession::OnInputCharacters(TextView characters) {
    for (const CommandLineInput::Action& action : commandLine_.Feed(characters)) {
        if (action.kind == CommandLineInput::Action::Kind::Cancel) {
            journal_.Write(JsonLine("cancel").AddBool("pointRequest", awaitingPoint_));
            queuedLines_.clear();
            if (awaitingPoint_) {
                awaitingPoint_ = false;
                pointCancelled_ = true;
            }
            continue;
        }
        if (awaitingPoint_) {
            AnswerTypedPoint(action.line);
            continue;
        }
        queuedLines_.push_back(action.line);
        windows_.PostDrain();
    }
    windows_.ShowPendingInput(commandLine_.Pending());
}

void CommandSession::AnswerTypedPoint(const Text& line) {
    journal_.Write(JsonLine("execute").Add("line", TextView(line)).AddBool("pointRequest", true));
    if (pickRequest_ && line.empty()) {
        AppendHistory(u"\r\n");
        pickAnswer_ = PickAnswer{PickAnswer::Kind::Enter, {}, 0};
        pickSource_ = u"typed";
        awaitingPoint_ = false;
        return;
    }
    if (const auto point = ParsePoint(line); point && pickRequest_) {
        AppendHistory(line + u"\r\n");
        pickAnswer_ = PickAt(*point, kScriptedPickTolerance);
        pickSource_ = u"typed";
        awaitingPoint_ = false;
    } else if (point) {
        AppendHistory(line + u"\r\n");
        pointAnswer_ = *point;
        awaitingPoint_ = false;
        JournalPoint(*point, u"typed");
    } else {
        AppendHistory(line + u"\r\nInvalid point.\r\n");
    }
}

void CommandSession::Pasted(const std::optional<vr::Bytes>& text, std::int32_t formats) {
    const vr::Bytes bytes = text.value_or(vr::Bytes());
    const Text decoded = vr::DecodeAnsi(bytes);
    journal_.Write(JsonLine("paste")
                       .Add("text", TextView(decoded))
                       .Add("bytes", static_cast<long long>(bytes.size()))
                       .AddBool("hasText", text.has_value())
                       .Add("formats", static_cast<long long>(formats)));
    OnInputCharacters(decoded);
}

void CommandSession::PasteClip(const std::optional<vr::Bytes>& text) {
    const Text decoded = vr::DecodeAnsi(text.value_or(vr::Bytes()));
    journal_.Write(
        JsonLine("pasteclip").Add("text", TextView(decoded)).AddBool("hasText", text.has_value()));
    if (!text) {
        return;
    }
    // The text as an object: its lines as MTEXT paragraphs, other control
    // characters (the escape of a load command) dropped.
    Text contents;
    for (std::size_t i = 0; i < decoded.size(); ++i) {
        const char16_t c = decoded[i];
        if (c == u'\r' || c == u'\n') {
            if (c == u'\r' && i + 1 < decoded.size() && decoded[i + 1] == u'\n') {
                ++i;
            }
            if (i + 1 < decoded.size()) {
                contents += u"\\P";
            }
        } else if (c >= 0x20) {
            contents.push_back(c);
        }
    }
    Entity pasted;
    pasted.type = EntityType::MText;
    pasted.height = 2.5;
    pasted.text = contents;
    AddEntity(pasted);
}

void CommandSession::PasteRefused() {
    journal_.Write(JsonLine("paste").AddBool("clipboardBusy", true));
}

void CommandSession::CopyDataReceived(std::uintptr_t dwData, std::uint32_t byteCount,
                                      vr::BytesView bytes) {
    const Text text = vr::DecodeAnsi(bytes.substr(0, bytes.find('\0')));
    journal_.Write(JsonLine("copydata")
                       .Add("dwData", static_cast<long long>(dwData))
                       .Add("bytes", static_cast<long long>(byteCount))
                       .Add("text", TextView(text)));
    if (dwData == 1) {
        OnInputCharacters(text);
    }
}

void CommandSession::DrawingClicked(ClientPoint client, const Point3& world, double unitsPerPixel) {
    journal_.Write(JsonLine("click")
                       .Add("window", TextView(u"drawing"))
                       .Add("x", static_cast<long long>(client.x))
                       .Add("y", static_cast<long long>(client.y)));
    if (awaitingPoint_ && pickRequest_) {
        pickAnswer_ = PickAt(world, kPickBoxPixels * unitsPerPixel);
        pickSource_ = u"click";
        awaitingPoint_ = false;
        Print(u"\n");
    } else if (awaitingPoint_) {
        pointAnswer_ = world;
        awaitingPoint_ = false;
        Print(u"\n");
        JournalPoint(world, u"click");
    }
}

// ---- running lines ----

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

// ---- the drawing and its file ----

std::optional<vr::Bytes> CommandSession::HistoryForClipboard() {
    journal_.Write(JsonLine("command32781").AddBool("ignored", options_.ignoreHistoryCommand));
    if (options_.ignoreHistoryCommand) {
        return std::nullopt;
    }
    return vr::EncodeAnsi(history_);
}

void CommandSession::SaveDxf() {
    if (options_.dxf.empty()) {
        Print(u"DXFOUT: no file given (--dxf).\n");
        return;
    }
    const bool saved = SaveDxfFile(files_, options_.dxf, entities_);
    journal_.Write(JsonLine("dxf")
                       .Add("file", TextView(options_.dxf))
                       .Add("entities", static_cast<long long>(entities_.size()))
                       .AddBool("saved", saved));
}

void CommandSession::Exit() {
    if (!options_.dxf.empty()) {
        SaveDxf();
    }
    JournalExcelCells();
    journal_.Write(JsonLine("exit"));
}

// ---- CadHost ----

void CommandSession::JournalPoint(const Point3& point, TextView source) {
    journal_.Write(JsonLine("getpoint")
                       .Add("x", point.x)
                       .Add("y", point.y)
                       .Add("z", point.z)
                       .Add("source", source));
}

void CommandSession::Print(TextView text) {
    AppendHistory(text);
    journal_.Write(JsonLine("print").Add("text", text));
}

std::optional<Point3> CommandSession::GetPoint(TextView prompt) {
    Print(prompt);
    journal_.Write(JsonLine("prompt").Add("text", prompt));
    if (!scriptedPoints_.empty()) {
        const Point3 point = scriptedPoints_.front();
        scriptedPoints_.pop_front();
        Print(u"\n");
        JournalPoint(point, u"script");
        return point;
    }
    // Wait for a click, typed coordinates or escape, handling messages
    // meanwhile, as the CAD does while it asks for a point.
    awaitingPoint_ = true;
    pointCancelled_ = false;
    pointAnswer_.reset();
    while (awaitingPoint_) {
        if (!windows_.HandleNextMessage()) {
            awaitingPoint_ = false;
            pointCancelled_ = true;
        }
    }
    if (pointCancelled_ || !pointAnswer_) {
        pointCancelled_ = false;
        Print(u"*Cancel*\n");
        return std::nullopt;
    }
    return pointAnswer_;
}

void CommandSession::AddEntity(const Entity& entity) {
    entities_.push_back(entity);
    entities_.back().number = static_cast<std::int32_t>(entities_.size());
    journal_.Write(EntityEvent(entities_.back()));
    windows_.ShowDrawing();
}

PickAnswer CommandSession::PickAt(const Point3& point, double tolerance) const {
    const auto index = NearestEntity(entities_, point, tolerance);
    if (!index) {
        return PickAnswer{PickAnswer::Kind::Missed, point, 0};
    }
    return PickAnswer{PickAnswer::Kind::Entity, point, entities_[*index].number};
}

void CommandSession::JournalPick(const PickAnswer& answer, TextView source) {
    JsonLine line("entsel");
    line.Add("source", source);
    const bool hasPoint =
        answer.kind == PickAnswer::Kind::Entity || answer.kind == PickAnswer::Kind::Missed;
    if (hasPoint) {
        line.Add("x", answer.point.x).Add("y", answer.point.y).Add("z", answer.point.z);
    } else {
        line.AddRaw("x", "null").AddRaw("y", "null").AddRaw("z", "null");
    }
    if (answer.kind == PickAnswer::Kind::Entity) {
        line.Add("entity", static_cast<long long>(answer.entity));
    } else {
        line.AddRaw("entity", "null");
    }
    line.AddBool("enter", answer.kind == PickAnswer::Kind::Enter)
        .AddBool("cancel", answer.kind == PickAnswer::Kind::Cancel);
    journal_.Write(line);
}

PickAnswer CommandSession::PickEntity(TextView prompt) {
    Print(prompt);
    journal_.Write(JsonLine("prompt").Add("text", prompt));
    if (!scriptedPicks_.empty()) {
        const ScriptedPick pick = scriptedPicks_.front();
        scriptedPicks_.pop_front();
        PickAnswer answer;
        if (pick.kind == ScriptedPick::Kind::Point) {
            answer = PickAt(pick.point, kScriptedPickTolerance);
            Print(u"\n");
        } else if (pick.kind == ScriptedPick::Kind::Enter) {
            answer.kind = PickAnswer::Kind::Enter;
            Print(u"\n");
        } else {
            Print(u"*Cancel*\n");
        }
        JournalPick(answer, u"script");
        return answer;
    }
    // Wait as getpoint does, the click or typed point taken as a pick.
    awaitingPoint_ = true;
    pickRequest_ = true;
    pointCancelled_ = false;
    pickAnswer_.reset();
    pickSource_ = u"typed";
    while (awaitingPoint_) {
        if (!windows_.HandleNextMessage()) {
            awaitingPoint_ = false;
            pointCancelled_ = true;
        }
    }
    pickRequest_ = false;
    PickAnswer answer;
    if (pointCancelled_ || !pickAnswer_) {
        pointCancelled_ = false;
        Print(u"*Cancel*\n");
    } else {
        answer = *pickAnswer_;
    }
    JournalPick(answer, pickSource_);
    return answer;
}

std::optional<Text> CommandSession::FindFile(TextView name) {
    return FindSupportFile(files_, options_.supportFolders, name);
}

std::optional<Text> CommandSession::ReadSource(TextView path) {
    return ReadSourceFile(files_, path);
}

void CommandSession::LoadAttempted(TextView name, const std::optional<Text>& path) {
    JsonLine line("load");
    line.Add("name", name);
    if (path) {
        line.Add("file", TextView(*path));
    } else {
        line.AddRaw("file", "null");
    }
    journal_.Write(line);
}

// ---- the spreadsheet ----

excel::Application* CommandSession::RunningExcel() {
    excelReached_ = true;
    return excel_.get();
}

namespace {

// A cell's value as JSON with the name of its kind.
std::pair<std::string, TextView> JsonValue(const excel::ComValue& value) {
    switch (value.type) {
    case excel::VarType::Long:
        return {std::to_string(value.integer), u"integer"};
    case excel::VarType::Double:
        return {JsonNumber(value.real), u"real"};
    case excel::VarType::String:
        return {JsonString(value.text), u"string"};
    case excel::VarType::Boolean:
        return {value.boolean ? "true" : "false", u"boolean"};
    case excel::VarType::Object:
        return {"null", u"object"};
    case excel::VarType::Empty:
        break;
    }
    return {"null", u"empty"};
}

} // namespace

void CommandSession::CellWritten(TextView workbook, TextView sheet, std::int32_t row,
                                 std::int32_t column, const excel::ComValue& written) {
    const auto [json, kind] = JsonValue(written);
    journal_.Write(JsonLine("excel-write")
                       .Add("workbook", workbook)
                       .Add("sheet", sheet)
                       .Add("row", static_cast<long long>(row))
                       .Add("col", static_cast<long long>(column))
                       .AddRaw("value", json)
                       .Add("kind", kind));
}

void CommandSession::CallRefused(TextView message) {
    journal_.Write(JsonLine("excel-error").Add("message", message));
}

// What each workbook holds at the end, cell by cell in row order.
void CommandSession::JournalExcelCells() {
    if (!excel_) {
        return;
    }
    for (const auto& book : excel_->Workbooks()) {
        std::string cells = "[";
        for (const auto& sheet : book->Sheets()) {
            for (const auto& [at, cell] : sheet->Cells()) {
                if (cell.value.type == excel::VarType::Empty) {
                    continue;
                }
                const auto [json, kind] = JsonValue(cell.value);
                cells += cells.size() > 1 ? "," : "";
                cells += "{\"sheet\":" + JsonString(sheet->Name()) +
                         ",\"row\":" + std::to_string(at.first) +
                         ",\"col\":" + std::to_string(at.second) + ",\"value\":" + json +
                         ",\"kind\":" + JsonString(kind) + "}";
            }
        }
        cells += "]";
        journal_.Write(JsonLine("excel-cells")
                           .Add("workbook", TextView(book->FullName()))
                           .AddRaw("cells", cells));
    }
}

// ---- files and dialogs of the routines ----

std::optional<vr::Bytes> CommandSession::ReadFileBytes(TextView path) {
    return files_.ReadWholeFile(path);
}

bool CommandSession::WriteFileBytes(TextView path, vr::BytesView bytes) {
    const bool written = files_.ReplaceWholeFile(path, bytes).written;
    journal_.Write(JsonLine("file")
                       .Add("path", path)
                       .Add("bytes", static_cast<long long>(bytes.size()))
                       .AddBool("written", written));
    return written;
}

std::optional<std::vector<Text>> CommandSession::NextDialogAnswers() {
    if (scriptedDialogs_.empty()) {
        return std::nullopt;
    }
    const Text script = scriptedDialogs_.front();
    scriptedDialogs_.pop_front();
    std::vector<Text> answers;
    for (std::size_t start = 0; start <= script.size();) {
        const std::size_t end = std::min(script.find(u';', start), script.size());
        if (end > start) {
            answers.push_back(script.substr(start, end - start));
        }
        start = end + 1;
    }
    return answers;
}

void CommandSession::DialogEnded(TextView name, const std::vector<Text>& applied, int status) {
    std::string answers = "[";
    for (const Text& answer : applied) {
        answers += (answers.size() > 1 ? "," : "") + JsonString(answer);
    }
    answers += "]";
    journal_.Write(JsonLine("dialog")
                       .Add("name", name)
                       .AddRaw("answers", answers)
                       .Add("status", static_cast<long long>(status)));
}

} // namespace standin
