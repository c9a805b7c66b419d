#pragma once

#include "platform/Services.h"

namespace vr {

// The platform seam forwarded one to one to Win32.

class Win32Desktop final : public Desktop {
  public:
    void Sleep(std::uint32_t milliseconds) noexcept override;
};

class Win32FileAccess final : public FileAccess {
  public:
    [[nodiscard]] std::optional<Bytes> ReadWholeFile(TextView path) override;
};

class Win32ProfileAccess final : public ProfileAccess {
  public:
    [[nodiscard]] std::uint32_t GetPrivateProfileStringA(BytesView section, BytesView key,
                                                         BytesView defaultValue, char* buffer,
                                                         std::uint32_t size,
                                                         BytesView path) override;
};

class Win32MessageBoxes final : public MessageBoxes {
  public:
    void ShowMessage(TextView caption, TextView text) override;
};

} // namespace vr
