#pragma once

#include <string>

#include "core/month_record.h"
#include "settings/settings.h"

namespace tkv::test {

// Settings as a new user has them: standard hours 8:00-17:00, a break
// 12:00-13:00, late night 22:00-5:00, rounding off, no flexible time.
inline Settings DefaultSettings() {
    Settings s;
    s.times.breaks[0].first = "12:00";
    s.times.breaks[0].second = "13:00";
    s.times.standardStart = " 8:00";
    s.times.standardEnd = "17:00";
    s.times.lateNightStart = "22:00";
    s.times.lateNightEnd = " 5:00";
    s.times.standardWork = " 8:00";
    s.times.minimumOvertime = " 0:00";
    s.times.morningLeaveWork = " 4:00";
    s.times.afternoonLeaveWork = " 4:00";
    s.times.targetOvertime = "20:00";
    s.times.shortDayStart = " 8:00";
    s.times.shortDayEnd = "12:00";
    s.times.shortDayWork = " 4:00";
    return s;
}

// The defaults as a first run stores them: every rounding unit at its first entry.
inline Settings FirstRunSettings() {
    Settings s = DefaultSettings();
    s.StartTime2 = s.EndTime2 = s.ZangyoTime2 = 0;
    return s;
}

inline DayRow Day(const std::string& kind, const std::string& arrival, const std::string& leaving) {
    DayRow row;
    row.cell(DayColumn::Kind) = kind;
    row.cell(DayColumn::Arrival) = arrival;
    row.cell(DayColumn::Leaving) = leaving;
    return row;
}

// A month whose rows are the given days, in order.
template <typename... Rows>
MonthRecord Month(const Rows&... rows) {
    MonthRecord m;
    m.year = 2004;
    m.month = 3;
    int n = 0;
    ((m.days[static_cast<std::size_t>(n++)] = rows), ...);
    m.LastDay = n;
    return m;
}

}  // namespace tkv::test
