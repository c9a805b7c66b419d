#include "app/StandinApp.h"

#include "cad/DxfWriter.h"
#include "text/AnsiText.h"
#include "winsupport/win32/WideText.h"

#include <commctrl.h>

#include <algorithm>
#include <cmath>
#include <string>

namespace standin {
namespace {

StandinApp* g_app = nullptr;

constexpr wchar_t kMainClass[] = L"StandinCadMain";
constexpr wchar_t kTextClass[] = L"StandinCadText";
constexpr wchar_t kCommandAreaClass[] = L"StandinCadCommandArea";
constexpr wchar_t kDrawingClass[] = L"StandinCadDrawing";
constexpr UINT kDrainMessage = WM_APP + 1;
constexpr UINT_PTR kHangTimer = 1;
constexpr UINT_PTR kExitTimer = 2;
constexpr WPARAM kHistoryToClipboard = 32781;
constexpr int kCommandAreaHeight = 64;
constexpr int kInputHeight = 22;
constexpr int kPromptLabelId = 100;

std::string Hex(const void* handle) {
    char buffer[24];
    std::snprintf(buffer, sizeof buffer, "\"0x%lx\"",
                  static_cast<unsigned long>(reinterpret_cast<UINT_PTR>(handle)));
    return buffer;
}

Text Upper(Text text) {
    for (char16_t& c : text) {
        if (c >= u'a' && c <= u'z') {
            c = static_cast<char16_t>(c - u'a' + u'A');
        }
    }
    return text;
}

Text WithCrLf(TextView text) {
    Text out;
    for (const char16_t c : text) {
        if (c == u'\n') {
            out += u"\r\n";
        } else if (c != u'\r') {
            out.push_back(c);
        }
    }
    return out;
}

bool FileExists(const std::wstring& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// Opens the clipboard for a window, retrying for a moment while another
// program holds it.
bool OpenClipboardFor(HWND owner) {
    for (int attempt = 0; attempt < 50; ++attempt) {
        if (OpenClipboard(owner)) {
            return true;
        }
        Sleep(20);
    }
    return false;
}

} // namespace

StandinApp::StandinApp(HINSTANCE instance, Options options)
    : instance_(instance), options_(std::move(options)), lisp_(*this),
      scriptedPoints_(options_.points.begin(), options_.points.end()) {
    g_app = this;
    if (!options_.journal.empty()) {
        journal_.Open(options_.journal);
    }
}

StandinApp::~StandinApp() {
    if (uiFont_) {
        DeleteObject(uiFont_);
    }
    g_app = nullptr;
}

void StandinApp::RegisterClasses() {
    WNDCLASSW window{};
    window.hInstance = instance_;
    window.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    window.hIcon = LoadIconW(nullptr, reinterpret_cast<LPCWSTR>(IDI_APPLICATION));

    window.lpfnWndProc = MainProc;
    window.lpszClassName = kMainClass;
    window.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    RegisterClassW(&window);

    window.lpfnWndProc = TextProc;
    window.lpszClassName = kTextClass;
    RegisterClassW(&window);

    window.lpfnWndProc = CommandAreaProc;
    window.lpszClassName = kCommandAreaClass;
    RegisterClassW(&window);

    window.lpfnWndProc = DrawingProc;
    window.lpszClassName = kDrawingClass;
    window.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_CROSS));
    window.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    RegisterClassW(&window);
}

HWND StandinApp::CreateCommandArea(HWND parent, int controlId, bool history) {
    // The command area is a window titled with the command caption; without
    // it (a fault mode) its controls sit directly in the parent.
    HWND area = parent;
    if (!options_.noCommandArea) {
        area = CreateWindowExW(WS_EX_CLIENTEDGE, kCommandAreaClass,
                               vr::WideZ(options_.commandCaption).c_str(),
                               WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0, 10, 10, parent,
                               nullptr, instance_, nullptr);
    }
    if (history) {
        historyBox_ = CreateWindowExW(
            0, L"EDIT", L"",
            WS_CHILD | WS_VISIBLE | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL | ES_READONLY, 0, 0,
            10, 10, area, reinterpret_cast<HMENU>(static_cast<INT_PTR>(controlId)), instance_,
            nullptr);
        SendMessageW(historyBox_, WM_SETFONT, reinterpret_cast<WPARAM>(uiFont_), FALSE);
    } else {
        promptLabel_ = CreateWindowExW(
            0, L"STATIC", L"", WS_CHILD | WS_VISIBLE | SS_LEFT, 0, 0, 10, 10, area,
            reinterpret_cast<HMENU>(static_cast<INT_PTR>(kPromptLabelId)), instance_, nullptr);
        input_ = CreateWindowExW(0, L"EDIT", L"", WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL, 0, 0, 10,
                                 10, area, reinterpret_cast<HMENU>(static_cast<INT_PTR>(controlId)),
                                 instance_, nullptr);
        SendMessageW(promptLabel_, WM_SETFONT, reinterpret_cast<WPARAM>(uiFont_), FALSE);
        SendMessageW(input_, WM_SETFONT, reinterpret_cast<WPARAM>(uiFont_), FALSE);
        SetWindowSubclass(input_, InputProc, 1, 0);
    }
    return options_.noCommandArea ? nullptr : area;
}

bool StandinApp::Create() {
    RegisterClasses();
    uiFont_ = CreateFontW(-14, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, SHIFTJIS_CHARSET,
                          OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                          FIXED_PITCH | FF_MODERN, L"MS Gothic");

    Text title = options_.mainCaption;
    title += options_.noDash ? u" [" : u" - [";
    title += options_.drawing + u"]";
    main_ = CreateWindowExW(0, kMainClass, vr::WideZ(title).c_str(),
                            WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 80, 60, 800, 600, nullptr,
                            nullptr, instance_, nullptr);
    if (!main_) {
        return false;
    }
    drawing_ = CreateWindowExW(0, kDrawingClass, L"", WS_CHILD | WS_VISIBLE, 0, 0, 10, 10, main_,
                               nullptr, instance_, nullptr);
    mainCommandArea_ = CreateCommandArea(main_, options_.mainCmdCtrlId, false);

    if (!options_.noTextWindow) {
        // Owned by the main window, as the CAD's text window is: it stays
        // above its owner and is met first when the windows are listed.
        textWindow_ = CreateWindowExW(
            0, kTextClass, vr::WideZ(options_.textCaption + u" - " + options_.drawing).c_str(),
            WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 890, 60, 380, 400, main_, nullptr, instance_,
            nullptr);
        textCommandArea_ = CreateCommandArea(textWindow_, options_.textHistCtrlId, true);
        RECT client;
        GetClientRect(textWindow_, &client);
        SendMessageW(textWindow_, WM_SIZE, 0, MAKELPARAM(client.right, client.bottom));
    }
    LayoutMain();
    ShowWindow(main_, options_.minimized ? SW_SHOWMINIMIZED : SW_SHOW);
    if (textWindow_ && options_.showTextWindow) {
        ShowWindow(textWindow_, SW_SHOWNOACTIVATE);
    }
    UpdateWindow(main_);

    if (options_.hangAfterMs > 0 || options_.hangForMs > 0) {
        SetTimer(main_, kHangTimer, std::max<UINT>(options_.hangAfterMs, 1), nullptr);
    }
    if (options_.exitAfterMs) {
        SetTimer(main_, kExitTimer, std::max<UINT>(*options_.exitAfterMs, 1), nullptr);
    }
    for (const Text& line : options_.runAtStart) {
        queuedLines_.push_back(line);
    }
    PostMessageW(main_, kDrainMessage, 0, 0);

    journal_.Write(JsonLine("ready")
                       .Add("pid", static_cast<long long>(GetCurrentProcessId()))
                       .AddRaw("main", Hex(main_))
                       .AddRaw("text", Hex(textWindow_))
                       .AddRaw("commandArea", Hex(mainCommandArea_))
                       .AddRaw("input", Hex(input_))
                       .AddRaw("history", Hex(historyBox_)));
    Print(u"StandIn CAD ready.\n");
    return true;
}

int StandinApp::Run() {
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}

// ---- layout ----

void StandinApp::LayoutMain() {
    RECT client;
    GetClientRect(main_, &client);
    const int width = client.right;
    const int drawingHeight = std::max(0, static_cast<int>(client.bottom) - kCommandAreaHeight);
    MoveWindow(drawing_, 0, 0, width, drawingHeight, TRUE);
    if (mainCommandArea_) {
        MoveWindow(mainCommandArea_, 0, drawingHeight, width, kCommandAreaHeight, TRUE);
    } else {
        LayoutCommandArea(main_);
    }
}

void StandinApp::LayoutCommandArea(HWND area) {
    RECT client;
    GetClientRect(area, &client);
    if (area == main_) {
        // No command area: the controls take the bottom of the main window.
        client.top = std::max(0L, client.bottom - kCommandAreaHeight);
    }
    const int width = client.right;
    if (area == textCommandArea_ || (area == textWindow_ && !textCommandArea_)) {
        MoveWindow(historyBox_, 0, client.top, width, client.bottom - client.top, TRUE);
        return;
    }
    const int inputTop =
        std::max(static_cast<int>(client.top), static_cast<int>(client.bottom) - kInputHeight);
    MoveWindow(promptLabel_, 2, client.top, width - 4, inputTop - client.top, TRUE);
    MoveWindow(input_, 0, inputTop, width, kInputHeight, TRUE);
}

// ---- the command line ----

void StandinApp::OnInputCharacters(TextView characters) {
    for (const CommandLineInput::Action& action : commandLine_.Feed(characters)) {
        if (action.kind == CommandLineInput::Action::Kind::Cancel) {
            journal_.Write(JsonLine("cancel").AddBool("pointRequest", awaitingPoint_));
            queuedLines_.clear();
            if (awaitingPoint_) {
                awaitingPoint_ = false;
                pointCancelled_ = true;
            }
            continue;
        }
        if (awaitingPoint_) {
            journal_.Write(
                JsonLine("execute").Add("line", action.line).AddBool("pointRequest", true));
            if (const auto point = ParsePoint(action.line)) {
                AppendHistory(action.line + u"\r\n");
                pointAnswer_ = *point;
                awaitingPoint_ = false;
                JournalPoint(*point, u"typed");
            } else {
                AppendHistory(action.line + u"\r\nInvalid point.\r\n");
            }
            continue;
        }
        queuedLines_.push_back(action.line);
        PostMessageW(main_, kDrainMessage, 0, 0);
    }
    ShowPendingInput();
}

void StandinApp::ShowPendingInput() {
    SetWindowTextW(input_, vr::WideZ(commandLine_.Pending()).c_str());
    const auto end = static_cast<WPARAM>(commandLine_.Pending().size());
    SendMessageW(input_, EM_SETSEL, end, static_cast<LPARAM>(end));
}

void StandinApp::OnPaste() {
    if (!OpenClipboardFor(input_)) {
        journal_.Write(JsonLine("paste").AddBool("clipboardBusy", true));
        return;
    }
    std::string bytes;
    bool hasText = false;
    const int formats = CountClipboardFormats();
    if (HANDLE data = GetClipboardData(CF_TEXT)) {
        if (const auto* text = static_cast<const char*>(GlobalLock(data))) {
            bytes.assign(text, strnlen(text, GlobalSize(data)));
            hasText = true;
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    const Text text = vr::DecodeAnsi(bytes);
    journal_.Write(JsonLine("paste")
                       .Add("text", TextView(text))
                       .Add("bytes", static_cast<long long>(bytes.size()))
                       .AddBool("hasText", hasText)
                       .Add("formats", static_cast<long long>(formats)));
    OnInputCharacters(text);
}

void StandinApp::OnCopyData(const COPYDATASTRUCT& data) {
    const auto* bytes = static_cast<const char*>(data.lpData);
    const std::string raw = bytes ? std::string(bytes, data.cbData) : std::string();
    const Text text = vr::DecodeAnsi(raw.substr(0, raw.find('\0')));
    journal_.Write(JsonLine("copydata")
                       .Add("dwData", static_cast<long long>(data.dwData))
                       .Add("bytes", static_cast<long long>(data.cbData))
                       .Add("text", TextView(text)));
    if (data.dwData == 1) {
        OnInputCharacters(text);
    }
}

void StandinApp::DrainQueue() {
    if (executing_) {
        return; // the running line drains the rest when it ends
    }
    while (!queuedLines_.empty()) {
        const Text line = queuedLines_.front();
        queuedLines_.pop_front();
        executing_ = true;
        Execute(line);
        executing_ = false;
    }
}

void StandinApp::Execute(const Text& line) {
    journal_.Write(JsonLine("execute").Add("line", TextView(line)));
    AppendHistory(u"Command: " + line + u"\r\n");
    if (line.empty()) {
        return;
    }
    if (line[0] == u'(' || line[0] == u'!') {
        const auto outcome = lisp_.EvaluateText(line[0] == u'!' ? TextView(line).substr(1) : line);
        if (outcome.error) {
            journal_.Write(JsonLine("error").Add("message", TextView(*outcome.error)));
            Print(u"; error: " + *outcome.error + u"\n");
        } else {
            Print(lisp::Prin1Text(outcome.value) + u"\n");
        }
        return;
    }
    const Text command = Upper(line);
    if (command == u"DXFOUT" || command == u"_DXFOUT") {
        SaveDxf();
        return;
    }
    journal_.Write(JsonLine("error").Add("message", u"Unknown command \"" + command + u"\""));
    Print(u"Unknown command \"" + command + u"\".  Press F1 for help.\n");
}

void StandinApp::AppendHistory(TextView text) {
    const Text lines = WithCrLf(text);
    history_ += lines;
    if (historyBox_) {
        const int end = GetWindowTextLengthW(historyBox_);
        SendMessageW(historyBox_, EM_SETSEL, end, end);
        SendMessageW(historyBox_, EM_REPLACESEL, FALSE,
                     reinterpret_cast<LPARAM>(vr::WideZ(lines).c_str()));
    }
    // The command area shows the last two lines, as the CAD's does.
    std::size_t end = history_.size();
    while (end >= 2 && history_.compare(end - 2, 2, u"\r\n") == 0) {
        end -= 2;
    }
    std::size_t start = end;
    for (int lineCount = 0; start > 0 && lineCount < 2;) {
        --start;
        if (history_[start] == u'\n' && ++lineCount == 2) {
            ++start;
            break;
        }
    }
    SetWindowTextW(promptLabel_, vr::WideZ(TextView(history_).substr(start, end - start)).c_str());
}

// ---- CadHost ----

void StandinApp::JournalPoint(const Point3& point, TextView source) {
    journal_.Write(JsonLine("getpoint")
                       .Add("x", point.x)
                       .Add("y", point.y)
                       .Add("z", point.z)
                       .Add("source", source));
}

void StandinApp::Print(TextView text) {
    AppendHistory(text);
    journal_.Write(JsonLine("print").Add("text", text));
}

std::optional<Point3> StandinApp::GetPoint(TextView prompt) {
    Print(prompt);
    journal_.Write(JsonLine("prompt").Add("text", prompt));
    if (!scriptedPoints_.empty()) {
        const Point3 point = scriptedPoints_.front();
        scriptedPoints_.pop_front();
        Print(u"\n");
        JournalPoint(point, u"script");
        return point;
    }
    // Wait for a click, typed coordinates or escape, handling messages
    // meanwhile, as the CAD does while it asks for a point.
    awaitingPoint_ = true;
    pointCancelled_ = false;
    pointAnswer_.reset();
    MSG message;
    while (awaitingPoint_) {
        const BOOL got = GetMessageW(&message, nullptr, 0, 0);
        if (got <= 0) {
            PostQuitMessage(static_cast<int>(message.wParam));
            awaitingPoint_ = false;
            pointCancelled_ = true;
            break;
        }
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    if (pointCancelled_ || !pointAnswer_) {
        pointCancelled_ = false;
        Print(u"*Cancel*\n");
        return std::nullopt;
    }
    return pointAnswer_;
}

void StandinApp::AddEntity(const Entity& entity) {
    entities_.push_back(entity);
    JsonLine line("entity");
    line.Add("type", EntityTypeName(entity.type))
        .Add("layer", TextView(entity.layer))
        .Add("x", entity.start.x)
        .Add("y", entity.start.y)
        .Add("z", entity.start.z);
    if (entity.type == EntityType::Line) {
        line.Add("x2", entity.end.x).Add("y2", entity.end.y).Add("z2", entity.end.z);
    }
    if (entity.type == EntityType::SingleLineText) {
        line.Add("height", entity.height)
            .Add("rotation", entity.rotation)
            .Add("text", TextView(entity.text));
    }
    journal_.Write(line);
    InvalidateRect(drawing_, nullptr, TRUE);
}

std::optional<Text> StandinApp::FindFile(TextView name) {
    const std::wstring wide = vr::WideZ(name);
    const bool hasFolder = wide.find_first_of(L"\\/:") != std::wstring::npos;
    if (hasFolder) {
        return FileExists(wide) ? std::optional<Text>(Text(name)) : std::nullopt;
    }
    for (const Text& folder : options_.supportFolders) {
        std::wstring path = vr::WideZ(folder);
        if (!path.empty() && path.back() != L'\\') {
            path += L'\\';
        }
        path += wide;
        if (FileExists(path)) {
            return vr::FromWide(path.data(), path.size());
        }
    }
    return std::nullopt;
}

std::optional<Text> StandinApp::ReadSource(TextView path) {
    HANDLE file = CreateFileW(vr::WideZ(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return std::nullopt;
    }
    std::string bytes;
    char chunk[4096];
    DWORD read = 0;
    while (ReadFile(file, chunk, sizeof chunk, &read, nullptr) && read > 0) {
        bytes.append(chunk, read);
    }
    CloseHandle(file);
    return vr::DecodeAnsi(bytes);
}

void StandinApp::LoadAttempted(TextView name, const std::optional<Text>& path) {
    JsonLine line("load");
    line.Add("name", name);
    if (path) {
        line.Add("file", TextView(*path));
    } else {
        line.AddRaw("file", "null");
    }
    journal_.Write(line);
}

// ---- other messages ----

void StandinApp::OnHistoryCommand() {
    journal_.Write(JsonLine("command32781").AddBool("ignored", options_.ignoreHistoryCommand));
    if (options_.ignoreHistoryCommand) {
        return;
    }
    const std::string bytes = vr::EncodeAnsi(history_);
    if (!OpenClipboardFor(textWindow_)) {
        return;
    }
    EmptyClipboard();
    if (HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes.size() + 1)) {
        auto* target = static_cast<char*>(GlobalLock(memory));
        std::copy(bytes.begin(), bytes.end(), target);
        target[bytes.size()] = '\0';
        GlobalUnlock(memory);
        SetClipboardData(CF_TEXT, memory);
    }
    CloseClipboard();
}

void StandinApp::OnCommandAreaClick(HWND area, POINT client) {
    journal_.Write(
        JsonLine("click")
            .Add("window", TextView(area == textCommandArea_ ? u"textCommandArea" : u"commandArea"))
            .Add("x", static_cast<long long>(client.x))
            .Add("y", static_cast<long long>(client.y)));
    if (area == mainCommandArea_) {
        SetFocus(input_);
    }
}

StandinApp::View StandinApp::CurrentView() const {
    RECT client;
    GetClientRect(drawing_, &client);
    double minX = 0, minY = 0, maxX = 100, maxY = 100;
    if (!entities_.empty()) {
        minX = minY = 1e300;
        maxX = maxY = -1e300;
        for (const Entity& e : entities_) {
            for (const Point3* p : {&e.start, &e.end}) {
                if (p == &e.end && e.type != EntityType::Line) {
                    continue;
                }
                minX = std::min(minX, p->x);
                maxX = std::max(maxX, p->x);
                minY = std::min(minY, p->y);
                maxY = std::max(maxY, p->y + (e.type == EntityType::SingleLineText ? e.height : 0));
            }
        }
    }
    const double spanX = std::max(maxX - minX, 1.0), spanY = std::max(maxY - minY, 1.0);
    const double width = std::max(1L, client.right), height = std::max(1L, client.bottom);
    View view;
    view.scale = std::min(width / (spanX * 1.2), height / (spanY * 1.2));
    view.originX = (minX + maxX) / 2 - width / 2 / view.scale;
    view.originY = (minY + maxY) / 2 - height / 2 / view.scale;
    view.height = static_cast<int>(height);
    return view;
}

void StandinApp::OnDrawingClick(HWND, POINT client) {
    const View view = CurrentView();
    const Point3 point{view.originX + client.x / view.scale,
                       view.originY + (view.height - client.y) / view.scale, 0};
    journal_.Write(JsonLine("click")
                       .Add("window", TextView(u"drawing"))
                       .Add("x", static_cast<long long>(client.x))
                       .Add("y", static_cast<long long>(client.y)));
    if (awaitingPoint_) {
        pointAnswer_ = point;
        awaitingPoint_ = false;
        Print(u"\n");
        JournalPoint(point, u"click");
    }
}

void StandinApp::PaintDrawing(HWND window) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    const View view = CurrentView();
    auto toScreen = [&](const Point3& p) {
        return POINT{
            static_cast<LONG>(std::lround((p.x - view.originX) * view.scale)),
            static_cast<LONG>(std::lround(view.height - (p.y - view.originY) * view.scale))};
    };
    HPEN pen = CreatePen(PS_SOLID, 1, RGB(255, 255, 255));
    HGDIOBJ oldPen = SelectObject(dc, pen);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, RGB(255, 255, 255));
    SetTextAlign(dc, TA_LEFT | TA_BASELINE);
    for (const Entity& e : entities_) {
        const POINT a = toScreen(e.start);
        switch (e.type) {
        case EntityType::Point:
            MoveToEx(dc, a.x - 3, a.y, nullptr);
            LineTo(dc, a.x + 4, a.y);
            MoveToEx(dc, a.x, a.y - 3, nullptr);
            LineTo(dc, a.x, a.y + 4);
            break;
        case EntityType::Line: {
            const POINT b = toScreen(e.end);
            MoveToEx(dc, a.x, a.y, nullptr);
            LineTo(dc, b.x, b.y);
            break;
        }
        case EntityType::SingleLineText: {
            const int pixels = std::max(8, static_cast<int>(std::lround(e.height * view.scale)));
            HFONT font = CreateFontW(
                -pixels, 0, static_cast<int>(e.rotation * 10), static_cast<int>(e.rotation * 10),
                FW_NORMAL, FALSE, FALSE, FALSE, SHIFTJIS_CHARSET, OUT_DEFAULT_PRECIS,
                CLIP_DEFAULT_PRECIS, ANTIALIASED_QUALITY, DEFAULT_PITCH, L"MS Gothic");
            HGDIOBJ oldFont = SelectObject(dc, font);
            const std::wstring text = vr::WideZ(e.text);
            TextOutW(dc, a.x, a.y, text.c_str(), static_cast<int>(text.size()));
            SelectObject(dc, oldFont);
            DeleteObject(font);
            break;
        }
        }
    }
    SelectObject(dc, oldPen);
    DeleteObject(pen);
    EndPaint(window, &paint);
}

void StandinApp::OnTimer(UINT_PTR id) {
    KillTimer(main_, id);
    if (id == kHangTimer) {
        journal_.Write(JsonLine("hang").Add("ms", static_cast<long long>(options_.hangForMs)));
        Sleep(options_.hangForMs);
        journal_.Write(JsonLine("hangEnded"));
    } else if (id == kExitTimer) {
        DestroyWindow(main_);
    }
}

void StandinApp::SaveDxf() {
    if (options_.dxf.empty()) {
        Print(u"DXFOUT: no file given (--dxf).\n");
        return;
    }
    const std::string bytes = WriteDxf(entities_);
    HANDLE file = CreateFileW(vr::WideZ(options_.dxf).c_str(), GENERIC_WRITE, 0, nullptr,
                              CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD written = 0;
    const bool saved =
        file != INVALID_HANDLE_VALUE &&
        WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
        written == bytes.size();
    if (file != INVALID_HANDLE_VALUE) {
        CloseHandle(file);
    }
    journal_.Write(JsonLine("dxf")
                       .Add("file", TextView(options_.dxf))
                       .Add("entities", static_cast<long long>(entities_.size()))
                       .AddBool("saved", saved));
}

void StandinApp::OnDestroy() {
    if (!options_.dxf.empty()) {
        SaveDxf();
    }
    journal_.Write(JsonLine("exit"));
    PostQuitMessage(0);
}

// ---- window procedures ----

LRESULT CALLBACK StandinApp::MainProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    StandinApp* app = g_app;
    if (!app || !app->main_) {
        return DefWindowProcW(window, message, wParam, lParam);
    }
    switch (message) {
    case WM_SIZE:
        app->LayoutMain();
        return 0;
    case WM_COPYDATA:
        app->OnCopyData(*reinterpret_cast<const COPYDATASTRUCT*>(lParam));
        return TRUE;
    case WM_ACTIVATE:
        app->journal_.Write(JsonLine("activate")
                                .AddBool("active", LOWORD(wParam) != WA_INACTIVE)
                                .AddBool("minimized", HIWORD(wParam) != 0));
        if (LOWORD(wParam) != WA_INACTIVE && !HIWORD(wParam)) {
            SetFocus(app->input_);
        }
        return 0;
    case WM_TIMER:
        app->OnTimer(wParam);
        return 0;
    case kDrainMessage:
        app->DrainQueue();
        return 0;
    case WM_DESTROY:
        app->OnDestroy();
        return 0;
    default:
        return DefWindowProcW(window, message, wParam, lParam);
    }
}

LRESULT CALLBACK StandinApp::TextProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    StandinApp* app = g_app;
    switch (message) {
    case WM_SIZE:
        if (app && app->textCommandArea_) {
            MoveWindow(app->textCommandArea_, 0, 0, LOWORD(lParam), HIWORD(lParam), TRUE);
        } else if (app && app->historyBox_) {
            app->LayoutCommandArea(window);
        }
        return 0;
    case WM_COMMAND:
        if (wParam == kHistoryToClipboard && app) {
            app->OnHistoryCommand();
            return 0;
        }
        break;
    case WM_CLOSE:
        ShowWindow(window, SW_HIDE); // the CAD keeps its text window
        return 0;
    default:
        break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

LRESULT CALLBACK StandinApp::CommandAreaProc(HWND window, UINT message, WPARAM wParam,
                                             LPARAM lParam) {
    StandinApp* app = g_app;
    switch (message) {
    case WM_SIZE:
        if (app) {
            app->LayoutCommandArea(window);
        }
        return 0;
    case WM_LBUTTONDOWN:
        if (app) {
            app->OnCommandAreaClick(window, POINT{static_cast<short>(LOWORD(lParam)),
                                                  static_cast<short>(HIWORD(lParam))});
        }
        return 0;
    default:
        return DefWindowProcW(window, message, wParam, lParam);
    }
}

LRESULT CALLBACK StandinApp::DrawingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    StandinApp* app = g_app;
    switch (message) {
    case WM_PAINT:
        if (app) {
            app->PaintDrawing(window);
            return 0;
        }
        break;
    case WM_LBUTTONDOWN:
        if (app) {
            app->OnDrawingClick(window, POINT{static_cast<short>(LOWORD(lParam)),
                                              static_cast<short>(HIWORD(lParam))});
        }
        return 0;
    case WM_SIZE:
        InvalidateRect(window, nullptr, TRUE);
        return 0;
    default:
        break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

LRESULT CALLBACK StandinApp::InputProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                       UINT_PTR, DWORD_PTR) {
    StandinApp* app = g_app;
    if (!app) {
        return DefSubclassProc(window, message, wParam, lParam);
    }
    switch (message) {
    case WM_KEYDOWN:
    case WM_KEYUP:
        app->journal_.Write(JsonLine("key")
                                .Add("vk", static_cast<long long>(wParam))
                                .AddBool("down", message == WM_KEYDOWN)
                                .AddBool("extended", (lParam & (1 << 24)) != 0)
                                .AddBool("ctrl", GetKeyState(VK_CONTROL) < 0));
        if (message == WM_KEYDOWN && wParam == 'V' && GetKeyState(VK_CONTROL) < 0) {
            app->OnPaste();
            return 0;
        }
        break;
    case WM_CHAR:
        app->journal_.Write(JsonLine("char").Add("code", static_cast<long long>(wParam)));
        if (wParam == 0x16) {
            return 0; // Ctrl+V was handled as a paste on its key press
        }
        {
            const char16_t character = static_cast<char16_t>(wParam);
            app->OnInputCharacters(TextView(&character, 1));
        }
        return 0;
    case WM_PASTE:
        app->OnPaste();
        return 0;
    case WM_GETTEXT:
    case WM_GETTEXTLENGTH:
        if (InSendMessageEx(nullptr) & ISMEX_SEND) {
            app->journal_.Write(JsonLine("read").Add(
                "message", TextView(message == WM_GETTEXT ? u"WM_GETTEXT" : u"WM_GETTEXTLENGTH")));
        }
        break;
    case WM_LBUTTONDOWN:
        app->journal_.Write(
            JsonLine("click")
                .Add("window", TextView(u"input"))
                .Add("x", static_cast<long long>(static_cast<short>(LOWORD(lParam))))
                .Add("y", static_cast<long long>(static_cast<short>(HIWORD(lParam)))));
        break;
    case WM_SETFOCUS:
        app->journal_.Write(JsonLine("focus").Add("window", TextView(u"input")));
        break;
    default:
        break;
    }
    return DefSubclassProc(window, message, wParam, lParam);
}

} // namespace standin
