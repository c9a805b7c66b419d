#pragma once

namespace standin {

// The stand-in's own window classes, one per kind of window.
inline constexpr wchar_t kMainClass[] = L"StandinCadMain";
inline constexpr wchar_t kTextClass[] = L"StandinCadText";
inline constexpr wchar_t kCommandAreaClass[] = L"StandinCadCommandArea";
inline constexpr wchar_t kDrawingClass[] = L"StandinCadDrawing";
inline constexpr wchar_t kDockPanelClass[] = L"StandinCadDockPanel";
inline constexpr wchar_t kPaletteClass[] = L"StandinCadPalette";
inline constexpr wchar_t kDialogClass[] = L"StandinCadDialog";

// Posted to the top-level window by the command area and its input box when
// clicked, so that the main window sees a click wherever in the area it lands.
inline constexpr unsigned kCommandAreaClickedMessage = 0x8000 + 3; // WM_APP + 3

// Registers them all; false, reported to the user, when one cannot be.
[[nodiscard]] bool RegisterWindowClasses();

} // namespace standin
