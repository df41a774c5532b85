#include "mainwindow/grid/grid_rules.h"

#include <algorithm>

#include "base/text_util.h"
#include "settings/settings.h"

namespace tkv {

DayKind NextDayKind(std::string_view kindText) {
    const std::string t = Trim(kindText);
    if (t.empty())
        return DayKind::Holiday;
    for (int code = 1; code < DayKindCount; ++code) {
        const DayKind k = *DayKindFromCode(code);
        if (Trim(DayKindText(k)) == t)
            return *DayKindFromCode((code + 1) % DayKindCount);
    }
    return DayKind::Ordinary;
}

std::string RowDateLabel(const DayRow& row) {
    const std::string& date = row.cell(DayColumn::Date);
    const auto slash = date.find('/');
    const int month = StrToIntDef(Trim(date.substr(0, slash)), 0);
    const int day = slash == std::string::npos ? 0 : StrToIntDef(Trim(date.substr(slash + 1)), 0);
    return std::to_string(month) + "月" + std::to_string(day) + "日(" +
           Trim(row.cell(DayColumn::Weekday)) + ")";
}

std::string StandardTimeText(const DayRow& row, DayColumn column, const Settings& s) {
    const TimeSettings& t = s.times;
    const bool shortDay = row.kind() == DayKind::ShortDay;
    if (column == DayColumn::Arrival)
        return (shortDay ? t.shortDayStart : t.standardStart).text();
    return (shortDay ? t.shortDayEnd : t.standardEnd).text();
}

int RowAboveWithTime(const MonthRecord& m, int row, DayColumn column) {
    if (column < DayColumn::Date || column > DayColumn::Memo)
        return 0;
    for (int r = std::min(row, m.rowCount() + 1) - 1; r >= 1; --r) {
        if (!Trim(m.day(r).cell(column)).empty())
            return r;
    }
    return 0;
}

std::string UseTimeText(const Settings& s, int n) {
    if (n < 1 || n > static_cast<int>(s.UseTime.size()))
        return {};
    const std::string& t = s.UseTime[static_cast<std::size_t>(n - 1)];
    if (Trim(t).empty())
        return {};
    return MinutesToStr(StrToMinutes(t), 2, true);
}

std::string UseTimeCaption(const Settings& s, int n) {
    const std::string t = UseTimeText(s, n);
    return t.empty() ? std::string() : t + " を貼り付け";
}

std::string UseMemoText(const Settings& s, int n) {
    if (n < 1 || n > static_cast<int>(s.UseMemo.size()))
        return {};
    const std::string& m = s.UseMemo[static_cast<std::size_t>(n - 1)];
    return Trim(m).empty() ? std::string() : m;
}

std::string_view ManualValueName(DayColumn column) {
    switch (column) {
        case DayColumn::Overtime:
            return "普通残業時間";
        case DayColumn::LateNight:
            return "深夜残業時間";
        case DayColumn::Working:
            return "勤務時間";
        default:
            return {};
    }
}

std::string ManualValueText(std::string_view time, bool manual) {
    return MinutesToStr(StrToMinutes(time), 2, manual);
}

}  // namespace tkv
