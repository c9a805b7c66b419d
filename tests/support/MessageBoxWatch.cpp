// mbwatch [--hold MS] [--timeout MS] (--pid PID | PROGRAM [ARGUMENTS])
//
// Watches the message boxes of a process until it ends: prints each as one
// JSON line in UTF-8 as soon as it appears, leaves it open for --hold
// milliseconds, then presses OK. The last line tells how the process ended.
// For scripts and the demo; tests link the watcher directly.
#include "MessageBoxWatcher.h"
#include "cad/JsonLine.h"
#include "winsupport/win32/CodePage.h"
#include "winsupport/win32/Handles.h"
#include "winsupport/win32/WideText.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

// The journal's JSON string form, for the watcher's report.
std::string JsonString(const std::wstring& text) {
    return standin::JsonString(vr::Text(text.begin(), text.end()));
}

void PrintDialog(const vr::test::DialogReport& dialog) {
    std::string buttons;
    for (const auto& button : dialog.buttons) {
        if (!buttons.empty()) {
            buttons += ',';
        }
        buttons += JsonString(button);
    }
    std::printf("{\"caption\":%s,\"text\":%s,\"buttons\":[%s],\"icon\":%s}\n",
                JsonString(dialog.caption).c_str(), JsonString(dialog.text).c_str(),
                buttons.c_str(), dialog.hasIcon ? "true" : "false");
    std::fflush(stdout);
}

// The arguments come in the system's ANSI code page.
std::wstring WideArgument(const char* text) {
    return vr::WideZ(vr::WideFromCodePage(text));
}

int Usage() {
    std::fputs("usage: mbwatch [--hold MS] [--timeout MS] (--pid PID | PROGRAM [ARGUMENTS])\n",
               stderr);
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    DWORD holdMs = 0;
    DWORD timeoutMs = 20000;
    int i = 1;
    for (; i + 1 < argc && std::strncmp(argv[i], "--", 2) == 0; i += 2) {
        if (std::strcmp(argv[i], "--hold") == 0) {
            holdMs = std::strtoul(argv[i + 1], nullptr, 10);
        } else if (std::strcmp(argv[i], "--timeout") == 0) {
            timeoutMs = std::strtoul(argv[i + 1], nullptr, 10);
        } else if (std::strcmp(argv[i], "--pid") == 0) {
            break;
        } else {
            return Usage();
        }
    }
    if (i >= argc) {
        return Usage();
    }
    PROCESS_INFORMATION process{};
    const DWORD started = GetTickCount();
    if (std::strcmp(argv[i], "--pid") == 0) {
        if (i + 1 >= argc) {
            return Usage();
        }
        process.dwProcessId = std::strtoul(argv[i + 1], nullptr, 10);
        process.hProcess = OpenProcess(SYNCHRONIZE | PROCESS_QUERY_INFORMATION | PROCESS_TERMINATE,
                                       FALSE, process.dwProcessId);
    } else {
        std::wstring commandLine = L"\"" + WideArgument(argv[i]) + L"\"";
        for (int k = i + 1; k < argc; ++k) {
            commandLine += L" " + WideArgument(argv[k]);
        }
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                            nullptr, &startup, &process)) {
            process.hProcess = nullptr;
        }
    }
    const vr::UniqueHandle ownedProcess(process.hProcess);
    const vr::UniqueHandle ownedThread(process.hThread);
    if (!ownedProcess.IsValid()) {
        std::fprintf(stderr, "mbwatch: cannot watch %s\n", argv[i]);
        return 2;
    }
    const vr::test::ProcessRun run =
        vr::test::WatchProcess(process, timeoutMs, PrintDialog, holdMs);
    std::printf("{\"exited\":%s,\"exitCode\":%lu,\"elapsedMs\":%lu}\n",
                run.exited ? "true" : "false", run.exitCode, GetTickCount() - started);
    return run.exited ? 0 : 1;
}
