#include <algorithm>
#include <sys/stat.h>

#include <gtest/gtest.h>

#include "base/cp932.h"
#include "base/ini_file.h"
#include "base/param_names.h"
#include "cli/cli_runner.h"

namespace tkv {
namespace {

using test::CliRunner;

// Input the day and settings commands refuse with a usage error, leaving
// every file as it was.
struct RefusedCase {
    const char* name;
    std::vector<std::string> args;
};

void PrintTo(const RefusedCase& c, std::ostream* os) {
    *os << c.name;
}

const RefusedCase kRefused[] = {
    {"MemoWithCrLf", {"day", "2024-04-05", "--memo", "note\r\n 6=4/6,土,有給,,,,,x,,,,,,,"}},
    {"MemoWithLf", {"day", "2024-04-05", "--memo", "a\nb"}},
    {"MemoWithTab", {"day", "2024-04-05", "--memo", "a\tb"}},
    {"MemoWithDel", {"day", "2024-04-05", "--memo", "a\x7f"}},
    {"KindWithCr", {"day", "2024-04-05", "--kind", "有給\r"}},
    {"ArrivalOutOfRange", {"day", "2024-04-05", "--in", "99:99"}},
    {"ArrivalLetters", {"day", "2024-04-05", "--in", "abc"}},
    {"ArrivalExponent", {"day", "2024-04-05", "--in", "1e9"}},
    {"LeavingManyDigits", {"day", "2024-04-05", "--out", "99999999999"}},
    {"LeavingNegative", {"day", "2024-04-05", "--out", "-1:00"}},
    {"LeavingPast48", {"day", "2024-04-05", "--out", "48:01"}},
    {"SettingWithSection", {"settings", "set", "UseMemo01", "x\r\n[Software\\Other]\r\nA=1"}},
    {"SettingWithLf", {"settings", "set", "UseMemo01", "x\ny"}},
    {"UserWithBracket", {"--user", "a]b", "month", "2024", "4"}},
    {"UserWithOpenBracket", {"--user", "[a", "month", "2024", "4"}},
    {"UserWithEquals", {"--user", "a=b", "month", "2024", "4"}},
};

class RefusedInput : public ::testing::TestWithParam<RefusedCase> {};

TEST_P(RefusedInput, ExitsOneAndWritesNothing) {
    CliRunner cli;
    ASSERT_EQ(cli.run({"day", "2024-04-06", "--memo", "six"}).exitCode, 0);
    ASSERT_EQ(cli.run({"settings", "set", "UseMemo01", "kept"}).exitCode, 0);
    const std::string month = cli.readData("202404.dat");
    const std::string ledger = cli.readData("Vacation.dat");

    const auto r = cli.run(GetParam().args);
    EXPECT_EQ(r.exitCode, 1) << r.err;
    EXPECT_FALSE(r.err.empty());
    EXPECT_EQ(cli.readData("202404.dat"), month);
    EXPECT_EQ(cli.readData("Vacation.dat"), ledger);
    EXPECT_EQ(cli.run({"settings", "get", "UseMemo01"}).out, "kept\n");
    EXPECT_EQ(cli.run({"month", "2024", "4"}).out.find("\tsix\n") != std::string::npos, true);
}

INSTANTIATE_TEST_SUITE_P(Cases, RefusedInput, ::testing::ValuesIn(kRefused), test::ByName());

struct TimeCase {
    const char* name;
    const char* typed;
    const char* stored;  // the arrival cell after the save
};

void PrintTo(const TimeCase& c, std::ostream* os) {
    *os << c.typed;
}

// Every form the time reading takes stays accepted.
const TimeCase kTimes[] = {
    {"Digits", "830", " 8:30"},
    {"FullWidth", "８：３０", " 8:30"},
    {"MinutesPastSixty", "25:99", "26:39"},
    {"Blanks", " 9:00 ", " 9:00"},
    {"LeadingZeros", "0000830", " 8:30"},
    {"Limit", "48:00", "48:00"},
    {"Empty", "", ""},
};

class AcceptedTime : public ::testing::TestWithParam<TimeCase> {};

TEST_P(AcceptedTime, IsStored) {
    CliRunner cli;
    ASSERT_EQ(cli.run({"day", "2024-04-05", "--in", "7:00"}).exitCode, 0);
    const auto r = cli.run({"day", "2024-04-05", "--in", GetParam().typed});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    IniFile ini;
    ini.load(cli.dataDir() + "/202404.dat");
    const std::string line = ini.readString("DayData", "5");
    const std::size_t a = line.find(',', line.find(',', line.find(',') + 1) + 1) + 1;
    EXPECT_EQ(line.substr(a, line.find(',', a) - a), GetParam().stored) << line;
}

INSTANTIATE_TEST_SUITE_P(Cases, AcceptedTime, ::testing::ValuesIn(kTimes), test::ByName());

TEST(FileText, ControlCharactersReadFromAFileBecomeBlanks) {
    CliRunner cli;
    // A hand-edited month whose memo holds a CR and a TAB inside the line.
    cli.writeData(
        "202404.dat",
        cp932::fromUtf8("[System]\r\nLastDay=30\r\n[DayData]\r\n"
                        " 5= 4/ 5,金,  ,,,,,a\rb\tc,,,,,,,\r\n 6= 4/ 6,土,  ,,,,,six,,,,,,,\r\n"));
    ASSERT_EQ(cli.run({"recalc", "2024", "4"}).exitCode, 0);
    IniFile ini;
    ini.load(cli.dataDir() + "/202404.dat");
    EXPECT_EQ(ini.readString("DayData", "5").find(",a b c,") != std::string::npos, true);
    EXPECT_EQ(ini.readString("DayData", "6").find(",six,") != std::string::npos, true);
    EXPECT_EQ(cli.readData("202404.dat").find('\t'), std::string::npos);
}

// Two commands on different days of one month, run at the same moment,
// round after round: every edit and every ledger line stays.
TEST(Concurrency, TwoDayCommandsLoseNothing) {
    CliRunner cli;
    for (int round = 0; round < 50; ++round) {
        const std::string memo = "m" + std::to_string(round);
        const int leaveDay = 15 + round % 14;
        const std::string leaveDate = "2024-04-" + std::to_string(leaveDay);
        const auto r = cli.runTogether(
            {{"day", "2024-04-0" + std::to_string(1 + round % 9), "--memo", memo},
             {"day", leaveDate, "--kind", round % 2 ? "有給" : "前", "--memo", memo}});
        ASSERT_EQ(r[0].exitCode, 0) << r[0].err;
        ASSERT_EQ(r[1].exitCode, 0) << r[1].err;
        IniFile month;
        month.load(cli.dataDir() + "/202404.dat");
        ASSERT_NE(month.readString("DayData", std::to_string(1 + round % 9)).find("," + memo + ","),
                  std::string::npos)
            << "round " << round;
        ASSERT_NE(month.readString("DayData", std::to_string(leaveDay)).find("," + memo + ","),
                  std::string::npos)
            << "round " << round;
        const std::string ledger = cli.run({"ledger"}).out;
        ASSERT_NE(ledger.find("2024/04/" + std::to_string(leaveDay)), std::string::npos)
            << "round " << round << "\n"
            << ledger;
    }
    // Every leave day once, with the kind of its last round.
    const std::string ledger = cli.run({"ledger"}).out;
    EXPECT_EQ(std::count(ledger.begin(), ledger.end(), '\n'), 2 + 14) << ledger;
}

// A month file the person made read-only is reported and left alone. The
// check is on the file's mode, so it holds for root as well.
TEST(ReadOnly, AMonthFileWithoutWriteBitsIsLeftAlone) {
    CliRunner cli;
    ASSERT_EQ(cli.run({"day", "2024-04-05", "--memo", "kept"}).exitCode, 0);
    const std::string path = cli.dataDir() + "/202404.dat";
    const std::string before = cli.readData("202404.dat");
    ASSERT_EQ(::chmod(path.c_str(), 0400), 0);
    const auto r = cli.run({"day", "2024-04-05", "--memo", "changed"});
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_NE(r.err.find("202404.dat"), std::string::npos) << r.err;
    EXPECT_EQ(cli.readData("202404.dat"), before);
    EXPECT_EQ(cli.run({"ledger"}).exitCode, 0);
}

}  // namespace
}  // namespace tkv
