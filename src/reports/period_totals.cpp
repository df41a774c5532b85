#include "reports/period_totals.h"

#include <algorithm>
#include <cmath>

#include "base/atomic_file.h"
#include "base/cp932.h"
#include "base/ini_file.h"
#include "base/text_util.h"
#include "settings/settings.h"

namespace tkv {
namespace {

constexpr std::string_view kSystem = "System";
constexpr std::string_view kDayData = "DayData";

int monthIndex(YearMonth ym) {
    return ym.year * 12 + (ym.month - 1);
}

YearMonth clampYearMonth(YearMonth ym) {
    return {std::clamp(ym.year, PeriodFirstYear, PeriodLastYear), std::clamp(ym.month, 1, 12)};
}

std::string days(double value) {
    return FloatToStrDec(6, 1, value);
}

// One decimal, or a whole number unless Hankyu05 asks for halves.
std::string attendance(double value, const Settings& s) {
    return DayCountStr(days(value), s.Hankyu05);
}

std::string hours(long long minutes) {
    return MinutesToStr(
        static_cast<int>(std::clamp<long long>(minutes, -2'000'000'000LL, 2'000'000'000LL)), 5,
        true);
}

// The nine values of a month row (columns 1..9) as numbers.
struct Values {
    std::array<double, 5> dayCounts{};  // columns 1..5
    std::array<long long, 4> times{};   // columns 6..9
};

Values valuesOf(const PeriodMonth& m) {
    return {{m.attendance, m.holidayAttendance, m.paidLeave, m.compensatory, m.absences},
            {m.normal, m.lateNight, static_cast<long long>(m.normal) + m.lateNight, m.working}};
}

// Columns 1..9 of a summary row. Column 1 is re-formatted by Hankyu05 on
// the total row only; column 8 is columns 6 + 7 of the row as shown.
void fillSummary(PeriodRow& row, const std::array<double, 5>& dayCounts, long long normal,
                 long long lateNight, long long working, bool totalRow, const Settings& s) {
    row[1] = totalRow ? attendance(dayCounts[0], s) : days(dayCounts[0]);
    for (int c = 2; c <= 5; ++c) row[static_cast<std::size_t>(c)] = days(dayCounts[c - 1]);
    row[6] = hours(normal);
    row[7] = hours(lateNight);
    row[8] = hours(static_cast<long long>(StrToMinutes(row[6])) + StrToMinutes(row[7]));
    row[9] = hours(working);
}

}  // namespace

YearMonth AddMonths(YearMonth ym, int delta) {
    const long long index = static_cast<long long>(ym.year) * 12 + (ym.month - 1) + delta;
    const long long year = index >= 0 ? index / 12 : -((-index + 11) / 12);
    return {static_cast<int>(year), static_cast<int>(index - year * 12) + 1};
}

PeriodSpan TwelveMonthsFrom(YearMonth start) {
    return {start, AddMonths(start, 11)};
}

PeriodSpan ClampSpan(const PeriodSpan& raw) {
    return {clampYearMonth(raw.start), clampYearMonth(raw.end)};
}

PeriodSpan ClampSpan(std::string_view startYear, std::string_view startMonth,
                     std::string_view endYear, std::string_view endMonth) {
    return {{YearClamp(startYear), MonthClamp(startMonth)},
            {YearClamp(endYear), MonthClamp(endMonth)}};
}

bool SpanReversed(const PeriodSpan& span) {
    return monthIndex(span.end) < monthIndex(span.start);
}

int SpanMonthCount(const PeriodSpan& span) {
    return SpanReversed(span) ? 0 : monthIndex(span.end) - monthIndex(span.start) + 1;
}

PeriodSpan CurrentYearSpan(int startMonth, const Date& today) {
    const int month = std::clamp(startMonth, 1, 12);
    const int year = today.month < month ? today.year - 1 : today.year;
    return TwelveMonthsFrom({year, month});
}

PeriodMonth ParsePeriodMonth(std::string_view fileBytes, const Settings& s) {
    IniFile ini;
    ini.parse(fileBytes);
    PeriodMonth m;
    const auto raw = [&](std::string_view section, std::string_view key) {
        return ini.readRaw(section, key).value_or(std::string());
    };
    m.attendance = StrToFloatDec(raw(kSystem, "SyukinDay"), 1, 0.0);
    if (!(m.attendance > 0))
        return PeriodMonth{};
    m.hasData = true;
    m.holidayAttendance = StrToFloatDec(raw(kSystem, "KyujituDay"), 1, 0.0);
    m.normal = StrToMinutes(raw(kSystem, "ZangyoTime"));
    m.lateNight = StrToMinutes(raw(kSystem, "ShinyaTime"));
    m.working = StrToMinutes(raw(kSystem, "KinmuTime"));

    // The marks in the file's own bytes, so no line needs converting.
    static const std::string paid = cp932::fromUtf8("有");
    static const std::string morning = cp932::fromUtf8("前");
    static const std::string afternoon = cp932::fromUtf8("後");
    static const std::string compensatory = cp932::fromUtf8("代");
    static const std::string absence = cp932::fromUtf8("欠");
    const double morningDays = std::fabs(s.HanDayAM.valueOr(0.0));
    const double afternoonDays = std::fabs(s.HanDayPM.valueOr(0.0));

    const int lastDay = std::clamp(ini.readInteger(kSystem, "LastDay", 0), 0, 31);
    for (int d = 1; d <= lastDay; ++d) {
        const std::string mark = CommaField(raw(kDayData, IntToStrPad(d, 2)), 3);
        if (mark == paid)
            m.paidLeave += 1;
        else if (mark == morning)
            m.paidLeave += morningDays;
        else if (mark == afternoon)
            m.paidLeave += afternoonDays;
        else if (mark == compensatory)
            m.compensatory += 1;
        else if (mark == absence)
            m.absences += 1;
    }
    return m;
}

PeriodMonthReader::PeriodMonthReader(const Settings& s, MonthPathFn path)
    : m_settings(s), m_path(std::move(path)) {}

const PeriodMonth& PeriodMonthReader::read(YearMonth ym) {
    const auto found = m_cache.find(ym);
    if (found != m_cache.end())
        return found->second;
    PeriodMonth month;
    std::string bytes;
    const IoResult r = ReadWholeFile(m_path(ym), bytes);
    if (r.ok())
        month = ParsePeriodMonth(bytes, m_settings);
    else if (r.error != IoError::NotFound)
        m_failures.push_back(r);
    return m_cache.emplace(ym, month).first->second;
}

std::optional<PeriodSpan> FindDataSpan(PeriodMonthReader& reader,
                                       const std::function<void()>& tick) {
    std::optional<YearMonth> first;
    YearMonth last;
    for (int y = PeriodFirstYear; y <= PeriodLastYear; ++y) {
        for (int m = 1; m <= 12; ++m) {
            if (!reader.read({y, m}).hasData)
                continue;
            if (!first)
                first = YearMonth{y, m};
            last = {y, m};
        }
        if (tick)
            tick();
    }
    if (!first)
        return std::nullopt;
    return PeriodSpan{*first, last};
}

const std::array<std::string_view, PeriodColumnCount>& PeriodColumnTitles() {
    static const std::array<std::string_view, PeriodColumnCount> titles{
        " 年 月 ", " 出勤 ",   " 休出 ",   " 有給 ",   " 代休 ",
        " 欠勤 ",  " 普  通 ", " 深  夜 ", " 合  計 ", " 勤  務 "};
    return titles;
}

const PeriodRow& PeriodGrid::row(int number) const {
    static const PeriodRow empty{};
    if (number < 1 || number > rowCount())
        return empty;
    return rows[static_cast<std::size_t>(number - 1)];
}

PeriodGrid CalculatePeriod(const PeriodSpan& span, PeriodMonthReader& reader, const Settings& s,
                           const std::function<void(int row)>& progress) {
    PeriodGrid grid;
    grid.span = span;
    grid.monthRows = SpanMonthCount(span);
    const int months = grid.monthRows;
    grid.rows.resize(static_cast<std::size_t>(months + 4));
    grid.counted.resize(static_cast<std::size_t>(months));

    Values total;
    Values averageSum;
    Values high;
    Values low;
    int counted = 0;

    YearMonth ym = span.start;
    for (int r = 1; r <= months; ++r, ym = AddMonths(ym, 1)) {
        PeriodRow& row = grid.rows[static_cast<std::size_t>(r - 1)];
        row[0] = IntToStrPad(ym.year, 4, '0') + "/" + IntToStrPad(ym.month, 2, '0');
        const PeriodMonth& m = reader.read(ym);
        if (m.hasData) {
            row[1] = attendance(m.attendance, s);
            row[2] = days(m.holidayAttendance);
            row[3] = days(m.paidLeave);
            row[4] = days(m.compensatory);
            row[5] = days(m.absences);
            row[6] = hours(m.normal);
            row[7] = hours(m.lateNight);
            row[8] = hours(static_cast<long long>(StrToMinutes(row[6])) + StrToMinutes(row[7]));
            row[9] = hours(m.working);

            const Values v = valuesOf(m);
            for (std::size_t i = 0; i < v.dayCounts.size(); ++i)
                total.dayCounts[i] += v.dayCounts[i];
            for (std::size_t i = 0; i < v.times.size(); ++i) total.times[i] += v.times[i];

            // Fifteen days of attendance make a month count for the average,
            // highest and lowest rows.
            if (m.attendance + m.holidayAttendance >= 15.0) {
                for (std::size_t i = 0; i < v.dayCounts.size(); ++i) {
                    averageSum.dayCounts[i] += v.dayCounts[i];
                    if (counted == 0 || v.dayCounts[i] > high.dayCounts[i])
                        high.dayCounts[i] = v.dayCounts[i];
                    if (counted == 0 || v.dayCounts[i] < low.dayCounts[i])
                        low.dayCounts[i] = v.dayCounts[i];
                }
                for (std::size_t i = 0; i < v.times.size(); ++i) {
                    averageSum.times[i] += v.times[i];
                    if (counted == 0 || v.times[i] > high.times[i])
                        high.times[i] = v.times[i];
                    if (counted == 0 || v.times[i] < low.times[i])
                        low.times[i] = v.times[i];
                }
                ++counted;
                grid.counted[static_cast<std::size_t>(r - 1)] = true;
            }
        }
        if (progress)
            progress(r);
    }

    PeriodRow& totalRow = grid.rows[static_cast<std::size_t>(months)];
    PeriodRow& averageRow = grid.rows[static_cast<std::size_t>(months + 1)];
    PeriodRow& highRow = grid.rows[static_cast<std::size_t>(months + 2)];
    PeriodRow& lowRow = grid.rows[static_cast<std::size_t>(months + 3)];
    totalRow[0] = " 合 計 ";
    averageRow[0] = " 平 均 ";
    highRow[0] = " 最 高 ";
    lowRow[0] = " 最 低 ";

    fillSummary(totalRow, total.dayCounts, total.times[0], total.times[1], total.times[3], true, s);
    // No counted month: divide by one, so every average is 0.
    const int divisor = std::max(counted, 1);
    std::array<double, 5> averageDays{};
    for (std::size_t i = 0; i < averageDays.size(); ++i)
        averageDays[i] = averageSum.dayCounts[i] / divisor;
    const auto averageTime = [&](std::size_t i) {
        return RoundOff(static_cast<double>(averageSum.times[i]) / divisor);
    };
    fillSummary(averageRow, averageDays, averageTime(0), averageTime(1), averageTime(3), false, s);
    for (auto [row, values] : {std::pair{&highRow, &high}, std::pair{&lowRow, &low}}) {
        fillSummary(*row, values->dayCounts, values->times[0], values->times[1], values->times[3],
                    false, s);
        (*row)[8] = hours(values->times[2]);  // the month's own total, not 6 + 7
    }
    return grid;
}

std::string PeriodFlagsText(const PeriodGrid& grid) {
    std::string flags;
    for (bool c : grid.counted) {
        flags += c ? '1' : '0';
        flags += ',';
    }
    return flags.empty() ? "1,1" : flags + "1,1";
}

bool PeriodAboveAverage(const PeriodGrid& grid, int row, int column) {
    if (!grid.isMonthRow(row) || column < 1 || column >= PeriodColumnCount)
        return false;
    const std::string& value = grid.row(row)[static_cast<std::size_t>(column)];
    const std::string& average = grid.row(grid.averageRow())[static_cast<std::size_t>(column)];
    if (column <= 3)
        return StrToFloatDec(value, 1, 0.0) > StrToFloatDec(average, 1, 0.0);
    return StrToMinutes(value) > StrToMinutes(average);
}

YearMonth PeriodRowMonth(const PeriodRow& row) {
    const std::string& text = row[0];
    return {StrToIntDef(text.substr(0, 4), 0),
            StrToIntDef(text.size() > 5 ? text.substr(5, 2) : std::string(), 0)};
}

}  // namespace tkv
