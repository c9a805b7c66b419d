#pragma once

#include "FakeServices.h"
#include "TestText.h"
#include "session/CommandSession.h"

#include <deque>
#include <functional>
#include <string>
#include <vector>

namespace standin::test {

// The journal as a list: each line as the file holds it, without the time
// the program adds and without the line end.
class RecordingJournal final : public JournalSink {
  public:
    void Write(const JsonLine& line) override {
        std::string text = line.Finish();
        text.pop_back();
        lines.push_back(std::move(text));
    }
    std::vector<std::string> lines;
};

// The windows and the message loop around a session. Posted drains and the
// user's actions wait in one queue and are handled in order, as the message
// loop handles posted and input messages; an empty queue ends the program.
class ScriptedWindows final : public SessionWindows {
  public:
    void PostDrain() override {
        ++drainsPosted;
        messages.emplace_back([this] { session->DrainQueue(); });
    }
    void ShowPendingInput(vr::TextView pending) override { shownPending.emplace_back(pending); }
    void ShowHistory(vr::TextView added, vr::TextView lastLines) override {
        historyBox += added;
        commandArea = lastLines;
    }
    void ShowDrawing() override { ++redraws; }
    bool HandleNextMessage() override {
        if (messages.empty()) {
            return false;
        }
        const std::function<void()> message = std::move(messages.front());
        messages.pop_front();
        message();
        return true;
    }
    void RunMessageLoop() {
        while (HandleNextMessage()) {
        }
    }

    CommandSession* session = nullptr;
    std::deque<std::function<void()>> messages;
    int drainsPosted = 0;
    std::vector<Text> shownPending;
    Text historyBox;
    Text commandArea;
    int redraws = 0;
};

// A session with everything around it recorded.
struct SessionBed {
    explicit SessionBed(Options chosen = {})
        : options(std::move(chosen)), session(options, journal, files, windows) {
        windows.session = &session;
    }
    // What the user does, handled when the loop comes to it.
    void Type(Text characters) {
        windows.messages.emplace_back(
            [this, characters] { session.OnInputCharacters(characters); });
    }
    void Click(ClientPoint pixel, Point3 world) {
        windows.messages.emplace_back(
            [this, pixel, world] { session.DrawingClicked(pixel, world); });
    }

    Options options;
    RecordingJournal journal;
    vr::test::FakeFiles files;
    ScriptedWindows windows;
    CommandSession session;
};

} // namespace standin::test
