#pragma once

#include <string>
#include <vector>

#include "reports/period_totals.h"

// The text lines of the printed period totals list, counted in Shift-JIS
// bytes like every list.
namespace tkv {

struct Settings;

// The header line begins with three blanks; items placed on the left get
// as many.
inline constexpr int PeriodListIndent = 3;

// "2004年 4月～2005年 3月" and the print job's title built on it.
std::string PeriodListPeriodText(const PeriodSpan& span);
std::string PeriodListJobTitle(const PeriodSpan& span);

std::string PeriodListHeader();

// Attendance on working days: column 1 less column 2 with one decimal in
// width 4, re-formatted by Hankyu05 when `reformat`; empty when column 1 is
// blank. Shared by the list and the CSV file.
std::string WeekdayAttendanceText(const PeriodRow& row, bool reformat, const Settings& s);

// Row `number` (1 .. M + 4) of the grid as a printed line.
std::string PeriodListRecord(const PeriodGrid& grid, int number, const Settings& s);

struct PeriodListLines {
    std::string header;
    std::vector<std::string> records;
};
PeriodListLines BuildPeriodListLines(const PeriodGrid& grid, const Settings& s);

}  // namespace tkv
