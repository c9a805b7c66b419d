#pragma once

namespace standin {

// The stand-in's own window classes, one per kind of window.
inline constexpr wchar_t kMainClass[] = L"StandinCadMain";
inline constexpr wchar_t kTextClass[] = L"StandinCadText";
inline constexpr wchar_t kCommandAreaClass[] = L"StandinCadCommandArea";
inline constexpr wchar_t kDrawingClass[] = L"StandinCadDrawing";
inline constexpr wchar_t kDockPanelClass[] = L"StandinCadDockPanel";

// Registers them all; false, reported to the user, when one cannot be.
[[nodiscard]] bool RegisterWindowClasses();

} // namespace standin
