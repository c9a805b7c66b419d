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
    : options_(options), journal_(journal), session_(session), input_(input),
      drawing_(session, journal), area_(journal, u"commandArea", controls_) {}

bool MainWindow::Create(HFONT font) {
    Text title = options_.productPrefix;
    title += options_.mainCaption;
    title += options_.noDash ? u" [" : u" - [";
    title += options_.drawing + u"]";
    const std::wstring wideTitle = vr::WideZ(options_.noCaptions ? Text() : title);
    // Off the screen: the command line's centre 100 pixels right of the
    // right edge of every monitor, its left part still on the screen.
    const int x = options_.offScreen ? GetSystemMetrics(SM_XVIRTUALSCREEN) +
                                           GetSystemMetrics(SM_CXVIRTUALSCREEN) - 300
                                     : 80;
    if (!Window::Create({.className = kMainClass,
                         .title = wideTitle.c_str(),
                         .style = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN,
                         .x = x,
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

bool MainWindow::ObstructCommandLine() {
    if (options_.hideCommandLine && area_.Handle()) {
        // The window stays, hidden, as AutoCAD's Ctrl+9 leaves it; in the
        // docked shape its panel is hidden around it.
        ShowWindow(dock_.Handle() ? dock_.Handle() : area_.Handle(), SW_HIDE);
        journal_.Write(JsonLine("commandLineHidden"));
    }
    if (options_.coverCommandLine && area_.Handle()) {
        RECT area;
        GetWindowRect(area_.Handle(), &area);
        const LONG x = (area.left + area.right) / 2;
        const LONG y = (area.top + area.bottom) / 2;
        if (!palette_.Create(OwnedPopup::Kind::TopmostPalette, Handle(), L"プロパティ",
                             RECT{x - 120, y - 60, x + 120, y + 60})) {
            return ReportStartFailure(L"Creating the palette", GetLastError());
        }
        journal_.Write(JsonLine("palette"));
    }
    if (options_.modalDialog) {
        // Over the drawing, clear of the command line: only the disabled
        // main window tells that the CAD takes no input.
        RECT main;
        GetWindowRect(Handle(), &main);
        if (!dialog_.Create(OwnedPopup::Kind::ModalDialog, Handle(), L"オプション",
                            RECT{main.left + 60, main.top + 60, main.left + 380, main.top + 280})) {
            return ReportStartFailure(L"Creating the dialog", GetLastError());
        }
        journal_.Write(JsonLine("modalDialog"));
    }
    return true;
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
    // As in the CAD, the drawing takes the keys when the window is
    // activated; only a click gives them to the command line.
    if (active && !minimized) {
        SetFocus(drawing_.Handle());
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
