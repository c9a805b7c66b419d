#include "platform/win32/LastResort.h"
#include "platform/win32/Win32Desktop.h"

namespace vr {

std::uint32_t Win32SyntheticInput::MapVirtualKeyA(std::uint32_t code, std::uint32_t mapType) {
    return ::MapVirtualKeyA(code, mapType);
}

std::uint32_t Win32SyntheticInput::SendInput(const KeyboardInputRecord& record) {
    INPUT input{};
    input.type = record.type;
    input.ki.wVk = record.virtualKey;
    input.ki.wScan = record.scanCode;
    input.ki.dwFlags = record.flags;
    input.ki.time = record.time;
    input.ki.dwExtraInfo = record.extraInfo;
    const UINT sent = ::SendInput(1, &input, sizeof(INPUT));
    if (sent == 1) {
        NoteKey(record.virtualKey, record.scanCode, record.flags);
    }
    return sent;
}

std::uint32_t Win32SyntheticInput::SendInput(const MouseInputRecord& record) {
    INPUT input{};
    input.type = record.type;
    input.mi.dx = record.dx;
    input.mi.dy = record.dy;
    input.mi.mouseData = record.mouseData;
    input.mi.dwFlags = record.flags;
    input.mi.time = record.time;
    input.mi.dwExtraInfo = record.extraInfo;
    const UINT sent = ::SendInput(1, &input, sizeof(INPUT));
    if (sent == 1 && (record.flags & (MOUSEEVENTF_LEFTDOWN | MOUSEEVENTF_LEFTUP))) {
        NoteLeftButton((record.flags & MOUSEEVENTF_LEFTDOWN) != 0);
    }
    return sent;
}

} // namespace vr
