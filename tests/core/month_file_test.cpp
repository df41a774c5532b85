#include "core/month_file.h"

#include <filesystem>

#include <gtest/gtest.h>

#include "base/atomic_file.h"
#include "base/cp932.h"
#include "base/ini_file.h"
#include "base/test_folder.h"
#include "base/text_util.h"
#include "core/month_builders.h"
#include "settings/holiday_list.h"
#include "settings/settings.h"

namespace tkv {
namespace {

class MonthFileTest : public ::testing::Test {
protected:
    std::string path() const { return dir.file("200403.dat"); }
    MonthRecord load(YearMonth ym = {2004, 3}) {
        MonthRecord m;
        LoadMonth(m, ym, path(), s, holidays);
        return m;
    }

    test::TestFolder dir;
    Settings s = test::FirstRunSettings();
    AnnualHolidayTable holidays = AnnualHolidayTable::Defaults();
};

TEST_F(MonthFileTest, MissingFileBuildsTheMonthFromTheCalendar) {
    MonthRecord m;
    const MonthLoadResult r = LoadMonth(m, {2004, 3}, path(), s, holidays);
    EXPECT_FALSE(r.fromFile);
    EXPECT_EQ(m.LastDay, 31);
    EXPECT_EQ(m.day(20).cell(DayColumn::Memo), "春分の日");
    EXPECT_FALSE(m.hasUnsavedChanges());
}

TEST_F(MonthFileTest, SavedLinesAreByteExactAndReadBackEqual) {
    MonthRecord m = load();
    DayRow& d1 = m.day(1);  // Monday 1 March 2004
    d1.cell(DayColumn::Arrival) = "8:30";
    d1.cell(DayColumn::Leaving) = "19:45";
    d1.cell(DayColumn::Memo) = "会議,資料";
    d1.MemoColor = 255;
    m.day(2).cell(DayColumn::Overtime) = "0:00";
    m.day(2).ManualFlag[0] = "*";
    m.day(3).cell(DayColumn::Kind) = "有";
    ASSERT_TRUE(SaveMonth(m, path(), s).io.ok());

    IniFile ini;
    ini.load(path());
    EXPECT_EQ(ini.readString("DayData", "1"),
              "3/ 1,月,  , 8:30,19:45, 2:45,,会議.資料,,,,10:15,$FF,,");
    EXPECT_EQ(ini.readString("System", "LastDay"), "31");
    EXPECT_EQ(ini.readString("System", "ZangyoTime"), "2:45");
    std::string bytes;
    ReadWholeFile(path(), bytes);
    EXPECT_NE(bytes.find(cp932::fromUtf8("\r\n 1=3/ 1,月,  , 8:30,")), std::string::npos);

    MonthRecord back = load();
    m.day(1).cell(DayColumn::Memo) =
        "会議.資料";  // the comma only ever reaches the file as a full stop
    for (int d = 1; d <= 31; ++d) {
        EXPECT_EQ(back.day(d).cells, m.day(d).cells) << d;
        EXPECT_EQ(back.day(d).ManualFlag, m.day(d).ManualFlag) << d;
        EXPECT_EQ(back.day(d).MemoColor, m.day(d).MemoColor) << d;
    }
    EXPECT_EQ(back.day(1).cell(DayColumn::Memo), "会議.資料");
    EXPECT_EQ(back.day(1).MemoColor, 255);
    EXPECT_EQ(back.day(2).cell(DayColumn::Overtime), " 0:00");
    EXPECT_EQ(back.summary.KeiTMemo, "  2:45");

    // Saving again without edits writes the same file and reports no day.
    const MonthSaveResult again = SaveMonth(back, path(), s);
    std::string bytes2;
    ReadWholeFile(path(), bytes2);
    EXPECT_EQ(bytes2, bytes);
    EXPECT_TRUE(again.leaveChanges.empty());
}

TEST_F(MonthFileTest, LeaveChangesCarryTheDateAndBothKinds) {
    s.SimeDay = 20;
    MonthRecord m = load({2005, 1});  // 21 Dec 2004 .. 20 Jan 2005
    m.day(1).cell(DayColumn::Kind) = "有";
    m.day(31).cell(DayColumn::Memo) = "通院";
    const MonthSaveResult r = SaveMonth(m, path(), s);
    ASSERT_EQ(r.leaveChanges.size(), 2u);
    EXPECT_EQ(r.leaveChanges[0].date, "2004/12/21");
    EXPECT_TRUE(r.leaveChanges[0].kindOrColorChanged);
    EXPECT_EQ(r.leaveChanges[0].previousMark, "  ");
    EXPECT_EQ(r.leaveChanges[0].mark, "有");
    EXPECT_EQ(r.leaveChanges[1].date, "2005/01/20");
    EXPECT_FALSE(r.leaveChanges[1].kindOrColorChanged);
    EXPECT_TRUE(r.leaveChanges[1].memoOrColorChanged);
}

TEST_F(MonthFileTest, DamagedFilesLoadWhatCanBeRead) {
    const std::string bytes =
        "[System]\r\nLastDay=99999999999\r\nZangyoTime=garbage\r\n[DayData]\r\n"
        " 1=3/ 1,\x8c\x8e,  , 8:30\r\n"   // truncated after the arrival
        " 2=3/ 2,\xff\xfe,,,,,,memo\r\n"  // garbage bytes, no comma after the memo
        " 3=3/ 3,,,,,,,,*,*,*,1:00,$ZZ,*,extra,,\r\n";
    ASSERT_TRUE(WriteFileAtomically(path(), bytes).ok());
    MonthRecord m = load();
    // An unreadable day count never hides the day lines: the calendar's 31.
    EXPECT_EQ(m.LastDay, 31);
    EXPECT_EQ(m.day(2).cell(DayColumn::Memo), "memo");

    ASSERT_TRUE(WriteFileAtomically(path(), ReplaceAll(bytes, "99999999999", "3")).ok());
    m = load();
    ASSERT_EQ(m.LastDay, 3);
    EXPECT_EQ(m.day(1).cell(DayColumn::Date), " 3/ 1");
    EXPECT_EQ(m.day(1).cell(DayColumn::Arrival), " 8:30");
    EXPECT_EQ(m.day(1).cell(DayColumn::Leaving), "");
    EXPECT_EQ(m.day(2).cell(DayColumn::Memo), "memo");
    EXPECT_EQ(m.day(3).ManualFlag[2], "*");
    EXPECT_EQ(m.day(3).MemoColor, 0);
    EXPECT_EQ(m.day(3).LegalHolidayFlag, "*");
    Recalculate(m, s);  // and nothing of it upsets the calculation
}

TEST_F(MonthFileTest, UnreadableFileIsNeitherShownAsNewNorOverwritten) {
    std::filesystem::create_directory(path());  // stands where the file should be
    MonthRecord m;
    EXPECT_EQ(LoadMonth(m, {2004, 3}, path(), s, holidays).io.error, IoError::ReadFailed);
    EXPECT_EQ(m.LastDay, 0);
    EXPECT_FALSE(SaveMonth(m, path(), s).io.ok());
}

TEST_F(MonthFileTest, FailedSaveKeepsTheMonthUnsaved) {
    MonthRecord m = load();
    m.day(5).cell(DayColumn::Arrival) = "9:00";
    const MonthSaveResult r = SaveMonth(m, dir.file("gone/200403.dat"), s);
    EXPECT_FALSE(r.io.ok());
    EXPECT_TRUE(m.hasUnsavedChanges());
    EXPECT_TRUE(r.leaveChanges.empty());
}

struct LastDayCase {
    const char* name;
    const char* header;  // the [System] lines
    int lastDay;
    bool repaired;
};

void PrintTo(const LastDayCase& c, std::ostream* os) {
    *os << c.name;
}

class LastDayTest : public MonthFileTest, public ::testing::WithParamInterface<LastDayCase> {};

// A LastDay that cannot be used never hides the day lines: the calendar's
// number of days is read, and a save writes it back.
TEST_P(LastDayTest, DayLinesStayVisible) {
    std::string bytes = std::string("[System]\r\n") + GetParam().header + "[DayData]\r\n";
    for (int d = 1; d <= 31; ++d)
        bytes += IntToStrPad(d, 2) + "= 3/" + IntToStrPad(d, 2) + ",,  ,,,,,memo" +
                 std::to_string(d) + ",,,,,,,\r\n";
    ASSERT_TRUE(WriteFileAtomically(path(), bytes).ok());
    MonthRecord m;
    const MonthLoadResult r = LoadMonth(m, {2004, 3}, path(), s, holidays);
    EXPECT_EQ(r.lastDayRepaired, GetParam().repaired);
    EXPECT_EQ(m.LastDay, GetParam().lastDay);
    EXPECT_EQ(m.day(m.LastDay).cell(DayColumn::Memo), "memo" + std::to_string(m.LastDay));
    ASSERT_TRUE(SaveMonth(m, path(), s).io.ok());
    IniFile saved;
    saved.load(path());
    EXPECT_EQ(saved.readInteger("System", "LastDay", 0), GetParam().lastDay);
}

INSTANTIATE_TEST_SUITE_P(Cases, LastDayTest,
                         ::testing::Values(LastDayCase{"Missing", "", 31, true},
                                           LastDayCase{"NotANumber", "LastDay=abc\r\n", 31, true},
                                           LastDayCase{"Zero", "LastDay=0\r\n", 31, true},
                                           LastDayCase{"TooLarge", "LastDay=40\r\n", 31, true},
                                           LastDayCase{"Negative", "LastDay=-3\r\n", 31, true},
                                           LastDayCase{"Short", "LastDay=10\r\n", 10, false},
                                           LastDayCase{"Blanks", "LastDay= 29 \r\n", 29, false},
                                           LastDayCase{"Hex", "LastDay=$1E\r\n", 30, false}),
                         [](const ::testing::TestParamInfo<LastDayCase>& row) {
                             return std::string(row.param.name);
                         });

}  // namespace
}  // namespace tkv
