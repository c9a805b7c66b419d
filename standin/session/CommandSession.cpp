#include "session/CommandSession.h"

#include "cad/MTextFormat.h"
#include "session/HistoryText.h"
#include "session/SessionFiles.h"
#include "text/AnsiText.h"

namespace standin {
namespace {

Text Upper(Text text) {
    for (char16_t& c : text) {
        if (c >= u'a' && c <= u'z') {
            c = static_cast<char16_t>(c - u'a' + u'A');
        }
    }
    return text;
}

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
    : options_(options), journal_(journal), files_(files), windows_(windows), lisp_(*this),
      scriptedPoints_(options.points.begin(), options.points.end()),
      scriptedPicks_(options.picks.begin(), options.picks.end()) {}

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
        const auto outcome = lisp_.EvaluateText(line[0] == u'!' ? TextView(line).substr(1) : line);
        if (outcome.error) {
            journal_.Write(JsonLine("error").Add("message", TextView(*outcome.error)));
            Print(u"; error: " + *outcome.error + u"\n");
        } else {
            Print(lisp::Prin1Text(outcome.value) + u"\n");
        }
        return;
    }
    const Text command = Upper(line);
    if (command == u"DXFOUT" || command == u"_DXFOUT") {
        SaveDxf();
        return;
    }
    journal_.Write(JsonLine("error").Add("message", u"Unknown command \"" + command + u"\""));
    Print(u"Unknown command \"" + command + u"\".  Press F1 for help.\n");
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

} // namespace standin
