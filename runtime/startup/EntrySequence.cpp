#include "startup/RuntimeMessages.h"
#include "startup/ToolRun.h"

namespace vr {

int RunEntrySequence(ToolRun& run, const ToolJob& job, const ToolJob& beforeDelay) {
    if (beforeDelay) {
        if (const Outcome outcome = beforeDelay(run)) {
            run.services.messages.ShowMessage(run.toolName, outcome->message);
            return 1;
        }
    }
    const std::optional<std::int16_t> factor =
        ReadDelayFactor(run.services.files, run.programFolder);
    if (factor) {
        run.delayFactor = *factor;
    } else {
        run.services.messages.ShowMessage(run.toolName, kDelayFileMessage);
        run.delayFactor = kDefaultDelayFactor;
    }
    const Outcome outcome = job(run);
    if (outcome) {
        run.services.messages.ShowMessage(run.toolName, outcome->message);
        return 1;
    }
    return 0;
}

} // namespace vr
