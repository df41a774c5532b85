#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "reports/list_text.h"

// The text lines of the printed month overtime list. Every line is a row of
// fixed-width fields counted in Shift-JIS bytes (a full-width character is
// two), printed in a fixed-pitch font so the columns line up.
namespace tkv {

struct DayRow;
struct MonthCalculation;
struct MonthRecord;
struct Settings;

// The column header begins with one blank: items placed on the left get the
// same indent so they line up with the table.
inline constexpr int MonthListIndent = 1;

// The name a day kind mark prints as ("○" prints "休日"); an unknown mark
// prints as the ordinary day's four blanks.
std::string_view PrintedKindName(std::string_view mark);

// "2004年 3月分" and the print job's title built on it.
std::string MonthListMonthText(int year, int month);
std::string MonthListJobTitle(int year, int month);

// The four lines of the first page: day-count captions and values, time
// captions and values.
std::string MonthListDayCaption();
std::string MonthListDayCounts(const MonthCalculation& c, const Settings& s);
std::string MonthListTimeCaption();
std::string MonthListTimes(const MonthCalculation& c, const Settings& s);

// The column header line with its memo heading widened to the memo column.
std::string MonthListHeader(const Settings& s);

// One day. `memoCut` memo bytes are given up when the table is wider than
// the page.
std::string MonthListRecord(const DayRow& row, const Settings& s, int memoCut);

struct MonthListLines {
    std::vector<std::string> firstPage;  // the four lines above
    std::string header;
    std::vector<std::string> records;  // one per day of the month
};

MonthListLines BuildMonthListLines(const MonthRecord& m, const MonthCalculation& c,
                                   const Settings& s, int memoCut);

}  // namespace tkv
