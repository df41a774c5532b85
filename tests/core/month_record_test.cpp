#include "core/month_record.h"

#include <gtest/gtest.h>

namespace tkv {
namespace {

TEST(MonthRecordTest, SnapshotTellsUnsavedChanges) {
    MonthRecord m;
    m.LastDay = 31;
    m.day(3).cell(DayColumn::Memo) = "memo";
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
    EXPECT_TRUE(row.isManual(DayColumn::Overtime));
    EXPECT_FALSE(row.isManual(DayColumn::LateNight));
    EXPECT_FALSE(row.isManual(DayColumn::Working));
    EXPECT_FALSE(row.isManual(DayColumn::Memo));
    row.LegalHolidayFlag = "*";
    EXPECT_TRUE(row.isLegalHoliday());
}

}  // namespace
}  // namespace tkv
