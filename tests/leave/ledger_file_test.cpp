#include "leave/ledger_file.h"

#include <filesystem>
#include <ostream>
#include <string>

#include <gtest/gtest.h>

#include "base/cp932.h"
#include "base/param_names.h"
#include "base/test_folder.h"

namespace tkv {
namespace {

using namespace std::string_literals;
using test::ReadBytes;
using test::WriteBytes;

TEST(LeaveValue, StoredForm) {
    LeaveEntry e{"2024/04/01", "月", "有給", " -1.0", " 11.0", "通院", 0};
    EXPECT_EQ(FormatLeaveValue(e), "2024/04/01,月,有給, -1.0, 11.0,通院,,");
    e.memo = "a,b\r\nc";
    e.color = 0x0000FF;
    EXPECT_EQ(FormatLeaveValue(e), "2024/04/01,月,有給, -1.0, 11.0,a.b  c,$FF,");
    e.memo = "tab\there\x01\x7f";
    EXPECT_EQ(FormatLeaveValue(e), "2024/04/01,月,有給, -1.0, 11.0,tab here  ,$FF,");
    e.color = static_cast<int>(0x80000005u);  // a system colour survives the round trip
    EXPECT_EQ(ParseLeaveValue(FormatLeaveValue(e)).color, e.color);
}

struct ParseCase {
    const char* name;
    const char* value;
    LeaveEntry entry;
};

void PrintTo(const ParseCase& c, std::ostream* os) {
    const LeaveEntry& e = c.entry;
    *os << "[" << c.value << "] -> [" << e.date << "|" << e.weekday << "|" << e.kind << "|"
        << e.days << "|" << e.remaining << "|" << e.memo << "|" << e.color << "]";
}

class ParseValueTest : public ::testing::TestWithParam<ParseCase> {};

TEST_P(ParseValueTest, FillsWhatIsThere) {
    EXPECT_EQ(ParseLeaveValue(GetParam().value), GetParam().entry);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, ParseValueTest,
    ::testing::Values(
        ParseCase{"EveryField",
                  "2024/4/1,x,有給,-1,,memo,$FF,",
                  {"2024/4/1", "x", "有給", "-1", "", "memo", 255}},
        ParseCase{"DateOnly", "2024/4/1", {"2024/4/1", "", "", "", "", "", 0}},
        ParseCase{
            "CutAfterTheDays", "2024/4/1,月,有給,-1", {"2024/4/1", "月", "有給", "-1", "", "", 0}},
        ParseCase{"ExtraFields", "d,w,k,1,2,m,255,extra,more", {"d", "w", "k", "1", "2", "m", 255}},
        ParseCase{"ColourName", "d,w,k,1,2,m,red,", {"d", "w", "k", "1", "2", "m", 0}},
        ParseCase{"ColourTooLong", "d,w,k,1,2,m,$FFFFFFFFFFFF,", {"d", "w", "k", "1", "2", "m", 0}},
        ParseCase{"Empty", "", {}}),
    test::ByName());

TEST(LedgerFile, LoadsStoredValuesAndRecalculates) {
    test::TestFolder dir;
    const std::string path = dir.file("Vacation.dat");
    WriteBytes(path, cp932::fromUtf8("[System]\r\nKuriZan=  12\r\nNowZan=999\r\n[VacationData]\r\n"
                                     "  2=2024/5/1,?,増加,20,,grant,,\r\n"
                                     "  1=2024/4/1,何でも,有給,-1,,通院,$FF,\r\n"));
    Ledger ledger;
    ASSERT_TRUE(LoadLedger(ledger, path).ok());
    EXPECT_FALSE(ledger.HasUnsavedChanges());
    const LeaveEntry& first = ledger.entry(1);
    EXPECT_EQ(first.date, "2024/04/01");
    EXPECT_EQ(first.weekday, "月");
    EXPECT_EQ(first.days, " -1.0");
    EXPECT_EQ(first.remaining, " 11.0");
    EXPECT_EQ(first.color, 0x0000FF);
    EXPECT_EQ(ledger.entry(2).remaining, " 31.0");
    EXPECT_EQ(ledger.KuriZan(), "12.0");
    EXPECT_EQ(ledger.CurrentBalance(), "31.0");
}

TEST(LedgerFile, SaveWritesTheFileAndKeepsForeignContent) {
    test::TestFolder dir;
    const std::string path = dir.file("Vacation.dat");
    WriteBytes(path,
               cp932::fromUtf8("[Other]\r\nx=1\r\n[VacationData]\r\n7=2024/01/09,,有給,-1,,,,\r\n"
                               "600=kept\r\n"));
    Ledger ledger;
    ASSERT_TRUE(LoadLedger(ledger, path).ok());
    ledger.entry(2).date = "2024/1/10";
    ledger.entry(2).kind = "午後";
    ledger.entry(2).days = "-0.5";
    ledger.entry(2).memo = "歯医者, 午後";
    ASSERT_TRUE(ledger.HasUnsavedChanges());
    ASSERT_TRUE(SaveLedger(ledger, path).ok());
    EXPECT_FALSE(ledger.HasUnsavedChanges());

    EXPECT_EQ(cp932::toUtf8(ReadBytes(path)),
              "[Other]\r\nx=1\r\n[VacationData]\r\n600=kept\r\n"
              "  1=2024/01/09,火,有給, -1.0, -1.0,,,\r\n"
              "  2=2024/01/10,水,午後, -0.5, -1.5,歯医者. 午後,,\r\n"
              "[System]\r\nKuriZan=0.0\r\nNowZan=-1.5\r\n");

    Ledger again;
    ASSERT_TRUE(LoadLedger(again, path).ok());
    EXPECT_EQ(again.entry(2).memo, "歯医者. 午後");
    EXPECT_EQ(again.entry(2).remaining, ledger.entry(2).remaining);
}

// Entries of one date come back from the file in the order they were saved,
// so saving again writes the same bytes.
TEST(LedgerFile, EqualDatesSurviveTheRoundTrip) {
    test::TestFolder dir;
    const std::string path = dir.file("Vacation.dat");
    Ledger ledger;
    for (int i = 1; i <= 40; ++i) {
        ledger.entry(i).date = i % 2 == 0 ? "2024/04/10" : "2024/4/9";
        ledger.entry(i).kind = "有給";
        ledger.entry(i).days = "-1";
        ledger.entry(i).memo = std::to_string(i);
    }
    ASSERT_TRUE(SaveLedger(ledger, path).ok());
    const std::string first = ReadBytes(path);

    Ledger again;
    ASSERT_TRUE(LoadLedger(again, path).ok());
    EXPECT_EQ(again.entry(1).memo, "1");
    EXPECT_EQ(again.entry(20).memo, "39");
    EXPECT_EQ(again.entry(21).memo, "2");
    EXPECT_EQ(again.entry(40).memo, "40");
    ASSERT_TRUE(SaveLedger(again, path).ok());
    EXPECT_EQ(ReadBytes(path), first);
}

// A slot is found by its number with blanks around it ignored: the first
// of two lines for slot 7 is read and both go at the save; "07", "501" and
// other keys are not slots and stay.
TEST(LedgerFile, SlotKeysAsTheIniLookupReadsThem) {
    test::TestFolder dir;
    const std::string path = dir.file("Vacation.dat");
    WriteBytes(path, cp932::fromUtf8("[VacationData]\r\n 7 =2024/04/02,,有給,-1,,first,,\r\n"
                                     "07=kept\r\n7=2024/04/03,,有給,-1,,second,,\r\n"
                                     "501=2024/04/04,,有給,-1,,,,\r\nnote=kept too\r\n"
                                     "  2=2024/04/01,,有給,-1,,,,\r\n"));
    Ledger ledger;
    ASSERT_TRUE(LoadLedger(ledger, path).ok());
    ASSERT_EQ(ledger.entryCount(), 2);
    EXPECT_EQ(ledger.entry(1).date, "2024/04/01");
    EXPECT_EQ(ledger.entry(2).memo, "first");
    ASSERT_TRUE(SaveLedger(ledger, path).ok());
    EXPECT_EQ(cp932::toUtf8(ReadBytes(path)),
              "[VacationData]\r\n07=kept\r\n501=2024/04/04,,有給,-1,,,,\r\nnote=kept too\r\n"
              "  1=2024/04/01,月,有給, -1.0, -1.0,,,\r\n"
              "  2=2024/04/02,火,有給, -1.0, -2.0,first,,\r\n"
              "[System]\r\nKuriZan=0.0\r\nNowZan=-2.0\r\n");
}

TEST(LedgerFile, DamagedFileLoadsWithFallbacks) {
    test::TestFolder dir;
    const std::string path = dir.file("Vacation.dat");
    std::string bytes = "\xFF\xFE\x81\r\n[System]\r\nKuriZan=1e400\r\nNowZan\r\n[VacationData\r\n";
    bytes += "1=2024/04/01,\x82,\xFF\xFF,99999999999999999999,1e308,memo\x81";
    bytes += ",$FFFFFFFFF,\r\n";
    bytes += "2=2024/04/02,,有給,-1e300,";  // cut off here
    bytes += "\r\n3=\0\0\0,,,\r\n"s;        // NUL bytes in a value: the literal's whole length
    bytes += "4=,,,,,,\r\n5\r\n=\r\n 6 = 0/0/0,,,5,,,\r\n";
    bytes += "7=9999/99/99,,,-1.26\r\n8=2024/04/03,,," + std::string(5000, '9') + ",\r\n";
    bytes += "501=2024/04/04,,,-1,,,,\r\n[Sys";
    WriteBytes(path, bytes);

    Ledger ledger;
    ASSERT_TRUE(LoadLedger(ledger, path).ok());
    ASSERT_EQ(ledger.entryCount(), 4);
    EXPECT_EQ(ledger.KuriZan(), "0.0");
    const char* expected[][2] = {{"2024/04/01", "  0.0"},
                                 {"2024/04/02", "  0.0"},
                                 {"2024/04/03", "  0.0"},
                                 {"9999/99/99", " -1.3"}};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(ledger.entry(i + 1).date, expected[i][0]);
        EXPECT_EQ(ledger.entry(i + 1).days, expected[i][1]);
        EXPECT_EQ(ledger.entry(i + 1).color, 0);
    }
    EXPECT_EQ(ledger.CurrentBalance(), "-1.3");
    EXPECT_TRUE(SaveLedger(ledger, path).ok());
}

TEST(LedgerFile, MissingUnreadableAndUnwritableFiles) {
    test::TestFolder dir;
    Ledger ledger;
    ledger.AddLeaveEntry("2024/04/01", "有", 0, "");
    EXPECT_TRUE(LoadLedger(ledger, dir.file("Vacation.dat")).ok());
    EXPECT_EQ(ledger.entryCount(), 0);
    EXPECT_EQ(ledger.CurrentBalance(), "0.0");
    EXPECT_FALSE(ledger.HasUnsavedChanges());

    // A folder where the file should be cannot be read, so it is not replaced either.
    const std::string blocked = dir.file("blocked");
    std::filesystem::create_directory(blocked);
    EXPECT_FALSE(LoadLedger(ledger, blocked).ok());
    ledger.AddLeaveEntry("2024/04/01", "有", 0, "");
    EXPECT_FALSE(SaveLedger(ledger, blocked).ok());
    EXPECT_TRUE(std::filesystem::is_directory(blocked));

    const IoResult failed = SaveLedger(ledger, dir.file("no/such/folder/Vacation.dat"));
    EXPECT_EQ(failed.error, IoError::WriteFailed);
    EXPECT_TRUE(ledger.HasUnsavedChanges());
}

}  // namespace
}  // namespace tkv
