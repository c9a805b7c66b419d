#include "app/MainWindow.h"

#include "app/StartFailure.h"
#include "app/WindowClasses.h"
#include "winsupport/win32/WideText.h"

#include <algorithm>

namespace standin {
namespace {

constexpr UINT_PTR kHangTimer = 1;
constexpr UINT_PTR kExitTimer = 2;
constexpr int kCommandAreaHeight = 64;
constexpr int kFloatingCommandLineHeight = 72;

} // namespace

MainWindow::MainWindow(const Options& options, JournalSink& journal, CommandSession& session,
                       CommandInput& input)
    : options_(options), journal_(journal), session_(session), input_(input), drawing_(session),
      area_(journal, u"commandArea", controls_) {}

bool MainWindow::Create(HFONT font) {
    Text title = options_.productPrefix;
    title += options_.mainCaption;
    title += options_.noDash ? u" [" : u" - [";
    title += options_.drawing + u"]";
    const std::wstring wideTitle = vr::WideZ(options_.noCaptions ? Text() : title);
    if (!Window::Create({.className = kMainClass,
                         .title = wideTitle.c_str(),
                         .style = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN,
                         .x = 80,
                         .y = 60,
                         .width = 800,
                         .height = 600})) {
        return ReportStartFailure(L"Creating the main window", GetLastError());
    }
    if (!drawing_.Create(Handle())) {
        return ReportStartFailure(L"Creating the drawing area", GetLastError());
    }
    // Without the command area (a fault mode) its controls sit directly in
    // the main window.
    HWND controlsParent = Handle();
    if (!options_.noCommandArea) {
        if (!CreateCommandLine()) {
            return ReportStartFailure(L"Creating the command area", GetLastError());
        }
        controlsParent = area_.Handle();
    }
    return controls_.Create(controlsParent, CommandLineControls::Kind::PromptAndInput,
                            options_.mainCmdCtrlId, font) &&
           input_.Attach(controls_.Input());
}

bool MainWindow::CreateCommandLine() {
    if (!options_.floatingCommandClass.empty()) {
        RECT main;
        GetWindowRect(Handle(), &main);
        const RECT below{main.left, main.bottom + 4, main.right,
                         main.bottom + 4 + kFloatingCommandLineHeight};
        return area_.CreateFloating(Handle(), vr::WideZ(options_.floatingCommandClass),
                                    options_.noCaptions ? Text() : options_.floatingCommandTitle,
                                    below);
    }
    if (!options_.dockedCommandClass.empty()) {
        if (!dock_.Create(Handle()) || !dockInner_.Create(dock_.Handle()) ||
            !area_.CreateOfClass(dockInner_.Handle(), vr::WideZ(options_.dockedCommandClass))) {
            return false;
        }
        dock_.Hold(dockInner_.Handle());
        dockInner_.Hold(area_.Handle());
        return true;
    }
    return area_.Create(Handle(), options_.noCaptions ? Text() : options_.commandCaption);
}

void MainWindow::Layout() {
    if (!drawing_.Handle()) {
        return; // still being created
    }
    RECT client;
    GetClientRect(Handle(), &client);
    const int width = client.right;
    if (!options_.floatingCommandClass.empty() && area_.Handle()) {
        // The command line floats below: the drawing takes the whole window.
        MoveWindow(drawing_.Handle(), 0, 0, width, client.bottom, TRUE);
        RECT floating;
        GetClientRect(area_.Handle(), &floating);
        controls_.Layout(floating);
        return;
    }
    const int drawingHeight = std::max(0, static_cast<int>(client.bottom) - kCommandAreaHeight);
    MoveWindow(drawing_.Handle(), 0, 0, width, drawingHeight, TRUE);
    if (dock_.Handle()) {
        MoveWindow(dock_.Handle(), 0, drawingHeight, width, kCommandAreaHeight, TRUE);
    } else if (area_.Handle()) {
        MoveWindow(area_.Handle(), 0, drawingHeight, width, kCommandAreaHeight, TRUE);
    } else {
        // No command area: the controls take the bottom of the window.
        const LONG top = std::max(0L, client.bottom - kCommandAreaHeight);
        controls_.Layout(RECT{0, top, client.right, client.bottom});
    }
}

void MainWindow::StartTimers() {
    if (options_.hangOn.empty() && (options_.hangAfterMs > 0 || options_.hangForMs > 0)) {
        SetTimer(Handle(), kHangTimer, std::max<UINT>(options_.hangAfterMs, 1), nullptr);
    }
    if (options_.exitAfterMs) {
        SetTimer(Handle(), kExitTimer, std::max<UINT>(*options_.exitAfterMs, 1), nullptr);
    }
}

LRESULT MainWindow::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COPYDATA:
        OnCopyData(*reinterpret_cast<const COPYDATASTRUCT*>(lParam));
        return TRUE;
    case WM_ACTIVATE:
        OnActivate(wParam);
        return 0;
    case WM_TIMER:
        OnTimer(wParam);
        return 0;
    case kDrainMessage:
        session_.DrainQueue();
        return 0;
    case kCommandAreaClickedMessage:
        OnRunStep(u"click");
        return 0;
    case WM_WINDOWPOSCHANGING:
        OnWindowPosChanging(*reinterpret_cast<const WINDOWPOS*>(lParam));
        return Window::WindowProc(message, wParam, lParam);
    case kFaultStepMessage:
        if (wParam == 1) {
            Destroy();
        } else {
            journal_.Write(JsonLine("hang").Add("ms", static_cast<long long>(options_.hangForMs)));
            Sleep(options_.hangForMs);
            journal_.Write(JsonLine("hangEnded"));
        }
        return 0;
    default:
        return Window::WindowProc(message, wParam, lParam);
    }
}

void MainWindow::OnSize(int, int) {
    Layout();
}

void MainWindow::OnActivate(WPARAM wParam) {
    const bool active = LOWORD(wParam) != WA_INACTIVE;
    const bool minimized = HIWORD(wParam) != 0;
    journal_.Write(JsonLine("activate").AddBool("active", active).AddBool("minimized", minimized));
    // The CAD's command line takes the keys as soon as its window is active;
    // a floating one only once it is clicked, as it is a window of its own.
    if (active && !minimized && options_.floatingCommandClass.empty()) {
        SetFocus(controls_.Input());
    }
}

void MainWindow::OnCopyData(const COPYDATASTRUCT& data) {
    const auto* bytes = static_cast<const char*>(data.lpData);
    session_.CopyDataReceived(data.dwData, data.cbData,
                              bytes ? vr::BytesView(bytes, data.cbData) : vr::BytesView());
}

void MainWindow::OnTimer(UINT_PTR id) {
    KillTimer(Handle(), id);
    if (id == kHangTimer) {
        journal_.Write(JsonLine("hang").Add("ms", static_cast<long long>(options_.hangForMs)));
        Sleep(options_.hangForMs);
        journal_.Write(JsonLine("hangEnded"));
    } else if (id == kExitTimer) {
        Destroy();
    }
}

void MainWindow::OnWindowPosChanging(const WINDOWPOS& position) {
    if (!(position.flags & SWP_NOZORDER) && position.hwndInsertAfter == HWND_TOPMOST) {
        OnRunStep(u"topmost");
    }
}

void MainWindow::OnRunStep(TextView step) {
    if (step == options_.exitOn) {
        journal_.Write(JsonLine("exitOn").Add("step", step));
        PostMessageW(Handle(), kFaultStepMessage, 1, 0);
    } else if (step == options_.hangOn) {
        PostMessageW(Handle(), kFaultStepMessage, 2, 0);
    }
}

void MainWindow::OnDestroy() {
    session_.Exit();
    PostQuitMessage(0);
}

} // namespace standin
