// The watcher must tell icons and buttons apart, or a test that a box has
// "OK only, no icon" could not fail.
#include "Win32TestSupport.h"
#include "winsupport/win32/Handles.h"

#include <gtest/gtest.h>

namespace vr {
namespace {

struct BoxRequest {
    const wchar_t* text;
    UINT style;
    int result;
};

DWORD WINAPI ShowBox(void* param) {
    auto* request = static_cast<BoxRequest*>(param);
    request->result = MessageBoxW(nullptr, request->text, L"watcher", request->style);
    return 0;
}

test::DialogReport ShowAndRead(BoxRequest& request) {
    const UniqueHandle thread(CreateThread(nullptr, 0, ShowBox, &request, 0, nullptr));
    HWND dialog = test::WaitForMessageBox(GetCurrentProcessId(), 5000);
    test::DialogReport report;
    if (dialog) {
        report = test::ReadMessageBox(dialog);
        EXPECT_TRUE(test::PressOk(dialog, 5000));
    }
    WaitForSingleObject(thread.Get(), 5000);
    return report;
}

TEST(MessageBoxWatcher, ReportsCaptionTextButtonsAndIcon) {
    BoxRequest withIcon{L"確認表ソ", MB_OKCANCEL | MB_ICONERROR, 0};
    const test::DialogReport iconReport = ShowAndRead(withIcon);
    EXPECT_EQ(iconReport.caption, L"watcher");
    EXPECT_EQ(iconReport.text, L"確認表ソ");
    EXPECT_EQ(iconReport.buttons.size(), 2u);
    EXPECT_TRUE(iconReport.hasIcon);
    EXPECT_EQ(withIcon.result, IDOK);

    BoxRequest plain{L"plain", MB_OK, 0};
    const test::DialogReport plainReport = ShowAndRead(plain);
    EXPECT_EQ(plainReport.text, L"plain");
    ASSERT_EQ(plainReport.buttons.size(), 1u);
    EXPECT_FALSE(plainReport.hasIcon);
    EXPECT_EQ(plain.result, IDOK);
}

} // namespace
} // namespace vr
