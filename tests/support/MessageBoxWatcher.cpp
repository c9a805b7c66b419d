#include "MessageBoxWatcher.h"

#include "winsupport/win32/CodePage.h"
#include "winsupport/win32/WideText.h"

namespace vr::test {
namespace {

constexpr DWORD kPollMs = 20;
constexpr int kMessageTextId = 0xFFFF;

std::wstring WindowText(HWND window) {
    return WideZ(WindowTextOf(window));
}

struct TopWindows {
    DWORD processId;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectTopWindow(HWND window, LPARAM param) {
    auto* context = reinterpret_cast<TopWindows*>(param);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == context->processId && IsWindowVisible(window)) {
        context->found.push_back(window);
    }
    return TRUE;
}

BOOL CALLBACK CollectControl(HWND child, LPARAM param) {
    auto* report = reinterpret_cast<DialogReport*>(param);
    if (!IsWindowVisible(child)) {
        return TRUE;
    }
    const std::wstring name = ClassName(child);
    if (_wcsicmp(name.c_str(), L"Button") == 0) {
        report->buttons.push_back(WindowText(child));
    } else if (_wcsicmp(name.c_str(), L"Static") == 0) {
        const LONG style = GetWindowLongW(child, GWL_STYLE);
        if ((style & SS_TYPEMASK) == SS_ICON && SendMessageW(child, STM_GETICON, 0, 0) != 0) {
            report->hasIcon = true;
        }
    }
    return TRUE;
}

} // namespace

std::wstring ClassName(HWND window) {
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    return name;
}

std::vector<HWND> VisibleTopWindows(DWORD processId) {
    TopWindows context{processId, {}};
    EnumWindows(CollectTopWindow, reinterpret_cast<LPARAM>(&context));
    return context.found;
}

HWND FindMessageBox(DWORD processId) {
    for (HWND window : VisibleTopWindows(processId)) {
        if (ClassName(window) == L"#32770") {
            return window;
        }
    }
    return nullptr;
}

DialogReport ReadMessageBox(HWND dialog) {
    DialogReport report;
    report.caption = WindowText(dialog);
    if (HWND text = GetDlgItem(dialog, kMessageTextId)) {
        report.text = WindowText(text);
    }
    EnumChildWindows(dialog, CollectControl, reinterpret_cast<LPARAM>(&report));
    return report;
}

bool PressOk(HWND dialog, DWORD timeoutMs) {
    PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDOK)));
    const DWORD start = GetTickCount();
    while (IsWindow(dialog) && IsWindowVisible(dialog)) {
        if (GetTickCount() - start > timeoutMs) {
            return false;
        }
        Sleep(kPollMs);
    }
    return true;
}

HWND WaitForMessageBox(DWORD processId, DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    for (;;) {
        if (HWND dialog = FindMessageBox(processId)) {
            return dialog;
        }
        if (GetTickCount() - start > timeoutMs) {
            return nullptr;
        }
        Sleep(kPollMs);
    }
}

ProcessRun WatchProcess(const PROCESS_INFORMATION& process, DWORD timeoutMs, const DialogSeen& seen,
                        DWORD holdMs) {
    ProcessRun run;
    const DWORD start = GetTickCount();
    while (GetTickCount() - start <= timeoutMs) {
        if (WaitForSingleObject(process.hProcess, kPollMs) == WAIT_OBJECT_0) {
            run.exited = true;
            GetExitCodeProcess(process.hProcess, &run.exitCode);
            return run;
        }
        if (HWND dialog = FindMessageBox(process.dwProcessId)) {
            // Let the box finish laying itself out before reading it.
            Sleep(kPollMs);
            run.dialogs.push_back(ReadMessageBox(dialog));
            if (seen) {
                seen(run.dialogs.back());
            }
            Sleep(holdMs);
            if (!PressOk(dialog, 5000)) {
                break;
            }
        }
    }
    TerminateProcess(process.hProcess, 99);
    WaitForSingleObject(process.hProcess, 5000);
    return run;
}

std::string ToUtf8(const std::wstring& text) {
    return Utf8FromWide(text);
}

} // namespace vr::test
