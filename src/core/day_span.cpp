#include "core/day_span.h"

#include <tuple>

#include "base/ini_file.h"
#include "base/text_util.h"

namespace tkv {
namespace {

bool before(const Date& a, const Date& b) {
    return std::tie(a.year, a.month, a.day) < std::tie(b.year, b.month, b.day);
}

}  // namespace

int SpanDayCount(const DaySpan& span) {
    if (!IsRealDate(span.start) || !IsRealDate(span.end) || before(span.end, span.start))
        return 0;
    Date d = span.start;
    int count = 1;
    while (d != span.end && count <= MaxSpanDays) {
        d = NextDay(d);
        ++count;
    }
    return count;
}

bool IsValidSpan(const DaySpan& span) {
    const int n = SpanDayCount(span);
    return n >= 1 && n <= MaxSpanDays;
}

DaySpan CalendarMonthSpan(const Date& today) {
    return {{today.year, today.month, 1},
            {today.year, today.month, DaysInMonth(today.year, today.month)}};
}

std::array<YearMonth, 3> SpanMonthFiles(const DaySpan& span) {
    const YearMonth first{span.start.year, span.start.month};
    const YearMonth second = NextMonth(first);
    return {first, second, NextMonth(second)};
}

YearMonth SpanShownMonth(const DaySpan& span) {
    return {span.end.year, span.end.month};
}

SpanRows GatherSpan(const DaySpan& span, const MonthPathFn& pathOf) {
    SpanRows result;
    MonthRecord& m = result.month;
    const YearMonth shown = SpanShownMonth(span);
    m.year = shown.year;
    m.month = shown.month;
    const std::array<YearMonth, 3> files = SpanMonthFiles(span);
    for (std::size_t i = 0; i < files.size(); ++i) result.sources[i].month = files[i];
    if (!IsValidSpan(span))
        return result;

    m.LastDay = SpanDayCount(span);
    Date d = span.start;
    for (int r = 1; r <= m.LastDay; ++r, d = NextDay(d)) {
        DayRow& row = m.day(r);
        row.cell(DayColumn::Date) = GridDateText(d.month, d.day);
        row.cell(DayColumn::Weekday) = std::string(WeekdayName(WeekdayOf(d)));
    }

    // A stored line belongs to the row with its date text: month and day
    // alone never repeat within the three months a span can touch.
    auto rowOf = [&m](const std::string& dateText) -> DayRow* {
        for (int r = 1; r <= m.LastDay; ++r)
            if (m.day(r).cell(DayColumn::Date) == dateText)
                return &m.day(r);
        return nullptr;
    };
    for (SpanSource& source : result.sources) {
        IniFile ini;
        source.io = ini.load(pathOf(source.month));
        if (!source.io.ok())
            continue;
        std::array<DayRow, MaxMonthDays> stored{};
        const int last = ReadDayLines(ini, stored);
        for (int i = 0; i < last; ++i) {
            const DayRow& line = stored[static_cast<std::size_t>(i)];
            if (DayRow* row = rowOf(line.cell(DayColumn::Date))) {
                *row = line;
                ++source.rowsFilled;
            }
        }
    }
    m.takeSnapshot();
    return result;
}

}  // namespace tkv
