#include "app/CommandInput.h"

#include "app/WindowClasses.h"

#include "app/StartFailure.h"
#include "winsupport/win32/Clipboard.h"

#include <commctrl.h>

namespace standin {
namespace {

constexpr UINT_PTR kSubclassId = 1;

} // namespace

CommandInput::CommandInput(JournalSink& journal, CommandSession& session)
    : journal_(journal), session_(session) {}

CommandInput::~CommandInput() {
    if (edit_) {
        RemoveWindowSubclass(edit_, InputProc, kSubclassId);
    }
}

bool CommandInput::Attach(HWND edit) {
    if (!SetWindowSubclass(edit, InputProc, kSubclassId, reinterpret_cast<DWORD_PTR>(this))) {
        return ReportStartFailure(L"Subclassing the command line input", GetLastError());
    }
    edit_ = edit;
    return true;
}

LRESULT CALLBACK CommandInput::InputProc(HWND edit, UINT message, WPARAM wParam, LPARAM lParam,
                                         UINT_PTR, DWORD_PTR self) {
    return reinterpret_cast<CommandInput*>(self)->OnMessage(edit, message, wParam, lParam);
}

LRESULT CommandInput::OnMessage(HWND edit, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_KEYDOWN:
    case WM_KEYUP:
        journal_.Write(JsonLine("key")
                           .Add("vk", static_cast<long long>(wParam))
                           .AddBool("down", message == WM_KEYDOWN)
                           .AddBool("extended", (lParam & (1 << 24)) != 0)
                           .AddBool("ctrl", GetKeyState(VK_CONTROL) < 0));
        if (message == WM_KEYDOWN && wParam == 'V' && GetKeyState(VK_CONTROL) < 0) {
            Paste(edit);
            return 0;
        }
        break;
    case WM_CHAR: {
        journal_.Write(JsonLine("char").Add("code", static_cast<long long>(wParam)));
        if (wParam == 0x16) {
            return 0; // Ctrl+V was handled as a paste on its key press
        }
        const char16_t character = static_cast<char16_t>(wParam);
        session_.OnInputCharacters(TextView(&character, 1));
        return 0;
    }
    case WM_PASTE:
        Paste(edit);
        return 0;
    case WM_GETTEXT:
    case WM_GETTEXTLENGTH:
        // Reads by another program, not the edit control's own.
        if (InSendMessageEx(nullptr) & ISMEX_SEND) {
            journal_.Write(JsonLine("read").Add(
                "message", TextView(message == WM_GETTEXT ? u"WM_GETTEXT" : u"WM_GETTEXTLENGTH")));
        }
        break;
    case WM_LBUTTONDOWN:
        journal_.Write(JsonLine("click")
                           .Add("window", TextView(u"input"))
                           .Add("x", static_cast<long long>(static_cast<short>(LOWORD(lParam))))
                           .Add("y", static_cast<long long>(static_cast<short>(HIWORD(lParam)))));
        PostMessageW(GetAncestor(edit, GA_ROOT), kCommandAreaClickedMessage, 0, 0);
        break;
    case WM_SETFOCUS:
        journal_.Write(JsonLine("focus").Add("window", TextView(u"input")));
        break;
    case WM_NCDESTROY:
        RemoveWindowSubclass(edit, InputProc, kSubclassId);
        edit_ = nullptr;
        break;
    default:
        break;
    }
    return DefSubclassProc(edit, message, wParam, lParam);
}

void CommandInput::Paste(HWND edit) {
    std::int32_t formats = 0;
    std::optional<vr::Bytes> text;
    {
        const vr::ClipboardGuard clipboard(edit);
        if (!clipboard.IsOpen()) {
            session_.PasteRefused();
            return;
        }
        formats = CountClipboardFormats();
        text = vr::ClipboardText();
    }
    // Fed once the clipboard is closed again, for the program that put the
    // text there to have it back at once.
    session_.Pasted(text, formats);
}

} // namespace standin
