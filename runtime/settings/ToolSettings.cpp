#include "settings/ToolSettings.h"

#include "messages/ToolMessages.h"
#include "settings/ReadIniString.h"
#include "text/NumberText.h"

namespace vr {
namespace {

struct TextKey {
    TextView key;
    Text ToolSettings::*field;
};

struct NumericKey {
    TextView key;
    std::int32_t ToolSettings::*field;
};

constexpr TextKey kTextKeys[] = {
    {u"ACADName", &ToolSettings::ACADName},
    {u"CommandCaption", &ToolSettings::CommandCaption},
    {u"MainCaption", &ToolSettings::MainCaption},
    {u"TextCaption", &ToolSettings::TextCaption},
};

constexpr NumericKey kNumericKeys[] = {
    {u"MainCmdCtrlID", &ToolSettings::MainCmdCtrlID},
    {u"TextCmdCtrlID", &ToolSettings::TextCmdCtrlID},
    {u"MainHistCtrlID", &ToolSettings::MainHistCtrlID},
    {u"TextHistCtrlID", &ToolSettings::TextHistCtrlID},
};

constexpr TextView kTextDefault = u"???";
constexpr TextView kCommandClassKey = u"CommandClass";
constexpr TextView kNumericDefault = u"0";

} // namespace

std::variant<ToolSettings, Failure> LoadToolSettings(ProfileAccess& profiles,
                                                     TextView settingsFolder) {
    ToolSettings settings;
    for (const TextKey& entry : kTextKeys) {
        settings.*entry.field = ReadIniString(profiles, settingsFolder, kSettingsBaseName,
                                              kSettingsSection, entry.key, kTextDefault);
    }
    for (const NumericKey& entry : kNumericKeys) {
        const Text value = ReadIniString(profiles, settingsFolder, kSettingsBaseName,
                                         kSettingsSection, entry.key, kNumericDefault);
        const std::optional<double> number = LeadingNumber(value);
        const std::optional<std::int32_t> integer = number ? RoundToInt32(*number) : std::nullopt;
        if (!integer) {
            return Failure{StopKind::Settings,
                           SettingOutOfRangeMessage(SettingsFilePath(settingsFolder),
                                                    kSettingsSection, entry.key, value)};
        }
        settings.*entry.field = *integer;
    }
    // Read last, after the eight keys of the described order; absent gives
    // an empty text, which turns the class search off.
    settings.CommandClass = ReadIniString(profiles, settingsFolder, kSettingsBaseName,
                                          kSettingsSection, kCommandClassKey, u"");
    return settings;
}

} // namespace vr
