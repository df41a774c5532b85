#include "reports/period_list_lines.h"

#include <cstdio>

#include "base/text_util.h"
#include "reports/list_text.h"
#include "settings/settings.h"

namespace tkv {

std::string PeriodListPeriodText(const PeriodSpan& span) {
    char buf[96];
    std::snprintf(buf, sizeof buf, "%4d年%2d月～%4d年%2d月", span.start.year, span.start.month,
                  span.end.year, span.end.month);
    return buf;
}

std::string PeriodListJobTitle(const PeriodSpan& span) {
    return PeriodListPeriodText(span) + " 残業一覧";
}

std::string PeriodListHeader() {
    return "   年 月   平日出勤  休日出勤  出勤合計  有給休暇   代休    欠勤   普通残業  深夜残業  "
           "残業合計  勤務時間  ";
}

std::string WeekdayAttendanceText(const PeriodRow& row, bool reformat, const Settings& s) {
    if (Trim(row[1]).empty())
        return {};
    const std::string text =
        FloatToStrDec(4, 1, StrToFloatDec(row[1], 1, 0.0) - StrToFloatDec(row[2], 1, 0.0));
    return reformat ? DayCountStr(text, s.Hankyu05) : text;
}

std::string PeriodListRecord(const PeriodGrid& grid, int number, const Settings& s) {
    const PeriodRow& row = grid.row(number);
    const std::string unit = Trim(row[1]).empty() ? "  " : "日";
    const bool lowestRow = number == grid.rowCount();
    std::string line = RightAlign(row[0], 9);
    line += RightAlign(WeekdayAttendanceText(row, !lowestRow, s), 7) + unit;
    line += RightAlign(row[2], 8) + unit;
    line += RightAlign(row[1], 8) + unit;
    line += RightAlign(row[3], 8) + unit;
    line += RightAlign(row[4], 6) + unit;
    line += RightAlign(row[5], 6) + unit;
    for (std::size_t c = 6; c <= 9; ++c) line += RightAlign(PrintedTime(row[c], s), 10);
    line += "  ";
    return line;
}

PeriodListLines BuildPeriodListLines(const PeriodGrid& grid, const Settings& s) {
    PeriodListLines lines;
    lines.header = PeriodListHeader();
    lines.records.reserve(static_cast<std::size_t>(grid.rowCount()));
    for (int n = 1; n <= grid.rowCount(); ++n)
        lines.records.push_back(PeriodListRecord(grid, n, s));
    return lines;
}

}  // namespace tkv
