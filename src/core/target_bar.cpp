#include "core/target_bar.h"

#include <algorithm>
#include <cstdlib>

#include "base/text_util.h"
#include "core/month_record.h"
#include "settings/settings.h"

namespace tkv {

TargetBarState ComputeTargetBar(const MonthRecord& m, const Settings& s) {
    TargetBarState st;
    const long long achieved = StrToMinutes(m.summary.KeiTMemo);
    const long long remainder = StrToMinutes(m.summary.MokuTMemo);
    const long long target =
        s.MokuhyoTime ? s.times.targetOvertime.minutes() : achieved - remainder;
    st.percentText = "---%";
    st.perDayText = "--:--";
    if (target <= 0)
        return st;
    st.hasTarget = true;
    st.percent =
        static_cast<int>(std::clamp<long long>(achieved * 100 / target, -1000000, 1000000));
    st.percentRed = st.percent < 0;
    st.percentText = std::to_string(st.percent) + "%";

    for (int d = 1; d <= m.rowCount(); ++d) {
        const DayRow& row = m.day(d);
        const bool arrived = StrToMinutes(row.cell(DayColumn::Arrival)) != 0 ||
                             Trim(ToHankaku(row.cell(DayColumn::Arrival))).rfind('0', 0) == 0;
        if (arrived && StrToMinutes(row.cell(DayColumn::Leaving)) != 0) {
            ++st.plannedDays;
            ++st.workedDays;
        } else if (Trim(row.cell(DayColumn::Kind)).empty()) {
            ++st.plannedDays;
        }
    }
    if (st.workedDays < st.plannedDays && st.percent < 100)
        st.perDayText =
            MinutesToStr(static_cast<int>(-remainder / (st.plannedDays - st.workedDays)), 2, true);
    return st;
}

std::vector<BarShape> TargetBarShapes(const TargetBarState& st, int width, int height) {
    std::vector<BarShape> shapes;
    if (!st.hasTarget || width < 45)
        return shapes;
    const int s = width / 45;
    const int n = (width + s + 1) / s;
    const bool positive = st.percent >= 0;
    for (int k = 1; k <= n; ++k) {
        const int every = positive ? 3 : 9;
        const int wideEvery = positive ? 15 : 45;
        if (k % every != 0)
            continue;
        const int widen = k % wideEvery == 0 ? 1 : 0;
        shapes.push_back({BarShape::Tick, k * s - 1 - widen, 0, k * s + 1 + widen, 2, 0x000000});
    }
    const long long magnitude = std::llabs(static_cast<long long>(st.percent));
    const long long f = positive ? (magnitude + 1) * 45 / 150 : (magnitude + 1) * 45 / 50;
    for (int k = 1; k <= n; ++k) {
        int filled = 0x0000FF, empty = 0x8080FF;
        if (positive) {
            if (k <= 15)
                filled = 0xFFFF00, empty = 0xFFFF80;
            else if (k <= 30)
                filled = 0xFF0000, empty = 0xFF8080;
            else
                filled = 0x00FFFF, empty = 0x80FFFF;
        }
        const bool isFilled = k <= std::min<long long>(f, n);
        shapes.push_back({isFilled ? BarShape::FilledSegment : BarShape::EmptySegment,
                          (k - 1) * s + 1, 3, std::min(k * s - 1, width), height - 1,
                          isFilled ? filled : empty});
    }
    return shapes;
}

}  // namespace tkv
