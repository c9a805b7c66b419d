#pragma once

#include "platform/NonCopyable.h"
#include "text/Text.h"

#include <cstdint>
#include <optional>

namespace vr {

// The narrow seam between the tools' logic and the platform. Each operation
// mirrors one platform call, so that a recording fake can show the exact
// order of calls and the Win32 implementation can forward one to one.

class Desktop;
class ToolMainWindow;

// Whole-file reads and writes.
class FileAccess : NonCopyable {
  public:
    virtual ~FileAccess() = default;
    // nullopt when the file is missing or cannot be read.
    [[nodiscard]] virtual std::optional<Bytes> ReadWholeFile(TextView path) = 0;
    // Writes a temporary file in the same folder and lets it replace the
    // file, so that a failure part-way leaves the old file whole.
    [[nodiscard]] virtual bool ReplaceWholeFile(TextView path, BytesView bytes) = 0;
};

// GetPrivateProfileStringA: all texts in the ANSI code page; stores at most
// size - 1 bytes and a NUL; returns the number of bytes stored without it.
class ProfileAccess : NonCopyable {
  public:
    virtual ~ProfileAccess() = default;
    [[nodiscard]] virtual std::uint32_t GetPrivateProfileStringA(BytesView section, BytesView key,
                                                                 BytesView defaultValue,
                                                                 char* buffer, std::uint32_t size,
                                                                 BytesView path) = 0;
};

// A modal message box with an OK button only and no icon.
class MessageBoxes : NonCopyable {
  public:
    virtual ~MessageBoxes() = default;
    virtual void ShowMessage(TextView caption, TextView text) = 0;
};

// Everything a tool process reaches the platform through.
struct ToolServices {
    Desktop& desktop;
    FileAccess& files;
    ProfileAccess& profiles;
    MessageBoxes& messages;
    ToolMainWindow& mainWindow;
};

} // namespace vr
