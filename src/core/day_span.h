#pragma once

#include <array>
#include <string_view>

#include "base/io_result.h"
#include "core/calendar.h"
#include "core/month_file.h"
#include "core/month_record.h"

// Any run of up to 31 consecutive days, shown in place of an accounting
// month. Its days are gathered from the month files that hold them; the view
// only reads them, since its rows belong to up to three files.
namespace tkv {

struct DaySpan {
    Date start;
    Date end;
    friend bool operator==(const DaySpan&, const DaySpan&) = default;
};

inline constexpr int MaxSpanDays = MaxMonthDays;

// What the user is told when a span is refused.
inline constexpr std::string_view SpanErrorCaption = "集計期間ｴﾗｰ";
inline constexpr std::string_view SpanErrorText = "集計期間を正しく設定してください。";

// Days from start to end, both included (1 for start = end). 0 when the end
// lies before the start or a date is not a real one; MaxSpanDays + 1 for any
// longer span.
int SpanDayCount(const DaySpan& span);

// 1 to 31 days between real dates.
bool IsValidSpan(const DaySpan& span);

// The first and the last day of the calendar month of `today`.
DaySpan CalendarMonthSpan(const Date& today);

// The month files that can hold the span's days: the calendar month of the
// start date and the two after it (December is followed by January). A day
// is kept in the file of its own calendar month or of the next one, whatever
// closing day it was saved under, and 31 days never reach a fourth file.
std::array<YearMonth, 3> SpanMonthFiles(const DaySpan& span);

// The year and month shown with the span: those of its end date.
YearMonth SpanShownMonth(const DaySpan& span);

// What one month file gave to the span.
struct SpanSource {
    YearMonth month;
    IoResult io;  // NotFound for a month never saved
    int rowsFilled = 0;
};

struct SpanRows {
    // Rows 1..N of the span in the form of a displayed month: year and month
    // are SpanShownMonth, LastDay is N. The snapshot equals the rows.
    MonthRecord month;
    std::array<SpanSource, 3> sources;
};

// The rows of a valid span, not yet recalculated. Every row has its date and
// weekday; a day found in one of the files gets its stored line, read as a
// month load reads it (memo colour included). A day found in two files takes
// the later one's line. Days missing from the files, and the days of files
// that cannot be read, keep date and weekday only. An invalid span gives a
// month without rows.
SpanRows GatherSpan(const DaySpan& span, const MonthPathFn& pathOf);

}  // namespace tkv
