#include "core/calendar.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "base/text_util.h"
#include "core/holiday_law.h"
#include "core/month_record.h"
#include "settings/holiday_list.h"
#include "settings/settings.h"

namespace tkv {
namespace {

constexpr std::string_view kWeekdays[7] = {"日", "月", "火", "水", "木", "金", "土"};
constexpr std::string_view kHolidayMark = "○";

double sinDeg(double x) {
    return std::sin(x / 180.0 * std::numbers::pi);
}

// Julian day number to calendar date, applied to the number itself.
Date fromJulianDay(long long j) {
    long long a = j;
    if (j >= 2299161) {
        const long long alpha =
            static_cast<long long>((static_cast<double>(j) - 1867216.25) / 36524.25);
        a = j + 1 + alpha - alpha / 4;
    }
    const long long b = a + 1524;
    const long long c = static_cast<long long>((static_cast<double>(b) - 122.1) / 365.25);
    const long long d = static_cast<long long>(365.25 * static_cast<double>(c));
    const long long e = static_cast<long long>(static_cast<double>(b - d) / 30.6001);
    const int day =
        static_cast<int>(b - d - static_cast<long long>(30.6001 * static_cast<double>(e)));
    const int month = static_cast<int>(e < 14 ? e - 1 : e - 13);
    const int year = static_cast<int>(month > 2 ? c - 4716 : c - 4715);
    return {year, month, day};
}

bool isMondayInRange(const Date& d, int month, int fromDay, int toDay) {
    return d.month == month && d.day >= fromDay && d.day <= toDay && WeekdayOf(d) == 1;
}

}  // namespace

YearMonth NextMonth(YearMonth ym) {
    return ym.month >= 12 ? YearMonth{ym.year + 1, 1} : YearMonth{ym.year, ym.month + 1};
}

YearMonth PreviousMonth(YearMonth ym) {
    return ym.month <= 1 ? YearMonth{ym.year - 1, 12} : YearMonth{ym.year, ym.month - 1};
}

bool IsRealDate(const Date& d) {
    return d.month >= 1 && d.month <= 12 && d.day >= 1 && d.day <= DaysInMonth(d.year, d.month);
}

Date NextDay(Date d) {
    if (d.day < DaysInMonth(d.year, d.month))
        return {d.year, d.month, d.day + 1};
    const YearMonth n = NextMonth({d.year, d.month});
    return {n.year, n.month, 1};
}

Date PreviousDay(Date d) {
    if (d.day > 1)
        return {d.year, d.month, d.day - 1};
    const YearMonth p = PreviousMonth({d.year, d.month});
    return {p.year, p.month, DaysInMonth(p.year, p.month)};
}

int WeekdayOf(const Date& d) {
    // Sakamoto's method on the proleptic Gregorian calendar.
    static constexpr int t[12] = {0, 3, 2, 5, 0, 3, 5, 1, 4, 6, 2, 4};
    int y = d.year;
    const int m = std::clamp(d.month, 1, 12);
    if (m < 3)
        y -= 1;
    const int w = (y + y / 4 - y / 100 + y / 400 + t[m - 1] + d.day) % 7;
    return w < 0 ? w + 7 : w;
}

std::string_view WeekdayName(int weekday) {
    return kWeekdays[((weekday % 7) + 7) % 7];
}

int WeekdayFromName(std::string_view name) {
    for (int i = 0; i < 7; ++i)
        if (kWeekdays[i] == name)
            return i;
    return -1;
}

YearMonth AccountingMonthOf(const Date& d, int simeDay) {
    if (d.day > simeDay)
        return NextMonth({d.year, d.month});
    return {d.year, d.month};
}

Date FirstDayOf(YearMonth ym, int simeDay) {
    if (simeDay < 28) {
        const YearMonth p = PreviousMonth(ym);
        return {p.year, p.month, std::max(simeDay, 0) + 1};
    }
    return {ym.year, ym.month, 1};
}

int DaysOf(YearMonth ym, int simeDay) {
    const Date first = FirstDayOf(ym, simeDay);
    return DaysInMonth(first.year, first.month);
}

Date VernalEquinox(int year) {
    const double b = year - 2000;
    const double s = 0.002 * (sinDeg(321 - 30.37 * b) + sinDeg(249 + 0.19 * b) +
                              sinDeg(202 - 132.57 * b) + sinDeg(84 - 90.37 * b)) -
                     0.00004871850323926 * b + 0.001 * sinDeg(132 - 134.81 * b) +
                     0.005 * sinDeg(239 - 19.34 * b);
    const double t = 0.0000001 * b * b - s;
    return fromJulianDay(static_cast<long long>(365.24229 * b + 2451624.683 + t));
}

Date AutumnalEquinox(int year) {
    const double b = year - 2000;
    const double s = 0.002 * (sinDeg(485 - 30.37 * b) + sinDeg(249 + 0.19 * b) +
                              sinDeg(268.2 - 132.57 * b) + sinDeg(309.2 - 90.37 * b)) +
                     0.00004871850323926 * b + 0.001 * sinDeg(244.6 - 134.81 * b) +
                     0.005 * sinDeg(248.6 - 19.34 * b);
    const double t = 0.0000001 * b * b - s;
    return fromJulianDay(static_cast<long long>(365.24206 * b + 2451811.096 + t));
}

HolidayInfo HolidayLookup(const Date& d, const Settings& s, const AnnualHolidayTable& table) {
    if (HolidayLawApplies(d, s))
        return LawCalendarLookup(d, s, table);
    HolidayInfo info;
    if (!IsRealDate(d))
        return info;
    auto match = [&](bool matches, std::string_view name, bool on) {
        if (!matches)
            return;
        info.name = std::string(name);
        if (on)
            info.mark = std::string(kHolidayMark);
    };
    const auto sameDay = [&](const Date& e) { return e.month == d.month && e.day == d.day; };
    match(d.year >= 2000 && isMondayInRange(d, 1, 8, 14), "成人の日", s.SeijinDay);
    match(sameDay(VernalEquinox(d.year)), "春分の日", s.SpringDay);
    match(sameDay(AutumnalEquinox(d.year)), "秋分の日", s.AutumnDay);
    match(d.year >= 2000 && isMondayInRange(d, 10, 8, 14), "体育の日", s.SportDay);
    match(d.year >= 2003 && isMondayInRange(d, 7, 15, 21), "海の日", s.OceanDay);
    match(d.year >= 2003 && isMondayInRange(d, 9, 15, 21), "敬老の日", s.OldManDay);

    const HolidayEntry& fixed = table.at(d.month, d.day);
    if (Trim(fixed.mark) == kHolidayMark)
        info.mark = std::string(kHolidayMark);
    if (!Trim(fixed.memo).empty())
        info.name = fixed.memo;
    return info;
}

namespace {

// Whether a holiday on Sunday `d` makes the following Monday a holiday. The
// law names its own substitute days, so under it only the company's own days
// carry over.
bool marksFollowingMonday(const Date& d, const Settings& s, const AnnualHolidayTable& table) {
    if (!HolidayLawApplies(d, s))
        return HolidayLookup(d, s, table).mark == kHolidayMark;
    bool byLaw = false;
    return LawCalendarLookup(d, s, table, &byLaw).mark == kHolidayMark && !byLaw;
}

HolidayInfo markedDay(const Date& d, bool monday, const Settings& s,
                      const AnnualHolidayTable& table) {
    HolidayInfo info = HolidayLookup(d, s, table);
    // A Monday after a Sunday holiday is a holiday too (keeping its own name).
    if (monday && marksFollowingMonday(PreviousDay(d), s, table))
        info.mark = std::string(kHolidayMark);
    return info;
}

}  // namespace

HolidayInfo CalendarHoliday(const Date& d, const Settings& s, const AnnualHolidayTable& table) {
    return markedDay(d, WeekdayOf(d) == 1, s, table);
}

std::string GridDateText(int month, int day) {
    return IntToStrPad(month, 2) + "/" + IntToStrPad(day, 2);
}

void NewMonth(MonthRecord& m, YearMonth ym, const Settings& s, const AnnualHolidayTable& table) {
    m.days = {};
    m.summary = {};
    m.year = ym.year;
    m.month = ym.month;
    Date d = FirstDayOf(ym, s.SimeDay);
    m.LastDay = DaysInMonth(d.year, d.month);
    for (int i = 1; i <= m.LastDay; ++i, d = NextDay(d)) {
        DayRow& row = m.day(i);
        row.cell(DayColumn::Date) = GridDateText(d.month, d.day);
        row.cell(DayColumn::Weekday) = std::string(WeekdayName(WeekdayOf(d)));
        // The ordinary day's own text, as the recalculation writes it: a new
        // month must not read as changed after its first recalculation.
        row.cell(DayColumn::Kind) = "  ";
    }
    MarkCalendar(m, true, s, table);
}

void MarkCalendar(MonthRecord& m, bool withWeeklyDaysOff, const Settings& s,
                  const AnnualHolidayTable& table) {
    for (int i = 1; i <= m.rowCount(); ++i) {
        DayRow& row = m.day(i);
        const std::string dateText = row.cell(DayColumn::Date);
        const std::size_t slash = dateText.find('/');
        if (slash == std::string::npos)
            continue;
        Date d{m.year, StrToIntDef(dateText.substr(0, slash), 0),
               StrToIntDef(dateText.substr(slash + 1), 0)};
        // December rows of a January accounting month lie in the year before.
        if (d.month > m.month)
            d.year -= 1;
        if (!IsRealDate(d))
            continue;

        const HolidayInfo info = markedDay(d, Trim(row.cell(DayColumn::Weekday)) == "月", s, table);
        if (Trim(row.cell(DayColumn::Kind)).empty() && !info.mark.empty())
            row.cell(DayColumn::Kind) = info.mark;
        if (Trim(row.cell(DayColumn::Memo)).empty() && !info.name.empty())
            row.cell(DayColumn::Memo) = info.name;
        if (withWeeklyDaysOff) {
            const int w = WeekdayFromName(Trim(row.cell(DayColumn::Weekday)));
            if (w >= 0 && s.WeekCheck[static_cast<std::size_t>(w)])
                row.cell(DayColumn::Kind) = std::string(kHolidayMark);
        }
    }
}

}  // namespace tkv
