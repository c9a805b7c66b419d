#include "SetupkitBed.h"

#include "BuildPaths.h"
#include "Form1.h"
#include "InstallPayload.h"
#include "SetupMessages.h"
#include "StandinDriver.h"
#include "winsupport/win32/FileReader.h"

#include <commctrl.h>
#include <gtest/gtest.h>
#include <shlobj.h>

namespace vr::test {
namespace {

std::wstring RecorderLog() {
    return std::wstring(kTestProgramsDir) + L"\\opened.txt";
}

void SetClassDefault(const std::wstring& key, const std::wstring& value) {
    HKEY handle = nullptr;
    ASSERT_EQ(RegCreateKeyExW(HKEY_CLASSES_ROOT, key.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                              &handle, nullptr),
              ERROR_SUCCESS);
    RegSetValueExW(handle, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                   static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
    RegCloseKey(handle);
}

HWND FormOfProcess(DWORD processId) {
    for (HWND window : VisibleTopWindows(processId)) {
        if (ClassName(window) == L"SetupkitForm1") {
            return window;
        }
    }
    return nullptr;
}

struct ChildSearch {
    const wchar_t* className;
    bool found;
};

BOOL CALLBACK FindChildOfClass(HWND child, LPARAM param) {
    auto* search = reinterpret_cast<ChildSearch*>(param);
    search->found = _wcsicmp(ClassName(child).c_str(), search->className) == 0;
    return !search->found;
}

bool HasChildOfClass(HWND window, const wchar_t* className) {
    ChildSearch search{className, false};
    EnumChildWindows(window, FindChildOfClass, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// A dialog of the process: the folder browser (the one with a folder tree)
// or a message box.
HWND WaitForDialog(DWORD processId, bool browser) {
    const DWORD start = GetTickCount();
    do {
        for (HWND window : VisibleTopWindows(processId)) {
            if (ClassName(window) == L"#32770" &&
                HasChildOfClass(window, L"SysTreeView32") == browser) {
                return window;
            }
        }
        Sleep(20);
    } while (GetTickCount() - start < kSetupkitWaitMs);
    return nullptr;
}

bool WaitUntilGone(HWND dialog) {
    const DWORD start = GetTickCount();
    while (IsWindow(dialog) && IsWindowVisible(dialog)) {
        if (GetTickCount() - start > 5000) {
            return false;
        }
        Sleep(20);
    }
    return true;
}

constexpr wchar_t kUserShellFolders[] =
    L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User Shell Folders";

} // namespace

RedirectedDesktop::RedirectedDesktop(const std::wstring& path) {
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, kUserShellFolders, 0, nullptr, 0,
                        KEY_QUERY_VALUE | KEY_SET_VALUE, nullptr, &key, nullptr) != ERROR_SUCCESS) {
        ADD_FAILURE() << "User Shell Folders cannot be opened";
        return;
    }
    wchar_t value[1024] = {};
    DWORD size = sizeof value - sizeof(wchar_t);
    DWORD type = 0;
    if (RegQueryValueExW(key, L"Desktop", nullptr, &type, reinterpret_cast<BYTE*>(value), &size) ==
        ERROR_SUCCESS) {
        before_ = value;
        beforeType_ = type;
    }
    EXPECT_EQ(RegSetValueExW(key, L"Desktop", 0, REG_EXPAND_SZ,
                             reinterpret_cast<const BYTE*>(path.c_str()),
                             static_cast<DWORD>((path.size() + 1) * sizeof(wchar_t))),
              ERROR_SUCCESS);
    RegCloseKey(key);
}

RedirectedDesktop::~RedirectedDesktop() {
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, kUserShellFolders, 0, KEY_SET_VALUE, &key) !=
        ERROR_SUCCESS) {
        return;
    }
    if (before_) {
        RegSetValueExW(key, L"Desktop", 0, beforeType_,
                       reinterpret_cast<const BYTE*>(before_->c_str()),
                       static_cast<DWORD>((before_->size() + 1) * sizeof(wchar_t)));
    } else {
        RegDeleteValueW(key, L"Desktop");
    }
    RegCloseKey(key);
}

void SaveBitmap(HWND window, const std::wstring& path) {
    RECT rect;
    GetWindowRect(window, &rect);
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    const ScopedGetDc screen(nullptr);
    const ScopedMemoryDc memory(screen.Get());
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    void* bits = nullptr;
    const GdiObject<HBITMAP> bitmap(
        CreateDIBSection(screen.Get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    ASSERT_NE(bitmap.Get(), nullptr);
    {
        const SelectedObject selected(memory.Get(), bitmap.Get());
        BitBlt(memory.Get(), 0, 0, width, height, screen.Get(), rect.left, rect.top, SRCCOPY);
    }
    const DWORD stride = ((static_cast<DWORD>(width) * 3 + 3) / 4) * 4;
    BITMAPFILEHEADER header{};
    header.bfType = 0x4D42;
    header.bfOffBits = sizeof header + sizeof info.bmiHeader;
    header.bfSize = header.bfOffBits + stride * static_cast<DWORD>(height);
    const UniqueHandle file(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                        FILE_ATTRIBUTE_NORMAL, nullptr));
    ASSERT_TRUE(file.IsValid());
    DWORD written = 0;
    WriteFile(file.Get(), &header, sizeof header, &written, nullptr);
    WriteFile(file.Get(), &info.bmiHeader, sizeof info.bmiHeader, &written, nullptr);
    WriteFile(file.Get(), bits, stride * static_cast<DWORD>(height), &written, nullptr);
}

std::wstring PayloadName(std::size_t index) {
    return Wide(setup::kInstallPayload[index]);
}

std::string PayloadBytes(std::size_t index, std::string_view edition) {
    return "payload " + std::to_string(index + 1) + " " + std::string(edition) + "\r\n";
}

std::vector<std::wstring> FilesIn(const std::wstring& folder) {
    std::vector<std::wstring> names;
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW((folder + L"\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) {
        return names;
    }
    do {
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
            names.emplace_back(found.cFileName);
        }
    } while (FindNextFileW(search, &found));
    FindClose(search);
    return names;
}

void LayOutDistribution(const ScratchFolder& folder, std::optional<std::size_t> leftOut) {
    const std::wstring setupkit = std::wstring(kSetupDir) + L"\\setupkit.exe";
    ASSERT_TRUE(CopyFileW(setupkit.c_str(), folder.File(L"setupkit.exe").c_str(), FALSE));
    for (std::size_t i = 0; i < setup::kInstallPayload.size(); ++i) {
        if (i != leftOut) {
            folder.Write(PayloadName(i), PayloadBytes(i, "new"));
        }
    }
}

GuideRecorder::GuideRecorder() {
    const std::wstring recorder = std::wstring(kTestProgramsDir) + L"\\open_recorder.exe";
    const std::wstring command = L"\"" + recorder + L"\" \"%1\"";
    SetClassDefault(L".pdf", L"VadoRaririTest.Document");
    SetClassDefault(L"VadoRaririTest.Document\\shell\\open\\command", command);
    DeleteFileW(RecorderLog().c_str());
}

GuideRecorder::~GuideRecorder() {
    DeleteFileW(RecorderLog().c_str());
}

std::string GuideRecorder::Opened(DWORD waitMs) const {
    // The recorder's log is read only once the recorder has closed it.
    const DWORD start = GetTickCount();
    std::optional<std::string> log;
    while (!(log = ReadWholeFile(RecorderLog())) && GetTickCount() - start < waitMs) {
        Sleep(50);
    }
    return log.value_or("");
}

Setupkit::Setupkit(const ScratchFolder& distribution)
    : process_(StartProgram(distribution.File(L"setupkit.exe"))), ownedProcess_(process_.hProcess),
      ownedThread_(process_.hThread) {
    const DWORD start = GetTickCount();
    while (!form_ && GetTickCount() - start < kSetupkitWaitMs) {
        Sleep(50);
        form_ = FormOfProcess(process_.dwProcessId);
    }
}

Setupkit::~Setupkit() {
    TerminateProcess(process_.hProcess, 99);
}

void Setupkit::Press(int id) const {
    PostMessageW(form_, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(form_, id)));
}

HWND Setupkit::WaitForBrowser() const {
    return WaitForDialog(process_.dwProcessId, true);
}

HWND Setupkit::WaitForBox() const {
    const HWND box = WaitForDialog(process_.dwProcessId, false);
    // Let the box finish laying itself out before it is read.
    Sleep(50);
    return box;
}

// Selects a folder in the browser as the user would by clicking through the
// tree: BFFM_SETSELECTIONA with the path in the installer's memory. True once
// the tree's selection has moved off its first item (the desktop), so that
// OK can never install somewhere unintended.
bool Setupkit::Select(HWND browser, const std::wstring& folder) const {
    std::string path = Cp932(std::u16string(folder.begin(), folder.end()));
    path.push_back('\0');
    void* remote = VirtualAllocEx(process_.hProcess, nullptr, path.size(), MEM_COMMIT | MEM_RESERVE,
                                  PAGE_READWRITE);
    if (!remote ||
        !WriteProcessMemory(process_.hProcess, remote, path.data(), path.size(), nullptr)) {
        return false;
    }
    const HWND tree = FindWindowExW(browser, nullptr, L"SysTreeView32", nullptr);
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < kSetupkitWaitMs) {
        const LRESULT root = SendMessageW(tree, TVM_GETNEXTITEM, TVGN_ROOT, 0);
        if (root != 0) {
            DWORD_PTR result = 0;
            SendMessageTimeoutW(browser, BFFM_SETSELECTIONA, TRUE, reinterpret_cast<LPARAM>(remote),
                                SMTO_ABORTIFHUNG, 5000, &result);
            const LRESULT caret = SendMessageW(tree, TVM_GETNEXTITEM, TVGN_CARET, 0);
            if (caret != 0 && caret != root) {
                return true;
            }
        }
        Sleep(100);
    }
    return false;
}

bool Setupkit::Choose(HWND browser, const std::wstring& folder) const {
    if (!Select(browser, folder)) {
        ADD_FAILURE() << "the browser did not select " << ToUtf8(folder);
        PostMessageW(browser, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
        return false;
    }
    return PressOk(browser, 5000);
}

// The browser opens with its first item, the Desktop, selected; where the
// shell has not selected it yet, a click on it does.
bool Setupkit::ConfirmAtOnce(HWND browser) const {
    const HWND tree = FindWindowExW(browser, nullptr, L"SysTreeView32", nullptr);
    const DWORD start = GetTickCount();
    LRESULT root = 0;
    while ((root = SendMessageW(tree, TVM_GETNEXTITEM, TVGN_ROOT, 0)) == 0 &&
           GetTickCount() - start < kSetupkitWaitMs) {
        Sleep(50);
    }
    if (root == 0) {
        ADD_FAILURE() << "the browser shows no folder tree";
        return false;
    }
    if (SendMessageW(tree, TVM_GETNEXTITEM, TVGN_CARET, 0) != root) {
        SendMessageW(tree, TVM_SELECTITEM, TVGN_CARET, root);
    }
    return PressOk(browser, 5000);
}

ProcessRun Setupkit::InstallInto(const std::wstring& folder, bool thenCancel) const {
    Press(setup::kCommand1);
    const HWND browser = WaitForBrowser();
    EXPECT_NE(browser, nullptr) << "no folder browser";
    if (!browser) {
        return {};
    }
    if (!Select(browser, folder)) {
        ADD_FAILURE() << "the browser did not select " << ToUtf8(folder);
        PostMessageW(browser, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
        return {};
    }
    EXPECT_TRUE(PressOk(browser, 5000));
    if (thenCancel) {
        Press(setup::kCommand2);
    }
    return Watch();
}

HWND Setupkit::BrowserOnce() const {
    Press(setup::kCommand1);
    return WaitForBrowser();
}

bool PressButton(HWND dialog, int id) {
    PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
    return WaitUntilGone(dialog);
}

// The key goes where the keyboard focus is, as a key press would: the
// dialog's own handling then decides which button Enter means.
bool PressEnter(HWND dialog) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    HWND target = dialog;
    if (GetGUIThreadInfo(GetWindowThreadProcessId(dialog, nullptr), &info) && info.hwndFocus &&
        IsChild(dialog, info.hwndFocus)) {
        target = info.hwndFocus;
    }
    PostMessageW(target, WM_KEYDOWN, VK_RETURN, 1 | (MapVirtualKeyW(VK_RETURN, 0) << 16));
    return WaitUntilGone(dialog);
}

void ExpectCompletionOnly(const ProcessRun& run) {
    EXPECT_TRUE(run.exited);
    ASSERT_EQ(run.dialogs.size(), 1u);
    EXPECT_EQ(run.dialogs[0].caption, L"setupkit");
    EXPECT_EQ(run.dialogs[0].text, Wide(setup::kCompleted));
    EXPECT_EQ(run.dialogs[0].buttons, std::vector<std::wstring>{L"OK"});
    EXPECT_FALSE(run.dialogs[0].hasIcon);
}

void ExpectPayloadInstalled(const std::wstring& target) {
    for (std::size_t i = 0; i < setup::kInstallPayload.size(); ++i) {
        EXPECT_EQ(ReadWholeFile(target + L"\\" + PayloadName(i)), PayloadBytes(i, "new"))
            << ToUtf8(PayloadName(i));
    }
}

std::string OpenedLine(const std::wstring& guide) {
    return ToUtf8(L"\"" + std::wstring(kTestProgramsDir) + L"\\open_recorder.exe\" \"" + guide +
                  L"\"\r\n");
}

} // namespace vr::test
