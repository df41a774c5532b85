#pragma once

#include <string>

#include "core/month_record.h"
#include "settings/settings.h"

namespace tkv::test {

// Settings as a new user has them: standard hours 8:00-17:00, a break
// 12:00-13:00, late night 22:00-5:00, rounding off, no flexible time.
inline Settings DefaultSettings() {
    Settings s;
    s.timeFirst(1) = "12:00";
    s.timeSecond(1) = "13:00";
    s.timeFirst(11) = " 8:00";
    s.timeSecond(11) = "17:00";
    s.timeFirst(12) = "22:00";
    s.timeSecond(12) = " 5:00";
    s.timeFirst(13) = " 8:00";
    s.timeSecond(13) = " 0:00";
    s.timeFirst(14) = " 4:00";
    s.timeFirst(15) = " 4:00";
    s.timeFirst(16) = "20:00";
    s.timeFirst(21) = " 8:00";
    s.timeSecond(21) = "12:00";
    s.timeFirst(22) = " 4:00";
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
    row.cells[ColKind] = kind;
    row.cells[ColArrival] = arrival;
    row.cells[ColLeaving] = leaving;
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
