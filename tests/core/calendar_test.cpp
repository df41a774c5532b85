#include "core/calendar.h"

#include <cstdio>
#include <ostream>
#include <string>

#include <gtest/gtest.h>

#include "core/month_record.h"
#include "settings/holiday_list.h"
#include "settings/settings.h"

namespace tkv {
namespace {

struct EquinoxCase {
    int year;
    Date vernal;
    Date autumnal;
};

std::string DateText(const Date& d) {
    char text[24];
    std::snprintf(text, sizeof text, "%04d_%02d_%02d", d.year, d.month, d.day);
    return text;
}

void PrintTo(const EquinoxCase& c, std::ostream* os) {
    *os << c.year << ": " << DateText(c.vernal) << ", " << DateText(c.autumnal);
}

std::string EquinoxName(const ::testing::TestParamInfo<EquinoxCase>& info) {
    return "Year" + std::to_string(info.param.year);
}

class EquinoxTest : public ::testing::TestWithParam<EquinoxCase> {};

TEST_P(EquinoxTest, Dates) {
    const auto& c = GetParam();
    EXPECT_EQ(VernalEquinox(c.year), c.vernal);
    EXPECT_EQ(AutumnalEquinox(c.year), c.autumnal);
}

INSTANTIATE_TEST_SUITE_P(Years, EquinoxTest,
                         ::testing::Values(EquinoxCase{2004, {2004, 3, 20}, {2004, 9, 23}},
                                           EquinoxCase{2012, {2012, 3, 20}, {2012, 9, 22}},
                                           EquinoxCase{2023, {2023, 3, 21}, {2023, 9, 23}},
                                           EquinoxCase{2024, {2024, 3, 20}, {2024, 9, 22}},
                                           EquinoxCase{2025, {2025, 3, 20}, {2025, 9, 23}}),
                         EquinoxName);

TEST(AccountingMonth, ClosingDays) {
    EXPECT_EQ(AccountingMonthOf({2004, 12, 21}, 20), (YearMonth{2005, 1}));
    EXPECT_EQ(AccountingMonthOf({2004, 12, 20}, 20), (YearMonth{2004, 12}));
    EXPECT_EQ(AccountingMonthOf({2004, 3, 31}, 31), (YearMonth{2004, 3}));
    EXPECT_EQ(FirstDayOf({2004, 3}, 20), (Date{2004, 2, 21}));
    EXPECT_EQ(DaysOf({2004, 3}, 20), 29);
    EXPECT_EQ(DaysOf({2005, 3}, 20), 28);
    EXPECT_EQ(FirstDayOf({2005, 1}, 20), (Date{2004, 12, 21}));
    EXPECT_EQ(DaysOf({2004, 2}, 31), 29);
}

struct LookupCase {
    Date date;
    const char* name;
    const char* mark;
};

void PrintTo(const LookupCase& c, std::ostream* os) {
    *os << DateText(c.date) << " -> [" << c.name << "] [" << c.mark << "]";
}

std::string LookupName(const ::testing::TestParamInfo<LookupCase>& info) {
    return "On" + DateText(info.param.date);
}

class HolidayLookupTest : public ::testing::TestWithParam<LookupCase> {};

TEST_P(HolidayLookupTest, Defaults) {
    const Settings s;
    const AnnualHolidayTable table = AnnualHolidayTable::Defaults();
    const auto& c = GetParam();
    const HolidayInfo info = HolidayLookup(c.date, s, table);
    EXPECT_EQ(info.name, c.name);
    EXPECT_EQ(info.mark, c.mark);
}

INSTANTIATE_TEST_SUITE_P(
    Days, HolidayLookupTest,
    ::testing::Values(
        LookupCase{{2003, 1, 13}, "成人の日", "○"}, LookupCase{{2003, 1, 15}, "", ""},
        LookupCase{{1999, 1, 11}, "", ""}, LookupCase{{2002, 7, 20}, "", ""},
        LookupCase{{2003, 7, 21}, "海の日", "○"}, LookupCase{{2003, 9, 15}, "敬老の日", "○"},
        LookupCase{{2004, 10, 11}, "体育の日", "○"}, LookupCase{{2004, 3, 20}, "春分の日", "○"},
        LookupCase{{2003, 5, 4}, "国民の休日", "○"}, LookupCase{{2005, 1, 1}, "元旦", "○"},
        LookupCase{{2004, 12, 23}, "天皇誕生日", "○"}, LookupCase{{2003, 2, 30}, "", ""}),
    LookupName);

TEST(HolidayLookup, SwitchesKeepTheName) {
    Settings s;
    s.SeijinDay = false;
    const HolidayInfo info = HolidayLookup({2003, 1, 13}, s, AnnualHolidayTable::Defaults());
    EXPECT_EQ(info.name, "成人の日");
    EXPECT_EQ(info.mark, "");
}

const DayRow* rowFor(const MonthRecord& m, int month, int day) {
    for (int i = 1; i <= m.LastDay; ++i)
        if (m.day(i).cell(DayColumn::Date) == GridDateText(month, day))
            return &m.day(i);
    return nullptr;
}

TEST(NewMonth, AcrossTheYearWithClosingDay20) {
    Settings s;
    s.SimeDay = 20;
    MonthRecord m;
    NewMonth(m, {2005, 1}, s, AnnualHolidayTable::Defaults());
    ASSERT_EQ(m.LastDay, 31);
    EXPECT_EQ(m.day(1).cell(DayColumn::Date), "12/21");
    EXPECT_EQ(m.day(31).cell(DayColumn::Date), " 1/20");
    const DayRow* dec23 = rowFor(m, 12, 23);
    ASSERT_NE(dec23, nullptr);
    EXPECT_EQ(dec23->cell(DayColumn::Kind), "○");
    EXPECT_EQ(dec23->cell(DayColumn::Memo), "天皇誕生日");
    EXPECT_EQ(dec23->cell(DayColumn::Weekday), "木");
    EXPECT_EQ(rowFor(m, 1, 1)->cell(DayColumn::Memo), "元旦");
    EXPECT_EQ(rowFor(m, 1, 10)->cell(DayColumn::Memo), "成人の日");
    EXPECT_EQ(rowFor(m, 12, 22)->cell(DayColumn::Kind), "  ");  // Wednesday, nothing
}

TEST(NewMonth, MondayAfterASundayHolidayAndWeeklyDaysOff) {
    Settings s;
    MonthRecord m;
    NewMonth(m, {2003, 11}, s, AnnualHolidayTable::Defaults());
    EXPECT_EQ(m.LastDay, 30);
    EXPECT_EQ(m.day(24).cell(DayColumn::Kind), "○");
    EXPECT_EQ(m.day(24).cell(DayColumn::Memo), "");
    EXPECT_EQ(m.day(1).cell(DayColumn::Kind), "○");  // Saturday
    EXPECT_EQ(m.day(3).cell(DayColumn::Memo), "文化の日");
    EXPECT_EQ(m.day(4).cell(DayColumn::Kind), "  ");

    NewMonth(m, {2003, 5}, s, AnnualHolidayTable::Defaults());
    EXPECT_EQ(m.day(4).cell(DayColumn::Memo), "国民の休日");
    EXPECT_EQ(m.day(5).cell(DayColumn::Memo), "こどもの日");
    EXPECT_EQ(m.day(6).cell(DayColumn::Kind), "  ");  // Tuesday
}

TEST(MarkCalendar, OnlyBlankKindsAndMemosChange) {
    Settings s;
    MonthRecord m;
    NewMonth(m, {2003, 11}, s, AnnualHolidayTable::Defaults());
    m.day(3).cell(DayColumn::Kind) = "有";
    m.day(3).cell(DayColumn::Memo) = "通院";
    m.day(23).cell(DayColumn::Memo) = "";
    m.day(1).cell(DayColumn::Kind) = "  ";
    MarkCalendar(m, false, s, AnnualHolidayTable::Defaults());
    EXPECT_EQ(m.day(3).cell(DayColumn::Kind), "有");
    EXPECT_EQ(m.day(3).cell(DayColumn::Memo), "通院");
    EXPECT_EQ(m.day(23).cell(DayColumn::Memo), "勤労感謝の日");
    EXPECT_EQ(m.day(1).cell(DayColumn::Kind), "  ");  // weekly days off are not re-marked
}

TEST(Weekdays, NamesWhateverTheLocale) {
    EXPECT_EQ(WeekdayName(WeekdayOf({2024, 4, 1})), "月");
    EXPECT_EQ(WeekdayOf({2000, 1, 1}), 6);
    EXPECT_EQ(WeekdayFromName("日"), 0);
    EXPECT_EQ(WeekdayFromName("Sun"), -1);
}

}  // namespace
}  // namespace tkv
