// Every program carries a version resource and an embedded manifest.
#include "BuildPaths.h"
#include "Win32TestSupport.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vr {
namespace {

std::wstring VersionString(const std::wstring& exePath, const wchar_t* name) {
    DWORD handle = 0;
    const DWORD size = GetFileVersionInfoSizeW(exePath.c_str(), &handle);
    if (size == 0) {
        return L"";
    }
    std::vector<char> data(size);
    if (!GetFileVersionInfoW(exePath.c_str(), 0, size, data.data())) {
        return L"";
    }
    void* value = nullptr;
    UINT length = 0;
    const std::wstring query = std::wstring(L"\\StringFileInfo\\041104B0\\") + name;
    if (!VerQueryValueW(data.data(), query.c_str(), &value, &length) || length == 0) {
        return L"";
    }
    return static_cast<const wchar_t*>(value);
}

std::string Manifest(const std::wstring& exePath) {
    HMODULE module = LoadLibraryExW(exePath.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (!module) {
        return "";
    }
    std::string text;
    if (HRSRC resource = FindResourceW(module, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24))) {
        const DWORD size = SizeofResource(module, resource);
        const void* data = LockResource(LoadResource(module, resource));
        text.assign(static_cast<const char*>(data), size);
    }
    FreeLibrary(module);
    return text;
}

TEST(ProgramResources, EachToolHasVersionAndManifest) {
    for (const std::wstring tool : {L"pinmark", L"labelpen", L"gaugeread"}) {
        const std::wstring exePath = std::wstring(kToolsDir) + L"\\" + tool + L".exe";
        EXPECT_EQ(VersionString(exePath, L"OriginalFilename"), tool + L".exe");
        EXPECT_EQ(VersionString(exePath, L"ProductVersion"), L"1.0.0");
        const std::string manifest = Manifest(exePath);
        EXPECT_NE(manifest.find("Microsoft.Windows.Common-Controls"), std::string::npos);
        EXPECT_NE(manifest.find("version=\"6.0.0.0\""), std::string::npos);
        EXPECT_NE(manifest.find("level=\"asInvoker\""), std::string::npos);
        // Window rectangles and cursor positions in physical pixels on
        // every monitor, whatever the CAD's own awareness.
        EXPECT_NE(manifest.find(">PerMonitorV2, PerMonitor</dpiAwareness>"), std::string::npos);
        EXPECT_NE(manifest.find(">true/pm</dpiAware>"), std::string::npos);
    }
}

} // namespace
} // namespace vr
