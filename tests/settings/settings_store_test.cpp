#include "settings/settings_store.h"

#include <gtest/gtest.h>

#include "base/atomic_file.h"
#include "base/cp932.h"
#include "base/registry_store.h"
#include "base/test_folder.h"
#include "settings/settings_schema.h"

namespace tkv {
namespace {

constexpr const char* kSys = "Software\\Varnholt\\Zangyo\\System";
constexpr const char* kSet = "Software\\Varnholt\\Zangyo\\Setting";

class SettingsStoreTest : public ::testing::Test {
protected:
    std::string stored(const std::string& key, const std::string& name) {
        return cp932::toUtf8(reg.readValue(key, name).value_or("<absent>"));
    }
    SettingsStore store(const std::string& startUser = "") {
        return SettingsStore(reg, dir.path(), "/work", startUser);
    }

    test::TestFolder dir;
    IniRegistryStore reg;
};

TEST_F(SettingsStoreTest, FirstRunWritesFirstRunValuesAndSavesEverything) {
    Settings s;
    auto st = store();
    const SettingsLoadResult r = st.LoadSettings(s);
    EXPECT_TRUE(r.firstRun);
    EXPECT_TRUE(r.registry.ok());
    EXPECT_TRUE(r.setFile.ok());

    EXPECT_EQ(stored(kSys, "SimeDay"), "31");
    EXPECT_EQ(stored(kSet, "Time01"), "12:00,13:00");
    EXPECT_EQ(stored(kSet, "Time11"), " 8:00,17:00");
    EXPECT_EQ(stored(kSet, "Time17"), ",");  // a new user has no compensatory deduction
    EXPECT_EQ(stored(kSet, "Time21"), " 8:00,12:00");
    EXPECT_EQ(stored(kSet, "Time22"), " 4:00,");
    EXPECT_EQ(stored(kSet, "Time12"), "22:00, 5:00");
    EXPECT_EQ(stored(kSet, "Kin01"), "200000");
    EXPECT_EQ(stored(kSet, "Kin07"), "80");
    EXPECT_EQ(stored(kSys, "SyukeiMonth"), "1");
    EXPECT_EQ(stored(kSys, "CellColor3"), "-2147483643");
    EXPECT_EQ(stored(kSys, "SaveInitialDir"), "/work");
    EXPECT_EQ(stored(kSys, "MokuhyoBasShow"), "<absent>");  // written by its window only
    // Every other value of the schema now exists in the key.
    for (const SettingField& f : SettingsSchema()) {
        if (f.name == "MokuhyoBasShow")
            continue;
        const char* key = f.section == SettingSection::System ? kSys : kSet;
        EXPECT_TRUE(reg.readValue(key, f.name).has_value()) << f.name;
    }
    EXPECT_EQ(s.StartTime2, 0);
    EXPECT_EQ(s.times.lateNightEnd.text(), " 5:00");
}

TEST_F(SettingsStoreTest, KeyWithoutSimeDayIsTreatedAsNew) {
    reg.writeValue(kSys, "Pass", ReverseText("secret"));
    reg.writeValue(kSet, "Kin01", "1");
    reg.writeValue(kSet, "Time11", " 9:00,18:00");
    reg.writeValue("Software\\Varnholt\\Zangyo\\Position", "Top.TZangyoMain", "5");
    Settings s;
    auto st = store();
    EXPECT_TRUE(st.LoadSettings(s).firstRun);
    EXPECT_EQ(s.Pass, "");
    EXPECT_EQ(s.pay.basicSalary, 200000);
    EXPECT_EQ(s.times.standardStart.text(), " 8:00");
    EXPECT_FALSE(reg.keyExists("Software\\Varnholt\\Zangyo\\Position"));
}

TEST_F(SettingsStoreTest, RepairsOfAnOlderKey) {
    reg.writeValue(kSys, "SimeDay", "0x1F");
    reg.writeValue(kSys, "StartTime", "1");
    reg.writeValue(kSys, "EndTime", "3");
    reg.writeValue(kSys, "ZangyoTime", "9");
    reg.writeValue(kSys, "SatHandon", "1");
    reg.writeValue(kSys, "FlexTime", "abc");
    reg.writeValue(kSys, "WindowSize", "junk");
    reg.writeValue(kSet, "Time12", "22:00, 0:00");
    reg.writeValue(kSet, "Time13", " 8:00,");
    reg.writeValue(kSet, "Time05", "13:00");
    reg.writeValue(kSet, "Time11", " 8:30,17:30");
    Settings s;
    auto st = store();
    EXPECT_FALSE(st.LoadSettings(s).firstRun);
    EXPECT_EQ(s.SimeDay, 31);
    EXPECT_EQ(s.StartTime2, 4);   // legacy 1 -> 20 minutes
    EXPECT_EQ(s.EndTime2, 5);     // legacy 3 -> 30 minutes
    EXPECT_EQ(s.ZangyoTime2, 0);  // unknown legacy index -> the first unit
    EXPECT_FALSE(s.SatHandon);
    EXPECT_FALSE(s.FlexTime);
    EXPECT_TRUE(s.WindowSize);
    EXPECT_EQ(s.times.lateNightEnd.text(), " 5:00");
    EXPECT_EQ(s.times.minimumOvertime.text(), " 0:00");
    EXPECT_EQ(s.times.breaks[4].first.text(), "");
    EXPECT_EQ(s.times.breaks[4].second.text(), "13:00");
    // Missing values take their defaults; missing Time14..17 are written.
    EXPECT_EQ(stored(kSet, "Time17"), "-8:00,");
    EXPECT_EQ(stored(kSet, "Time14"), " 4:00,");
    EXPECT_EQ(s.pay.basicSalary, 0);
    // The short-day times follow the standard start, in memory only.
    EXPECT_EQ(s.times.shortDayStart.text(), " 8:30");
    EXPECT_EQ(s.times.shortDayEnd.text(), "12:00");
    EXPECT_EQ(s.times.shortDayWork.text(), " 4:00");
    EXPECT_EQ(stored(kSet, "Time21"), "<absent>");

    ASSERT_TRUE(st.SaveSettings(s).ok());
    EXPECT_EQ(stored(kSys, "SatHandon"), "0");
    EXPECT_EQ(stored(kSys, "StartTime"), "1");  // legacy values go back as read
    EXPECT_EQ(stored(kSet, "Time21"), " 8:30,12:00");
}

TEST_F(SettingsStoreTest, SaveThenLoadGivesTheSameRecord) {
    Settings s;
    auto st = store();
    st.LoadSettings(s);
    s.Pass = "Ab漢字";
    s.KinPass = "kin";
    s.SimeDay = 20;
    s.NameTitle = "所属：総務課  氏名：山田 太郎";
    s.UseTime = {" 7:00", " 7:30", "", "18:00", "", "22:15"};
    s.UseMemo[9] = "出張,東京";
    s.CellColor[0] = 0x00FF00;
    s.pay.statutoryLateNightRate = 2500;
    ASSERT_TRUE(st.SaveSettings(s).ok());

    Settings back;
    auto st2 = store();
    st2.LoadSettings(back);
    for (const SettingField& f : SettingsSchema()) EXPECT_EQ(f.text(back), f.text(s)) << f.name;
    EXPECT_EQ(back.UseTime, s.UseTime);
    EXPECT_EQ(stored(kSet, "Time18"), " 7:00, 7:30");
    // Passwords are kept byte-reversed.
    EXPECT_EQ(reg.readValue(kSys, "Pass"), ReverseText(cp932::fromUtf8("Ab漢字")));
}

TEST_F(SettingsStoreTest, StartUserCopiesFollowTheStartUser) {
    Settings s;
    auto st = store("");
    st.LoadSettings(s);
    s.Pass = "start";
    s.EscKeyMin = true;
    st.SaveSettings(s);

    st.setCurrentUser("taro");
    Settings taro;
    st.LoadSettings(taro);
    taro.Pass = "other";
    taro.EscKeyMin = false;
    taro.WindowSize = false;
    st.SaveSettings(taro);
    EXPECT_EQ(st.startUserCopies().password, "start");
    EXPECT_TRUE(st.startUserCopies().EscKeyMin);
    EXPECT_TRUE(st.startUserCopies().WindowSize);
    EXPECT_EQ(stored("Software\\Varnholt\\Zangyo\\User\\taro\\System", "SaveInitialDir"),
              "/work/taro");
}

// Keys written before the setting existed get the current law; the setting
// travels with the registry only, the .SET file keeps its layout.
TEST_F(SettingsStoreTest, HolidayLawIsOnUnlessStoredOff) {
    reg.writeValue(kSys, "SimeDay", "31");
    Settings s;
    s.HolidayLaw = false;
    auto st = store();
    st.LoadSettings(s);
    EXPECT_TRUE(s.HolidayLaw);

    reg.writeValue(kSys, "HolidayLaw", "0");
    st.LoadSettings(s);
    EXPECT_FALSE(s.HolidayLaw);
    const std::string setBefore = BuildSetFile(s);
    s.HolidayLaw = true;
    ASSERT_TRUE(st.SaveSettings(s).ok());
    EXPECT_EQ(stored(kSys, "HolidayLaw"), "1");
    EXPECT_EQ(BuildSetFile(s), setBefore);
}

// The agreement's values: defaults for a key written before they existed,
// a round trip through the registry, and none of them in the .SET file.
TEST_F(SettingsStoreTest, AgreementValuesRoundTripOutsideTheSetFile) {
    reg.writeValue(kSys, "SimeDay", "31");
    Settings s;
    auto st = store();
    st.LoadSettings(s);
    EXPECT_EQ(s.KyoteiStartMonth, 4);
    EXPECT_FALSE(s.KyoteiVariable);
    EXPECT_FALSE(s.KyoteiSpecial);
    EXPECT_EQ(s.KyoteiMonthLimit.text(), " 45:00");
    EXPECT_EQ(s.KyoteiYearLimit.text(), "360:00");
    EXPECT_EQ(s.KyoteiSpecialYearLimit.text(), "720:00");
    EXPECT_EQ(s.KyoteiSingleMonthLimit.text(), "100:00");
    EXPECT_EQ(s.KyoteiAverageLimit.text(), " 80:00");
    EXPECT_EQ(s.KyoteiOverMonths, 6);
    EXPECT_EQ(s.KyoteiWarnPercent, 80);
    EXPECT_EQ(s.Premium60Rate, 0);

    const std::string setBefore = BuildSetFile(s);
    s.KyoteiStartMonth = 1;
    s.KyoteiVariable = true;
    s.KyoteiSpecial = true;
    s.KyoteiMonthLimit = " 42:00";
    s.KyoteiYearLimit = "320:00";
    s.KyoteiSpecialYearLimit = "700:00";
    s.KyoteiSingleMonthLimit = " 99:00";
    s.KyoteiAverageLimit = " 75:30";
    s.KyoteiOverMonths = 5;
    s.KyoteiWarnPercent = 90;
    s.Premium60Rate = 1875;
    ASSERT_TRUE(st.SaveSettings(s).ok());
    EXPECT_EQ(BuildSetFile(s), setBefore);
    std::string setFile;
    ASSERT_TRUE(ReadWholeFile(st.setFilePath(), setFile).ok());
    EXPECT_EQ(setFile, setBefore);
    EXPECT_EQ(stored(kSys, "KyoteiMonthLimit"), " 42:00");
    EXPECT_EQ(stored(kSys, "Premium60Rate"), "1875");

    Settings back;
    auto st2 = store();
    st2.LoadSettings(back);
    for (const SettingField& f : SettingsSchema()) EXPECT_EQ(f.text(back), f.text(s)) << f.name;
}

TEST(SetFile, EncodingAndLayout) {
    EXPECT_EQ(SetFileEncode("abc"), "\x31\x22\x13");
    EXPECT_EQ(SetFileEncode(""), "");
    EXPECT_EQ(ReverseText("abc"), "cba");

    Settings s;
    s.Pass = "ab";
    s.SimeDay = 20;
    s.FlexTime = true;
    s.pay.basicSalary = 200000;
    s.times.standardStart = " 8:00";
    s.times.standardEnd = "17:00";
    const std::string file = BuildSetFile(s);
    std::vector<std::string> lines;
    for (std::size_t pos = 0; pos < file.size();) {
        const std::size_t end = file.find("\r\n", pos);
        ASSERT_NE(end, std::string::npos);
        lines.push_back(file.substr(pos, end - pos));
        pos = end + 2;
    }
    ASSERT_EQ(lines.size(), 37u);
    EXPECT_EQ(lines[0], SetFileEncode("ba"));
    EXPECT_EQ(lines[1], SetFileEncode("20"));
    EXPECT_EQ(lines[2], SetFileEncode("1"));
    EXPECT_EQ(lines[3], SetFileEncode("200000"));
    EXPECT_EQ(lines[25], SetFileEncode(" 8:00") + SetFileEncode("17:00"));
}

TEST_F(SettingsStoreTest, SetFileLandsInTheUserFolder) {
    Settings s;
    auto st = store("taro");
    st.LoadSettings(s);
    EXPECT_EQ(st.setFilePath(), dir.path() + "/taro/tokivane.SET");
    EXPECT_TRUE(FileExists(dir.path() + "/taro/tokivane.SET"));
}

TEST(HalfDays, UnreadableTextGivesHalfADay) {
    Settings s;
    s.HanDayAM = "-1.0";
    s.HanDayPM = "x";
    const HalfDayValues v = HalfDayValuesOf(s);
    EXPECT_DOUBLE_EQ(v.morning, -1.0);
    EXPECT_DOUBLE_EQ(v.afternoon, -0.5);
}

// The desktop program holds its settings for hours; the command line
// changes one meanwhile. The program's save (as on closing) writes only what
// it changed itself, takes up the other value, and the .SET file follows.
TEST(SettingsMerge, AValueStoredElsewhereSurvivesTheLongHeldSave) {
    test::TestFolder dir;
    const std::string file = dir.file("registry.ini");
    IniRegistryStore desktopReg(file);
    SettingsStore desktop(desktopReg, dir.path(), "/work", "");
    Settings held;
    ASSERT_TRUE(desktop.LoadSettings(held).registry.ok());

    {
        IniRegistryStore cliReg(file);
        SettingsStore cli(cliReg, dir.path(), "/work", "");
        Settings s;
        ASSERT_TRUE(cli.LoadSettings(s).registry.ok());
        s.SimeDay = 20;
        s.UseMemo[0] = "from the command line";
        ASSERT_TRUE(cli.SaveSettings(s).ok());
    }

    held.UseMemo[1] = "from the window";
    ASSERT_TRUE(desktop.SaveSettings(held).ok());
    EXPECT_EQ(held.SimeDay, 20);  // taken up by the record
    EXPECT_EQ(held.UseMemo[0], "from the command line");

    IniRegistryStore after(file);
    SettingsStore check(after, dir.path(), "/work", "");
    Settings s;
    ASSERT_TRUE(check.LoadSettings(s).registry.ok());
    EXPECT_EQ(s.SimeDay, 20);
    EXPECT_EQ(s.UseMemo[0], "from the command line");
    EXPECT_EQ(s.UseMemo[1], "from the window");
    std::string setFile;
    ASSERT_TRUE(ReadWholeFile(check.setFilePath(), setFile).ok());
    EXPECT_EQ(setFile, BuildSetFile(s));
}

// Window positions and other single values written straight into the store
// go into the file as it is then, never over a newer copy of the whole.
TEST(SettingsMerge, RegistryFlushWritesOnlyItsOwnValues) {
    test::TestFolder dir;
    const std::string file = dir.file("registry.ini");
    IniRegistryStore a(file);
    IniRegistryStore b(file);
    a.writeValue("K", "x", "1");
    ASSERT_TRUE(a.flush().ok());
    b.writeValue("K", "y", "2");
    b.writeValue("K", "x", "1");
    ASSERT_TRUE(b.flush().ok());
    a.deleteValue("K", "x");
    ASSERT_TRUE(a.flush().ok());
    IniRegistryStore check(file);
    EXPECT_FALSE(check.readValue("K", "x").has_value());
    EXPECT_EQ(check.readValue("K", "y").value_or(""), "2");
}

}  // namespace
}  // namespace tkv
