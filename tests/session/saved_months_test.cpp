#include "session/saved_months.h"

#include <filesystem>

#include <gtest/gtest.h>

#include "base/test_folder.h"
#include "core/month_builders.h"
#include "settings/holiday_list.h"

namespace tkv {
namespace {

class SavedMonthsTest : public ::testing::Test {
protected:
    test::TestFolder folder;
    Settings settings = test::DefaultSettings();
    AnnualHolidayTable holidays = AnnualHolidayTable::Defaults();
    UserPaths paths{folder.path(), ""};
    MonthSession session{settings, holidays, paths};

    // May 2025 saved with the 12th worked until 20:00.
    void saveMay() {
        ASSERT_TRUE(session.load({2025, 5}).ok());
        session.month().day(12).cell(DayColumn::Arrival) = " 8:00";
        session.month().day(12).cell(DayColumn::Leaving) = "20:00";
        ASSERT_TRUE(session.save().ok());
    }
};

TEST_F(SavedMonthsTest, FilesAsSavedNothingWithoutAFile) {
    saveMay();
    std::vector<IoResult> unreadable;
    const MonthLoader load = SavedMonthLoader(paths, settings, holidays, &unreadable);
    const auto may = load(2025, 5);
    ASSERT_TRUE(may.has_value());
    EXPECT_EQ(may->day(12).cell(DayColumn::Overtime), " 3:00");
    // No file: nothing, and no error, never a month built from the calendar.
    EXPECT_FALSE(load(2025, 4).has_value());
    EXPECT_TRUE(unreadable.empty());
    EXPECT_FALSE(std::filesystem::exists(paths.monthFile({2025, 4})));
}

TEST_F(SavedMonthsTest, UnreadableFileIsNothingAndReported) {
    std::filesystem::create_directories(paths.monthFile({2025, 3}));
    std::vector<IoResult> unreadable;
    EXPECT_FALSE(SavedMonthLoader(paths, settings, holidays, &unreadable)(2025, 3).has_value());
    ASSERT_EQ(unreadable.size(), 1u);
    EXPECT_EQ(unreadable[0].path, paths.monthFile({2025, 3}));
    // Without a list to report to it is still nothing.
    EXPECT_FALSE(SavedMonthLoader(paths, settings, holidays)(2025, 3).has_value());
}

TEST_F(SavedMonthsTest, ShownMonthComesFromMemory) {
    saveMay();
    // An edit not yet saved counts once recalculated; the other months stay as saved.
    session.month().day(13).cell(DayColumn::Arrival) = " 8:00";
    session.month().day(13).cell(DayColumn::Leaving) = "19:00";
    session.recalculate();
    const MonthLoader load = WithShownMonth(session, SavedMonthLoader(paths, settings, holidays));
    const auto may = load(2025, 5);
    ASSERT_TRUE(may.has_value());
    EXPECT_EQ(may->day(13).cell(DayColumn::Overtime), " 2:00");
    EXPECT_FALSE(load(2025, 6).has_value());
}

TEST_F(SavedMonthsTest, ShownMonthThatCouldNotBeReadIsNothing) {
    std::filesystem::create_directories(paths.monthFile({2025, 3}));
    EXPECT_FALSE(session.load({2025, 3}).ok());
    ASSERT_TRUE(session.readOnly());
    const MonthLoader load = WithShownMonth(session, SavedMonthLoader(paths, settings, holidays));
    EXPECT_FALSE(load(2025, 3).has_value());
}

}  // namespace
}  // namespace tkv
