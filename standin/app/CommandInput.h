#pragma once

#include "session/CommandSession.h"
#include "winsupport/core/NonCopyable.h"

#include <windows.h>

namespace standin {

// The command line's input box, subclassed: every key, character, read and
// click on it is written to the journal; characters go to the session, and
// Ctrl+V or WM_PASTE feed the clipboard's text as typing.
class CommandInput : vr::NonCopyable {
  public:
    CommandInput(JournalSink& journal, CommandSession& session);
    ~CommandInput();

    // False, reported, when the edit control cannot be subclassed.
    [[nodiscard]] bool Attach(HWND edit);

  private:
    static LRESULT CALLBACK InputProc(HWND, UINT, WPARAM, LPARAM, UINT_PTR, DWORD_PTR);
    LRESULT OnMessage(HWND edit, UINT message, WPARAM wParam, LPARAM lParam);
    void Paste(HWND edit);

    JournalSink& journal_;
    CommandSession& session_;
    HWND edit_ = nullptr;
};

} // namespace standin
