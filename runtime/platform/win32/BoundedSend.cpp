#include "platform/win32/BoundedSend.h"

#include "winsupport/win32/Handles.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

namespace vr {
namespace {

// One request, shared by the caller and the worker: a worker left waiting on
// a hung program still holds it when the caller has gone on.
struct SendRequest {
    HWND window;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    UINT timeoutMs;
    std::string text; // WM_GETTEXT's buffer, when it is that message
    DWORD_PTR result = 0;
    bool answered = false;
    std::function<bool()> call; // instead of the message, when set
    bool wide = false;          // sent in the message's wide form
    std::u16string wideText;    // WM_GETTEXT's buffer in the wide form
};

// A thread that sends one request at a time. It is kept for the next send,
// so that a discovery's many title reads cost one thread, not one each.
struct SendWorker {
    UniqueHandle wake{CreateEventW(nullptr, FALSE, FALSE, nullptr)};
    UniqueHandle done{CreateEventW(nullptr, FALSE, FALSE, nullptr)};
    UniqueHandle thread;
    std::shared_ptr<SendRequest> request;
};

// Runs the request on the calling thread: the worker's loop body, and the
// whole call for a window of the tool's own thread, which a worker could only
// reach while this thread pumps messages.
bool RunHere(SendRequest& request) {
    if (request.call) {
        return request.call();
    }
    if (request.wide) {
        const LPARAM lParam = request.message == WM_GETTEXT
                                  ? reinterpret_cast<LPARAM>(request.wideText.data())
                                  : request.lParam;
        return SendMessageTimeoutW(request.window, request.message, request.wParam, lParam,
                                   SMTO_ABORTIFHUNG, request.timeoutMs, &request.result) != 0;
    }
    const LPARAM lParam = request.message == WM_GETTEXT
                              ? reinterpret_cast<LPARAM>(request.text.data())
                              : request.lParam;
    return SendMessageTimeoutA(request.window, request.message, request.wParam, lParam,
                               SMTO_ABORTIFHUNG, request.timeoutMs, &request.result) != 0;
}

DWORD WINAPI SendLoop(void* parameter) {
    // The worker's own reference: it outlives the caller's if the caller
    // gives up on it.
    const std::unique_ptr<std::shared_ptr<SendWorker>> held(
        static_cast<std::shared_ptr<SendWorker>*>(parameter));
    SendWorker& worker = **held;
    while (WaitForSingleObject(worker.wake.Get(), INFINITE) == WAIT_OBJECT_0) {
        const std::shared_ptr<SendRequest> request = worker.request;
        if (!request) {
            return 0;
        }
        request->answered = RunHere(*request);
        SetEvent(worker.done.Get());
    }
    return 0;
}

std::shared_ptr<SendWorker> StartWorker() {
    auto worker = std::make_shared<SendWorker>();
    if (!worker->wake.IsValid() || !worker->done.IsValid()) {
        return nullptr;
    }
    auto* forThread = new std::shared_ptr<SendWorker>(worker);
    worker->thread.Reset(CreateThread(nullptr, 0, SendLoop, forThread, 0, nullptr));
    if (!worker->thread.IsValid()) {
        delete forThread;
        return nullptr;
    }
    return worker;
}

// The tool's one worker; replaced when a send to a hung program keeps it.
std::shared_ptr<SendWorker>& CurrentWorker() {
    static std::shared_ptr<SendWorker> worker;
    return worker;
}

// The threads that did not answer in time; only the tool's own thread reads
// and changes the list.
std::vector<DWORD>& HungThreads() {
    static std::vector<DWORD> threads;
    return threads;
}

bool IsKnownHung(HWND window, DWORD thread) {
    const std::vector<DWORD>& hung = HungThreads();
    if (std::find(hung.begin(), hung.end(), thread) != hung.end()) {
        return true;
    }
    if (IsHungAppWindow(window)) {
        HungThreads().push_back(thread);
        return true;
    }
    return false;
}

bool RunBounded(const std::shared_ptr<SendRequest>& request) {
    const DWORD thread = GetWindowThreadProcessId(request->window, nullptr);
    if (thread == GetCurrentThreadId()) {
        return RunHere(*request);
    }
    if (thread != 0 && IsKnownHung(request->window, thread)) {
        return false;
    }
    std::shared_ptr<SendWorker>& worker = CurrentWorker();
    if (!worker) {
        worker = StartWorker();
        if (!worker) {
            return false;
        }
    }
    worker->request = request;
    SetEvent(worker->wake.Get());
    // A little longer than the send's own time-out, so that a send that
    // holds it is never cut short.
    if (WaitForSingleObject(worker->done.Get(), request->timeoutMs + 250) != WAIT_OBJECT_0) {
        worker.reset(); // still waiting on the hung program: the next send gets a new one
        if (thread != 0) {
            HungThreads().push_back(thread);
        }
        return false;
    }
    return request->answered;
}

} // namespace

bool CallBounded(HWND window, UINT timeoutMs, std::function<bool()> call) {
    auto request = std::make_shared<SendRequest>(SendRequest{window, 0, 0, 0, timeoutMs, {}});
    request->call = std::move(call);
    return RunBounded(request);
}

bool SendBounded(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT timeoutMs,
                 DWORD_PTR& result) {
    auto request =
        std::make_shared<SendRequest>(SendRequest{window, message, wParam, lParam, timeoutMs, {}});
    if (!RunBounded(request)) {
        return false;
    }
    result = request->result;
    return true;
}

bool GetTextBounded(HWND window, char* buffer, std::size_t size, UINT timeoutMs,
                    DWORD_PTR& copied) {
    if (size == 0) {
        return false;
    }
    auto request = std::make_shared<SendRequest>(SendRequest{
        window, WM_GETTEXT, static_cast<WPARAM>(size), 0, timeoutMs, std::string(size, '\0')});
    if (!RunBounded(request)) {
        return false;
    }
    copied = request->result < size ? request->result : size - 1;
    std::memcpy(buffer, request->text.data(), copied);
    buffer[copied] = '\0';
    return true;
}

bool GetWideTextBounded(HWND window, UINT timeoutMs, std::u16string& text) {
    auto length =
        std::make_shared<SendRequest>(SendRequest{window, WM_GETTEXTLENGTH, 0, 0, timeoutMs, {}});
    length->wide = true;
    if (!RunBounded(length)) {
        return false;
    }
    text.clear();
    if (length->result == 0) {
        return true;
    }
    const std::size_t size = static_cast<std::size_t>(length->result) + 1;
    auto read = std::make_shared<SendRequest>(
        SendRequest{window, WM_GETTEXT, static_cast<WPARAM>(size), 0, timeoutMs, {}});
    read->wide = true;
    read->wideText.assign(size, u'\0');
    if (!RunBounded(read)) {
        return false;
    }
    const std::size_t copied = std::min<std::size_t>(read->result, size - 1);
    const std::u16string_view stored(read->wideText.data(), copied);
    text.assign(stored.substr(0, stored.find(u'\0')));
    return true;
}

} // namespace vr
