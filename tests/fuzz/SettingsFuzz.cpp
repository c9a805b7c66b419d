// ZuDuv.ini as any bytes, read as the tools read it: the eight keys of
// [Main], the four numbers by their leading number rounded half to even.
// Whatever the file holds, the result is the settings or a message that
// names the file and the key; accepted numbers lie within half a unit of the
// leading number of what the file gives for their key.
#include "FuzzSupport.h"
#include "settings/ReadIniString.h"
#include "settings/ToolSettings.h"
#include "text/AnsiText.h"
#include "text/NumberText.h"

#include <cmath>

namespace {

constexpr vr::TextView kFolder = u"C:\\ツール\\";

struct NumericKey {
    vr::TextView key;
    std::int32_t vr::ToolSettings::*field;
};

constexpr NumericKey kNumericKeys[] = {
    {u"MainCmdCtrlID", &vr::ToolSettings::MainCmdCtrlID},
    {u"TextCmdCtrlID", &vr::ToolSettings::TextCmdCtrlID},
    {u"MainHistCtrlID", &vr::ToolSettings::MainHistCtrlID},
    {u"TextHistCtrlID", &vr::ToolSettings::TextHistCtrlID},
};

vr::Text Read(vr::ProfileAccess& profile, vr::TextView key, vr::TextView fallback) {
    return vr::ReadIniString(profile, kFolder, vr::kSettingsBaseName, vr::kSettingsSection, key,
                             fallback);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    vr::fuzz::MemoryProfile profile(vr::EncodeAnsi(vr::Text(kFolder) + u"ZuDuv.ini"),
                                    vr::fuzz::AsBytes(data, size));
    const auto loaded = vr::LoadToolSettings(profile, kFolder);
    if (const auto* failure = std::get_if<vr::Failure>(&loaded)) {
        VR_FUZZ_CHECK(failure->message.find(u"ZuDuv.ini") != vr::Text::npos);
        bool namesAKey = false;
        bool someKeyOutOfRange = false;
        for (const NumericKey& entry : kNumericKeys) {
            namesAKey = namesAKey || failure->message.find(entry.key) != vr::Text::npos;
            const auto number = vr::LeadingNumber(Read(profile, entry.key, u"0"));
            someKeyOutOfRange = someKeyOutOfRange || !number || !vr::RoundToInt32(*number);
        }
        VR_FUZZ_CHECK(namesAKey);
        VR_FUZZ_CHECK(someKeyOutOfRange);
        return 0;
    }
    const vr::ToolSettings& settings = std::get<vr::ToolSettings>(loaded);
    VR_FUZZ_CHECK(settings.ACADName == Read(profile, u"ACADName", u"???"));
    VR_FUZZ_CHECK(settings.CommandCaption == Read(profile, u"CommandCaption", u"???"));
    VR_FUZZ_CHECK(settings.MainCaption == Read(profile, u"MainCaption", u"???"));
    VR_FUZZ_CHECK(settings.TextCaption == Read(profile, u"TextCaption", u"???"));
    for (const NumericKey& entry : kNumericKeys) {
        const vr::Text value = Read(profile, entry.key, u"0");
        const auto number = vr::LeadingNumber(value);
        VR_FUZZ_CHECK(number.has_value());
        VR_FUZZ_CHECK(std::fabs(static_cast<double>(settings.*entry.field) - *number) <= 0.5);
    }
    // A value is cut in bytes, never inside a character: what is read fits
    // the profile buffer when written back in the code page.
    for (const vr::TextView key :
         {u"ACADName", u"CommandCaption", u"MainCaption", u"TextCaption"}) {
        VR_FUZZ_CHECK(vr::EncodeAnsi(Read(profile, key, u"???")).size() < vr::kIniBufferSize);
    }
    return 0;
}
