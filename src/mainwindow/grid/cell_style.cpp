#include "mainwindow/grid/cell_style.h"

#include "base/text_util.h"
#include "mainwindow/grid/grid_rules.h"
#include "settings/settings.h"

namespace tkv {
namespace {

bool lateOrEarly(const DayRow& row, DayColumn column, const Settings& s) {
    if (!s.ChikokuRedDisp || s.FlexTime)
        return false;
    const DayKind kind = row.kind();
    if (kind != DayKind::Ordinary && kind != DayKind::ShortDay)
        return false;
    const std::string& value = row.cell(column);
    const std::string standard = StandardTimeText(row, column, s);
    // A blank cell or an unset standard time says nothing about lateness.
    if (Trim(value).empty() || Trim(standard).empty())
        return false;
    const int v = StrToMinutes(value);
    const int t = StrToMinutes(standard);
    return column == DayColumn::Arrival ? v > t : v < t;
}

int kindColorIndex(DayKind kind) {
    switch (kind) {
        case DayKind::Holiday:
            return 0;
        case DayKind::PaidLeave:
            return 1;
        case DayKind::MorningLeave:
            return 2;
        case DayKind::AfternoonLeave:
            return 3;
        case DayKind::Compensatory:
            return 4;
        case DayKind::Absence:
            return 5;
        case DayKind::ShortDay:
            return 8;
        case DayKind::Ordinary:
            break;
    }
    return -1;
}

}  // namespace

CellStyle StyleFor(const DayRow& row, DayColumn column, const Settings& s) {
    CellStyle st;
    const std::string weekday = Trim(row.cell(DayColumn::Weekday));
    const bool saturday = weekday == "土";
    const bool sunday = weekday == "日";
    const DayKind kind = row.kind();

    st.fixed = column == DayColumn::Date || column == DayColumn::Weekday;
    if (column == DayColumn::Weekday) {
        if (saturday) {
            st.ink = CellInk::Blue;  // blue even on a Saturday holiday
        } else if (kind == DayKind::Holiday || sunday) {
            st.ink = CellInk::Red;
        }
    }
    if ((column == DayColumn::Arrival || column == DayColumn::Leaving) &&
        lateOrEarly(row, column, s)) {
        st.ink = CellInk::Red;
    }
    if (column >= DayColumn::Overtime && column <= DayColumn::Working) {
        st.underline = row.isManual(column);
        if (StrToMinutes(row.cell(column)) < 0)
            st.ink = CellInk::Red;
    }
    if (column >= DayColumn::Kind && column <= DayColumn::Working && row.isLegalHoliday())
        st.ink = CellInk::Red;
    if (column == DayColumn::Memo && row.MemoColor != 0) {
        st.ink = CellInk::Memo;
        st.memoColor = row.MemoColor;
    }

    if (!st.fixed) {
        auto use = [&](int index) {
            if (index >= 0 && s.CellColorCheck[static_cast<std::size_t>(index)]) {
                st.cellColor = index;
            }
        };
        if (saturday)
            use(6);
        if (sunday)
            use(7);
        use(kindColorIndex(kind));
    }
    st.weekLine = (s.GridLineSelect == WeekSeparator::AtSunday && saturday) ||
                  (s.GridLineSelect == WeekSeparator::AtMonday && sunday);
    return st;
}

}  // namespace tkv
