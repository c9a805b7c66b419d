#include "Win32Installer.h"

#include "SetupMessages.h"

#include <oleauto.h>
#include <shlobj.h>

#include <string>

namespace vr::setup {
namespace {

const wchar_t* Wide(std::u16string_view text) {
    return reinterpret_cast<const wchar_t*>(text.data());
}

std::u16string FromWide(const wchar_t* text, std::size_t length) {
    return {reinterpret_cast<const char16_t*>(text), length};
}

// The folder browser speaks the system's ANSI code page (932 on the target
// systems); the rest of the installer works in UTF-16.
std::string ToAnsi(std::u16string_view text) {
    const int length = WideCharToMultiByte(CP_ACP, 0, Wide(text), static_cast<int>(text.size()),
                                           nullptr, 0, nullptr, nullptr);
    std::string ansi(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(CP_ACP, 0, Wide(text), static_cast<int>(text.size()), ansi.data(), length,
                        nullptr, nullptr);
    return ansi;
}

std::u16string FromAnsi(const std::string& ansi) {
    const int length =
        MultiByteToWideChar(CP_ACP, 0, ansi.data(), static_cast<int>(ansi.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(CP_ACP, 0, ansi.data(), static_cast<int>(ansi.size()), wide.data(), length);
    return FromWide(wide.data(), wide.size());
}

std::u16string SystemErrorText(DWORD code) {
    wchar_t* buffer = nullptr;
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, code, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    std::u16string text = length ? FromWide(buffer, length) : u"不明なエラーです。";
    LocalFree(buffer);
    while (!text.empty() && (text.back() == u'\r' || text.back() == u'\n' || text.back() == u' ')) {
        text.pop_back();
    }
    return text;
}

// The identity of a folder on disk: volume and file index, so that two
// spellings of one folder (case, short names, a trailing backslash) match.
bool FolderIdentity(const std::u16string& path, BY_HANDLE_FILE_INFORMATION& info) {
    HANDLE folder =
        CreateFileW(Wide(path), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                    OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (folder == INVALID_HANDLE_VALUE) {
        return false;
    }
    const BOOL read = GetFileInformationByHandle(folder, &info);
    CloseHandle(folder);
    return read != FALSE;
}

std::u16string FullPathWithoutSlash(const std::u16string& path) {
    wchar_t full[MAX_PATH * 4] = {};
    const DWORD length = GetFullPathNameW(Wide(path), MAX_PATH * 4, full, nullptr);
    std::u16string text = FromWide(full, length < MAX_PATH * 4 ? length : 0);
    while (!text.empty() && text.back() == u'\\') {
        text.pop_back();
    }
    return text;
}

// Shell.Application, created by its programmatic identifier and called late
// bound, like a script would: ShellExecute(path).
bool ShellApplicationExecute(const std::u16string& path) {
    CLSID shellClass;
    if (FAILED(CLSIDFromProgID(L"Shell.Application", &shellClass))) {
        return false;
    }
    IDispatch* shell = nullptr;
    if (FAILED(CoCreateInstance(shellClass, nullptr, CLSCTX_ALL, IID_IDispatch,
                                reinterpret_cast<void**>(&shell)))) {
        return false;
    }
    wchar_t method[] = L"ShellExecute";
    LPOLESTR names[] = {method};
    DISPID id = 0;
    HRESULT result = shell->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id);
    if (SUCCEEDED(result)) {
        VARIANT argument;
        VariantInit(&argument);
        argument.vt = VT_BSTR;
        argument.bstrVal = SysAllocStringLen(Wide(path), static_cast<UINT>(path.size()));
        DISPPARAMS parameters{&argument, nullptr, 1, 0};
        result = shell->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &parameters,
                               nullptr, nullptr, nullptr);
        VariantClear(&argument);
    }
    shell->Release();
    return SUCCEEDED(result);
}

} // namespace

std::u16string Win32Installer::ChooseInstallFolder() {
    const std::string title = ToAnsi(kBrowseTitle);
    BROWSEINFOA browse{};
    browse.hwndOwner = form_;
    browse.pidlRoot = nullptr;
    browse.pszDisplayName = nullptr;
    browse.lpszTitle = title.c_str();
    browse.ulFlags = BIF_RETURNONLYFSDIRS;
    browse.lpfn = nullptr;
    browse.lParam = 0;
    PIDLIST_ABSOLUTE chosen = SHBrowseForFolderA(&browse);
    if (!chosen) {
        return {};
    }
    char path[MAX_PATH] = {};
    SHGetPathFromIDListA(chosen, path);
    CoTaskMemFree(chosen);
    return FromAnsi(path);
}

std::u16string Win32Installer::ProgramFolder() {
    std::wstring module(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length =
            GetModuleFileNameW(nullptr, module.data(), static_cast<DWORD>(module.size()));
        if (length < module.size()) {
            module.resize(length);
            break;
        }
        module.resize(module.size() * 2);
    }
    const std::size_t slash = module.find_last_of(L'\\');
    std::u16string folder = FromWide(module.data(), slash == std::wstring::npos ? 0 : slash);
    // At a drive root the folder keeps its backslash: "T:" alone would name
    // the current folder of drive T, not its root.
    if (folder.size() == 2 && folder[1] == u':') {
        folder += u'\\';
    }
    return folder;
}

bool Win32Installer::IsSameFolder(const std::u16string& a, const std::u16string& b) {
    BY_HANDLE_FILE_INFORMATION first{};
    BY_HANDLE_FILE_INFORMATION second{};
    if (FolderIdentity(a, first) && FolderIdentity(b, second)) {
        return first.dwVolumeSerialNumber == second.dwVolumeSerialNumber &&
               first.nFileIndexHigh == second.nFileIndexHigh &&
               first.nFileIndexLow == second.nFileIndexLow;
    }
    const std::u16string fullA = FullPathWithoutSlash(a);
    const std::u16string fullB = FullPathWithoutSlash(b);
    return CompareStringOrdinal(Wide(fullA), static_cast<int>(fullA.size()), Wide(fullB),
                                static_cast<int>(fullB.size()), TRUE) == CSTR_EQUAL;
}

void Win32Installer::SetInstallEnabled(bool enabled) {
    EnableWindow(installButton_, enabled ? TRUE : FALSE);
}

std::optional<CopyFailure> Win32Installer::CopyPayloadFile(const std::u16string& from,
                                                           const std::u16string& to) {
    if (CopyFileW(Wide(from), Wide(to), FALSE)) {
        return std::nullopt;
    }
    const DWORD code = GetLastError();
    return CopyFailure{code, SystemErrorText(code)};
}

void Win32Installer::ProcessPendingMessages() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(message.wParam));
            return;
        }
        if (!IsDialogMessageW(form_, &message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
}

void Win32Installer::ShowMessage(std::u16string_view text) {
    const std::u16string copy(text);
    MessageBoxW(form_, Wide(copy), Wide(kProgramTitle), MB_OK);
}

void Win32Installer::OpenDocument(const std::u16string& path) {
    if (!ShellApplicationExecute(path)) {
        std::u16string text = u"インストールは完了しましたが、ガイドを開けませんでした。\r\n"
                              u"次のファイルを開いてください。\r\n";
        text += path;
        ShowMessage(text);
    }
}

} // namespace vr::setup
