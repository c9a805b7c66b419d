#include "FakeServices.h"
#include "TestText.h"
#include "job/RunToolJob.h"
#include "messages/ToolMessages.h"
#include "settings/ReadIniString.h"
#include "settings/ToolSettings.h"

#include <gtest/gtest.h>

namespace vr {
namespace {

using test::FakeProfiles;
using test::FakeToolServices;

const std::string kIniPath = "C:\\Tools\\ZuDuv.ini";

Text Read(FakeProfiles& profiles, TextView key, TextView defaultValue = u"???") {
    return ReadIniString(profiles, u"C:\\Tools\\", u"ZuDuv", u"Main", key, defaultValue);
}

TEST(ReadIniString, PassesTheCallAsThePlatformTakesIt) {
    FakeProfiles profiles;
    (void)Read(profiles, u"ACADName");
    ASSERT_EQ(profiles.calls.size(), 1u);
    EXPECT_EQ(profiles.calls[0].section, "Main");
    EXPECT_EQ(profiles.calls[0].key, "ACADName");
    EXPECT_EQ(profiles.calls[0].defaultValue, "???");
    EXPECT_EQ(profiles.calls[0].path, kIniPath);
    EXPECT_EQ(profiles.calls[0].size, 255u);
}

TEST(ReadIniString, NamesTheFileInCodePage932) {
    FakeProfiles profiles;
    (void)ReadIniString(profiles, u"C:\\表\\", u"ZuDuv", u"Main", u"ACADName", u"???");
    EXPECT_EQ(profiles.calls.at(0).path, "C:\\\x95\x5c\\ZuDuv.ini");
}

TEST(ReadIniString, ValuesDefaultsAndCuts) {
    struct Case {
        const char* name;
        std::optional<std::string> stored; // nullopt: key absent
        Text expected;
    };
    const Case cases[] = {
        {"missing key gives the default", std::nullopt, u"???"},
        {"empty value is empty", "", u""},
        {"plain value", "acad", u"acad"},
        {"blanks are kept", " acad ", u" acad "},
        {"300 bytes give the first 254", std::string(300, 'v'), Text(254, u'v')},
        {"Shift-JIS value", "\x83\x52\x83\x7d\x83\x93\x83\x68", u"コマンド"},
        {"0x5C trail bytes stay", "\x95\x5c\x83\x5c", u"表ソ"},
        {"cut never halves a character", std::string(253, 'y') + "\x95\x5c", Text(253, u'y')},
    };
    for (const Case& c : cases) {
        FakeProfiles profiles;
        if (c.stored) {
            profiles.Set(kIniPath, "Main", "ACADName", *c.stored);
        }
        EXPECT_EQ(Read(profiles, u"ACADName"), c.expected) << c.name;
    }
}

// The platform, when a double-byte character does not fit the buffer, stores
// a NUL in its place and counts it.
class CountsTheNulProfiles final : public ProfileAccess {
  public:
    std::uint32_t GetPrivateProfileStringA(BytesView, BytesView, BytesView, char* buffer,
                                           std::uint32_t size, BytesView) override {
        std::memset(buffer, 'y', size);
        buffer[size - 2] = '\0';
        buffer[size - 1] = '\0';
        return size - 1;
    }
};

TEST(ReadIniString, EndsAtANulInsideTheCountedBytes) {
    CountsTheNulProfiles profiles;
    EXPECT_EQ(ReadIniString(profiles, u"C:\\", u"ZuDuv", u"Main", u"Key", u"???"), Text(253, u'y'));
}

TEST(ReadIniString, MissingFileGivesTheDefault) {
    FakeProfiles profiles;
    profiles.Set("C:\\Other\\ZuDuv.ini", "Main", "ACADName", "acad");
    EXPECT_EQ(Read(profiles, u"ACADName", u"???"), u"???");
}

TEST(ToolSettings, ReadsTheEightKeysInOrderThenTheOptionalClass) {
    FakeProfiles profiles;
    const auto loaded = LoadToolSettings(profiles, u"C:\\Tools\\");
    ASSERT_TRUE(std::holds_alternative<ToolSettings>(loaded));
    const std::pair<std::string, std::string> expected[] = {
        {"ACADName", "???"},     {"CommandCaption", "???"}, {"MainCaption", "???"},
        {"TextCaption", "???"},  {"MainCmdCtrlID", "0"},    {"TextCmdCtrlID", "0"},
        {"MainHistCtrlID", "0"}, {"TextHistCtrlID", "0"},   {"CommandClass", ""},
    };
    ASSERT_EQ(profiles.calls.size(), std::size(expected));
    for (std::size_t i = 0; i < std::size(expected); ++i) {
        EXPECT_EQ(profiles.calls[i].key, expected[i].first);
        EXPECT_EQ(profiles.calls[i].defaultValue, expected[i].second);
        EXPECT_EQ(profiles.calls[i].section, "Main");
        EXPECT_EQ(profiles.calls[i].path, kIniPath);
    }
    const auto& settings = std::get<ToolSettings>(loaded);
    EXPECT_EQ(settings.ACADName, u"???");
    EXPECT_EQ(settings.TextCaption, u"???");
    EXPECT_EQ(settings.MainCmdCtrlID, 0);
    EXPECT_EQ(settings.TextHistCtrlID, 0);
    EXPECT_EQ(settings.CommandClass, u""); // absent: no class search
}

TEST(ToolSettings, CommandClassIsKeptAsWritten) {
    const std::pair<std::string, Text> cases[] = {
        {"AcEdCommandLine", u"AcEdCommandLine"},
        {" AcEdCommandLine", u" AcEdCommandLine"},
        {"", u""},
    };
    for (const auto& [value, expected] : cases) {
        FakeProfiles profiles;
        profiles.Set(kIniPath, "Main", "CommandClass", value);
        const auto loaded = LoadToolSettings(profiles, u"C:\\Tools\\");
        ASSERT_TRUE(std::holds_alternative<ToolSettings>(loaded));
        EXPECT_EQ(std::get<ToolSettings>(loaded).CommandClass, expected) << value;
    }
}

TEST(ToolSettings, KeepsTextsAndTakesTheLeadingNumber) {
    FakeProfiles profiles;
    profiles.Set(kIniPath, "Main", "ACADName", "acad");
    profiles.Set(kIniPath, "Main", "CommandCaption", "");
    profiles.Set(kIniPath, "Main", "MainCaption", "AutoCAD 2024 ");
    profiles.Set(kIniPath, "Main", "TextCaption", "\x83\x65\x83\x4c\x83\x58\x83\x67");
    profiles.Set(kIniPath, "Main", "MainCmdCtrlID", "1001");
    profiles.Set(kIniPath, "Main", "TextCmdCtrlID", "12abc");
    profiles.Set(kIniPath, "Main", "MainHistCtrlID", "abc");
    profiles.Set(kIniPath, "Main", "TextHistCtrlID", "2.5");
    const auto loaded = LoadToolSettings(profiles, u"C:\\Tools\\");
    ASSERT_TRUE(std::holds_alternative<ToolSettings>(loaded));
    const auto& settings = std::get<ToolSettings>(loaded);
    EXPECT_EQ(settings.ACADName, u"acad");
    EXPECT_EQ(settings.CommandCaption, u"");
    EXPECT_EQ(settings.MainCaption, u"AutoCAD 2024 ");
    EXPECT_EQ(settings.TextCaption, u"テキスト");
    EXPECT_EQ(settings.MainCmdCtrlID, 1001);
    EXPECT_EQ(settings.TextCmdCtrlID, 12);
    EXPECT_EQ(settings.MainHistCtrlID, 0);
    EXPECT_EQ(settings.TextHistCtrlID, 2);
}

TEST(ToolSettings, NumericValueOutsideInt32NamesFileKeyAndValue) {
    const std::pair<const char*, const char*> cases[] = {
        {"TextCmdCtrlID", "2147483648"},
        {"MainHistCtrlID", "-2147483649"},
        {"TextHistCtrlID", "1e400"},
        {"MainCmdCtrlID", "&H123456789"},
    };
    for (const auto& [key, value] : cases) {
        FakeProfiles profiles;
        profiles.Set(kIniPath, "Main", key, value);
        const auto loaded = LoadToolSettings(profiles, u"C:\\Tools\\");
        ASSERT_TRUE(std::holds_alternative<Failure>(loaded)) << key;
        const Text keyText(key, key + std::char_traits<char>::length(key));
        const Text valueText(value, value + std::char_traits<char>::length(value));
        EXPECT_EQ(std::get<Failure>(loaded).message,
                  SettingOutOfRangeMessage(u"C:\\Tools\\ZuDuv.ini", u"Main", keyText, valueText));
    }
    EXPECT_EQ(Utf8FromText(SettingOutOfRangeMessage(u"C:\\T\\ZuDuv.ini", u"Main", u"K", u"9")),
              "設定ファイル「C:\\T\\ZuDuv.ini」の [Main] にある K の値「9」が範囲外です。"
              "-2147483648～2147483647 の整数を指定してください。");
}

TEST(ToolSettings, LimitsOfInt32AreAccepted) {
    FakeProfiles profiles;
    profiles.Set(kIniPath, "Main", "MainCmdCtrlID", "2147483647");
    profiles.Set(kIniPath, "Main", "TextCmdCtrlID", "-2147483648");
    profiles.Set(kIniPath, "Main", "MainHistCtrlID", "2147483647.4");
    profiles.Set(kIniPath, "Main", "TextHistCtrlID", "&HFFFFFFFF");
    const auto loaded = LoadToolSettings(profiles, u"C:\\Tools\\");
    ASSERT_TRUE(std::holds_alternative<ToolSettings>(loaded));
    const auto& settings = std::get<ToolSettings>(loaded);
    EXPECT_EQ(settings.MainCmdCtrlID, 2147483647);
    EXPECT_EQ(settings.TextCmdCtrlID, -2147483647 - 1);
    EXPECT_EQ(settings.MainHistCtrlID, 2147483647);
    EXPECT_EQ(settings.TextHistCtrlID, -1);
}

TEST(LoadSettingsStep, UsesASingleBackslashAtADriveRoot) {
    FakeToolServices fake;
    fake.profiles.Set("T:\\ZuDuv.ini", "Main", "ACADName", "acad");
    fake.files.files[u"T:\\ZuDuv.ini"] = "[Main]\r\nACADName=acad\r\n";
    ToolRun run{fake.Services(), u"pinmark", u"T:\\"};
    EXPECT_TRUE(LoadSettingsStep(run).ok());
    EXPECT_EQ(run.settingsFolder, u"T:\\");
    EXPECT_EQ(run.settings.ACADName, u"acad");
}

TEST(LoadSettingsStep, StopsTheJobOnAnOverflowingValue) {
    FakeToolServices fake;
    fake.profiles.Set(kIniPath, "Main", "MainCmdCtrlID", "99999999999");
    fake.files.files[u"C:\\Tools\\ZuDuv.ini"] = "[Main]\r\nMainCmdCtrlID=99999999999\r\n";
    ToolRun run{fake.Services(), u"pinmark", u"C:\\Tools"};
    const Status status = RunToolJob(run, ToolJobPlan{});
    ASSERT_FALSE(status.ok());
    EXPECT_NE(status.failure().message.find(u"MainCmdCtrlID"), Text::npos);
    EXPECT_NE(status.failure().message.find(u"99999999999"), Text::npos);
    EXPECT_NE(status.failure().message.find(u"C:\\Tools\\ZuDuv.ini"), Text::npos);
}

TEST(LoadSettingsStep, AMissingFileIsNamedBeforeAnythingIsTouched) {
    FakeToolServices fake;
    ToolRun run{fake.Services(), u"pinmark", u"C:\\Tools"};
    const Status status = RunToolJob(run, ToolJobPlan{});
    ASSERT_FALSE(status.ok());
    EXPECT_EQ(status.failure().message,
              u"設定ファイル ZuDuv.ini がありません。ツールと同じフォルダーに置いてください。\n"
              u"C:\\Tools\\ZuDuv.ini");
    EXPECT_TRUE(fake.desktop.calls.empty());
}

} // namespace
} // namespace vr
