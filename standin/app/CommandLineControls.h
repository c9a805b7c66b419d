#pragma once

#include <windows.h>

#include <cstdint>

namespace standin {

// The controls of a command line. In the main window: the prompt, which
// shows the last lines of the history, above the input box. In the text
// window: the history box. They sit in a command area, or directly in the
// window when it has none (a fault mode), and go with their parent.
class CommandLineControls {
  public:
    enum class Kind { PromptAndInput, History };

    // Creates them in `parent`, the input box or the history box with the
    // control ID given; false, reported, when one cannot be created.
    [[nodiscard]] bool Create(HWND parent, Kind kind, std::int32_t controlId, HFONT font);
    // Places them in the part of the parent's client area given.
    void Layout(const RECT& area) const;

    [[nodiscard]] HWND Prompt() const { return prompt_; }
    [[nodiscard]] HWND Input() const { return input_; }
    [[nodiscard]] HWND History() const { return history_; }

  private:
    Kind kind_ = Kind::PromptAndInput;
    HWND prompt_ = nullptr;
    HWND input_ = nullptr;
    HWND history_ = nullptr;
};

} // namespace standin
