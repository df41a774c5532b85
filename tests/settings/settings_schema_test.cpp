#include "settings/settings_schema.h"

#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "base/cp932.h"
#include "base/registry_store.h"
#include "base/test_folder.h"
#include "base/text_util.h"
#include "settings/settings_store.h"

namespace tkv {
namespace {

constexpr const char* kSys = "Software\\Varnholt\\Zangyo\\System";
constexpr const char* kSet = "Software\\Varnholt\\Zangyo\\Setting";

// Texts a value of each type gives back exactly as it was stored.
std::vector<std::string> RoundTripTexts(SettingType type) {
    switch (type) {
        case SettingType::Bool:
            return {"0", "1"};
        case SettingType::Int:
            // Codes no choice knows are kept too.
            return {"0", "1", "-1", "2", "3", "7", "31", "-3", "-2147483643", "2147483647"};
        case SettingType::Text:
        case SettingType::Password:
            return {"", "abc", "-0.50", " 8:00", "20.0 ", "所属：総務課  氏名：山田", "a,b"};
        case SettingType::TimePair:
            return {",",      " 8:00,17:00", "-0.50,abc", "abc, 8:00",
                    " 8:00,", ",-8:00",      "1,2,3",     " 8:00 , 0:30 "};
    }
    return {};
}

TEST(SettingsSchema, EveryValueGivesBackItsStoredText) {
    const Settings defaults;
    for (const SettingField& f : SettingsSchema()) {
        for (const std::string& text : RoundTripTexts(f.type)) {
            Settings s;
            f.assign(s, text, defaults);
            EXPECT_EQ(f.text(s), text) << f.name;
        }
    }
}

TEST(SettingsSchema, OneEntryPerStoredNameInStoredOrder) {
    std::set<std::string> names;
    std::vector<std::string> setting;
    bool settingStarted = false;
    for (const SettingField& f : SettingsSchema()) {
        EXPECT_TRUE(names.insert(ToHankaku(f.name)).second) << f.name << " twice";
        if (f.section == SettingSection::Setting) {
            settingStarted = true;
            setting.push_back(f.name);
        } else {
            EXPECT_FALSE(settingStarted) << f.name << " after the Setting section began";
        }
    }
    std::vector<std::string> expected;
    for (int i = 1; i <= 12; ++i) expected.push_back(NumberedName("Kin", i, 2));
    for (int i = 1; i <= 22; ++i) expected.push_back(NumberedName("Time", i, 2));
    for (int i = 1; i <= 10; ++i) expected.push_back(NumberedName("UseMemo", i, 2));
    EXPECT_EQ(setting, expected);
    EXPECT_EQ(SettingsSchema().front().name, "Pass");
    EXPECT_EQ(FindSetting("week7check")->name, "Week7Check");
    EXPECT_EQ(FindSetting("Time19")->type, SettingType::TimePair);
    EXPECT_EQ(FindSetting("KinPass")->type, SettingType::Password);
}

// What a stored text that is not a value of its type reads as.
struct OddCase {
    const char* name;  // of the test row
    const char* setting;
    const char* stored;
    const char* readAs;
};

void PrintTo(const OddCase& c, std::ostream* os) {
    *os << c.setting << "=\"" << c.stored << "\"";
}

class OddStoredTextTest : public ::testing::TestWithParam<OddCase> {};

TEST_P(OddStoredTextTest, ReadsAsBefore) {
    const OddCase& c = GetParam();
    const SettingField* f = FindSetting(c.setting);
    ASSERT_NE(f, nullptr);
    Settings s;
    f->assign(s, c.stored, Settings{});
    EXPECT_EQ(f->text(s), c.readAs);
}

INSTANTIATE_TEST_SUITE_P(
    Values, OddStoredTextTest,
    ::testing::Values(OddCase{"NumberTakesTheDefault", "SimeDay", "abc", "31"},
                      OddCase{"HexadecimalNumber", "SimeDay", "0x1F", "31"},
                      OddCase{"FullWidthDigits", "PrintMemo", "１２", "12"},
                      OddCase{"AnyNonZeroIsTrue", "FlexTime", "2", "1"},
                      OddCase{"UnreadableSwitchTakesTheDefault", "WindowSize", "junk", "1"},
                      OddCase{"UnreadableChoiceTakesTheDefault", "GridLineSelect", "x", "2"},
                      OddCase{"UnreadableRoundingIsNone", "StartAdjustSelect", "up", "0"},
                      OddCase{"UnreadableAmountIsZero", "Kin04", "1,500", "0"},
                      OddCase{"TimeWithoutCommaIsTheSecondHalf", "Time05", "13:00", ",13:00"}),
    [](const ::testing::TestParamInfo<OddCase>& p) { return std::string(p.param.name); });

TEST(SettingValues, NumbersAreReadOnceWithTheirText) {
    Settings s;
    s.times.standardStart = " 8:30";
    EXPECT_EQ(s.times.standardStart.minutes(), 510);
    s.times.compensatoryCredit = "-8:00";
    EXPECT_EQ(s.times.compensatoryCredit.minutes(), -480);
    s.times.lateNightEnd = "abc";
    EXPECT_EQ(s.times.lateNightEnd.minutes(), 0);
    EXPECT_EQ(s.times.lateNightEnd.text(), "abc");

    s.HanDayAM = "-0.50";
    EXPECT_DOUBLE_EQ(s.HanDayAM.valueOr(9), -0.5);
    EXPECT_EQ(s.HanDayAM.text(), "-0.50");
    s.HanDayPM = "abc";
    EXPECT_DOUBLE_EQ(s.HanDayPM.valueOr(9), 9);
    s.YukyuMokuZan = " ５.２５ ";  // one decimal, the way the formatter rounds
    EXPECT_DOUBLE_EQ(s.YukyuMokuZan.valueOr(9), 5.2);
    s.PageTopMargin = "";
    EXPECT_DOUBLE_EQ(s.PageTopMargin.valueOr(-1), -1);

    const TimePair p = TimePair::FromText(" 9:00,18:00,x");
    EXPECT_EQ(p.first.minutes(), 540);
    EXPECT_EQ(p.second.text(), "18:00,x");
    EXPECT_EQ(p.text(), " 9:00,18:00,x");
}

// Every value of a key holding unusual but valid texts is written back by a
// load and a save exactly as it was: nothing is reformatted on the way.
TEST(SettingsStoreRoundTrip, StoredBytesSurviveLoadAndSave) {
    // Odd forms, none of them a text the load repairs (an empty or zero
    // late-night end, an empty short-day start, a unit index of -1).
    const std::vector<std::string> texts{"-0.50", " 8:00", "abc", "所属 ", "20.0 "};
    const std::vector<std::string> passwords{"-0.50", " 8:00", "abc"};
    const std::vector<std::string> pairs{" 8:00,-0.50", "abc, 8:00", "-0.50,17:00x",
                                         "20:00 , 0:30 "};
    const std::vector<std::string> numbers{"7", "-3", "12345", "0", "2"};
    const std::vector<std::string> switches{"1", "0"};

    IniRegistryStore reg;
    std::vector<std::pair<const SettingField*, std::string>> written;
    std::size_t i = 0;
    for (const SettingField& f : SettingsSchema()) {
        auto pick = [&i](const std::vector<std::string>& from) { return from[i++ % from.size()]; };
        std::string text;
        switch (f.type) {
            case SettingType::Bool:
                text = f.name == "SatHandon" ? "0" : pick(switches);
                break;
            case SettingType::Int:
                text = pick(numbers);
                break;
            case SettingType::Text:
                text = pick(texts);
                break;
            case SettingType::Password:
                text = pick(passwords);
                break;
            case SettingType::TimePair:
                text = pick(pairs);
                break;
        }
        const std::string bytes = cp932::fromUtf8(text);
        reg.writeValue(f.section == SettingSection::System ? kSys : kSet, f.name, bytes);
        written.emplace_back(&f, bytes);
    }

    test::TestFolder dir;
    SettingsStore store(reg, dir.path(), "/work", "");
    Settings s;
    const SettingsLoadResult loaded = store.LoadSettings(s);
    ASSERT_FALSE(loaded.firstRun);
    ASSERT_TRUE(store.SaveSettings(s).ok());

    for (const auto& [f, bytes] : written) {
        const char* key = f->section == SettingSection::System ? kSys : kSet;
        EXPECT_EQ(reg.readValue(key, f->name), bytes) << f->name;
    }
}

}  // namespace
}  // namespace tkv
