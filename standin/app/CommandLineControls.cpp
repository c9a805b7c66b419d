#include "app/CommandLineControls.h"

#include "app/StartFailure.h"

#include <algorithm>

namespace standin {
namespace {

constexpr int kInputHeight = 22;
constexpr int kPromptId = 100;

HWND CreateControl(HWND parent, const wchar_t* className, DWORD style, std::int32_t id,
                   HFONT font) {
    const HWND control = CreateWindowExW(
        0, className, L"", WS_CHILD | WS_VISIBLE | style, 0, 0, 10, 10, parent,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
    if (control) {
        SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    }
    return control;
}

} // namespace

bool CommandLineControls::Create(HWND parent, Kind kind, std::int32_t controlId, HFONT font) {
    kind_ = kind;
    if (kind == Kind::History) {
        history_ =
            CreateControl(parent, L"EDIT", WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL | ES_READONLY,
                          controlId, font);
        if (!history_) {
            return ReportStartFailure(L"Creating the history box", GetLastError());
        }
        return true;
    }
    prompt_ = CreateControl(parent, L"STATIC", SS_LEFT, kPromptId, font);
    if (!prompt_) {
        return ReportStartFailure(L"Creating the command prompt", GetLastError());
    }
    input_ = CreateControl(parent, L"EDIT", ES_AUTOHSCROLL, controlId, font);
    if (!input_) {
        return ReportStartFailure(L"Creating the command line input", GetLastError());
    }
    return true;
}

void CommandLineControls::Layout(const RECT& area) const {
    const int width = area.right - area.left;
    if (kind_ == Kind::History) {
        if (history_) {
            MoveWindow(history_, area.left, area.top, width, area.bottom - area.top, TRUE);
        }
        return;
    }
    if (!prompt_ || !input_) {
        return; // not created yet
    }
    const int top = area.top;
    const int inputTop = std::max(top, static_cast<int>(area.bottom) - kInputHeight);
    MoveWindow(prompt_, area.left + 2, top, width - 4, inputTop - top, TRUE);
    MoveWindow(input_, area.left, inputTop, width, kInputHeight, TRUE);
}

} // namespace standin
