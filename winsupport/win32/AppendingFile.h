#pragma once

#include "winsupport/core/NonCopyable.h"
#include "winsupport/win32/Handles.h"

#include <string>
#include <string_view>

namespace vr {

// A file written only at its end, created when missing, that other programs
// may read (and write) while it is open. Every append goes through to the
// file at once, so that a reader sees each line as soon as it is written.
class AppendingFile : NonCopyable {
  public:
    // False when the file cannot be opened; GetLastError() tells why.
    [[nodiscard]] bool Open(const std::wstring& path);
    [[nodiscard]] bool IsOpen() const { return file_.IsValid(); }
    // True when every byte was written.
    [[nodiscard]] bool Append(std::string_view bytes);

  private:
    UniqueHandle file_;
};

} // namespace vr
