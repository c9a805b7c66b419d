#pragma once

#include "../support/MessageBoxWatcher.h"

#include <windows.h>

#include <string>
#include <string_view>

namespace vr::test {

// A fresh folder for one test, removed with everything in it afterwards.
class ScratchFolder {
  public:
    // Under the user's temporary folder; name may hold Japanese characters.
    explicit ScratchFolder(const std::wstring& name);
    // At an exact place, such as the root of a mapped drive.
    static ScratchFolder At(const std::wstring& path);
    ~ScratchFolder();
    ScratchFolder(ScratchFolder&&) noexcept;
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    [[nodiscard]] const std::wstring& Path() const { return path_; }
    [[nodiscard]] std::wstring File(const std::wstring& name) const;

    // Writes the bytes exactly as given (code page 932 texts, CR LF); throws
    // when they cannot all be written.
    void Write(const std::wstring& name, std::string_view bytes) const;
    // Copies a program of the build (pinmark.exe, ...) into the folder.
    void CopyTool(const std::wstring& exeName) const;

  private:
    struct AtPath {};
    ScratchFolder(AtPath, std::wstring path);
    std::wstring path_;
    bool removeFolder_ = true;
};

// Starts a program with the test's current directory; the caller closes
// the two handles.
[[nodiscard]] PROCESS_INFORMATION StartProgram(const std::wstring& exePath,
                                               const std::wstring& arguments = L"");

// Starts the program and watches it to the end, pressing OK on each box.
[[nodiscard]] ProcessRun RunAndWatch(const std::wstring& exePath,
                                     const std::wstring& arguments = L"", DWORD timeoutMs = 20000);

// The program's UTF-16 texts as wide strings, for expectations and W calls.
[[nodiscard]] std::wstring Wide(std::u16string_view text);

} // namespace vr::test
