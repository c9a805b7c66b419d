// setupkit under Wine, driven as a user would: its form, the shell's folder
// browser, the message boxes, and the guide opened through the .pdf file
// type, which the test bed hands to a recorder program.
#include "BuildPaths.h"
#include "Form1.h"
#include "FormPlacement.h"
#include "InstallPayload.h"
#include "SetupMessages.h"
#include "ToolBed.h"
#include "Win32TestSupport.h"
#include "platform/win32/WindowSupport.h"
#include "winsupport/win32/FileReader.h"

#include <commctrl.h>
#include <gtest/gtest.h>
#include <shlobj.h>

#include <optional>
#include <set>
#include <sstream>
#include <vector>

namespace vr::test {
namespace {

constexpr int kCommand1 = 102;
constexpr int kCommand2 = 103;
constexpr DWORD kWaitMs = 15000;

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

// The unpacked distribution: setupkit.exe and the payload beside it, each
// file with content that tells it apart.
void LayOutDistribution(const ScratchFolder& folder, std::optional<std::size_t> left_out = {}) {
    const std::wstring setupkit = std::wstring(kSetupDir) + L"\\setupkit.exe";
    ASSERT_TRUE(CopyFileW(setupkit.c_str(), folder.File(L"setupkit.exe").c_str(), FALSE));
    for (std::size_t i = 0; i < setup::kInstallPayload.size(); ++i) {
        if (i != left_out) {
            folder.Write(PayloadName(i), PayloadBytes(i, "new"));
        }
    }
}

// .pdf documents open with the recorder, which notes them in opened.txt.
class GuideRecorder {
  public:
    GuideRecorder() {
        const std::wstring recorder = std::wstring(kTestProgramsDir) + L"\\open_recorder.exe";
        const std::wstring command = L"\"" + recorder + L"\" \"%1\"";
        SetDefault(L".pdf", L"VadoRaririTest.Document");
        SetDefault(L"VadoRaririTest.Document\\shell\\open\\command", command);
        DeleteFileW(Log().c_str());
    }
    ~GuideRecorder() { DeleteFileW(Log().c_str()); }
    GuideRecorder(const GuideRecorder&) = delete;
    GuideRecorder& operator=(const GuideRecorder&) = delete;

    // What was opened, waiting up to waitMs for the viewer to start.
    [[nodiscard]] std::string Opened(DWORD waitMs) const {
        const DWORD start = GetTickCount();
        std::optional<std::string> log;
        while (!(log = ReadWholeFile(Log())) && GetTickCount() - start < waitMs) {
            Sleep(50);
        }
        return log.value_or("");
    }

  private:
    static std::wstring Log() { return std::wstring(kTestProgramsDir) + L"\\opened.txt"; }
    static void SetDefault(const std::wstring& key, const std::wstring& value) {
        HKEY handle = nullptr;
        ASSERT_EQ(RegCreateKeyExW(HKEY_CLASSES_ROOT, key.c_str(), 0, nullptr, 0, KEY_SET_VALUE,
                                  nullptr, &handle, nullptr),
                  ERROR_SUCCESS);
        RegSetValueExW(handle, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                       static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
        RegCloseKey(handle);
    }
};

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

// One run of setupkit from a distribution folder.
class Setupkit {
  public:
    explicit Setupkit(const ScratchFolder& distribution)
        : process_(StartProgram(distribution.File(L"setupkit.exe"))) {
        const DWORD start = GetTickCount();
        while (!form_ && GetTickCount() - start < kWaitMs) {
            Sleep(50);
            form_ = FormOfProcess(process_.dwProcessId);
        }
    }
    ~Setupkit() {
        TerminateProcess(process_.hProcess, 99);
        CloseHandle(process_.hThread);
        CloseHandle(process_.hProcess);
    }
    Setupkit(const Setupkit&) = delete;
    Setupkit& operator=(const Setupkit&) = delete;

    [[nodiscard]] HWND Form() const { return form_; }

    void Press(int id) const {
        PostMessageW(form_, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                     reinterpret_cast<LPARAM>(GetDlgItem(form_, id)));
    }

    // The shell's folder browser that Command1 opens.
    [[nodiscard]] HWND WaitForBrowser() const {
        const HWND browser = WaitForMessageBox(process_.dwProcessId, kWaitMs);
        return browser && HasChildOfClass(browser, L"SysTreeView32") ? browser : nullptr;
    }

    // Selects a folder in the browser as the user would by clicking through
    // the tree: BFFM_SETSELECTIONA with the path in the installer's memory.
    // True once the tree's selection has moved off its first item (the
    // desktop), so that OK can never install somewhere unintended.
    [[nodiscard]] bool Select(HWND browser, const std::wstring& folder) const {
        std::string path = Cp932(std::u16string(folder.begin(), folder.end()));
        path.push_back('\0');
        void* remote = VirtualAllocEx(process_.hProcess, nullptr, path.size(),
                                      MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
        if (!remote ||
            !WriteProcessMemory(process_.hProcess, remote, path.data(), path.size(), nullptr)) {
            return false;
        }
        const HWND tree = FindWindowExW(browser, nullptr, L"SysTreeView32", nullptr);
        const DWORD start = GetTickCount();
        while (GetTickCount() - start < kWaitMs) {
            const LRESULT root = SendMessageW(tree, TVM_GETNEXTITEM, TVGN_ROOT, 0);
            if (root != 0) {
                DWORD_PTR result = 0;
                SendMessageTimeoutW(browser, BFFM_SETSELECTIONA, TRUE,
                                    reinterpret_cast<LPARAM>(remote), SMTO_ABORTIFHUNG, 5000,
                                    &result);
                const LRESULT caret = SendMessageW(tree, TVM_GETNEXTITEM, TVGN_CARET, 0);
                if (caret != 0 && caret != root) {
                    return true;
                }
            }
            Sleep(100);
        }
        return false;
    }

    // Chooses a folder and confirms it, then watches the installer to its
    // end, pressing OK on each message box. A press of Command2 can follow
    // at once, while the copies run.
    [[nodiscard]] ProcessRun InstallInto(const std::wstring& folder,
                                         bool thenCancel = false) const {
        Press(kCommand1);
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
            Press(kCommand2);
        }
        return Watch();
    }

    [[nodiscard]] ProcessRun Watch() const { return WatchProcess(process_, kWaitMs); }
    [[nodiscard]] HWND BrowserOnce() const {
        Press(kCommand1);
        return WaitForBrowser();
    }

  private:
    PROCESS_INFORMATION process_;
    HWND form_ = nullptr;
};

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

TEST(Setupkit, InstallsIntoAnEmptyFolderAndOpensTheInstalledGuide) {
    GuideRecorder guide;
    const ScratchFolder distribution(L"setupkit-dist");
    LayOutDistribution(distribution);
    const ScratchFolder target(L"setupkit-target");
    const Setupkit setupkit(distribution);
    ASSERT_NE(setupkit.Form(), nullptr);

    const ProcessRun run = setupkit.InstallInto(target.Path());
    ExpectCompletionOnly(run);
    ExpectPayloadInstalled(target.Path());
    EXPECT_EQ(FilesIn(target.Path()).size(), 19u);
    EXPECT_EQ(guide.Opened(kWaitMs), OpenedLine(target.File(L"setupguide.pdf")));
}

TEST(Setupkit, ReplacesOlderCopiesAndLeavesOtherFilesAlone) {
    GuideRecorder guide;
    const ScratchFolder distribution(L"setupkit-dist");
    LayOutDistribution(distribution);
    const ScratchFolder target(L"setupkit-older");
    for (std::size_t i = 0; i < setup::kInstallPayload.size(); ++i) {
        target.Write(PayloadName(i), PayloadBytes(i, "older, and longer than the new one"));
    }
    target.Write(L"senten.txt", "node\r\n1,2\r\n");
    target.Write(L"ZuDuv.ini.bak", "[Main]\r\n");
    const Setupkit setupkit(distribution);
    ASSERT_NE(setupkit.Form(), nullptr);

    ExpectCompletionOnly(setupkit.InstallInto(target.Path()));
    ExpectPayloadInstalled(target.Path());
    EXPECT_EQ(ReadWholeFile(target.File(L"senten.txt")), "node\r\n1,2\r\n");
    EXPECT_EQ(ReadWholeFile(target.File(L"ZuDuv.ini.bak")), "[Main]\r\n");
    EXPECT_EQ(FilesIn(target.Path()).size(), 21u);
    EXPECT_EQ(guide.Opened(kWaitMs), OpenedLine(target.File(L"setupguide.pdf")));
}

// Second bytes of 0x5C (表, ソ, 能) in both folders, through the ANSI browser.
TEST(Setupkit, InstallsBetweenFoldersWithJapaneseNames) {
    GuideRecorder guide;
    const ScratchFolder distribution(Wide(u"配布表ソ"));
    LayOutDistribution(distribution);
    const ScratchFolder target(Wide(u"インストール先能"));
    const Setupkit setupkit(distribution);
    ASSERT_NE(setupkit.Form(), nullptr);

    ExpectCompletionOnly(setupkit.InstallInto(target.Path()));
    ExpectPayloadInstalled(target.Path());
    EXPECT_EQ(guide.Opened(kWaitMs), OpenedLine(target.File(L"setupguide.pdf")));
}

TEST(Setupkit, InstallsIntoADriveRoot) {
    GuideRecorder guide;
    const ScratchFolder distribution(L"setupkit-dist");
    LayOutDistribution(distribution);
    const ScratchFolder root = ScratchFolder::At(L"T:\\");
    const Setupkit setupkit(distribution);
    ASSERT_NE(setupkit.Form(), nullptr);

    ExpectCompletionOnly(setupkit.InstallInto(L"T:\\"));
    ExpectPayloadInstalled(L"T:");
    EXPECT_EQ(guide.Opened(kWaitMs), OpenedLine(L"T:\\setupguide.pdf"));
}

TEST(Setupkit, RunsFromADriveRoot) {
    GuideRecorder guide;
    const ScratchFolder root = ScratchFolder::At(L"T:\\");
    LayOutDistribution(root);
    const ScratchFolder target(L"setupkit-from-root");
    const Setupkit setupkit(root);
    ASSERT_NE(setupkit.Form(), nullptr);

    ExpectCompletionOnly(setupkit.InstallInto(target.Path()));
    ExpectPayloadInstalled(target.Path());
}

TEST(Setupkit, StopsAtAMissingFileAndKeepsWhatWasCopied) {
    GuideRecorder guide;
    const ScratchFolder distribution(L"setupkit-dist");
    LayOutDistribution(distribution, 6); // gaugeread.exe
    const ScratchFolder target(L"setupkit-partial");
    const Setupkit setupkit(distribution);
    ASSERT_NE(setupkit.Form(), nullptr);

    const ProcessRun run = setupkit.InstallInto(target.Path());
    EXPECT_TRUE(run.exited);
    ASSERT_EQ(run.dialogs.size(), 1u);
    const DialogReport& error = run.dialogs[0];
    EXPECT_EQ(error.caption, L"setupkit");
    EXPECT_EQ(error.buttons, std::vector<std::wstring>{L"OK"});
    for (const std::wstring& part :
         {Wide(u"ファイル「gaugeread.exe」をコピーできませんでした。"), Wide(u"（エラー 2）"),
          Wide(u"コピー元: ") + distribution.File(L"gaugeread.exe"),
          Wide(u"コピー先: ") + target.File(L"gaugeread.exe")}) {
        EXPECT_NE(error.text.find(part), std::wstring::npos) << ToUtf8(error.text);
    }
    std::set<std::wstring> expected;
    for (std::size_t i = 0; i < 6; ++i) {
        expected.insert(PayloadName(i));
        EXPECT_EQ(ReadWholeFile(target.File(PayloadName(i))), PayloadBytes(i, "new"));
    }
    const std::vector<std::wstring> present = FilesIn(target.Path());
    EXPECT_EQ(std::set<std::wstring>(present.begin(), present.end()), expected);
    EXPECT_EQ(guide.Opened(500), "");
}

// Also at a drive root, where the installer's folder is spelled "T:\".
TEST(Setupkit, RefusesItsOwnFolder) {
    GuideRecorder guide;
    for (const bool atRoot : {false, true}) {
        const ScratchFolder distribution =
            atRoot ? ScratchFolder::At(L"T:\\") : ScratchFolder(L"setupkit-dist");
        LayOutDistribution(distribution);
        distribution.Write(L"zuduv.ini", "[Main]\r\nACADName=edited by the user\r\n");
        const Setupkit setupkit(distribution);
        ASSERT_NE(setupkit.Form(), nullptr);

        const ProcessRun run = setupkit.InstallInto(atRoot ? L"T:\\" : distribution.Path());
        EXPECT_TRUE(run.exited);
        ASSERT_EQ(run.dialogs.size(), 1u) << atRoot;
        EXPECT_NE(run.dialogs[0].text.find(Wide(u"このインストーラーのあるフォルダです")),
                  std::wstring::npos);
        EXPECT_EQ(ReadWholeFile(distribution.File(L"zuduv.ini")),
                  "[Main]\r\nACADName=edited by the user\r\n");
    }
    EXPECT_EQ(guide.Opened(500), "");
}

// Leaving without installing: cancel in the browser, Command2, the close box.
TEST(Setupkit, EndsWithoutAWordWhenTheUserLeaves) {
    GuideRecorder guide;
    const ScratchFolder distribution(L"setupkit-dist");
    LayOutDistribution(distribution);
    const std::size_t filesBefore = FilesIn(distribution.Path()).size();
    enum class Leave { BrowserCancel, Command2, CloseBox };
    for (const Leave leave : {Leave::BrowserCancel, Leave::Command2, Leave::CloseBox}) {
        const Setupkit setupkit(distribution);
        ASSERT_NE(setupkit.Form(), nullptr);
        if (leave == Leave::BrowserCancel) {
            const HWND browser = setupkit.BrowserOnce();
            ASSERT_NE(browser, nullptr);
            PostMessageW(browser, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED),
                         reinterpret_cast<LPARAM>(GetDlgItem(browser, IDCANCEL)));
        } else if (leave == Leave::Command2) {
            setupkit.Press(kCommand2);
        } else {
            PostMessageW(setupkit.Form(), WM_CLOSE, 0, 0);
        }
        const ProcessRun run = setupkit.Watch();
        EXPECT_TRUE(run.exited) << static_cast<int>(leave);
        EXPECT_TRUE(run.dialogs.empty()) << static_cast<int>(leave);
    }
    EXPECT_EQ(FilesIn(distribution.Path()).size(), filesBefore);
    EXPECT_EQ(guide.Opened(500), "");
}

// The folder the build assembles, installed by its own setupkit, is a working
// installation: with the shipped zuduv.ini, pinmark draws and gaugeread's
// request reaches the installed qv.lsp in a CAD whose executable and
// captions are those of Japanese AutoCAD.
TEST(Setupkit, InstallsTheBuiltFolderWhoseToolsThenRun) {
    GuideRecorder guide;
    const ScratchFolder distribution(L"setupkit-built");
    for (const std::wstring& name : FilesIn(kDistDir)) {
        const std::wstring source = std::wstring(kDistDir) + L"\\" + name;
        ASSERT_TRUE(CopyFileW(source.c_str(), distribution.File(name).c_str(), FALSE));
    }
    const ScratchFolder target(Wide(u"Excel連携"));
    {
        const Setupkit setupkit(distribution);
        ASSERT_NE(setupkit.Form(), nullptr);
        ExpectCompletionOnly(setupkit.InstallInto(target.Path()));
    }
    EXPECT_EQ(guide.Opened(kWaitMs), OpenedLine(target.File(L"setupguide.pdf")));
    for (std::size_t i = 0; i < setup::kInstallPayload.size(); ++i) {
        EXPECT_EQ(ReadWholeFile(target.File(PayloadName(i))),
                  ReadWholeFile(distribution.File(PayloadName(i))));
    }

    const ScratchFolder cadFolder(L"setupkit-cad");
    StandinCad cad(cadFolder, L"acad.exe",
                   L"--main-caption AutoCAD --text-caption \"" +
                       Wide(u"AutoCAD テキスト ウィンドウ") + L"\" --command-caption \"" +
                       Wide(u"コマンド ライン") + L"\" --support \"" + target.Path() + L"\"");
    ASSERT_TRUE(cad.Ready());
    target.Write(L"senten.txt", "line\r\n0,0\r\n100,0\r\n100,50\r\n");
    const DesktopState before = PrepareDesktop();
    const ProcessRun pinmark = RunAndWatch(target.File(L"pinmark.exe"), L"", 30000);
    EXPECT_TRUE(pinmark.exited);
    EXPECT_TRUE(pinmark.dialogs.empty());
    const JournalFile& journal = cad.Journal();
    EXPECT_TRUE(journal.WaitFor({"\"type\":\"LINE\"", "\"x2\":100,\"y2\":50"})) << journal.Dump();
    EXPECT_EQ(journal.Count("\"type\":\"LINE\""), 2u);
    ExpectDesktopPutBack(before, cad.Main());

    const ProcessRun gaugeread =
        RunAndWatch(target.File(L"gaugeread.exe"), L"+1.5 12 5 C:\\data\\bridge.xlsm", 30000);
    EXPECT_TRUE(gaugeread.dialogs.empty());
    EXPECT_TRUE(journal.WaitFor({"{\"event\":\"print\",\"text\":\"\\n寸法値の依頼（相対）: 式 \""}))
        << journal.Dump();
    EXPECT_TRUE(journal.WaitFor({"C:/data/bridge.xlsm"}));
}

// The window keeps answering during the copies: Command2 pressed while a
// large first file is being copied ends the program after that copy.
TEST(Setupkit, Command2DuringTheCopiesEndsAtOnce) {
    GuideRecorder guide;
    const ScratchFolder distribution(L"setupkit-dist");
    LayOutDistribution(distribution);
    const std::string large(std::size_t{128} << 20, 'x');
    distribution.Write(PayloadName(0), large);
    const ScratchFolder target(L"setupkit-cancelled");
    const Setupkit setupkit(distribution);
    ASSERT_NE(setupkit.Form(), nullptr);

    const ProcessRun run = setupkit.InstallInto(target.Path(), true);
    EXPECT_TRUE(run.exited);
    EXPECT_TRUE(run.dialogs.empty());
    const std::vector<std::wstring> present = FilesIn(target.Path());
    EXPECT_GE(present.size(), 1u);
    EXPECT_LT(present.size(), 19u);
    EXPECT_EQ(ReadWholeFile(target.File(PayloadName(0))).value_or("").size(), large.size());
    EXPECT_EQ(guide.Opened(500), "");
}

void SaveBitmap(HWND window, const std::wstring& path) {
    RECT rect;
    GetWindowRect(window, &rect);
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, rect.left, rect.top, SRCCOPY);
    SelectObject(memory, old);
    const DWORD stride = ((static_cast<DWORD>(width) * 3 + 3) / 4) * 4;
    BITMAPFILEHEADER header{};
    header.bfType = 0x4D42;
    header.bfOffBits = sizeof header + sizeof info.bmiHeader;
    header.bfSize = header.bfOffBits + stride * static_cast<DWORD>(height);
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD written = 0;
    WriteFile(file, &header, sizeof header, &written, nullptr);
    WriteFile(file, &info.bmiHeader, sizeof info.bmiHeader, &written, nullptr);
    WriteFile(file, bits, stride * static_cast<DWORD>(height), &written, nullptr);
    CloseHandle(file);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
}

RECT ClientRectOf(HWND control) {
    RECT rect;
    GetWindowRect(control, &rect);
    MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

// Form1 as laid out in twips, placed at a third of the screen height and
// topmost; its picture is saved to the build tree.
TEST(Setupkit, ShowsForm1AsDesigned) {
    const ScratchFolder distribution(L"setupkit-dist");
    LayOutDistribution(distribution);
    const Setupkit setupkit(distribution);
    const HWND form = setupkit.Form();
    ASSERT_NE(form, nullptr);
    const int dpi = ScreenDpi();
    const auto px = [dpi](int twips) {
        return static_cast<int>(setup::TwipsAsPixels(twips, dpi));
    };

    wchar_t caption[128] = {};
    GetWindowTextW(form, caption, 128);
    EXPECT_EQ(std::wstring(caption), Wide(setup::kFormCaption));
    RECT client;
    GetClientRect(form, &client);
    EXPECT_EQ(client.right, px(9600));
    EXPECT_EQ(client.bottom, px(4845));
    EXPECT_NE(GetWindowLongW(form, GWL_EXSTYLE) & WS_EX_TOPMOST, 0);

    // The placement may complete a moment after the window shows.
    RECT outer{};
    setup::FormPosition expected{};
    const DWORD start = GetTickCount();
    do {
        Sleep(50);
        GetWindowRect(form, &outer);
        expected = setup::PlaceForm(setup::PixelsAsTwips(GetSystemMetrics(SM_CXSCREEN), dpi),
                                    setup::PixelsAsTwips(GetSystemMetrics(SM_CYSCREEN), dpi),
                                    setup::PixelsAsTwips(outer.right - outer.left, dpi),
                                    setup::PixelsAsTwips(outer.bottom - outer.top, dpi));
    } while (outer.left != setup::TwipsAsPixels(expected.left, dpi) &&
             GetTickCount() - start < 2000);
    EXPECT_EQ(outer.left, setup::TwipsAsPixels(expected.left, dpi));
    EXPECT_EQ(outer.top, setup::TwipsAsPixels(expected.top, dpi));

    struct Control {
        int id;
        const wchar_t* className;
        std::wstring text;
        int left, top, width, height;
    };
    const Control controls[] = {
        {101, L"SetupkitPicture", L"", 0, 0, 9615, 4005},
        {kCommand1, L"Button", Wide(setup::kInstallButton), 5280, 4080, 1935, 615},
        {kCommand2, L"Button", Wide(setup::kCancelButton), 7440, 4080, 1935, 615},
        {104, L"Static", Wide(setup::kNotice), 120, 4200, 5055, 615},
    };
    HWND child = GetWindow(form, GW_CHILD);
    for (const Control& control : controls) { // in tab order
        ASSERT_NE(child, nullptr);
        EXPECT_EQ(GetDlgCtrlID(child), control.id);
        wchar_t name[64] = {};
        GetClassNameW(child, name, 64);
        EXPECT_EQ(_wcsicmp(name, control.className), 0) << ToUtf8(name);
        wchar_t text[128] = {};
        GetWindowTextW(child, text, 128);
        EXPECT_EQ(std::wstring(text), control.text);
        const RECT rect = ClientRectOf(child);
        EXPECT_EQ(rect.left, px(control.left)) << control.id;
        EXPECT_EQ(rect.top, px(control.top)) << control.id;
        EXPECT_EQ(rect.right - rect.left, px(control.width)) << control.id;
        EXPECT_EQ(rect.bottom - rect.top, px(control.height)) << control.id;
        child = GetWindow(child, GW_HWNDNEXT);
    }
    Sleep(300);
    SaveBitmap(form, std::wstring(kBuildDir) + L"\\setupkit-form1.bmp");
}

// Form1 built in this process, where its fonts can be read: ＭＳ Ｐゴシック
// 12 pt in the Shift-JIS character set, the buttons bold and italic.
TEST(Setupkit, UsesTheFontsOfTheDesign) {
    const HWND form = setup::CreateForm1(GetModuleHandleW(nullptr));
    ASSERT_NE(form, nullptr);
    const int dpi = ScreenDpi();
    struct Expected {
        int id;
        LONG weight;
        BYTE italic;
    };
    for (const Expected& control :
         {Expected{kCommand1, FW_BOLD, TRUE}, Expected{kCommand2, FW_BOLD, TRUE},
          Expected{setup::kLabel1, FW_NORMAL, FALSE}}) {
        const auto font =
            reinterpret_cast<HFONT>(SendMessageW(GetDlgItem(form, control.id), WM_GETFONT, 0, 0));
        LOGFONTW logical{};
        ASSERT_EQ(GetObjectW(font, sizeof logical, &logical), static_cast<int>(sizeof logical));
        EXPECT_EQ(std::wstring(logical.lfFaceName), Wide(u"ＭＳ Ｐゴシック")) << control.id;
        EXPECT_EQ(logical.lfHeight, -MulDiv(12, dpi, 72)) << control.id;
        EXPECT_EQ(logical.lfWeight, control.weight) << control.id;
        EXPECT_EQ(logical.lfItalic, control.italic) << control.id;
        EXPECT_EQ(logical.lfCharSet, SHIFTJIS_CHARSET) << control.id;
    }
    DestroyWindow(form);
}

// The folder the build assembles is the one a user unpacks: setupkit and
// the whole payload beside it.
TEST(InstallationFolder, HoldsThePayloadBesideSetupkit) {
    const std::wstring dist = kDistDir;
    EXPECT_TRUE(ReadWholeFile(dist + L"\\setupkit.exe"));
    for (std::size_t i = 0; i < setup::kInstallPayload.size(); ++i) {
        const std::optional<std::string> bytes = ReadWholeFile(dist + L"\\" + PayloadName(i));
        ASSERT_TRUE(bytes) << ToUtf8(PayloadName(i));
        EXPECT_FALSE(bytes->empty()) << ToUtf8(PayloadName(i));
    }
    EXPECT_EQ(ReadWholeFile(dist + L"\\delay.dat"), "5\r\n");

    // The shipped settings, read as the tools read them: every key present,
    // the Japanese values intact in code page 932.
    const std::wstring iniPath = dist + L"\\zuduv.ini";
    const std::string ini = Cp932(std::u16string(iniPath.begin(), iniPath.end()));
    const std::pair<const char*, std::wstring> keys[] = {
        {"ACADName", L"acad"},       {"CommandCaption", Wide(u"コマンド ライン")},
        {"MainCaption", L"AutoCAD"}, {"TextCaption", Wide(u"AutoCAD テキスト ウィンドウ")},
        {"MainCmdCtrlID", L"0"},     {"TextCmdCtrlID", L"0"},
        {"MainHistCtrlID", L"0"},    {"TextHistCtrlID", L"0"},
    };
    for (const auto& [key, expected] : keys) {
        char value[255] = {};
        const DWORD length =
            GetPrivateProfileStringA("Main", key, "???", value, sizeof value, ini.c_str());
        wchar_t wide[255] = {};
        MultiByteToWideChar(CP_ACP, 0, value, static_cast<int>(length), wide, 255);
        EXPECT_EQ(std::wstring(wide), expected) << key;
    }
}

TEST(ReservedPrograms, SayTheyHaveNoFunctionInThisEdition) {
    for (const std::wstring name : {L"sheetbridge", L"drawpull", L"noticepop"}) {
        const ProcessRun run = RunAndWatch(std::wstring(kToolsDir) + L"\\" + name + L".exe");
        EXPECT_TRUE(run.exited);
        ASSERT_EQ(run.dialogs.size(), 1u) << ToUtf8(name);
        EXPECT_EQ(run.dialogs[0].caption, name);
        EXPECT_EQ(run.dialogs[0].text.rfind(name + Wide(u" はこの版では機能を持ちません。"), 0), 0u)
            << ToUtf8(run.dialogs[0].text);
    }
}

} // namespace
} // namespace vr::test
