// mbwatch PID [TIMEOUT_MS]: waits for the message boxes of a process until it
// ends, prints each as one JSON line in UTF-8 and presses OK. For scripts and
// the demo; tests link the watcher directly.
#include "MessageBoxWatcher.h"

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

std::string JsonString(const std::wstring& text) {
    std::string out = "\"";
    for (const char c : vr::test::ToUtf8(text)) {
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        default:
            out.push_back(c);
        }
    }
    return out + "\"";
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fputs("usage: mbwatch PID [TIMEOUT_MS]\n", stderr);
        return 2;
    }
    const DWORD processId = std::strtoul(argv[1], nullptr, 10);
    const DWORD timeoutMs = argc > 2 ? std::strtoul(argv[2], nullptr, 10) : 10000;
    PROCESS_INFORMATION process{};
    process.dwProcessId = processId;
    process.hProcess =
        OpenProcess(SYNCHRONIZE | PROCESS_QUERY_INFORMATION | PROCESS_TERMINATE, FALSE, processId);
    if (!process.hProcess) {
        std::fprintf(stderr, "mbwatch: no process %lu\n", processId);
        return 2;
    }
    const vr::test::ProcessRun run = vr::test::WatchProcess(process, timeoutMs);
    for (const auto& dialog : run.dialogs) {
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
    }
    std::printf("{\"exited\":%s,\"exitCode\":%lu}\n", run.exited ? "true" : "false", run.exitCode);
    CloseHandle(process.hProcess);
    return run.exited ? 0 : 1;
}
