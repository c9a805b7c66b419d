// The tests' clipboard helpers wait for another holder of the clipboard to
// let go, as the tools do: a tool that is just closing it must not make a
// test fail at random.
#include "StandinDriver.h"
#include "winsupport/win32/Handles.h"

#include <gtest/gtest.h>

#include <string>

namespace vr::test {
namespace {

struct Holding {
    DWORD holdMs;
    HANDLE opened; // set once the clipboard is held
};

// Holds the clipboard with a window of its own, as a program would: the
// platform tells holders apart by their window.
DWORD WINAPI HoldClipboard(void* param) {
    auto* holding = static_cast<Holding*>(param);
    const HWND window = CreateWindowExW(0, L"STATIC", L"holder", 0, 0, 0, 0, 0, HWND_MESSAGE,
                                        nullptr, GetModuleHandleW(nullptr), nullptr);
    if (!window || !OpenClipboard(window)) {
        return 1;
    }
    SetEvent(holding->opened);
    Sleep(holding->holdMs);
    CloseClipboard();
    DestroyWindow(window);
    return 0;
}

// Runs the operation while another thread holds the clipboard for holdMs.
template <class Operation> auto WhileHeld(DWORD holdMs, Operation&& operation) {
    const UniqueHandle opened(CreateEventW(nullptr, TRUE, FALSE, nullptr));
    Holding holding{holdMs, opened.Get()};
    const UniqueHandle holder(CreateThread(nullptr, 0, HoldClipboard, &holding, 0, nullptr));
    EXPECT_EQ(WaitForSingleObject(opened.Get(), 5000), WAIT_OBJECT_0);
    if (holdMs > 0) {
        // A single attempt fails while the other thread holds it.
        const bool openedHere = OpenClipboard(nullptr) != FALSE;
        if (openedHere) {
            CloseClipboard();
        }
        EXPECT_FALSE(openedHere) << "the clipboard was not held";
    }
    auto result = operation();
    EXPECT_EQ(WaitForSingleObject(holder.Get(), 5000), WAIT_OBJECT_0);
    return result;
}

TEST(TestClipboard, WaitsForAnotherHolderAndKeepsTheBytesExactly) {
    struct Case {
        DWORD holdMs;
        std::string bytes;
    };
    const Case cases[] = {
        {0, "the user's text"},
        {300, "\x95\x5c\x83\x5c\r\n(load \"x\")"}, // 表ソ: second bytes that are backslashes
        {300, ""},
    };
    for (const Case& c : cases) {
        EXPECT_TRUE(WhileHeld(c.holdMs, [&] { return SetClipboardBytes(c.bytes); })) << c.holdMs;
        EXPECT_EQ(WhileHeld(c.holdMs, [] { return ClipboardBytes(); }), c.bytes) << c.holdMs;
    }
}

} // namespace
} // namespace vr::test
