#include "window/win32/FrmMain.h"

#include "window/MainWindowLayout.h"
#include "window/win32/ClipboardOwnerWindow.h"
#include "window/win32/WindowFailure.h"
#include "winsupport/core/Twips.h"
#include "winsupport/win32/ScreenDpi.h"
#include "winsupport/win32/WideText.h"

#include <algorithm>
#include <vector>

namespace vr {
namespace {

constexpr wchar_t kClassName[] = L"VadoRaririMain";
constexpr TextView kCaption = u"VadoRariri";
// The face and size Japanese Windows gives a form's controls.
constexpr wchar_t kControlFontFace[] = L"ＭＳ Ｐゴシック";
constexpr int kControlFontPoints = 9;

const wchar_t* ControlClass(ControlKind kind) {
    switch (kind) {
    case ControlKind::DropDownList:
        return L"COMBOBOX";
    case ControlKind::Label:
        return L"STATIC";
    case ControlKind::TextBox:
        return L"EDIT";
    case ControlKind::Button:
        return L"BUTTON";
    }
    return L"STATIC";
}

DWORD ControlStyle(ControlKind kind) {
    const DWORD common = WS_CHILD | WS_VISIBLE;
    switch (kind) {
    case ControlKind::DropDownList:
        return common | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST;
    case ControlKind::Label:
        return common | SS_LEFT;
    case ControlKind::TextBox:
        return common | WS_TABSTOP | ES_AUTOHSCROLL;
    case ControlKind::Button:
        return common | WS_TABSTOP | BS_PUSHBUTTON;
    }
    return common;
}

// A label whose text is wider than designed is widened (within its room),
// so that it is neither wrapped nor clipped.
void FitLabelToText(HWND label, const ControlDesign& design, HGDIOBJ font, int dpi) {
    const std::wstring text = WideZ(design.text);
    SIZE extent{};
    {
        const ScopedGetDc dc(label);
        const SelectedObject selected(dc.Get(), font);
        if (!GetTextExtentPoint32W(dc.Get(), text.c_str(), static_cast<int>(text.size()),
                                   &extent)) {
            return;
        }
    }
    const int width =
        TwipsToPixelsInt(LabelWidthTwips(design, PixelsToTwipsInt(extent.cx, dpi)), dpi);
    RECT rect;
    GetWindowRect(label, &rect);
    if (width > rect.right - rect.left) {
        SetWindowPos(label, nullptr, 0, 0, width, rect.bottom - rect.top,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

HMENU CreateMainMenu() {
    HMENU menuBar = CreateMenu();
    HMENU file = CreatePopupMenu();
    AppendMenuW(file, MF_STRING, kIdMnuCadSearch, L"CADSearch");
    AppendMenuW(file, MF_STRING, kIdMnuEnd, L"End");
    AppendMenuW(menuBar, MF_POPUP, reinterpret_cast<UINT_PTR>(file), L"File(&F)");
    return menuBar;
}

} // namespace

Hwnd FrmMain::ClipboardOwner() {
    if (!clipboardOwner_) {
        // Without the thread, the main window owns the clipboard as before.
        const HWND owner = StartClipboardOwnerWindow();
        clipboardOwner_ = owner ? owner : Window::Handle();
    }
    return reinterpret_cast<Hwnd>(clipboardOwner_);
}

bool FrmMain::CreateIfNeeded() {
    if (Window::Handle()) {
        return false;
    }
    if (!CreateNow()) {
        throw MainWindowNotCreated{Text(kCaption), GetLastError()};
    }
    return true;
}

bool FrmMain::CreateNow() {
    if (!RegisterWindowClass(
            {.name = kClassName,
             .icon = LoadIconW(nullptr, reinterpret_cast<LPCWSTR>(IDI_APPLICATION))})) {
        return false;
    }
    dpi_ = ScreenDpi();
    RECT frame{0, 0, TwipsToPixelsInt(kMainClientWidthTwips, dpi_),
               TwipsToPixelsInt(kMainClientHeightTwips, dpi_)};
    AdjustWindowRect(&frame, WS_OVERLAPPEDWINDOW, TRUE);
    const std::wstring caption = WideZ(kCaption);
    // The window owns its menu once created; until then the menu is ours.
    const HMENU menu = CreateMainMenu();
    if (Create({.className = kClassName,
                .title = caption.c_str(),
                .exStyle = WS_EX_CONTROLPARENT,
                .width = frame.right - frame.left,
                .height = frame.bottom - frame.top,
                .menuOrId = menu})) {
        return true;
    }
    const DWORD error = GetLastError(); // reported by the caller
    DestroyMenu(menu);
    SetLastError(error);
    return false;
}

void FrmMain::EnsureControls() {
    if (!controls_.empty()) {
        return;
    }
    if (!CreateControls()) {
        EndWithWindowNotCreated(kCaption);
    }
    RECT client;
    GetClientRect(Window::Handle(), &client);
    OnSize(client.right, client.bottom);
}

bool FrmMain::CreateControls() {
    // Created in tab order: the keyboard visits child windows in z-order.
    std::vector<ControlDesign> inTabOrder(kMainWindowControls.begin(), kMainWindowControls.end());
    std::sort(
        inTabOrder.begin(), inTabOrder.end(),
        [](const ControlDesign& a, const ControlDesign& b) { return a.tabOrder < b.tabOrder; });
    controlFont_.Reset(CreateFontW(-MulDiv(kControlFontPoints, dpi_, 72), 0, 0, 0, FW_NORMAL, FALSE,
                                   FALSE, FALSE, SHIFTJIS_CHARSET, OUT_DEFAULT_PRECIS,
                                   CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                   DEFAULT_PITCH | FF_DONTCARE, kControlFontFace));
    HGDIOBJ font = controlFont_.Get() ? controlFont_.Get() : GetStockObject(DEFAULT_GUI_FONT);
    std::map<int, HWND> created;
    for (const ControlDesign& design : inTabOrder) {
        const int height =
            design.kind == ControlKind::DropDownList ? design.height * 8 : design.height;
        const bool pendingText = design.id == kIdTxtGet && pendingTxtGet_;
        HWND control = CreateWindowExW(
            design.kind == ControlKind::TextBox ? WS_EX_CLIENTEDGE : 0, ControlClass(design.kind),
            WideZ(pendingText ? *pendingTxtGet_ : design.text).c_str(), ControlStyle(design.kind),
            TwipsToPixelsInt(design.left, dpi_), TwipsToPixelsInt(design.top, dpi_),
            TwipsToPixelsInt(design.width, dpi_), TwipsToPixelsInt(height, dpi_), Window::Handle(),
            reinterpret_cast<HMENU>(static_cast<INT_PTR>(design.id)), GetModuleHandleW(nullptr),
            nullptr);
        if (!control) {
            for (const auto& [id, made] : created) {
                DestroyWindow(made);
            }
            return false;
        }
        SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        if (design.kind == ControlKind::Label) {
            FitLabelToText(control, design, font, dpi_);
        }
        created[design.id] = control;
    }
    controls_ = std::move(created);
    pendingTxtGet_.reset();
    // The control takes over the list kept while the window was hidden.
    for (const InstanceEntries::Entry& entry : hiddenList_.Entries()) {
        const int index = AddEntry(entry.text);
        SetItemData(index, entry.data);
    }
    SetSelectedIndex(hiddenList_.SelectedIndex());
    hiddenList_.Clear();
    // Enter in txtPut: the edit control's own procedure, wrapped.
    HWND txtPut = Control(kIdTxtPut);
    SetWindowLongPtrW(txtPut, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    txtPutProc_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(txtPut, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(TxtPutProc)));
    return true;
}

void FrmMain::Show() {
    EnsureControls();
    ShowWindow(Window::Handle(), SW_SHOWNORMAL);
    // The layout rule holds from the first showing on, not only after the
    // user resizes.
    RECT client;
    GetClientRect(Window::Handle(), &client);
    OnSize(client.right, client.bottom);
    UpdateWindow(Window::Handle());
}

bool FrmMain::TakeKeyboardNavigation(MSG& message) {
    return Window::Handle() && IsDialogMessageW(Window::Handle(), &message);
}

HWND FrmMain::Control(int id) const {
    const auto found = controls_.find(id);
    return found == controls_.end() ? nullptr : found->second;
}

void FrmMain::SetTxtGet(TextView text) {
    if (HWND txtGet = Control(kIdTxtGet)) {
        SetWindowTextW(txtGet, WideZ(text).c_str());
    } else {
        pendingTxtGet_ = Text(text);
    }
}

LRESULT FrmMain::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    // Shown by some other program: the controls come first.
    if (message == WM_SHOWWINDOW && wParam) {
        EnsureControls();
    }
    return Window::WindowProc(message, wParam, lParam);
}

void FrmMain::OnCommand(int id, int, HWND) {
    if (id == kIdMnuEnd) {
        PostMessageW(Window::Handle(), WM_CLOSE, 0, 0);
        return;
    }
    if (!operations_) {
        return; // nothing attached: no CAD to talk to
    }
    switch (id) {
    case kIdCmdGet:
        operations_->Get();
        break;
    case kIdCmdPut:
        EnsureControls(); // the line to send is the box's text
        operations_->Put(WindowTextOf(Control(kIdTxtPut)));
        break;
    case kIdCmdHistory1:
        operations_->History1();
        break;
    case kIdCmdHistory2:
        operations_->History2();
        break;
    case kIdMnuCadSearch:
        operations_->CadSearch();
        break;
    default:
        break;
    }
}

void FrmMain::OnSize(int width, int) {
    if (controls_.empty()) {
        return; // hidden, without controls: nothing to lay out
    }
    const MainWindowWidths widths = LayoutMainWindow(PixelsToTwipsInt(width, dpi_));
    const std::pair<int, int> resized[] = {{kIdCmbFileName, widths.cmbFileName},
                                           {kIdTxtGet, widths.txtGet},
                                           {kIdTxtPut, widths.txtPut}};
    // Nothing else moves or changes size.
    for (const auto& [id, widthTwips] : resized) {
        HWND control = Control(id);
        RECT rect;
        GetWindowRect(control, &rect);
        SetWindowPos(control, nullptr, 0, 0, TwipsToPixelsInt(widthTwips, dpi_),
                     rect.bottom - rect.top, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

void FrmMain::OnDestroy() {
    history_.Close(); // the unload step
    controls_.clear();
    if (quitWhenClosed_) {
        PostQuitMessage(0);
    }
}

LRESULT CALLBACK FrmMain::TxtPutProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<FrmMain*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    // The message loop hands keys to the dialog manager first, which would
    // turn Enter into the window's default command: the box asks for its
    // Enter, so that it reaches the box as a character.
    if (message == WM_GETDLGCODE && lParam) {
        const auto* key = reinterpret_cast<const MSG*>(lParam);
        if ((key->message == WM_KEYDOWN || key->message == WM_CHAR) && key->wParam == VK_RETURN) {
            return CallWindowProcW(self->txtPutProc_, window, message, wParam, lParam) |
                   DLGC_WANTMESSAGE;
        }
    }
    // Enter in txtPut runs Put and is swallowed: the box gets no character.
    if (message == WM_CHAR && wParam == VK_RETURN) {
        self->OnCommand(kIdCmdPut, 0, nullptr);
        return 0;
    }
    return CallWindowProcW(self->txtPutProc_, window, message, wParam, lParam);
}

LRESULT FrmMain::ToList(UINT message, WPARAM wParam, LPARAM lParam) {
    return SendMessageW(Control(kIdCmbFileName), message, wParam, lParam);
}

// The list operations go to the control once the window has its controls,
// and to the list kept in memory before.
void FrmMain::Clear() {
    if (controls_.empty()) {
        return hiddenList_.Clear();
    }
    ToList(CB_RESETCONTENT);
}

int FrmMain::AddEntry(TextView text) {
    if (controls_.empty()) {
        return hiddenList_.AddEntry(text);
    }
    return static_cast<int>(ToList(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(WideZ(text).c_str())));
}

void FrmMain::SetItemData(int index, std::uint32_t data) {
    if (controls_.empty()) {
        return hiddenList_.SetItemData(index, data);
    }
    ToList(CB_SETITEMDATA, static_cast<WPARAM>(index), static_cast<LPARAM>(data));
}

std::uint32_t FrmMain::ItemData(int index) {
    if (controls_.empty()) {
        return hiddenList_.ItemData(index);
    }
    return static_cast<std::uint32_t>(ToList(CB_GETITEMDATA, static_cast<WPARAM>(index)));
}

int FrmMain::Count() {
    if (controls_.empty()) {
        return hiddenList_.Count();
    }
    return static_cast<int>(ToList(CB_GETCOUNT));
}

void FrmMain::SetSelectedIndex(int index) {
    if (controls_.empty()) {
        return hiddenList_.SetSelectedIndex(index);
    }
    ToList(CB_SETCURSEL, static_cast<WPARAM>(index));
}

int FrmMain::SelectedIndex() {
    if (controls_.empty()) {
        return hiddenList_.SelectedIndex();
    }
    return static_cast<int>(ToList(CB_GETCURSEL));
}

} // namespace vr
