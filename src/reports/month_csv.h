#pragma once

#include <iosfwd>
#include <optional>
#include <string>

#include "core/calendar.h"

namespace tkv {

struct MonthRecord;
struct Settings;

// The name the save dialog proposes: "2004年3月.csv", or with the personal
// file name in front ("山田 2004年3月.csv") when the user asked for it.
std::string MonthCsvFileName(int year, int month, const Settings& s);

// The calendar date of the month's first row. Its month and day come from
// the row's date text; the year is the displayed year, or the one before
// when the period starts in December (January with closing day 20 begins on
// 12/21 of the year before).
Date MonthCsvFirstDate(const MonthRecord& m);

// Writes the displayed month as CSV: CP932 bytes, CR LF line ends. The
// personal-information line goes out exactly as the user typed it; every
// other field goes through CsvField. Rows are dated from MonthCsvFirstDate
// on, one day each, unless `firstRowDate` gives the first row's real date:
// rows that are not one accounting month (a span of days ending in
// December) cannot have their year worked out from the shown month.
void WriteMonthCsv(std::ostream& out, const MonthRecord& m, const Settings& s,
                   std::optional<Date> firstRowDate = std::nullopt);

}  // namespace tkv
