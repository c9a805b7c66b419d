#include "StandinDriver.h"

#include "BuildPaths.h"
#include "winsupport/win32/Clipboard.h"
#include "winsupport/win32/CodePage.h"
#include "winsupport/win32/FileReader.h"
#include "winsupport/win32/Handles.h"

#include <cstdlib>
#include <utility>

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
    // The stand-in keeps appending while the test reads.
    const std::string content =
        ReadWholeFile(path_, WhileReading::OthersMayReadAndWrite).value_or("");
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
    const UniqueHandle thread(std::exchange(process_.hThread, nullptr));
    const UniqueHandle process(std::exchange(process_.hProcess, nullptr));
    PostMessageW(main_, WM_CLOSE, 0, 0);
    const bool ended = WaitForSingleObject(process.Get(), 5000) == WAIT_OBJECT_0;
    if (!ended) {
        TerminateProcess(process.Get(), 99);
        WaitForSingleObject(process.Get(), 5000);
    }
    return ended;
}

StandinCad::~StandinCad() {
    Close();
}

std::vector<DWORD> SnapshotOrder() {
    std::vector<DWORD> ids;
    const UniqueHandle snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
    if (!snapshot.IsValid()) {
        return ids;
    }
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32FirstW(snapshot.Get(), &entry); more;
         more = Process32NextW(snapshot.Get(), &entry)) {
        ids.push_back(entry.th32ProcessID);
    }
    return ids;
}

bool SetClipboardBytes(const std::string& bytes) {
    const ClipboardGuard clipboard(nullptr);
    return clipboard.IsOpen() && EmptyClipboard() && PutClipboardText(bytes);
}

std::optional<std::string> ClipboardBytes() {
    const ClipboardGuard clipboard(nullptr);
    return clipboard.IsOpen() ? ClipboardText() : std::nullopt;
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
    return CodePageFromWide(text, 932);
}

} // namespace vr::test
