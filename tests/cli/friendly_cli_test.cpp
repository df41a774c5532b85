#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "base/param_names.h"
#include "cli/cli_runner.h"

namespace tkv {
namespace {

using test::CliRunner;

std::vector<std::string> lines(const std::string& out) {
    std::vector<std::string> v;
    std::istringstream in(out);
    for (std::string l; std::getline(in, l);) v.push_back(l);
    return v;
}

struct RepairCase {
    const char* name;
    const char* setting;
    const char* value;
    const char* notice;  // the whole of stderr
};

void PrintTo(const RepairCase& c, std::ostream* os) {
    *os << c.setting << " " << c.value;
}

class SettingsRepairNotice : public ::testing::TestWithParam<RepairCase> {};

TEST_P(SettingsRepairNotice, SaysWhatWasKept) {
    const RepairCase& c = GetParam();
    CliRunner cli;
    const auto r = cli.run({"settings", "set", c.setting, c.value});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.err, c.notice);
    EXPECT_EQ(r.out, "");
}

const RepairCase kRepairCases[] = {
    {"NotANumber", "SimeDay", "abc", "SimeDay abc → 31\n"},
    {"KeptAsGiven", "SimeDay", "20", ""},
    {"BooleanWord", "FlexTime", "yes", "FlexTime yes → 0\n"},
    {"LateNightEndNeverZero", "Time12", "22:00, 0:00", "Time12 22:00, 0:00 → 22:00, 5:00\n"},
    {"LateNightEndFilledIn", "Time12", ",", "Time12 , → , 5:00\n"},
    {"TimeKeptAsTyped", "Time11", "8:30,17:30", ""},
    {"PasswordNeverEchoed", "Pass", "Secret", ""},
};

INSTANTIATE_TEST_SUITE_P(Cases, SettingsRepairNotice, ::testing::ValuesIn(kRepairCases),
                         test::ByName());

TEST(SettingsDescribe, EveryValueHasItsMeaning) {
    CliRunner cli;
    const auto plain = lines(cli.run({"settings", "list"}).out);
    const auto r = cli.run({"settings", "list", "--describe"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    const auto described = lines(r.out);
    ASSERT_EQ(described.size(), plain.size());
    for (std::size_t i = 0; i < plain.size(); ++i) {
        // The plain line, then TAB and a text that is not empty.
        ASSERT_EQ(described[i].rfind(plain[i] + "\t", 0), 0u) << described[i];
        EXPECT_GT(described[i].size(), plain[i].size() + 1) << described[i];
    }
    EXPECT_NE(r.out.find("Kin07\t80\t手取り掛け率"), std::string::npos);
    EXPECT_NE(r.out.find("SimeDay\t31\t残業締日"), std::string::npos);
}

TEST(SettingsDescribe, OtherOptionsAreRefused) {
    CliRunner cli;
    EXPECT_EQ(cli.run({"settings", "list", "--describes"}).exitCode, 1);
    EXPECT_EQ(cli.run({"settings", "get", "SimeDay", "--describe"}).exitCode, 1);
}

TEST(MonthHuman, AlignedTableWithTotals) {
    CliRunner cli;
    ASSERT_EQ(cli.run({"day", "2004-03-02", "--in", "8:50", "--out", "19:10", "--memo", "棚卸し"})
                  .exitCode,
              0);
    const auto r = cli.run({"month", "2004", "3", "--human"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    const auto l = lines(r.out);
    ASSERT_EQ(l.size(), 2u + 1 + 31 + 1 + 7);  // heading, blank, titles, days, blank, totals
    EXPECT_EQ(l[0], "2004年3月");
    EXPECT_EQ(l[2], "日 付  曜  休  出 社  退 社  普 通  深 夜  勤 務  メ モ");
    EXPECT_EQ(l[3], " 3/ 1  月");
    EXPECT_EQ(l[4], " 3/ 2  火       8:50  19:10   2:10          9:20  棚卸し");
    // The five empty times keep their columns, so the memo lines up.
    EXPECT_EQ(l[22], " 3/20  土  ○" + std::string(37, ' ') + "春分の日");
    EXPECT_EQ(l[34], "");
    EXPECT_EQ(l[35], "出勤日数         1");
    EXPECT_EQ(l[37], "普通残業      2:10");
    EXPECT_EQ(l[41], "勤務時間      9:20");
}

TEST(MonthHuman, DefaultOutputIsUnchanged) {
    CliRunner cli;
    const auto plain = cli.run({"month", "2004", "3"});
    const auto again = cli.run({"month", "2004", "3"});
    EXPECT_EQ(plain.out, again.out);
    EXPECT_EQ(lines(plain.out)[0], " 3/ 1\t月\t  \t\t\t\t\t\t");
}

TEST(MonthHuman, RecalcSavesAndPrintsTheTable) {
    CliRunner cli;
    const auto r = cli.run({"recalc", "--human", "2004", "3"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(lines(r.out)[0], "2004年3月");
    EXPECT_FALSE(cli.readData("200403.dat").empty());
}

TEST(MonthHuman, UnknownOptionsStayUsageErrors) {
    CliRunner cli;
    EXPECT_EQ(cli.run({"month", "2004", "3", "--humane"}).exitCode, 1);
}

}  // namespace
}  // namespace tkv
