// The real Win32 calls behind the seam, under Wine with the Japanese locale.
#include "StandinDriver.h"
#include "Win32TestSupport.h"
#include "platform/win32/Win32Desktop.h"
#include "platform/win32/Win32FileAccess.h"
#include "platform/win32/Win32ProfileAccess.h"
#include "settings/ReadIniString.h"
#include "settings/ToolSettings.h"
#include "text/AnsiText.h"
#include "text/Utf8.h"
#include "winsupport/win32/Handles.h"

#include <gtest/gtest.h>

namespace vr {
namespace {

using test::ScratchFolder;
using test::Wide;

TEST(Platform, AnsiCodePageIs932) {
    EXPECT_EQ(GetACP(), 932u);
}

TEST(Platform, TextBoundaryUsesTheSystemCodePage) {
    EXPECT_EQ(DecodeAnsi("\x95\x5c\x83\x5c\x94\x5c"), u"表ソ能");
    EXPECT_EQ(EncodeAnsi(u"表ソ能"), "\x95\x5c\x83\x5c\x94\x5c");
    EXPECT_EQ(EncodeAnsi(u"\uFF5E\u3000"), "\x81\x60\x81\x40");
    EXPECT_TRUE(IsAnsiLeadByte(0x95));
    EXPECT_FALSE(IsAnsiLeadByte(0x5C));
    EXPECT_FALSE(IsAnsiLeadByte(0xB1)); // half-width katakana
    EXPECT_EQ(DecodeAnsiPrefix(std::string(253, 'y') + "\x95\x5c", 254), Text(253, u'y'));
    EXPECT_EQ(DecodeAnsi("ab\x95"), u"ab");
}

Text Folder(const ScratchFolder& folder) {
    const std::wstring& path = folder.Path();
    return Text(path.begin(), path.end()) + u"\\";
}

TEST(RealProfile, ReadsValuesAsThePlatformStoresThem) {
    const ScratchFolder folder(L"profile");
    folder.Write(L"ZuDuv.ini",
                 "[Main]\r\n"
                 "ACADName=acad\r\n"
                 "CommandCaption=\r\n"
                 "Long=" +
                     std::string(300, 'v') +
                     "\r\n"
                     "Sjis=\x83\x52\x83\x7d\x83\x93\x83\x68\r\n"
                     "Trail5C=\x95\x5c\x83\x5c\r\n"
                     "Split=" +
                     std::string(253, 'y') +
                     "\x95\x5c\r\n"
                     // The reader drops blanks around a value,
                     // not inside it, and a comment after a
                     // value is part of the value.
                     "Blanks=  \x83\x52\x83\x7d\x83\x93\x83\x68 \x83\x89\x83\x43\x83\x93 \t\r\n"
                     "Comment=acad   ; the CAD\r\n");
    Win32ProfileAccess profiles;
    struct Case {
        const char16_t* key;
        Text expected;
    };
    const Case cases[] = {
        {u"ACADName", u"acad"},
        {u"TextCaption", u"???"},
        {u"CommandCaption", u""},
        {u"Long", Text(254, u'v')},
        {u"Sjis", u"コマンド"},
        {u"Trail5C", u"表ソ"},
        {u"Split", Text(253, u'y')},
        {u"Blanks", u"コマンド ライン"},
        {u"Comment", u"acad   ; the CAD"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ReadIniString(profiles, Folder(folder), u"ZuDuv", u"Main", c.key, u"???"),
                  c.expected)
            << Utf8FromText(c.key);
    }
    // File names are not case-sensitive on the platform: zuduv.ini is found too.
    EXPECT_EQ(ReadIniString(profiles, Folder(folder), u"zuduv", u"Main", u"ACADName", u"???"),
              u"acad");
}

TEST(RealProfile, MissingFileOrSectionGivesTheDefaults) {
    const ScratchFolder folder(L"profile-missing");
    folder.Write(L"Other.ini", "[Other]\r\nACADName=acad\r\n");
    Win32ProfileAccess profiles;
    EXPECT_EQ(ReadIniString(profiles, Folder(folder), u"ZuDuv", u"Main", u"ACADName", u"???"),
              u"???");
    EXPECT_EQ(ReadIniString(profiles, Folder(folder), u"Other", u"Main", u"ACADName", u"???"),
              u"???");
}

TEST(RealProfile, LoadsToolSettingsFromAFolderWithAJapaneseName) {
    const ScratchFolder folder(L"設定表ソ");
    folder.Write(L"zuduv.ini", "[Main]\r\n"
                               "ACADName=acad\r\n"
                               "CommandCaption=\x83\x52\x83\x7d\x83\x93\x83\x68\r\n"
                               "MainCaption=AutoCAD\r\n"
                               "TextCaption=AutoCAD \x83\x65\x83\x4c\x83\x58\x83\x67\r\n"
                               "MainCmdCtrlID=1001\r\n"
                               "TextCmdCtrlID=12abc\r\n"
                               "MainHistCtrlID=abc\r\n"
                               "TextHistCtrlID=2.5\r\n");
    Win32ProfileAccess profiles;
    const auto loaded = LoadToolSettings(profiles, Folder(folder));
    ASSERT_TRUE(std::holds_alternative<ToolSettings>(loaded));
    const auto& settings = std::get<ToolSettings>(loaded);
    EXPECT_EQ(settings.ACADName, u"acad");
    EXPECT_EQ(settings.CommandCaption, u"コマンド");
    EXPECT_EQ(settings.MainCaption, u"AutoCAD");
    EXPECT_EQ(settings.TextCaption, u"AutoCAD テキスト");
    EXPECT_EQ(settings.MainCmdCtrlID, 1001);
    EXPECT_EQ(settings.TextCmdCtrlID, 12);
    EXPECT_EQ(settings.MainHistCtrlID, 0);
    EXPECT_EQ(settings.TextHistCtrlID, 2);
}

TEST(RealFiles, ReadsWholeFilesAndReportsMissingOnes) {
    const ScratchFolder folder(L"files表");
    folder.Write(L"delay.dat", "10\r\n");
    Win32FileAccess files;
    const std::wstring path = folder.File(L"delay.dat");
    EXPECT_EQ(files.ReadWholeFile(Text(path.begin(), path.end())), Bytes("10\r\n"));
    const std::wstring missing = folder.File(L"none.dat");
    EXPECT_EQ(files.ReadWholeFile(Text(missing.begin(), missing.end())), std::nullopt);
}

TEST(RealSeam, HandleConstantsAreThePlatformsOwn) {
    EXPECT_EQ(reinterpret_cast<Hwnd>(HWND_TOPMOST), kHwndTopmost);
    EXPECT_EQ(reinterpret_cast<Hwnd>(HWND_NOTOPMOST), kHwndNotTopmost);
}

// A window whose thread stops reading its messages until told to go on, as a
// hung CAD's does.
struct HungWindow {
    UniqueHandle created{CreateEventW(nullptr, TRUE, FALSE, nullptr)};
    UniqueHandle wakeUp{CreateEventW(nullptr, TRUE, FALSE, nullptr)};
    HWND window = nullptr;
    UniqueHandle thread;

    HungWindow() {
        thread.Reset(CreateThread(nullptr, 0, Hang, this, 0, nullptr));
        WaitForSingleObject(created.Get(), 5000);
    }
    ~HungWindow() {
        SetEvent(wakeUp.Get());
        WaitForSingleObject(thread.Get(), 10000);
    }
    static DWORD WINAPI Hang(void* parameter) {
        auto* self = static_cast<HungWindow*>(parameter);
        self->window = CreateWindowExW(0, L"STATIC", L"hung", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100,
                                       nullptr, nullptr, nullptr, nullptr);
        SetEvent(self->created.Get());
        WaitForSingleObject(self->wakeUp.Get(), 30000); // no messages read meanwhile
        DestroyWindow(self->window);
        return 0;
    }
};

TEST(RealSeam, AHungThreadIsWaitedForOnceAndThenGivenUpOnAtOnce) {
    HungWindow hung;
    ASSERT_TRUE(hung.window);
    Win32WindowControl windows;
    Win32WindowTree tree;
    const Hwnd window = reinterpret_cast<Hwnd>(hung.window);
    DWORD start = GetTickCount();
    EXPECT_FALSE(windows.SetWindowPos(window, kHwndTopmost, kSwpNoSizeNoMove));
    const DWORD first = GetTickCount() - start;
    EXPECT_GE(first, 1500u);
    EXPECT_LT(first, 4000u);
    start = GetTickCount();
    EXPECT_FALSE(windows.SetWindowPos(window, kHwndNotTopmost, kSwpNoSizeNoMoveShow));
    EXPECT_FALSE(windows.OpenIcon(window));
    EXPECT_EQ(tree.GetWindowTitle(window), u""); // read as untitled
    EXPECT_LT(GetTickCount() - start, 300u);
    // Posted, not waited for.
    start = GetTickCount();
    EXPECT_TRUE(
        windows.SetWindowPos(window, kHwndNotTopmost, kSwpNoSizeNoMoveShow | kSwpAsyncWindowPos));
    EXPECT_LT(GetTickCount() - start, 300u);
}

// Titles come back exactly as the windows hold them, with no code page in
// between: Japanese, characters code page 932 has no form for (e with an
// acute accent; U+20B9F, outside the Basic Multilingual Plane), and longer
// than the first read's room. Another program's windows are read as the
// window manager keeps them; the tool's own window answers the wide
// messages itself.
TEST(RealSeam, TitlesReadBackExactlyFromAnotherProgramAndTheToolsOwnWindow) {
    const Text drawing = u"図面\\表ソ caf\u00e9 \U00020B9F " + Text(300, u'長') + u".dwg";
    const Text commandCaption = u"コマンド ライン";
    const ScratchFolder folder(L"titles");
    test::StandinCad cad(folder, L"acad.exe",
                         L"--drawing \"" + Wide(drawing) + L"\" --command-caption \"" +
                             Wide(commandCaption) + L"\"");
    ASSERT_TRUE(cad.Ready());
    Win32WindowTree tree;
    EXPECT_EQ(tree.GetWindowTitle(reinterpret_cast<Hwnd>(cad.Main())),
              u"StandIn CAD 2024 - [" + drawing + u"]");
    EXPECT_EQ(tree.GetWindowTitle(reinterpret_cast<Hwnd>(cad.CommandArea())), commandCaption);

    for (const Text& title : {Text(u"図面 caf\u00e9 \U00020B9F"), drawing, Text()}) {
        const HWND own = CreateWindowExW(0, L"STATIC", Wide(title).c_str(), WS_OVERLAPPEDWINDOW, 0,
                                         0, 100, 100, nullptr, nullptr, nullptr, nullptr);
        ASSERT_TRUE(own);
        EXPECT_EQ(tree.GetWindowTitle(reinterpret_cast<Hwnd>(own)), title) << title.size();
        DestroyWindow(own);
    }
}

TEST(RealSeam, CallsOnTheToolsOwnWindowsRunAtOnce) {
    // This thread reads no messages while it waits for a worker: a call on
    // its own window must not be handed to one.
    const HWND own = CreateWindowExW(0, L"STATIC", L"own", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100,
                                     nullptr, nullptr, nullptr, nullptr);
    ASSERT_TRUE(own);
    Win32WindowControl windows;
    const DWORD start = GetTickCount();
    EXPECT_TRUE(windows.SetWindowPos(reinterpret_cast<Hwnd>(own), kHwndTopmost, kSwpNoSizeNoMove));
    EXPECT_TRUE(windows.IsTopmost(reinterpret_cast<Hwnd>(own)));
    EXPECT_TRUE(
        windows.SetWindowPos(reinterpret_cast<Hwnd>(own), kHwndNotTopmost, kSwpNoSizeNoMoveShow));
    EXPECT_FALSE(windows.IsTopmost(reinterpret_cast<Hwnd>(own)));
    EXPECT_LT(GetTickCount() - start, 1000u);
    DestroyWindow(own);
}

// Whether another thread could take the lock now (mutexes belong to a thread).
struct LockProbe {
    const wchar_t* name;
    bool taken = false;
};

DWORD WINAPI ProbeLock(void* parameter) {
    auto* probe = static_cast<LockProbe*>(parameter);
    const UniqueHandle mutex(OpenMutexW(SYNCHRONIZE, FALSE, probe->name));
    if (mutex.IsValid()) {
        const DWORD waited = WaitForSingleObject(mutex.Get(), 0);
        probe->taken = waited == WAIT_OBJECT_0 || waited == WAIT_ABANDONED;
        if (probe->taken) {
            ReleaseMutex(mutex.Get());
        }
    }
    return 0;
}

bool OthersCanTake(const wchar_t* name) {
    LockProbe probe{name};
    const UniqueHandle thread(CreateThread(nullptr, 0, ProbeLock, &probe, 0, nullptr));
    WaitForSingleObject(thread.Get(), INFINITE);
    return probe.taken;
}

TEST(RealSeam, WindowFactsAreThePlatformsOwn) {
    const HWND owner = CreateWindowExW(0, L"STATIC", L"owner", WS_OVERLAPPED, 10, 20, 300, 200,
                                       nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    ASSERT_TRUE(owner);
    const HWND owned = CreateWindowExW(WS_EX_TOOLWINDOW, L"STATIC", L"", WS_POPUP, 10, 230, 300, 40,
                                       owner, nullptr, GetModuleHandleW(nullptr), nullptr);
    const HWND edit =
        CreateWindowExW(0, L"EDIT", L"", WS_CHILD | WS_VISIBLE, 0, 0, 100, 20, owner,
                        reinterpret_cast<HMENU>(1234), GetModuleHandleW(nullptr), nullptr);
    ASSERT_TRUE(owned);
    ASSERT_TRUE(edit);
    Win32WindowTree tree;
    const auto handle = [](HWND window) {
        return reinterpret_cast<Hwnd>(window);
    };
    EXPECT_EQ(DecodeAnsi(tree.GetClassNameA(handle(edit))), u"Edit");
    EXPECT_EQ(tree.GetWindowOwner(handle(owned)), handle(owner));
    EXPECT_EQ(tree.GetWindowOwner(handle(owner)), 0u);
    EXPECT_EQ(tree.GetParentWindow(handle(edit)), handle(owner));
    EXPECT_EQ(tree.GetDlgCtrlID(handle(edit)), 1234);
    EXPECT_FALSE(tree.IsWindowVisible(handle(owner)));
    EXPECT_FALSE(tree.IsWindowVisible(handle(edit))); // its parent is hidden
    EXPECT_EQ(tree.GetWindowProcessId(handle(edit)), GetCurrentProcessId());
    DestroyWindow(owner); // and with it the owned and the child window
    EXPECT_EQ(tree.GetWindowProcessId(handle(edit)), 0u);
    EXPECT_EQ(tree.GetClassNameA(handle(edit)), "");
}

TEST(RealSeam, IntegrityLevelOfAProcessIsReadOrUnknown) {
    Win32ProcessIntegrity integrity;
    const std::optional<std::uint32_t> own = integrity.OwnIntegrityLevel();
    EXPECT_EQ(integrity.ProcessIntegrityLevel(GetCurrentProcessId()), own);
    EXPECT_EQ(integrity.ProcessIntegrityLevel(0xFFFFFFF0u), std::nullopt); // no such process
}

TEST(RealSeam, RunLockIsFreeForOthersOnceReleased) {
    Win32RunLock lock;
    ASSERT_EQ(lock.AcquireRunLock(1000), RunLockResult::Acquired);
    EXPECT_FALSE(OthersCanTake(L"Local\\VadoRariri.ToolJob"));
    lock.ReleaseRunLock();
    EXPECT_TRUE(OthersCanTake(L"Local\\VadoRariri.ToolJob"));
    lock.ReleaseRunLock(); // a second release is harmless
    EXPECT_TRUE(OthersCanTake(L"Local\\VadoRariri.ToolJob"));
}

TEST(RealSeam, ClipboardTextRoundTripsAndAnOpenClipboardIsNamed) {
    Win32ClipboardAccess clipboard;
    ASSERT_TRUE(clipboard.OpenClipboard(0));
    EXPECT_TRUE(clipboard.EmptyClipboard());
    EXPECT_TRUE(clipboard.SetClipboardText("\x1b(load \"go\")\r\n"));
    EXPECT_TRUE(clipboard.CloseClipboard());
    EXPECT_EQ(clipboard.GetClipboardText(0), Bytes("\x1b(load \"go\")\r\n"));
    ASSERT_TRUE(clipboard.OpenClipboard(0));
    EXPECT_TRUE(clipboard.EmptyClipboard());
    EXPECT_TRUE(clipboard.CloseClipboard());
    EXPECT_EQ(clipboard.GetClipboardText(0), std::nullopt);
}

} // namespace
} // namespace vr
