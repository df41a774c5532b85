#pragma once

#include <string>
#include <string_view>

namespace tkv {

class AnnualHolidayTable;
struct MonthRecord;
struct Settings;

struct YearMonth {
    int year = 0;
    int month = 0;
    friend bool operator==(const YearMonth&, const YearMonth&) = default;
    friend auto operator<=>(const YearMonth&, const YearMonth&) = default;
};

struct Date {
    int year = 0;
    int month = 0;
    int day = 0;
    friend bool operator==(const Date&, const Date&) = default;
};

YearMonth NextMonth(YearMonth ym);
YearMonth PreviousMonth(YearMonth ym);
Date NextDay(Date d);
Date PreviousDay(Date d);
bool IsRealDate(const Date& d);

// 0 = Sunday .. 6 = Saturday.
int WeekdayOf(const Date& d);
// "日".."土", independent of the locale.
std::string_view WeekdayName(int weekday);
// Index of a weekday name, -1 for anything else.
int WeekdayFromName(std::string_view name);

// The accounting month a date belongs to: a day after the closing day
// belongs to the following month.
YearMonth AccountingMonthOf(const Date& d, int simeDay);
// First calendar day of an accounting month and its number of days.
Date FirstDayOf(YearMonth ym, int simeDay);
int DaysOf(YearMonth ym, int simeDay);

// Equinox dates of a year (month and day in a Date).
Date VernalEquinox(int year);
Date AutumnalEquinox(int year);

struct HolidayInfo {
    std::string name;
    std::string mark;  // "○" or empty
};

// The computed holidays (with their switches) and the fixed list. With
// `HolidayLaw` on, dates from 2007 take their national holidays from the
// current law (holiday_law.h) and the list adds only the company's own days.
HolidayInfo HolidayLookup(const Date& d, const Settings& s, const AnnualHolidayTable& table);

// A day as the calendar marks it: HolidayLookup, plus the Monday after a
// Sunday holiday that the law does not already cover.
HolidayInfo CalendarHoliday(const Date& d, const Settings& s, const AnnualHolidayTable& table);

// Builds the rows of accounting month `ym` afresh and marks the calendar.
void NewMonth(MonthRecord& m, YearMonth ym, const Settings& s, const AnnualHolidayTable& table);

// Pre-fills blank kinds and memos from the holidays; with weekly days off the
// company's days off become holidays whatever the kind said.
void MarkCalendar(MonthRecord& m, bool withWeeklyDaysOff, const Settings& s,
                  const AnnualHolidayTable& table);

// The date text of the grid: month "/" day, each right-aligned in two.
std::string GridDateText(int month, int day);

}  // namespace tkv
