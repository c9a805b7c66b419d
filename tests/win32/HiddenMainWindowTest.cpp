// The tools' main window while hidden: its instance list lives in memory
// and answers as the drop-down list does, and the controls (with the
// common-controls library they bring) appear only when it is shown.
#include "BuildPaths.h"
#include "window/InstanceEntries.h"
#include "window/MainWindowLayout.h"
#include "window/win32/FrmMain.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace vr {
namespace {

struct ListStep {
    enum Kind { Add, Data, Select, Clear } kind;
    int index = 0;
    std::uint32_t data = 0;
};

// The same steps on a real drop-down list and on the list in memory; after
// each step both must tell the same count, selection and item data.
TEST(HiddenMainWindow, TheListInMemoryAnswersAsTheDropDownList) {
    const HWND parent = CreateWindowExW(0, L"STATIC", L"", WS_OVERLAPPEDWINDOW, 0, 0, 200, 200,
                                        nullptr, nullptr, nullptr, nullptr);
    ASSERT_TRUE(parent);
    const std::vector<std::vector<ListStep>> scripts = {
        {{ListStep::Add}, {ListStep::Add}, {ListStep::Data, 1, 7}, {ListStep::Select, 1}},
        {{ListStep::Add}, {ListStep::Select, 0}, {ListStep::Select, 3}, {ListStep::Select, -2}},
        {{ListStep::Add}, {ListStep::Select, 0}, {ListStep::Select, -1}},
        {{ListStep::Add}, {ListStep::Data, 0, 4}, {ListStep::Data, 2, 9}, {ListStep::Data, -1, 9}},
        {{ListStep::Add}, {ListStep::Select, 0}, {ListStep::Clear}, {ListStep::Add}},
        {{ListStep::Select, 0}, {ListStep::Clear}, {ListStep::Select, -1}},
    };
    for (std::size_t s = 0; s < scripts.size(); ++s) {
        const HWND combo =
            CreateWindowExW(0, L"COMBOBOX", L"", WS_CHILD | WS_VSCROLL | CBS_DROPDOWNLIST, 0, 0,
                            100, 100, parent, reinterpret_cast<HMENU>(1), nullptr, nullptr);
        ASSERT_TRUE(combo);
        InstanceEntries memory;
        for (std::size_t k = 0; k < scripts[s].size(); ++k) {
            const ListStep& step = scripts[s][k];
            switch (step.kind) {
            case ListStep::Add:
                EXPECT_EQ(SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"x.dwg")),
                          memory.AddEntry(u"x.dwg"));
                break;
            case ListStep::Data:
                SendMessageW(combo, CB_SETITEMDATA, static_cast<WPARAM>(step.index), step.data);
                memory.SetItemData(step.index, step.data);
                break;
            case ListStep::Select:
                SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(step.index), 0);
                memory.SetSelectedIndex(step.index);
                break;
            case ListStep::Clear:
                SendMessageW(combo, CB_RESETCONTENT, 0, 0);
                memory.Clear();
                break;
            }
            const std::string where = "script " + std::to_string(s) + " step " + std::to_string(k);
            EXPECT_EQ(SendMessageW(combo, CB_GETCOUNT, 0, 0), memory.Count()) << where;
            EXPECT_EQ(SendMessageW(combo, CB_GETCURSEL, 0, 0), memory.SelectedIndex()) << where;
            for (int i = -1; i <= memory.Count(); ++i) {
                EXPECT_EQ(static_cast<std::uint32_t>(
                              SendMessageW(combo, CB_GETITEMDATA, static_cast<WPARAM>(i), 0)),
                          memory.ItemData(i))
                    << where << " item " << i;
            }
        }
        DestroyWindow(combo);
    }
    DestroyWindow(parent);
}

int ChildCount(HWND window) {
    int count = 0;
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        ++count;
    }
    return count;
}

std::wstring TextOf(HWND window) {
    wchar_t text[256] = {};
    GetWindowTextW(window, text, 256);
    return text;
}

// Refuses the creation of the tools' main window on this thread, as a
// system out of window resources would, and keeps the menu it was given.
HMENU refusedMenu = nullptr;
LRESULT CALLBACK RefuseMainWindow(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_CREATEWND) {
        wchar_t className[64] = {};
        GetClassNameW(reinterpret_cast<HWND>(wParam), className, 64);
        if (wcscmp(className, L"VadoRaririMain") == 0) {
            refusedMenu = reinterpret_cast<CBT_CREATEWNDW*>(lParam)->lpcs->hMenu;
            return 1;
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

// The window that cannot be created is handed back to the caller, which
// reports it where it reports every stop, and leaves no menu behind.
TEST(HiddenMainWindow, AWindowThatCannotBeCreatedIsHandedBackAndLeavesNoMenu) {
    const HHOOK hook = SetWindowsHookExW(WH_CBT, RefuseMainWindow, nullptr, GetCurrentThreadId());
    ASSERT_TRUE(hook);
    bool handedBack = false;
    {
        FrmMain window;
        try {
            (void)window.CreateIfNeeded();
        } catch (const MainWindowNotCreated& fault) {
            handedBack = true;
            EXPECT_EQ(fault.windowName, u"VadoRariri");
        }
    }
    UnhookWindowsHookEx(hook);
    EXPECT_TRUE(handedBack);
    ASSERT_TRUE(refusedMenu);
    EXPECT_FALSE(IsMenu(refusedMenu));
}

// Filled while hidden as a tool run fills it, then shown by the window
// itself or by another program's ShowWindow.
TEST(HiddenMainWindow, ControlsAppearWhenShownWithWhatTheHiddenWindowHeld) {
    for (const bool showByWindow : {true, false}) {
        FrmMain window;
        ASSERT_TRUE(window.CreateIfNeeded());
        const HWND main = reinterpret_cast<HWND>(window.Handle());
        EXPECT_FALSE(IsWindowVisible(main));
        EXPECT_EQ(ChildCount(main), 0) << showByWindow;
        InstanceList& list = window.cmbFileName();
        list.SetItemData(list.AddEntry(u"a.dwg"), 1);
        list.SetItemData(list.AddEntry(u"C:\\図面\\b.dwg"), 2);
        list.SetSelectedIndex(list.Count() - 1);
        window.SetTxtGet(u"コマンド: LINE");
        EXPECT_EQ(ChildCount(main), 0) << showByWindow;

        if (showByWindow) {
            window.Show();
        } else {
            ShowWindow(main, SW_SHOWNOACTIVATE);
        }
        EXPECT_EQ(ChildCount(main), static_cast<int>(kMainWindowControls.size())) << showByWindow;
        const HWND combo = GetDlgItem(main, kIdCmbFileName);
        EXPECT_EQ(SendMessageW(combo, CB_GETCOUNT, 0, 0), 2);
        EXPECT_EQ(SendMessageW(combo, CB_GETCURSEL, 0, 0), 1);
        EXPECT_EQ(SendMessageW(combo, CB_GETITEMDATA, 0, 0), 1);
        EXPECT_EQ(SendMessageW(combo, CB_GETITEMDATA, 1, 0), 2);
        wchar_t entry[64] = {};
        SendMessageW(combo, CB_GETLBTEXT, 1, reinterpret_cast<LPARAM>(entry));
        EXPECT_STREQ(entry, L"C:\\図面\\b.dwg");
        EXPECT_EQ(TextOf(GetDlgItem(main, kIdTxtGet)), L"コマンド: LINE");
        EXPECT_EQ(TextOf(GetDlgItem(main, kIdTxtPut)), L"txtPut");
        // From now on the list is the control.
        list.SetSelectedIndex(0);
        EXPECT_EQ(SendMessageW(combo, CB_GETCURSEL, 0, 0), 0);
        window.SetTxtGet(u"next");
        EXPECT_EQ(TextOf(GetDlgItem(main, kIdTxtGet)), L"next");
    }
}

// The names of the DLLs a program imports, read from its import table.
std::vector<std::string> ImportedDlls(const std::wstring& path) {
    std::vector<std::string> names;
    const HMODULE module = LoadLibraryExW(path.c_str(), nullptr, LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    if (!module) {
        return names;
    }
    // The handle of a module loaded as a resource carries flags in its low bits.
    const auto* base = reinterpret_cast<const BYTE*>(reinterpret_cast<ULONG_PTR>(module) & ~3u);
    const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
    // The tools are built for the same machine as this test.
    const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
    const IMAGE_DATA_DIRECTORY& imports =
        nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    for (auto* entry =
             reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR*>(base + imports.VirtualAddress);
         imports.VirtualAddress && entry->Name; ++entry) {
        std::string name = reinterpret_cast<const char*>(base + entry->Name);
        for (char& c : name) {
            c = static_cast<char>(toupper(static_cast<unsigned char>(c)));
        }
        names.push_back(name);
    }
    FreeLibrary(module);
    return names;
}

// A tool run never shows a control, so the tools do not load the common
// controls when they start.
TEST(HiddenMainWindow, ToolsDoNotImportTheCommonControls) {
    for (const std::wstring tool : {L"pinmark", L"labelpen", L"gaugeread"}) {
        const std::vector<std::string> dlls =
            ImportedDlls(std::wstring(kToolsDir) + L"\\" + tool + L".exe");
        ASSERT_FALSE(dlls.empty());
        EXPECT_NE(std::find(dlls.begin(), dlls.end(), "USER32.DLL"), dlls.end());
        EXPECT_EQ(std::find(dlls.begin(), dlls.end(), "COMCTL32.DLL"), dlls.end());
    }
}

} // namespace
} // namespace vr
