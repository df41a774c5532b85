#pragma once

#include <string>
#include <string_view>

#include "core/month_record.h"

// The rules behind the grid's entry commands, free of widgets.
namespace tkv {

struct Settings;

// The kind after `text` in code order (0 -> 1 -> ... -> 7 -> 0); a mark that
// is no kind becomes the ordinary day.
DayKind NextDayKind(std::string_view kindText);

// "5月12日(月)" from the row's own date and weekday cells.
std::string RowDateLabel(const DayRow& row);

// The standard start (arrival) or end (leaving) of the row's day: Time21 on a
// short day, Time11 otherwise.
std::string StandardTimeText(const DayRow& row, DayColumn column, const Settings& s);

// Row number above `row` whose cell in `column` is not blank; 0 when none.
int RowAboveWithTime(const MonthRecord& m, int row, DayColumn column);

// Caption of frequently-used time n (1..6) or fixed memo n (1..10); empty
// when it is not set (the entry is then shown disabled as "未設定").
inline constexpr std::string_view UnsetCaption = "未設定";
std::string UseTimeText(const Settings& s, int n);
std::string UseTimeCaption(const Settings& s, int n);
std::string UseMemoText(const Settings& s, int n);

// "普通残業時間", "深夜残業時間" or "勤務時間" for columns 5..7, else empty.
std::string_view ManualValueName(DayColumn column);

// The cell text a hand-set value is written as: width 2, zero shown only
// when the value is kept out of recalculation.
std::string ManualValueText(std::string_view time, bool manual);

}  // namespace tkv
