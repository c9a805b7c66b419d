#pragma once

#include "FakeServices.h"
#include "job/RunToolJob.h"
#include "job/ToolRun.h"

namespace vr::test {

// One CAD process (id 4, thread 40) with a text window enumerated before its
// main window, as an owned window is, each with a command area.
struct JobWorld {
    static constexpr Hwnd kMain = 0x100, kMainCommand = 0x110, kMainInput = 0x111;
    static constexpr Hwnd kText = 0x200, kTextCommand = 0x210, kTextHistory = 0x211;

    FakeToolServices fake;
    ToolRun run{fake.Services(), u"pinmark", u"C:\\Tools"};

    JobWorld() {
        run.delayFactor = 5;
        const std::string ini = "C:\\Tools\\ZuDuv.ini";
        fake.files.files[u"C:\\Tools\\ZuDuv.ini"] = "[Main]\r\n";
        fake.profiles.Set(ini, "Main", "ACADName", "acad");
        fake.profiles.Set(ini, "Main", "CommandCaption", "Command Line");
        fake.profiles.Set(ini, "Main", "MainCaption", "CAD 2024");
        fake.profiles.Set(ini, "Main", "TextCaption", "CAD Text");
        fake.profiles.Set(ini, "Main", "MainCmdCtrlID", "1001");
        fake.profiles.Set(ini, "Main", "TextHistCtrlID", "1004");
        auto& d = fake.desktop;
        d.processes = {{1, "explorer.exe"}, {4, "acad.exe"}};
        d.threads = {{10, 1}, {40, 4}};
        d.threadWindows[40] = {kText, kMain};
        d.windows[kMain] = {u"CAD 2024 - [a.dwg]", {kMainCommand}, {0, 0, 800, 600}};
        d.windows[kMainCommand] = {u"Command Line", {kMainInput}, {100, 500, 711, 631}};
        d.windows[kMainInput] = {u"", {}, {}, 1001, "Command: LINE"};
        d.windows[kText] = {u"CAD Text Window - a.dwg", {kTextCommand}, {}};
        d.windows[kTextCommand] = {u"Command Line", {kTextHistory}, {}};
        d.windows[kTextHistory] = {u"", {}, {}, 1004, "history"};
    }

    // A second CAD process (id 5, thread 50) with its own windows.
    void AddSecondCad() {
        auto& d = fake.desktop;
        d.processes.push_back({5, "C:\\CAD\\acad.exe"});
        d.threads.push_back({50, 5});
        d.threadWindows[50] = {0x300};
        d.windows[0x300] = {u"CAD 2024 - [C:\\work\\b.dwg]", {0x310}, {0, 0, 10, 10}};
        d.windows[0x310] = {u"Command Line", {}, {0, 0, 10, 10}};
    }

    // The pinmark job with a small script, written at the tool step.
    static ToolJobPlan Plan(bool emptyAfterPaste = true) {
        return ToolJobPlan{.script = ToolOutputFile{u"go.lsp", "(princ)\r\n"},
                           .loadCommand = LoadCommandFor(u"go"),
                           .emptyClipboardAfterPaste = emptyAfterPaste};
    }

    // A discovery as the job runs it: the run's settings, its table, and
    // the main window's list, whose first touch runs the load step.
    void Discover() {
        DiscoverCadInstances(run.services.desktop, run.settings, run.discovery, run.window);
    }
};

} // namespace vr::test
