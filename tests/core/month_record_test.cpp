#include "core/month_record.h"

#include <gtest/gtest.h>

namespace tkv {
namespace {

TEST(MonthRecordTest, SnapshotTellsUnsavedChanges) {
    MonthRecord m;
    m.LastDay = 31;
    m.day(3).cells[ColMemo] = "memo";
    EXPECT_TRUE(m.hasUnsavedChanges());
    m.takeSnapshot();
    EXPECT_FALSE(m.hasUnsavedChanges());

    m.day(31).MemoColor = 255;
    EXPECT_TRUE(m.hasUnsavedChanges());
    m.takeSnapshot();
    m.day(1).ManualFlag[2] = "*";
    EXPECT_TRUE(m.hasUnsavedChanges());
    m.takeSnapshot();
    m.day(1).LegalHolidayFlag = "*";
    EXPECT_TRUE(m.hasUnsavedChanges());
    m.takeSnapshot();
    m.summary.ZanTMemo = " 1:00";  // totals follow from the rows; they are no edit
    EXPECT_FALSE(m.hasUnsavedChanges());
}

TEST(MonthRecordTest, FlagsAreReadTrimmed) {
    DayRow row;
    row.ManualFlag = {" * ", "", "x"};
    EXPECT_TRUE(row.isManual(ColOvertime));
    EXPECT_FALSE(row.isManual(ColLateNight));
    EXPECT_FALSE(row.isManual(ColWorking));
    EXPECT_FALSE(row.isManual(ColMemo));
    row.LegalHolidayFlag = "*";
    EXPECT_TRUE(row.isLegalHoliday());
}

}  // namespace
}  // namespace tkv
