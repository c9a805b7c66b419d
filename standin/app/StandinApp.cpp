#include "app/StandinApp.h"

#include "app/WindowClasses.h"
#include "winsupport/win32/WideText.h"

#include <cstdio>
#include <string>

namespace standin {
namespace {

std::string Hex(const void* handle) {
    char buffer[24];
    std::snprintf(buffer, sizeof buffer, "\"0x%lx\"",
                  static_cast<unsigned long>(reinterpret_cast<UINT_PTR>(handle)));
    return buffer;
}

} // namespace

StandinApp::StandinApp(Options options, vr::FileAccess& files)
    : options_(std::move(options)), session_(options_, journal_, files, *this),
      input_(journal_, session_), main_(options_, journal_, session_, input_),
      text_(options_, journal_, session_) {}

bool StandinApp::Create() {
    if (!options_.journal.empty()) {
        // Without its journal the stand-in still runs, as for a person
        // trying it by hand; a test that asked for one finds no lines.
        static_cast<void>(journal_.Open(options_.journal));
    }
    if (!RegisterWindowClasses()) {
        return false;
    }
    uiFont_.Reset(CreateFontW(-14, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, SHIFTJIS_CHARSET,
                              OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                              FIXED_PITCH | FF_MODERN, L"MS Gothic"));
    if (!main_.Create(uiFont_.Get())) {
        return false;
    }
    if (!options_.noTextWindow && !text_.Create(main_.Handle(), uiFont_.Get())) {
        return false;
    }
    main_.Layout();
    ShowWindow(main_.Handle(), options_.minimized ? SW_SHOWMINIMIZED : SW_SHOW);
    if (text_.Handle() && options_.showTextWindow) {
        ShowWindow(text_.Handle(), SW_SHOWNOACTIVATE);
    }
    UpdateWindow(main_.Handle());
    if (!main_.ObstructCommandLine()) {
        return false;
    }
    main_.StartTimers();
    session_.QueueLines(options_.runAtStart);
    JournalReady();
    session_.Print(u"StandIn CAD ready.\n");
    return true;
}

void StandinApp::JournalReady() {
    journal_.Write(JsonLine("ready")
                       .Add("pid", static_cast<long long>(GetCurrentProcessId()))
                       .AddRaw("main", Hex(main_.Handle()))
                       .AddRaw("text", Hex(text_.Handle()))
                       .AddRaw("commandArea", Hex(main_.CommandAreaHandle()))
                       .AddRaw("input", Hex(main_.Input()))
                       .AddRaw("history", Hex(text_.History())));
}

int StandinApp::Run() {
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}

// ---- SessionWindows ----

void StandinApp::PostDrain() {
    PostMessageW(main_.Handle(), kDrainMessage, 0, 0);
}

void StandinApp::ShowPendingInput(TextView pending) {
    SetWindowTextW(main_.Input(), vr::WideZ(pending).c_str());
    const auto end = static_cast<WPARAM>(pending.size());
    SendMessageW(main_.Input(), EM_SETSEL, end, static_cast<LPARAM>(end));
}

void StandinApp::ShowHistory(TextView added, TextView lastLines) {
    if (const HWND history = text_.History()) {
        const int end = GetWindowTextLengthW(history);
        SendMessageW(history, EM_SETSEL, end, end);
        SendMessageW(history, EM_REPLACESEL, FALSE,
                     reinterpret_cast<LPARAM>(vr::WideZ(added).c_str()));
    }
    SetWindowTextW(main_.Prompt(), vr::WideZ(lastLines).c_str());
}

void StandinApp::ShowDrawing() {
    InvalidateRect(main_.Drawing(), nullptr, TRUE);
}

bool StandinApp::HandleNextMessage() {
    MSG message;
    const BOOL got = GetMessageW(&message, nullptr, 0, 0);
    if (got <= 0) {
        // The program is ending: the message loop is to see the quit too.
        PostQuitMessage(static_cast<int>(message.wParam));
        return false;
    }
    TranslateMessage(&message);
    DispatchMessageW(&message);
    return true;
}

} // namespace standin
