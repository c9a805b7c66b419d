#include "app/TextWindow.h"

#include "app/StartFailure.h"
#include "app/WindowClasses.h"
#include "winsupport/win32/Clipboard.h"
#include "winsupport/win32/WideText.h"

namespace standin {
namespace {

// What the tools send to have the history put on the clipboard.
constexpr int kHistoryToClipboard = 32781;

} // namespace

TextWindow::TextWindow(const Options& options, JournalSink& journal, CommandSession& session)
    : options_(options), session_(session), area_(journal, u"textCommandArea", controls_) {}

bool TextWindow::Create(HWND owner, HFONT font) {
    const std::wstring title =
        vr::WideZ(options_.noCaptions ? Text() : options_.textCaption + u" - " + options_.drawing);
    // Owned by the main window, as the CAD's text window is: it stays above
    // its owner and is met first when the windows are listed.
    if (!Window::Create({.className = kTextClass,
                         .title = title.c_str(),
                         .style = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN,
                         .x = 890,
                         .y = 60,
                         .width = 380,
                         .height = 400,
                         .parent = owner})) {
        return ReportStartFailure(L"Creating the text window", GetLastError());
    }
    HWND controlsParent = Handle();
    if (!options_.noCommandArea) {
        // In the later shapes no window carries the command caption.
        const bool titled = !options_.noCaptions && !options_.ModernCommandLine();
        if (!area_.Create(Handle(), titled ? options_.commandCaption : Text())) {
            return ReportStartFailure(L"Creating the text window's command area", GetLastError());
        }
        controlsParent = area_.Handle();
    }
    if (!controls_.Create(controlsParent, CommandLineControls::Kind::History,
                          options_.textHistCtrlId, font)) {
        return false;
    }
    RECT client;
    GetClientRect(Handle(), &client);
    OnSize(client.right, client.bottom);
    return true;
}

void TextWindow::OnSize(int width, int height) {
    if (area_.Handle()) {
        MoveWindow(area_.Handle(), 0, 0, width, height, TRUE);
    } else {
        controls_.Layout(RECT{0, 0, width, height});
    }
}

void TextWindow::OnCommand(int id, int notification, HWND) {
    if (id == kHistoryToClipboard && notification == 0) {
        CopyHistoryToClipboard();
    }
}

bool TextWindow::OnClose() {
    ShowWindow(Handle(), SW_HIDE); // the CAD keeps its text window
    return true;
}

void TextWindow::CopyHistoryToClipboard() {
    const std::optional<vr::Bytes> history = session_.HistoryForClipboard();
    if (!history) {
        return; // told to ignore the command
    }
    const vr::ClipboardGuard clipboard(Handle());
    if (!clipboard.IsOpen()) {
        return;
    }
    EmptyClipboard();
    // Should the text not fit, the clipboard stays empty, and that is what
    // the program that asked for it reads.
    static_cast<void>(vr::PutClipboardText(*history));
}

} // namespace standin
