// The stand-in CAD: a Win32 program that keeps the CAD's side of the
// contract the tools rely on, for tests and the demo.
#include "app/ProgramFiles.h"
#include "app/StandinApp.h"
#include "winsupport/win32/WideText.h"

#include <commctrl.h>
#include <shellapi.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    InitCommonControls();
    int count = 0;
    wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<vr::Text> arguments;
    for (int i = 1; i < count; ++i) {
        arguments.push_back(vr::FromWide(argv[i]));
    }
    LocalFree(argv);
    standin::ParsedOptions parsed = standin::ParseOptions(arguments);
    if (parsed.error) {
        const std::wstring text =
            vr::WideZ(*parsed.error) + L"\n\n" + vr::WideZ(standin::OptionsUsage());
        MessageBoxW(nullptr, text.c_str(), L"standin", MB_OK);
        return 2;
    }
    standin::StandinApp app(std::move(parsed.options), standin::ProgramFiles());
    if (!app.Create()) {
        return 1;
    }
    return app.Run();
}
