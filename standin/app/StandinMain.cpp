// The stand-in CAD: a Win32 program that keeps the CAD's side of the
// contract the tools rely on, for tests and the demo.
#include "app/StandinApp.h"

#include <commctrl.h>
#include <shellapi.h>

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    InitCommonControls();
    int count = 0;
    wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<vr::Text> arguments;
    for (int i = 1; i < count; ++i) {
        arguments.emplace_back(argv[i], argv[i] + wcslen(argv[i]));
    }
    LocalFree(argv);
    standin::ParsedOptions parsed = standin::ParseOptions(arguments);
    if (parsed.error) {
        const std::wstring text(parsed.error->begin(), parsed.error->end());
        const std::wstring usage(standin::OptionsUsage().begin(), standin::OptionsUsage().end());
        MessageBoxW(nullptr, (text + L"\n\n" + usage).c_str(), L"standin", MB_OK);
        return 2;
    }
    standin::StandinApp app(instance, std::move(parsed.options));
    if (!app.Create()) {
        return 1;
    }
    return app.Run();
}
