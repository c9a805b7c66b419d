#include "app/Journal.h"

#include <string>

namespace standin {

Journal::~Journal() {
    if (file_ != INVALID_HANDLE_VALUE) {
        CloseHandle(file_);
    }
}

bool Journal::Open(vr::TextView path) {
    const std::wstring wide(path.begin(), path.end());
    file_ = CreateFileW(wide.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                        OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL | FILE_FLAG_WRITE_THROUGH, nullptr);
    return file_ != INVALID_HANDLE_VALUE;
}

void Journal::Write(const JsonLine& line) {
    if (file_ == INVALID_HANDLE_VALUE) {
        return;
    }
    // Every event carries the time it happened, so that the order of events
    // across programs can be told.
    std::string text = line.Finish();
    text.insert(text.size() - 2, ",\"tick\":" + std::to_string(GetTickCount()));
    DWORD written = 0;
    WriteFile(file_, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
}

} // namespace standin
