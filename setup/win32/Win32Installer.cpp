#include "Win32Installer.h"

#include "SetupMessages.h"
#include "winsupport/win32/CodePage.h"
#include "winsupport/win32/Com.h"
#include "winsupport/win32/Handles.h"
#include "winsupport/win32/MessagePump.h"
#include "winsupport/win32/ProgramFolder.h"
#include "winsupport/win32/SystemErrorText.h"
#include "winsupport/win32/WideText.h"

#include <oleauto.h>
#include <shlobj.h>
#include <tlhelp32.h>

#include <string>

namespace vr::setup {
namespace {

// The identity of a folder on disk: volume and file index, so that two
// spellings of one folder (case, short names, a trailing backslash) match.
bool FolderIdentity(const std::u16string& path, BY_HANDLE_FILE_INFORMATION& info) {
    const UniqueHandle folder(
        CreateFileW(WideZ(path).c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                    nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    return folder.IsValid() && GetFileInformationByHandle(folder.Get(), &info) != FALSE;
}

std::u16string FullPathWithoutSlash(const std::u16string& path) {
    wchar_t full[MAX_PATH * 4] = {};
    const DWORD length = GetFullPathNameW(WideZ(path).c_str(), MAX_PATH * 4, full, nullptr);
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
    ComPtr<IDispatch> shell;
    if (FAILED(CoCreateInstance(shellClass, nullptr, CLSCTX_ALL, IID_IDispatch, shell.PutVoid()))) {
        return false;
    }
    wchar_t method[] = L"ShellExecute";
    LPOLESTR names[] = {method};
    DISPID id = 0;
    HRESULT result = shell->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id);
    if (SUCCEEDED(result)) {
        const std::wstring widePath = WideZ(path);
        VARIANT argument;
        VariantInit(&argument);
        argument.vt = VT_BSTR;
        argument.bstrVal = SysAllocStringLen(widePath.c_str(), static_cast<UINT>(widePath.size()));
        DISPPARAMS parameters{&argument, nullptr, 1, 0};
        result = shell->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &parameters,
                               nullptr, nullptr, nullptr);
        VariantClear(&argument);
    }
    return SUCCEEDED(result);
}

// True once a process has been started by this one: counted by the job this
// process was put in (its children join it, and the count keeps a viewer
// that has already handed the document on and ended), or, without the job,
// seen running.
bool HasStartedProcess(HANDLE job) {
    if (job) {
        JOBOBJECT_BASIC_ACCOUNTING_INFORMATION accounting{};
        if (QueryInformationJobObject(job, JobObjectBasicAccountingInformation, &accounting,
                                      sizeof accounting, nullptr)) {
            return accounting.TotalProcesses > 1;
        }
    }
    const UniqueHandle snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
    if (!snapshot.IsValid()) {
        return false;
    }
    const DWORD self = GetCurrentProcessId();
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32FirstW(snapshot.Get(), &entry); more;
         more = Process32NextW(snapshot.Get(), &entry)) {
        if (entry.th32ParentProcessID == self && entry.th32ProcessID != self) {
            return true;
        }
    }
    return false;
}

// A character the ANSI code page writes as itself: no default character
// and no look-alike ("best fit") in its place.
bool FitsCodePage(const std::u16string& character) {
    const std::wstring wide = WideZ(character);
    BOOL usedDefault = FALSE;
    char bytes[8] = {};
    const int length = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.c_str(),
                                           static_cast<int>(wide.size()), bytes, sizeof bytes,
                                           nullptr, &usedDefault);
    return length > 0 && !usedDefault;
}

} // namespace

// The folder browser speaks the system's ANSI code page (932 on the target
// systems); the rest of the installer works in UTF-16.
std::u16string Win32Installer::ChooseInstallFolder() {
    const std::string title = CodePageFromWide(kBrowseTitle);
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
    return WideFromCodePage(path);
}

std::u16string Win32Installer::ProgramFolder() {
    return RunningProgramFolder();
}

// The current paths, so that a Desktop moved elsewhere (redirected, or kept
// in OneDrive) is the one compared; the shared Desktop's files show on every
// user's Desktop too.
std::vector<std::u16string> Win32Installer::DesktopFolders() {
    std::vector<std::u16string> folders;
    for (const int csidl : {CSIDL_DESKTOPDIRECTORY, CSIDL_COMMON_DESKTOPDIRECTORY}) {
        wchar_t path[MAX_PATH] = {};
        if (SUCCEEDED(SHGetFolderPathW(nullptr, csidl, nullptr, SHGFP_TYPE_CURRENT, path)) &&
            path[0] != L'\0') {
            folders.push_back(FromWide(std::wstring_view(path)));
        }
    }
    return folders;
}

bool Win32Installer::IsSameFolder(const std::u16string& a, const std::u16string& b) {
    BY_HANDLE_FILE_INFORMATION first{};
    BY_HANDLE_FILE_INFORMATION second{};
    if (FolderIdentity(a, first) && FolderIdentity(b, second)) {
        return first.dwVolumeSerialNumber == second.dwVolumeSerialNumber &&
               first.nFileIndexHigh == second.nFileIndexHigh &&
               first.nFileIndexLow == second.nFileIndexLow;
    }
    const std::wstring fullA = WideZ(FullPathWithoutSlash(a));
    const std::wstring fullB = WideZ(FullPathWithoutSlash(b));
    return CompareStringOrdinal(fullA.c_str(), static_cast<int>(fullA.size()), fullB.c_str(),
                                static_cast<int>(fullB.size()), TRUE) == CSTR_EQUAL;
}

void Win32Installer::SetInstallEnabled(bool enabled) {
    EnableWindow(installButton_, enabled ? TRUE : FALSE);
}

std::optional<CopyFailure> Win32Installer::CopyPayloadFile(const std::u16string& from,
                                                           const std::u16string& to) {
    if (CopyFileW(WideZ(from).c_str(), WideZ(to).c_str(), FALSE)) {
        return std::nullopt;
    }
    const DWORD code = GetLastError();
    std::u16string description = SystemErrorText(code);
    if (description.empty()) {
        description = kUnknownError;
    }
    return CopyFailure{code, description};
}

// Keyboard navigation of the form (Tab, Enter, Esc) keeps working during the
// copies, so that Command2 and Esc still end the program.
void Win32Installer::ProcessPendingMessages() {
    PumpPendingMessages(form_);
}

void Win32Installer::ShowMessage(std::u16string_view text) {
    MessageBoxW(form_, WideZ(text).c_str(), WideZ(kProgramTitle).c_str(), MB_OK);
}

// A warning rather than the question mark, which Windows no longer
// recommends for message boxes.
bool Win32Installer::AskYesNo(std::u16string_view text) {
    return MessageBoxW(form_, WideZ(text).c_str(), WideZ(kProgramTitle).c_str(),
                       MB_YESNO | MB_DEFBUTTON2 | MB_ICONWARNING) == IDYES;
}

bool Win32Installer::OpenDocument(const std::u16string& path) {
    // A job with no limits, only to count the processes this one starts; a
    // process already in a job that allows no other is watched without it.
    launchJob_.Reset(CreateJobObjectW(nullptr, nullptr));
    if (launchJob_.IsValid() && !AssignProcessToJobObject(launchJob_.Get(), GetCurrentProcess())) {
        launchJob_.Reset(nullptr);
    }
    if (!ShellApplicationExecute(path)) {
        ShowMessage(GuideNotOpenedMessage(path));
        return false;
    }
    return true;
}

// Shell.Application's ShellExecute gives no handle on the launch, and the
// shell may finish it on a thread of this process after the call returned
// (SEE_MASK_NOASYNC, which makes ShellExecuteEx wait, has no counterpart in
// the automation method). The launch has completed once this process has
// started the viewer; a viewer reached another way (DDE with one already
// open, activation through another process) starts no process of ours, and
// the bound ends the wait. Messages are pumped meanwhile: a DDE conversation
// runs through them.
void Win32Installer::WaitForDocumentLaunch() {
    constexpr DWORD kLaunchBoundMs = 5000;
    const DWORD start = GetTickCount();
    while (!HasStartedProcess(launchJob_.Get()) && GetTickCount() - start < kLaunchBoundMs) {
        PumpPendingMessages(form_);
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
    }
}

std::u16string Win32Installer::FirstCharacterOutsideCodePage(const std::u16string& text) {
    for (std::size_t at = 0; at < text.size();) {
        const bool pair = text[at] >= 0xD800 && text[at] <= 0xDBFF && at + 1 < text.size();
        const std::u16string character = text.substr(at, pair ? 2 : 1);
        if (!FitsCodePage(character)) {
            return character;
        }
        at += character.size();
    }
    return {};
}

} // namespace vr::setup
