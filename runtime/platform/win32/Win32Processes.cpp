#include "platform/win32/Win32Desktop.h"

#include <tlhelp32.h> // after windows.h, which it needs

#include <cstring>

namespace vr {

std::vector<ProcessRecord> Win32ProcessSnapshots::ProcessSnapshot() {
    std::vector<ProcessRecord> records;
    const UniqueHandle snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
    if (!snapshot.IsValid()) {
        return records;
    }
    PROCESSENTRY32 entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32First(snapshot.Get(), &entry); more;
         more = Process32Next(snapshot.Get(), &entry)) {
        records.push_back(
            {entry.th32ProcessID, Bytes(entry.szExeFile, strnlen(entry.szExeFile, MAX_PATH))});
    }
    return records;
}

std::vector<ThreadRecord> Win32ProcessSnapshots::ThreadSnapshot() {
    std::vector<ThreadRecord> records;
    const UniqueHandle snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0));
    if (!snapshot.IsValid()) {
        return records;
    }
    THREADENTRY32 entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = Thread32First(snapshot.Get(), &entry); more;
         more = Thread32Next(snapshot.Get(), &entry)) {
        records.push_back({entry.th32ThreadID, entry.th32OwnerProcessID});
    }
    return records;
}

} // namespace vr
