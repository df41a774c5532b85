#include "reports/month_list_lines.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <utility>

#include "base/text_util.h"
#include "core/month_record.h"
#include "core/recalculate.h"
#include "settings/settings.h"

namespace tkv {
namespace {

constexpr std::string_view kHolidayMark = "○";

// Mark and printed name; the first pair is the ordinary day.
constexpr std::array<std::pair<std::string_view, std::string_view>, 8> kKindNames{{
    {"", "    "},
    {"○", "休日"},
    {"有", "有給"},
    {"前", "午前"},
    {"後", "午後"},
    {"代", "代休"},
    {"欠", "欠勤"},
    {"半", "半ド"},
}};

// A time between brackets ("[" "]" on a holiday, blanks otherwise), or
// nothing for a blank time; then right-aligned in `width`.
std::string bracketed(std::string_view text, bool holiday, const Settings& s, int width) {
    const std::string value = PrintedTime(text, s);
    if (Trim(value).empty())
        return RightAlign("", width);
    const std::string inner = (holiday ? "[" : " ") + RightAlign(value, 5) + (holiday ? "]" : " ");
    return RightAlign(inner, width);
}

std::string wholeDays(long long n, int width) {
    return RightAlign(IntToStrPad(n, 6) + "日", width);
}

// One decimal, or rounded to whole days unless Hankyu05 asks for halves.
std::string attendanceDays(double n, const Settings& s, int width) {
    return RightAlign(DayCountStr(FloatToStrDec(6, 1, n), s.Hankyu05) + "日", width);
}

std::string totalTime(long long minutes) {
    return MinutesToStr(
        static_cast<int>(std::clamp<long long>(minutes, -2'000'000'000LL, 2'000'000'000LL)), 3,
        true);
}

}  // namespace

std::string_view PrintedKindName(std::string_view mark) {
    const std::string trimmed = Trim(mark);
    for (const auto& [m, name] : kKindNames)
        if (!m.empty() && trimmed == m)
            return name;
    return kKindNames[0].second;
}

std::string MonthListMonthText(int year, int month) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%4d年%2d月分", year, month);
    return buf;
}

std::string MonthListJobTitle(int year, int month) {
    return MonthListMonthText(year, month) + " 残業一覧";
}

std::string MonthListDayCaption() {
    return " 会社平日 会社休日 平日出勤 休日出勤 出勤合計 有給休暇  代休日  欠勤日 月間日数  ";
}

std::string MonthListDayCounts(const MonthCalculation& c, const Settings& s) {
    return wholeDays(c.scheduledDays, 8) + wholeDays(c.holidays, 9) +
           attendanceDays(c.weekdayDaysWorked, s, 9) + attendanceDays(c.holidayDaysWorked, s, 9) +
           attendanceDays(c.totalWorkDays, s, 9) +
           RightAlign(FloatToStrDec(6, 1, c.paidLeaveDays) + "日", 9) +
           wholeDays(c.compensatoryDays, 8) + wholeDays(c.absences, 8) +
           wholeDays(c.daysInPeriod, 8);
}

std::string MonthListTimeCaption() {
    return " 平日普通  平日深夜  休日普通  休日深夜  普通合計  深夜合計  残業合計  勤務時間  ";
}

std::string MonthListTimes(const MonthCalculation& c, const Settings& s) {
    // The list has no column of its own for statutory holidays: they count
    // with the other holidays, so the sums agree with the month's totals.
    const long long holidayNormal = c.holiday.normal + c.statutory.normal;
    const long long holidayLate = c.holiday.lateNight + c.statutory.lateNight;
    const std::pair<long long, int> fields[] = {
        {c.nonHoliday.normal, 8},
        {c.nonHoliday.lateNight, 10},
        {holidayNormal, 10},
        {holidayLate, 10},
        {c.nonHoliday.normal + holidayNormal, 10},
        {c.nonHoliday.lateNight + holidayLate, 10},
        {c.nonHoliday.normal + holidayNormal + c.nonHoliday.lateNight + holidayLate, 10},
        {c.workingTime, 10},
    };
    std::string line;
    for (const auto& [minutes, width] : fields)
        line += RightAlign(PrintedTime(totalTime(minutes), s), width);
    return line;
}

std::string MonthListHeader(const Settings& s) {
    return " 日 付  曜  休日   出勤   退社   普通   深夜   合計   勤務        メ    モ       " +
           std::string(static_cast<std::size_t>(MemoColumnBytes(s) - 20), ' ');
}

std::string MonthListRecord(const DayRow& row, const Settings& s, int memoCut) {
    const bool holiday = Trim(row.cell(DayColumn::Kind)) == kHolidayMark;
    const int total =
        StrToMinutes(row.cell(DayColumn::Overtime)) + StrToMinutes(row.cell(DayColumn::LateNight));
    std::string line;
    line += RightAlign(row.cell(DayColumn::Date), 6);
    line += RightAlign(row.cell(DayColumn::Weekday), 4);
    line += RightAlign(PrintedKindName(row.cell(DayColumn::Kind)), 6);
    line += RightAlign(row.cell(DayColumn::Arrival), 7);
    line += RightAlign(row.cell(DayColumn::Leaving), 7);
    line += bracketed(row.cell(DayColumn::Overtime), holiday, s, 8);
    line += bracketed(row.cell(DayColumn::LateNight), holiday, s, 7);
    line += bracketed(MinutesToStr(total, 3, false), holiday, s, 7);
    line += bracketed(row.cell(DayColumn::Working), holiday, s, 7);
    line += ' ';
    line += FixedWidth(row.cell(DayColumn::Memo),
                       std::max(0, MemoColumnBytes(s) - std::max(0, memoCut)));
    line += "  ";
    return line;
}

MonthListLines BuildMonthListLines(const MonthRecord& m, const MonthCalculation& c,
                                   const Settings& s, int memoCut) {
    MonthListLines lines;
    lines.firstPage = {MonthListDayCaption(), MonthListDayCounts(c, s), MonthListTimeCaption(),
                       MonthListTimes(c, s)};
    lines.header = MonthListHeader(s);
    lines.records.reserve(static_cast<std::size_t>(m.rowCount()));
    for (int d = 1; d <= m.rowCount(); ++d)
        lines.records.push_back(MonthListRecord(m.day(d), s, memoCut));
    return lines;
}

}  // namespace tkv
