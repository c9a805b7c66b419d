#include "timing/DelayFactor.h"

#include "settings/ToolPaths.h"
#include "text/AnsiText.h"
#include "text/NumberText.h"
#include "text/TextLines.h"

namespace vr {

std::optional<std::int16_t> ParseDelayFactor(TextView firstLine) {
    const std::optional<double> number = ConvertWholeNumber(firstLine);
    if (!number) {
        return std::nullopt;
    }
    const std::optional<std::int16_t> factor = RoundToInt16(*number);
    if (!factor || *factor < kMinDelayFactor || *factor > kMaxDelayFactor) {
        return std::nullopt;
    }
    return factor;
}

std::optional<std::int16_t> ReadDelayFactor(FileAccess& files, TextView programFolder) {
    const std::optional<Bytes> content =
        files.ReadWholeFile(ToolFilePath(programFolder, u"delay.dat"));
    if (!content) {
        return std::nullopt;
    }
    return ParseDelayFactor(DecodeAnsi(FirstLine(*content)));
}

} // namespace vr
