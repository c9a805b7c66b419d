#include "platform/win32/BoundedSend.h"

#include "winsupport/win32/Handles.h"

#include <cstring>
#include <memory>
#include <string>

namespace vr {
namespace {

// Shared by the caller and the worker: whoever finishes last frees it.
struct SendJob {
    HWND window;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    UINT timeoutMs;
    std::string text; // WM_GETTEXT's buffer, when it is that message
    DWORD_PTR result = 0;
    bool answered = false;
};

DWORD WINAPI SendWorker(void* parameter) {
    const std::unique_ptr<std::shared_ptr<SendJob>> held(
        static_cast<std::shared_ptr<SendJob>*>(parameter));
    SendJob& job = **held;
    const LPARAM lParam =
        job.message == WM_GETTEXT ? reinterpret_cast<LPARAM>(job.text.data()) : job.lParam;
    job.answered = SendMessageTimeoutA(job.window, job.message, job.wParam, lParam,
                                       SMTO_ABORTIFHUNG, job.timeoutMs, &job.result) != 0;
    return 0;
}

bool RunBounded(const std::shared_ptr<SendJob>& job) {
    auto* forWorker = new std::shared_ptr<SendJob>(job);
    const UniqueHandle thread(CreateThread(nullptr, 0, SendWorker, forWorker, 0, nullptr));
    if (!thread.IsValid()) {
        delete forWorker;
        return false;
    }
    // A little longer than the send's own time-out, so that a send that does
    // hold it is never cut short.
    return WaitForSingleObject(thread.Get(), job->timeoutMs + 250) == WAIT_OBJECT_0 &&
           job->answered;
}

} // namespace

bool SendBounded(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT timeoutMs,
                 DWORD_PTR& result) {
    auto job = std::make_shared<SendJob>(SendJob{window, message, wParam, lParam, timeoutMs, {}});
    if (!RunBounded(job)) {
        return false;
    }
    result = job->result;
    return true;
}

bool GetTextBounded(HWND window, char* buffer, std::size_t size, UINT timeoutMs,
                    DWORD_PTR& copied) {
    if (size == 0) {
        return false;
    }
    auto job = std::make_shared<SendJob>(SendJob{window, WM_GETTEXT, static_cast<WPARAM>(size), 0,
                                                 timeoutMs, std::string(size, '\0')});
    if (!RunBounded(job)) {
        return false;
    }
    copied = job->result < size ? job->result : size - 1;
    std::memcpy(buffer, job->text.data(), copied);
    buffer[copied] = '\0';
    return true;
}

} // namespace vr
