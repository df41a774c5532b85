#include "settings/holiday_list.h"

#include <gtest/gtest.h>

#include "base/atomic_file.h"
#include "base/cp932.h"
#include "base/ini_file.h"
#include "base/test_folder.h"

namespace tkv {
namespace {

TEST(HolidayRows, Offsets) {
    EXPECT_EQ(HolidayRow(1, 1), 1);
    EXPECT_EQ(HolidayRow(2, 29), 60);
    EXPECT_EQ(HolidayRow(3, 1), 61);
    EXPECT_EQ(HolidayRow(12, 31), 366);
    EXPECT_EQ(HolidayRow(13, 1), 0);
    EXPECT_EQ(AnnualHolidayTable::DateText(1), " 1月 1日");
    EXPECT_EQ(AnnualHolidayTable::DateText(60), " 2月29日");
    EXPECT_EQ(AnnualHolidayTable::DateText(366), "12月31日");
}

TEST(HolidayList, MissingFileIsCreatedWithTheNineDefaults) {
    test::TestFolder dir;
    const std::string path = dir.file("Holiday.dat");
    AnnualHolidayTable table;
    table.row(200).mark = " ○ ";  // whatever was shown before goes
    int progressed = 0;
    const HolidayReadResult r = ReadHolidayList(path, table, [&](int) { ++progressed; });
    EXPECT_TRUE(r.created);
    EXPECT_TRUE(r.io.ok());
    EXPECT_EQ(progressed, 366);
    EXPECT_EQ(table, AnnualHolidayTable::Defaults());
    int marked = 0;
    for (int i = 1; i <= 366; ++i) marked += table.row(i).mark.empty() ? 0 : 1;
    EXPECT_EQ(marked, 9);

    IniFile ini;
    ini.load(path);
    EXPECT_EQ(ini.readString("HolidayData", "1"), "1月 1日, ○ ,元旦,");
    EXPECT_EQ(ini.readString("HolidayData", "33"), "2月 2日,,,");
    std::string bytes;
    ReadWholeFile(path, bytes);
    EXPECT_NE(bytes.find("  1="), std::string::npos);
    EXPECT_NE(bytes.find(cp932::fromUtf8("366=12月31日,,,\r\n")), std::string::npos);
}

TEST(HolidayList, ReadingTakesMarkAndMemoOnly) {
    test::TestFolder dir;
    const std::string path = dir.file("Holiday.dat");
    IniFile ini;
    ini.setPath(path);
    ini.writeString("HolidayData", "126", "5月 5日,○,こどもの日,extra");
    ini.writeString("HolidayData", "201", "7月19日, ○ ,海の日,");
    ini.writeString("HolidayData", "  2", "X月Y日,,会社休み");
    ini.writeString("HolidayData", "3", "garbage");
    ASSERT_TRUE(ini.flush().ok());

    AnnualHolidayTable table;
    EXPECT_FALSE(ReadHolidayList(path, table).created);
    EXPECT_EQ(table.row(126).mark, " ○ ");
    EXPECT_EQ(table.row(126).memo, "こどもの日");
    EXPECT_EQ(table.row(201).mark, "");  // computed holidays never stay in the list
    EXPECT_EQ(table.row(201).memo, "");
    EXPECT_EQ(table.row(2).date, " 1月 2日");
    EXPECT_EQ(table.row(2).memo, "会社休み");
    EXPECT_EQ(table.row(3).memo, "");
    EXPECT_EQ(table.row(1).mark, "");
}

TEST(HolidayList, WritingReplacesCommasAndNormalisesMarks) {
    test::TestFolder dir;
    const std::string path = dir.file("Holiday.dat");
    AnnualHolidayTable edited = AnnualHolidayTable::Defaults();
    edited.row(220).mark = "○";
    edited.row(220).memo = "夏休み,前半";
    edited.row(1).mark = "x";
    AnnualHolidayTable table;
    ASSERT_TRUE(WriteHolidayList(path, edited, table).ok());
    EXPECT_EQ(table.row(220).mark, " ○ ");
    EXPECT_EQ(table.row(220).memo, "夏休み.前半");
    EXPECT_EQ(table.row(1).mark, "");

    AnnualHolidayTable back;
    ReadHolidayList(path, back);
    EXPECT_EQ(back, table);
}

TEST(HolidayList, UnwritableFileIsReported) {
    test::TestFolder dir;
    AnnualHolidayTable table;
    EXPECT_FALSE(ReadHolidayList(dir.file("missing/Holiday.dat"), table).io.ok());
}

}  // namespace
}  // namespace tkv
