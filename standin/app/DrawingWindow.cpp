#include "app/DrawingWindow.h"

#include "app/WindowClasses.h"
#include "cad/DimensionGeometry.h"
#include "cad/EntityPick.h"
#include "winsupport/win32/Clipboard.h"
#include "winsupport/win32/Handles.h"
#include "winsupport/win32/WideText.h"

namespace standin {
namespace {

constexpr COLORREF kInk = RGB(255, 255, 255);
constexpr int kPointArm = 3; // a point is a small cross

void DrawSegment(HDC dc, const DrawingView& view, const Segment& segment) {
    const ClientPoint a = ToClient(view, segment.a);
    const ClientPoint b = ToClient(view, segment.b);
    MoveToEx(dc, a.x, a.y, nullptr);
    LineTo(dc, b.x, b.y);
}

void DrawTexts(HDC dc, const DrawingView& view, const Entity& e) {
    for (const PlacedText& line : PlacedTexts(e)) {
        const ClientPoint at = ToClient(view, line.start);
        const int tenths = static_cast<int>(line.rotation * 10);
        const vr::GdiObject<HFONT> font(
            CreateFontW(-TextPixels(view, line.height), 0, tenths, tenths, FW_NORMAL, FALSE, FALSE,
                        FALSE, SHIFTJIS_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                        ANTIALIASED_QUALITY, DEFAULT_PITCH, L"MS Gothic"));
        const vr::SelectedObject selected(dc, font.Get());
        const std::wstring text = vr::WideZ(line.text);
        TextOutW(dc, at.x, at.y, text.c_str(), static_cast<int>(text.size()));
    }
}

void DrawEntity(HDC dc, const DrawingView& view, const Entity& e) {
    const ClientPoint a = ToClient(view, e.start);
    switch (e.type) {
    case EntityType::Point:
        MoveToEx(dc, a.x - kPointArm, a.y, nullptr);
        LineTo(dc, a.x + kPointArm + 1, a.y);
        MoveToEx(dc, a.x, a.y - kPointArm, nullptr);
        LineTo(dc, a.x, a.y + kPointArm + 1);
        break;
    case EntityType::Line: {
        const ClientPoint b = ToClient(view, e.end);
        MoveToEx(dc, a.x, a.y, nullptr);
        LineTo(dc, b.x, b.y);
        break;
    }
    case EntityType::SingleLineText:
    case EntityType::MText:
        DrawTexts(dc, view, e);
        break;
    case EntityType::Dimension: {
        const DimensionPicture picture = DrawDimension(e);
        DrawSegment(dc, view, picture.dimensionLine);
        DrawSegment(dc, view, picture.extensionLines[0]);
        DrawSegment(dc, view, picture.extensionLines[1]);
        DrawTexts(dc, view, e);
        break;
    }
    }
}

} // namespace

DrawingWindow::DrawingWindow(CommandSession& session, JournalSink& journal)
    : session_(session), journal_(journal) {}

bool DrawingWindow::Create(HWND parent) {
    return Window::Create({.className = kDrawingClass,
                           .style = WS_CHILD | WS_VISIBLE,
                           .x = 0,
                           .y = 0,
                           .width = 10,
                           .height = 10,
                           .parent = parent});
}

LRESULT DrawingWindow::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT:
        OnPaint();
        return 0;
    case WM_LBUTTONDOWN:
        OnClick(
            ClientPoint{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))});
        return 0;
    case WM_KEYDOWN:
    case WM_KEYUP:
        OnKey(message, wParam, lParam);
        return 0;
    case WM_CHAR:
        OnCharacter(wParam);
        return 0;
    case WM_SETFOCUS:
        journal_.Write(JsonLine("focus").Add("window", TextView(u"drawing")));
        return 0;
    default:
        return Window::WindowProc(message, wParam, lParam);
    }
}

void DrawingWindow::OnSize(int, int) {
    InvalidateRect(Handle(), nullptr, TRUE);
}

DrawingView DrawingWindow::CurrentView() const {
    RECT client;
    GetClientRect(Handle(), &client);
    return FitDrawing(session_.Entities(), client.right, client.bottom);
}

void DrawingWindow::OnClick(ClientPoint client) {
    SetFocus(Handle());
    const DrawingView view = CurrentView();
    session_.DrawingClicked(client, ToWorld(view, client), 1.0 / view.scale);
}

void DrawingWindow::OnKey(UINT message, WPARAM key, LPARAM flags) {
    journal_.Write(JsonLine("key")
                       .Add("window", TextView(u"drawing"))
                       .Add("vk", static_cast<long long>(key))
                       .AddBool("down", message == WM_KEYDOWN)
                       .AddBool("extended", (flags & (1 << 24)) != 0)
                       .AddBool("ctrl", GetKeyState(VK_CONTROL) < 0));
    if (message == WM_KEYDOWN && key == 'V' && GetKeyState(VK_CONTROL) < 0) {
        PasteIntoDrawing();
    }
}

// Typed characters go on to the command line, as the CAD passes them.
void DrawingWindow::OnCharacter(WPARAM character) {
    journal_.Write(JsonLine("char")
                       .Add("window", TextView(u"drawing"))
                       .Add("code", static_cast<long long>(character)));
    if (character == 0x16) {
        return; // Ctrl+V was the paste into the drawing
    }
    const char16_t typed = static_cast<char16_t>(character);
    session_.OnInputCharacters(TextView(&typed, 1));
}

void DrawingWindow::PasteIntoDrawing() {
    std::optional<vr::Bytes> text;
    {
        const vr::ClipboardGuard clipboard(Handle());
        if (!clipboard.IsOpen()) {
            return;
        }
        text = vr::ClipboardText();
    }
    session_.PasteClip(text);
}

void DrawingWindow::OnPaint() {
    const vr::ScopedPaint paint(Handle());
    const HDC dc = paint.Get();
    const DrawingView view = CurrentView();
    const vr::GdiObject<HPEN> pen(CreatePen(PS_SOLID, 1, kInk));
    const vr::SelectedObject selectedPen(dc, pen.Get());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, kInk);
    SetTextAlign(dc, TA_LEFT | TA_BASELINE);
    for (const Entity& e : session_.Entities()) {
        DrawEntity(dc, view, e);
    }
}

} // namespace standin
