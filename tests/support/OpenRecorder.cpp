// Stands in for a PDF viewer in the test bed: records the command line it
// was started with, one UTF-8 line in opened.txt beside itself, and ends.
#include "winsupport/win32/CodePage.h"
#include "winsupport/win32/Handles.h"
#include "winsupport/win32/ProgramFolder.h"
#include "winsupport/win32/WideText.h"

#include <windows.h>

#include <string>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    std::wstring path = vr::WideZ(vr::RunningProgramFolder());
    if (path.empty() || path.back() != L'\\') {
        path += L'\\';
    }
    path += L"opened.txt";

    const std::string line = vr::Utf8FromWide(std::wstring(GetCommandLineW()) + L"\r\n");
    const vr::UniqueHandle file(CreateFileW(path.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ,
                                            nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    DWORD written = 0;
    if (!file.IsValid() ||
        !WriteFile(file.Get(), line.data(), static_cast<DWORD>(line.size()), &written, nullptr) ||
        written != line.size()) {
        return 1;
    }
    return 0;
}
