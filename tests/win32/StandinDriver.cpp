#include "StandinDriver.h"

#include "BuildPaths.h"
#include "text/AnsiText.h"

#include <cstdlib>

#include <tlhelp32.h> // after windows.h, which it needs

namespace vr::test {
namespace {

HWND HandleField(const std::string& line, const std::string& name) {
    const std::string key = "\"" + name + "\":\"0x";
    const std::size_t at = line.find(key);
    if (at == std::string::npos) {
        return nullptr;
    }
    return reinterpret_cast<HWND>(std::strtoul(line.c_str() + at + key.size(), nullptr, 16));
}

bool ContainsAll(const std::string& line, const std::vector<std::string>& parts) {
    for (const std::string& part : parts) {
        if (line.find(part) == std::string::npos) {
            return false;
        }
    }
    return true;
}

INPUT KeyInput(WORD key, bool up) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.wScan = static_cast<WORD>(MapVirtualKeyA(key, 0));
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    return input;
}

} // namespace

std::vector<std::string> JournalFile::Lines() const {
    std::vector<std::string> lines;
    const std::string content = ReadFileBytes(path_).value_or("");
    std::size_t start = 0;
    for (std::size_t end; (end = content.find('\n', start)) != std::string::npos; start = end + 1) {
        lines.push_back(content.substr(start, end - start));
    }
    return lines;
}

std::optional<std::string> JournalFile::WaitFor(const std::vector<std::string>& parts,
                                                DWORD timeoutMs) const {
    const DWORD start = GetTickCount();
    for (;;) {
        for (const std::string& line : Lines()) {
            if (ContainsAll(line, parts)) {
                return line;
            }
        }
        if (GetTickCount() - start > timeoutMs) {
            return std::nullopt;
        }
        Sleep(20);
    }
}

std::string JournalFile::Dump() const {
    std::string all = "journal:\n";
    for (const std::string& line : Lines()) {
        all += line + "\n";
    }
    return all;
}

std::size_t JournalFile::Count(const std::string& part) const {
    std::size_t count = 0;
    for (const std::string& line : Lines()) {
        count += line.find(part) != std::string::npos ? 1 : 0;
    }
    return count;
}

StandinCad::StandinCad(const ScratchFolder& folder, const std::wstring& exeName,
                       const std::wstring& arguments)
    : journal_(folder.File(exeName + L".journal.jsonl")) {
    const std::wstring exePath = folder.File(exeName);
    CopyFileW((std::wstring(kStandinDir) + L"\\standin.exe").c_str(), exePath.c_str(), FALSE);
    process_ = StartProgram(exePath, L"--journal \"" + journal_.Path() + L"\" " + arguments);
    if (const auto ready = journal_.WaitFor({"\"event\":\"ready\""}, 10000)) {
        main_ = HandleField(*ready, "main");
        text_ = HandleField(*ready, "text");
        commandArea_ = HandleField(*ready, "commandArea");
        input_ = HandleField(*ready, "input");
    }
}

bool StandinCad::Close() {
    if (!process_.hProcess) {
        return true;
    }
    PostMessageW(main_, WM_CLOSE, 0, 0);
    const bool ended = WaitForSingleObject(process_.hProcess, 5000) == WAIT_OBJECT_0;
    if (!ended) {
        TerminateProcess(process_.hProcess, 99);
        WaitForSingleObject(process_.hProcess, 5000);
    }
    CloseHandle(process_.hThread);
    CloseHandle(process_.hProcess);
    process_ = {};
    return ended;
}

StandinCad::~StandinCad() {
    Close();
}

std::vector<DWORD> SnapshotOrder() {
    std::vector<DWORD> ids;
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32FirstW(snapshot, &entry); more;
         more = Process32NextW(snapshot, &entry)) {
        ids.push_back(entry.th32ProcessID);
    }
    CloseHandle(snapshot);
    return ids;
}

bool SetClipboardBytes(const std::string& bytes) {
    if (!OpenClipboard(nullptr)) {
        return false;
    }
    EmptyClipboard();
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes.size() + 1);
    auto* target = static_cast<char*>(GlobalLock(memory));
    std::copy(bytes.begin(), bytes.end(), target);
    target[bytes.size()] = '\0';
    GlobalUnlock(memory);
    const bool set = SetClipboardData(CF_TEXT, memory) != nullptr;
    CloseClipboard();
    return set;
}

std::optional<std::string> ClipboardBytes() {
    if (!OpenClipboard(nullptr)) {
        return std::nullopt;
    }
    std::optional<std::string> bytes;
    if (HANDLE data = GetClipboardData(CF_TEXT)) {
        if (const auto* text = static_cast<const char*>(GlobalLock(data))) {
            bytes = std::string(text);
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return bytes;
}

void ClickAt(POINT screen) {
    // The move travels in the same input stream as the click: under Wine a
    // SetCursorPos of a program without a window can be taken back by the X
    // pointer before the click is made.
    const int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
    INPUT inputs[3] = {};
    inputs[0].type = inputs[1].type = inputs[2].type = INPUT_MOUSE;
    inputs[0].mi.dx = MulDiv(screen.x, 65536, width) + 1;
    inputs[0].mi.dy = MulDiv(screen.y, 65536, height) + 1;
    inputs[0].mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    inputs[1].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    inputs[2].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    SendInput(3, inputs, sizeof(INPUT));
}

void PressCtrlV() {
    INPUT inputs[4] = {KeyInput(VK_CONTROL, false), KeyInput('V', false), KeyInput('V', true),
                       KeyInput(VK_CONTROL, true)};
    for (INPUT& input : inputs) {
        SendInput(1, &input, sizeof(INPUT));
        Sleep(30);
    }
}

void SendCopyData(HWND window, const std::string& bytes) {
    std::string data = bytes + "\r";
    data.push_back('\0');
    COPYDATASTRUCT record{1, static_cast<DWORD>(data.size()), data.data()};
    SendMessageA(window, WM_COPYDATA, 1, reinterpret_cast<LPARAM>(&record));
}

std::string Cp932(const std::u16string& text) {
    return EncodeAnsi(text);
}

} // namespace vr::test
