#include "window/ReadControlText.h"

#include "text/AnsiText.h"

#include <algorithm>

namespace vr {
namespace {

// A command line longer than this is not a command line; it is not read whole.
constexpr std::uintptr_t kMaxControlTextBytes = 1 << 20;

} // namespace

Text ReadControlText(WindowMessaging& messaging, Hwnd parent, std::int32_t id) {
    const Hwnd control = parent ? messaging.GetDlgItem(parent, id) : 0;
    std::uintptr_t length = 0;
    if (control && !messaging.SendMessageTimeoutA(control, kWmGetTextLength, 0, 0,
                                                  kControlReadTimeoutMs, length)) {
        length = 0;
    }
    length = std::min(length, kMaxControlTextBytes);
    // A buffer of length + 1 spaces and a NUL: with no control (or no
    // answer) it keeps its single space.
    Bytes buffer(static_cast<std::size_t>(length) + 1, ' ');
    buffer.push_back('\0');
    if (control) {
        std::uintptr_t copied = 0;
        if (!messaging.SendMessageTimeoutA(control, kWmGetText, buffer.size(),
                                           reinterpret_cast<std::intptr_t>(buffer.data()),
                                           kControlReadTimeoutMs, copied)) {
            buffer.assign(1, ' ');
            buffer.push_back('\0');
        }
    }
    return DecodeAnsi(BytesView(buffer.data(), buffer.find('\0')));
}

} // namespace vr
