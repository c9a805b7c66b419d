// What the routines ask of the user: points (getpoint), entities (entsel)
// and dialogs, answered by script, by typed coordinates or by clicks, each
// answer journaled with where it came from.
#include "session/CommandSession.h"

#include <algorithm>

namespace standin {

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

void CommandSession::JournalPoint(const Point3& point, TextView source) {
    journal_.Write(JsonLine("getpoint")
                       .Add("x", point.x)
                       .Add("y", point.y)
                       .Add("z", point.z)
                       .Add("source", source));
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
