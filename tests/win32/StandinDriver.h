#pragma once

#include "Win32TestSupport.h"

#include <optional>
#include <string>
#include <vector>

namespace vr::test {

// Reads the stand-in's journal: one JSON object per line.
class JournalFile {
  public:
    explicit JournalFile(std::wstring path) : path_(std::move(path)) {}
    [[nodiscard]] std::vector<std::string> Lines() const;
    // Waits, bounded, until a line contains every one of the parts.
    [[nodiscard]] std::optional<std::string> WaitFor(const std::vector<std::string>& parts,
                                                     DWORD timeoutMs = 5000) const;
    [[nodiscard]] std::size_t Count(const std::string& part) const;
    // Every line, for a failure's report.
    [[nodiscard]] std::string Dump() const;
    [[nodiscard]] const std::wstring& Path() const { return path_; }

  private:
    std::wstring path_;
};

// One running stand-in CAD, started under the executable name the test
// chooses, ended when the object goes.
class StandinCad {
  public:
    StandinCad(const ScratchFolder& folder, const std::wstring& exeName,
               const std::wstring& arguments);
    ~StandinCad();
    StandinCad(const StandinCad&) = delete;
    StandinCad& operator=(const StandinCad&) = delete;

    [[nodiscard]] bool Ready() const { return main_ != nullptr; }
    [[nodiscard]] HWND Main() const { return main_; }
    [[nodiscard]] HWND TextWindow() const { return text_; }
    [[nodiscard]] HWND CommandArea() const { return commandArea_; }
    [[nodiscard]] HWND Input() const { return input_; }
    [[nodiscard]] const JournalFile& Journal() const { return journal_; }
    [[nodiscard]] DWORD ProcessId() const { return process_.dwProcessId; }
    // Closes the main window and waits for the process to end.
    bool Close();

  private:
    PROCESS_INFORMATION process_{};
    JournalFile journal_;
    HWND main_ = nullptr, text_ = nullptr, commandArea_ = nullptr, input_ = nullptr;
};

// The process ids in the order the platform's snapshot lists them: the
// order in which the tools find CADs.
[[nodiscard]] std::vector<DWORD> SnapshotOrder();

// Clipboard access for tests: CF_TEXT bytes exactly. Another holder of the
// clipboard (a tool just closing it) is waited for, briefly.
bool SetClipboardBytes(const std::string& bytes);
[[nodiscard]] std::optional<std::string> ClipboardBytes();

// What a user does with mouse and keyboard, as synthetic input.
void ClickAt(POINT screen);
void PressCtrlV();

// Sends text as WM_COPYDATA with dwData 1: the bytes, CR and NUL.
void SendCopyData(HWND window, const std::string& bytes);

// Text as code page 932 bytes, the encoding of the files the tools and the
// stand-in read (AutoLISP source, input files) and of window titles.
std::string Cp932(const std::u16string& text);

} // namespace vr::test
