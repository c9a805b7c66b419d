#include "Win32TestSupport.h"

#include "BuildPaths.h"
#include "winsupport/win32/Handles.h"
#include "winsupport/win32/WideText.h"

#include <stdexcept>
#include <utility>

namespace vr::test {
namespace {

void RemoveTree(const std::wstring& folder, bool removeFolder) {
    WIN32_FIND_DATAW entry;
    HANDLE search = FindFirstFileW((folder + L"\\*").c_str(), &entry);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            const std::wstring name = entry.cFileName;
            if (name == L"." || name == L"..") {
                continue;
            }
            const std::wstring path = folder + L"\\" + name;
            if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                RemoveTree(path, true);
            } else {
                SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
                DeleteFileW(path.c_str());
            }
        } while (FindNextFileW(search, &entry));
        FindClose(search);
    }
    if (removeFolder) {
        RemoveDirectoryW(folder.c_str());
    }
}

std::wstring Joined(const std::wstring& folder, const std::wstring& name) {
    return (!folder.empty() && folder.back() == L'\\') ? folder + name : folder + L"\\" + name;
}

} // namespace

ScratchFolder::ScratchFolder(const std::wstring& name) {
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    path_ = Joined(temp, name + L"-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
                             std::to_wstring(GetTickCount()));
    RemoveTree(path_, true);
    if (!CreateDirectoryW(path_.c_str(), nullptr)) {
        throw std::runtime_error("cannot create a scratch folder");
    }
}

ScratchFolder::ScratchFolder(AtPath, std::wstring path) : path_(std::move(path)) {
    CreateDirectoryW(path_.c_str(), nullptr);
    RemoveTree(path_, false);
}

ScratchFolder ScratchFolder::At(const std::wstring& path) {
    ScratchFolder folder(AtPath{}, path);
    // A drive root cannot be removed; only its contents are.
    folder.removeFolder_ = path.size() > 3;
    return folder;
}

ScratchFolder::ScratchFolder(ScratchFolder&& other) noexcept
    : path_(std::exchange(other.path_, std::wstring())), removeFolder_(other.removeFolder_) {}

ScratchFolder::~ScratchFolder() {
    if (!path_.empty()) {
        RemoveTree(path_, removeFolder_);
    }
}

std::wstring ScratchFolder::File(const std::wstring& name) const {
    return Joined(path_, name);
}

void ScratchFolder::Write(const std::wstring& name, std::string_view bytes) const {
    const UniqueHandle file(CreateFileW(File(name).c_str(), GENERIC_WRITE, 0, nullptr,
                                        CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    DWORD written = 0;
    if (!file.IsValid() ||
        !WriteFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) ||
        written != bytes.size()) {
        throw std::runtime_error("cannot write a test file");
    }
}

void ScratchFolder::CopyTool(const std::wstring& exeName) const {
    const std::wstring source = std::wstring(kToolsDir) + L"\\" + exeName;
    if (!CopyFileW(source.c_str(), File(exeName).c_str(), FALSE)) {
        throw std::runtime_error("cannot copy a tool of the build");
    }
}

PROCESS_INFORMATION StartProgram(const std::wstring& exePath, const std::wstring& arguments) {
    std::wstring commandLine = L"\"" + exePath + L"\"";
    if (!arguments.empty()) {
        commandLine += L" " + arguments;
    }
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    // Wine on a loaded machine now and then fails to create a process at
    // once; that is the test bed's fault, not the program's, so a start is
    // tried a few times before the test fails with the error.
    DWORD error = 0;
    for (int attempt = 0; attempt < 3; ++attempt) {
        if (CreateProcessW(exePath.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                           nullptr, &startup, &process)) {
            return process;
        }
        error = GetLastError();
        Sleep(500);
    }
    throw std::runtime_error("cannot start " + ToUtf8(exePath) + " (error " +
                             std::to_string(error) + ")");
}

ProcessRun RunAndWatch(const std::wstring& exePath, const std::wstring& arguments,
                       DWORD timeoutMs) {
    const PROCESS_INFORMATION process = StartProgram(exePath, arguments);
    const UniqueHandle thread(process.hThread);
    const UniqueHandle owned(process.hProcess);
    return WatchProcess(process, timeoutMs);
}

std::wstring Wide(std::u16string_view text) {
    return WideZ(text);
}

} // namespace vr::test
