#pragma once

#include "app/Journal.h"
#include "cad/CommandLineInput.h"
#include "cad/Options.h"
#include "lisp/Interpreter.h"

#include <windows.h>

#include <deque>

namespace standin {

// The stand-in CAD program: its windows, its command line and the AutoLISP
// it runs. One per process.
class StandinApp final : public lisp::CadHost {
  public:
    StandinApp(HINSTANCE instance, Options options);
    ~StandinApp() override;
    StandinApp(const StandinApp&) = delete;
    StandinApp& operator=(const StandinApp&) = delete;

    [[nodiscard]] bool Create();
    [[nodiscard]] int Run();

    // CadHost
    void Print(TextView text) override;
    [[nodiscard]] std::optional<Point3> GetPoint(TextView prompt) override;
    void AddEntity(const Entity& entity) override;
    [[nodiscard]] std::optional<Text> FindFile(TextView name) override;
    [[nodiscard]] std::optional<Text> ReadSource(TextView path) override;
    void LoadAttempted(TextView name, const std::optional<Text>& path) override;

    // Window procedures; one handler per message.
    static LRESULT CALLBACK MainProc(HWND, UINT, WPARAM, LPARAM);
    static LRESULT CALLBACK TextProc(HWND, UINT, WPARAM, LPARAM);
    static LRESULT CALLBACK CommandAreaProc(HWND, UINT, WPARAM, LPARAM);
    static LRESULT CALLBACK DrawingProc(HWND, UINT, WPARAM, LPARAM);
    static LRESULT CALLBACK InputProc(HWND, UINT, WPARAM, LPARAM, UINT_PTR, DWORD_PTR);

  private:
    void RegisterClasses();
    HWND CreateCommandArea(HWND parent, int controlId, bool history);
    void LayoutMain();
    void LayoutCommandArea(HWND area);

    void OnInputCharacters(TextView characters);
    void OnPaste();
    void OnCopyData(const COPYDATASTRUCT& data);
    void OnHistoryCommand();
    void OnDrawingClick(HWND window, POINT client);
    void OnCommandAreaClick(HWND area, POINT client);
    void OnTimer(UINT_PTR id);
    void OnDestroy();
    void PaintDrawing(HWND window);

    void DrainQueue();
    void Execute(const Text& line);
    void AppendHistory(TextView text);
    void ShowPendingInput();
    void SaveDxf();
    // A point answer to getpoint, and where it came from.
    void JournalPoint(const Point3& point, TextView source);

    struct View {
        double scale = 1, originX = 0, originY = 0;
        int height = 0;
    };
    [[nodiscard]] View CurrentView() const;

    HINSTANCE instance_;
    Options options_;
    Journal journal_;
    CommandLineInput commandLine_;
    lisp::Interpreter lisp_;
    std::vector<Entity> entities_;
    std::deque<Point3> scriptedPoints_;
    std::deque<Text> queuedLines_;
    Text history_; // CR LF line ends, as the history box shows it
    bool executing_ = false;
    bool awaitingPoint_ = false;
    bool pointCancelled_ = false;
    std::optional<Point3> pointAnswer_;

    HWND main_ = nullptr;
    HWND drawing_ = nullptr;
    HWND mainCommandArea_ = nullptr;
    HWND promptLabel_ = nullptr;
    HWND input_ = nullptr;
    HWND textWindow_ = nullptr;
    HWND textCommandArea_ = nullptr;
    HWND historyBox_ = nullptr;
    HFONT uiFont_ = nullptr;
};

} // namespace standin
