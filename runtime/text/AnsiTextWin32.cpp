// Win32 build: the system ANSI code page.
#include "text/AnsiText.h"
#include "winsupport/win32/CodePage.h"

#include <windows.h>

namespace vr {

bool IsAnsiLeadByte(unsigned char byte) noexcept {
    return IsDBCSLeadByteEx(CP_ACP, byte) != FALSE;
}

Text DecodeAnsi(BytesView bytes) {
    // A lead byte at the very end would decode to a stray character; drop it.
    return WideFromCodePage(bytes.substr(0, WholeCharacterLength(bytes)), CP_ACP);
}

Bytes EncodeAnsi(TextView text) {
    return CodePageFromWide(text, CP_ACP);
}

} // namespace vr
