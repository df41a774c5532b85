#pragma once

#include <array>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/io_result.h"
#include "core/calendar.h"
#include "core/month_file.h"

// Period totals: one row per accounting month of a span, read from the month
// files, then the total, average, highest and lowest rows.
namespace tkv {

struct Settings;

// Months of a span, both ends included.
struct PeriodSpan {
    YearMonth start;
    YearMonth end;
    friend bool operator==(const PeriodSpan&, const PeriodSpan&) = default;
};

inline constexpr int PeriodFirstYear = 1990;
inline constexpr int PeriodLastYear = 2090;

// `ym` moved by `delta` months; any month number is taken as counted from
// January of its year (month 0 is December of the year before).
YearMonth AddMonths(YearMonth ym, int delta);

// Twelve months beginning with `start`.
PeriodSpan TwelveMonthsFrom(YearMonth start);

// Years limited to 1990..2090, months to 1..12.
PeriodSpan ClampSpan(const PeriodSpan& raw);
// The four span fields as typed: unreadable text counts as 0, then clamped.
PeriodSpan ClampSpan(std::string_view startYear, std::string_view startMonth,
                     std::string_view endYear, std::string_view endMonth);

// The end lies before the start (one month, start = end, is fine).
bool SpanReversed(const PeriodSpan& span);
// Months from start to end inclusive; 0 for a reversed span.
int SpanMonthCount(const PeriodSpan& span);

// The twelve months that begin in `startMonth` (clamped to 1..12) and hold
// the month of `today`.
PeriodSpan CurrentYearSpan(int startMonth, const Date& today);

// The values of one month as its file holds them.
struct PeriodMonth {
    bool hasData = false;  // the file exists and SyukinDay > 0
    double attendance = 0;
    double holidayAttendance = 0;
    double paidLeave = 0;
    double compensatory = 0;
    double absences = 0;
    int normal = 0;  // minutes
    int lateNight = 0;
    int working = 0;
};

// Reads the totals of one month from the bytes of its file. Marks are
// compared as they stand (a blank before "有" makes it another mark); a
// half-day leave adds the size of its HanDayAM / HanDayPM value.
PeriodMonth ParsePeriodMonth(std::string_view fileBytes, const Settings& s);

// Reads month files for one calculation, each at most once. A file that
// exists but cannot be read counts as a month without data and is noted.
class PeriodMonthReader {
public:
    PeriodMonthReader(const Settings& s, MonthPathFn path);

    const PeriodMonth& read(YearMonth ym);
    // Files that exist but could not be read, in the order met.
    const std::vector<IoResult>& failures() const { return m_failures; }

private:
    const Settings& m_settings;
    MonthPathFn m_path;
    std::map<YearMonth, PeriodMonth> m_cache;
    std::vector<IoResult> m_failures;
};

// "全期間": the first to the last month of 1990..2090 with data; nothing
// when no month has any. `tick` runs after each year, so a window can paint.
std::optional<PeriodSpan> FindDataSpan(PeriodMonthReader& reader,
                                       const std::function<void()>& tick = {});

inline constexpr int PeriodColumnCount = 10;
using PeriodRow = std::array<std::string, PeriodColumnCount>;

// Header texts of the ten columns.
const std::array<std::string_view, PeriodColumnCount>& PeriodColumnTitles();

// The grid of a calculation: the month rows, then " 合 計 ", " 平 均 ",
// " 最 高 ", " 最 低 ". Rows are numbered from 1 as the window numbers them
// below its header row.
struct PeriodGrid {
    PeriodSpan span{};
    int monthRows = 0;
    std::vector<PeriodRow> rows;
    // Per month row: the month counts for average, highest and lowest.
    std::vector<bool> counted;

    int rowCount() const { return static_cast<int>(rows.size()); }
    const PeriodRow& row(int number) const;
    bool isMonthRow(int number) const { return number >= 1 && number <= monthRows; }
    // The average row, the one month rows are compared with.
    int averageRow() const { return monthRows + 2; }
};

// Calculates the (clamped, not reversed) span. `progress` is told each
// month row as it is filled (1..M).
PeriodGrid CalculatePeriod(const PeriodSpan& span, PeriodMonthReader& reader, const Settings& s,
                           const std::function<void(int row)>& progress = {});

// "1" for each counted month row, "0" for the others, joined by commas,
// then ",1,1" for the rows below.
std::string PeriodFlagsText(const PeriodGrid& grid);

// Whether a cell of a month row is drawn red: above the average row's value
// in its column. Columns 1..3 compare as decimal numbers, 4..9 through the
// time reading (monotonic for both forms of text).
bool PeriodAboveAverage(const PeriodGrid& grid, int row, int column);

// "2004/03" of a month row, as year and month.
YearMonth PeriodRowMonth(const PeriodRow& row);

}  // namespace tkv
