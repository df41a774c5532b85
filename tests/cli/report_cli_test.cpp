#include <cstdio>
#include <filesystem>
#include <sstream>
#include <string>
#include <unistd.h>
#include <vector>

#include <gtest/gtest.h>

#include "base/atomic_file.h"
#include "base/cp932.h"
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

// A March 2004 with a working day, a holiday with overtime and a memo that
// would break an unquoted CSV line (the month file keeps no commas in memos,
// double quotes it does).
void fillMarch(const CliRunner& cli) {
    ASSERT_EQ(
        cli.run({"day", "2004-03-01", "--in", "9:00", "--out", "18:30", "--memo", "会議\"A\""})
            .exitCode,
        0);
    ASSERT_EQ(cli.run({"day", "2004-03-20", "--in", "10:00", "--out", "11:30"}).exitCode, 0);
}

std::string readFile(const std::string& path) {
    std::string bytes;
    ReadWholeFile(path, bytes);
    return bytes;
}

TEST(CsvMonthCli, WritesTheMonthAsCp932ToStandardOutput) {
    CliRunner cli;
    fillMarch(cli);
    const std::string monthFile = cli.readData("200403.dat");
    const std::string registry = readFile(cli.configDir() + "/registry.ini");
    const auto r = cli.run({"csv", "month", "2004", "3", "--out", "-"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    const std::string expectedStart = cp932::fromUtf8(
        "日付,曜日,休日,出勤,退社,普通,深夜,合計,勤務,メモ\r\n"
        "2004/3/1,月,,9:00,18:30,1:30,,1:30,8:30,\"会議\"\"A\"\"\"\r\n"
        "2004/3/2,火,,,,,,,,\r\n");
    EXPECT_EQ(r.out.substr(0, expectedStart.size()), expectedStart);
    const auto l = lines(cp932::toUtf8(r.out));
    ASSERT_EQ(l.size(), 1u + 31 + 1);
    EXPECT_EQ(l[20], "2004/3/20,土,休日,10:00,11:30,1:30,,1:30,1:30,春分の日\r");
    EXPECT_EQ(l[32], "合計,,,,,3:00,0:00,3:00,10:00,\r");
    // Nothing was saved and no setting changed.
    EXPECT_EQ(cli.readData("200403.dat"), monthFile);
    EXPECT_EQ(readFile(cli.configDir() + "/registry.ini"), registry);
}

TEST(CsvMonthCli, DefaultFileNameAndOut) {
    CliRunner cli;
    ASSERT_EQ(cli.run({"settings", "set", "CSVNameAdd", "1"}).exitCode, 0);
    ASSERT_EQ(cli.run({"settings", "set", "CSVFileName", "山田"}).exitCode, 0);
    auto r = cli.run({"csv", "month", "2004", "3"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, "山田 2004年3月.csv\n");
    const std::string bytes = readFile(cli.workDir() + "/山田 2004年3月.csv");
    EXPECT_EQ(bytes.substr(0, 5), cp932::fromUtf8("日付,"));

    r = cli.run({"csv", "month", "2004", "3", "--out", "sub.csv"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, "sub.csv\n");
    EXPECT_EQ(readFile(cli.workDir() + "/sub.csv"), bytes);
}

TEST(CsvMonthCli, UnwritableFileChangesNothing) {
    CliRunner cli;
    auto r = cli.run({"csv", "month", "2004", "3", "--out", "no/such/folder/x.csv"});
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_EQ(r.out, "");
    EXPECT_NE(r.err.find("no/such/folder/x.csv"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(cli.workDir() + "/no"));

    // A folder that refuses new files keeps its old CSV as it was.
    const std::string folder = cli.workDir() + "/locked";
    std::filesystem::create_directory(folder);
    WriteFileAtomically(folder + "/old.csv", "old");
    std::filesystem::permissions(
        folder, std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
    r = cli.run({"csv", "month", "2004", "3", "--out", "locked/old.csv"});
    std::filesystem::permissions(folder, std::filesystem::perms::owner_all);
    if (::geteuid() != 0) {  // root writes anywhere
        EXPECT_EQ(r.exitCode, 2);
        EXPECT_EQ(readFile(folder + "/old.csv"), "old");
    }
}

TEST(CsvMonthCli, Usage) {
    CliRunner cli;
    EXPECT_EQ(cli.run({"csv", "month", "2004"}).exitCode, 1);
    EXPECT_EQ(cli.run({"csv", "year", "2004", "3"}).exitCode, 1);
    EXPECT_EQ(cli.run({"csv", "month", "2004", "13"}).exitCode, 1);
    EXPECT_EQ(cli.run({"csv", "month", "2004", "3", "--out"}).exitCode, 1);
    const auto help = cli.run({"csv", "--help"});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_NE(help.out.find("csv month YEAR MONTH"), std::string::npos);
}

// An unsorted ledger as hand edits leave it: dates without zeros, days as
// typed, no remaining column.
const char* const kLedger =
    "[System]\r\nKuriZan=11\r\nNowZan=0.0\r\n[VacationData]\r\n"
    "  1=2024/4/5,x,午前,-0.5,,memo text,,\r\n"
    "  2=2024/04/02,,有給,-1,,,,\r\n"
    "  3=2024/04/01,,増加,1,,付与,$FF,\r\n";

TEST(CsvLeaveCli, WritesTheLedgerSortedAndRecalculatedWithoutSavingIt) {
    CliRunner cli;
    cli.writeData("Vacation.dat", cp932::fromUtf8(kLedger));
    ASSERT_EQ(cli.run({"settings", "get", "CSVNameAdd"}).exitCode, 0);  // the first run stores them
    const std::string registry = readFile(cli.configDir() + "/registry.ini");
    const auto r = cli.run({"csv", "leave", "--out", "-"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, cp932::fromUtf8("No,日付,曜日,区分,日数,残数,メモ\r\n"
                                     "1,2024/4/1,月,増加,1.0,12.0,付与\r\n"
                                     "2,2024/4/2,火,有給,-1.0,11.0,\r\n"
                                     "3,2024/4/5,金,午前,-0.5,10.5,memo text\r\n"));
    EXPECT_EQ(cli.readData("Vacation.dat"), cp932::fromUtf8(kLedger));
    EXPECT_EQ(readFile(cli.configDir() + "/registry.ini"), registry);
}

TEST(CsvLeaveCli, FileNameAndPersonalLineFromTheSettings) {
    CliRunner cli;
    cli.writeData("Vacation.dat", cp932::fromUtf8(kLedger));
    auto r = cli.run({"csv", "leave"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, "有給休暇.csv\n");
    EXPECT_EQ(readFile(cli.workDir() + "/有給休暇.csv").substr(0, 3), "No,");

    for (const auto& [name, value] : {std::pair{"CSVNameAdd", "1"},
                                      {"CSVFileName", "山田"},
                                      {"CSVPrivateInfoAdd", "1"},
                                      {"CSVPrivateInfo", "社員 42"}})
        ASSERT_EQ(cli.run({"settings", "set", name, value}).exitCode, 0);
    r = cli.run({"csv", "leave"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, "山田 有給休暇.csv\n");
    const std::string bytes = readFile(cli.workDir() + "/山田 有給休暇.csv");
    EXPECT_EQ(bytes.substr(0, bytes.find("No,")), cp932::fromUtf8("社員 42\r\n"));
    EXPECT_EQ(cli.run({"csv", "leave", "--out", "-"}).out, bytes);
}

TEST(CsvLeaveCli, UnwritableTargetKeepsTheOldFile) {
    CliRunner cli;
    cli.writeData("Vacation.dat", cp932::fromUtf8(kLedger));
    const std::string folder = cli.workDir() + "/locked";
    std::filesystem::create_directory(folder);
    WriteFileAtomically(folder + "/有給休暇.csv", "old");
    std::filesystem::permissions(
        folder, std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
    const auto r = cli.run({"csv", "leave", "--out", "locked/有給休暇.csv"});
    std::filesystem::permissions(folder, std::filesystem::perms::owner_all);
    if (::geteuid() != 0) {  // root writes anywhere
        EXPECT_EQ(r.exitCode, 2);
        EXPECT_EQ(r.out, "");
        EXPECT_NE(r.err.find("locked/有給休暇.csv"), std::string::npos) << r.err;
        EXPECT_EQ(readFile(folder + "/有給休暇.csv"), "old");
    }
    // Also for root: a file where the folder should be.
    WriteFileAtomically(cli.workDir() + "/plain.txt", "plain");
    EXPECT_EQ(cli.run({"csv", "leave", "--out", "plain.txt/有給休暇.csv"}).exitCode, 2);
    EXPECT_EQ(readFile(cli.workDir() + "/plain.txt"), "plain");
    EXPECT_EQ(cli.run({"csv", "leave", "x"}).exitCode, 1);
    EXPECT_EQ(cli.run({"csv", "leave", "--out"}).exitCode, 1);
}

TEST(PrintMonthCli, Lines) {
    CliRunner cli;
    fillMarch(cli);
    const auto r = cli.run({"print", "month", "2004", "3", "--lines"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    const auto l = lines(r.out);
    ASSERT_EQ(l.size(), 4u + 1 + 31);
    EXPECT_EQ(l[0],
              " 会社平日 会社休日 平日出勤 休日出勤 出勤合計 有給休暇  代休日  欠勤日 月間日数  ");
    // 23 company days, 8 days off (3/20 fell on a Saturday), one day worked of each kind.
    EXPECT_EQ(l[1],
              "    23日      8日      1日      1日      2日    0.0日     0日     0日    31日");
    EXPECT_EQ(l[3],
              "    1:30      0:00      1:30      0:00      3:00      0:00      3:00     10:00");
    EXPECT_EQ(cp932::byteLength(l[4]), 81);
    EXPECT_EQ(l[5], "  3/ 1  月         9:00  18:30   1:30          1:30   8:30  会議\"A\"" +
                        std::string(13, ' ') + "  ");
    EXPECT_EQ(l[24], "  3/20  土  休日  10:00  11:30 [ 1:30]       [ 1:30][ 1:30] 春分の日" +
                         std::string(12, ' ') + "  ");
}

TEST(PrintMonthCli, PdfHoldsTheTitleAndTheRecords) {
    CliRunner cli;
    fillMarch(cli);
    const std::string pdf = cli.workDir() + "/march.pdf";
    const auto r = cli.run({"print", "month", "2004", "3", "--pdf", pdf});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, "");  // Qt's own notes stay out of the terminal
    EXPECT_EQ(readFile(pdf).substr(0, 5), "%PDF-");

    if (std::system("command -v pdftotext >/dev/null 2>&1") != 0)
        GTEST_SKIP() << "pdftotext is not installed";
    const std::string txt = cli.workDir() + "/march.txt";
    ASSERT_EQ(std::system(("pdftotext -layout '" + pdf + "' '" + txt + "'").c_str()), 0);
    const std::string text = readFile(txt);
    EXPECT_NE(text.find("残業時間一覧表"), std::string::npos) << text;
    EXPECT_NE(text.find("2004年 3月分"), std::string::npos) << text;
    // The first day's line, its columns as the layout keeps them.
    const std::size_t day1 = text.find("3/ 1");
    ASSERT_NE(day1, std::string::npos) << text;
    const std::string line = text.substr(day1, text.find('\n', day1) - day1);
    for (const char* part : {"月", "9:00", "18:30", "1:30", "8:30", "会議\"A\""})
        EXPECT_NE(line.find(part), std::string::npos) << part << " in " << line;
}

TEST(PrintMonthCli, UnwritablePdfAndUsage) {
    CliRunner cli;
    EXPECT_EQ(cli.run({"print", "month", "2004", "3", "--pdf", "no/such/x.pdf"}).exitCode, 2);
    EXPECT_EQ(cli.run({"print", "month", "2004", "3"}).exitCode, 1);
    EXPECT_EQ(cli.run({"print", "month", "2004", "3", "--pdf"}).exitCode, 1);
    EXPECT_EQ(cli.run({"print", "--help"}).exitCode, 0);
}

}  // namespace
}  // namespace tkv
