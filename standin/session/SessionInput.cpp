// What reaches the command session from outside: characters typed, pasted or
// sent with WM_COPYDATA, the clipboard pasted into the drawing, clicks.
#include "session/CommandSession.h"

#include "text/AnsiText.h"

namespace standin {

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

} // namespace standin
