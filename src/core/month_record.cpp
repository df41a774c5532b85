#include "core/month_record.h"

#include <algorithm>

#include "base/text_util.h"

namespace tkv {

bool DayRow::isManual(DayColumn column) const {
    if (column < DayColumn::Overtime || column > DayColumn::Working)
        return false;
    return Trim(ManualFlag[ManualFlagIndex(column)]) == "*";
}

bool DayRow::isLegalHoliday() const {
    return Trim(LegalHolidayFlag) == "*";
}

bool SameEntries(const DayRow& a, const DayRow& b) {
    if (a.kind() != b.kind() || a.MemoColor != b.MemoColor ||
        a.isLegalHoliday() != b.isLegalHoliday())
        return false;
    for (DayColumn c : {DayColumn::Arrival, DayColumn::Leaving, DayColumn::Memo})
        if (a.cell(c) != b.cell(c))
            return false;
    for (DayColumn c : {DayColumn::Overtime, DayColumn::LateNight, DayColumn::Working}) {
        if (a.isManual(c) != b.isManual(c) || (a.isManual(c) && a.cell(c) != b.cell(c)))
            return false;
    }
    return true;
}

DayRow& MonthRecord::day(int number) {
    return days[static_cast<std::size_t>(std::clamp(number, 1, MaxMonthDays) - 1)];
}

const DayRow& MonthRecord::day(int number) const {
    return days[static_cast<std::size_t>(std::clamp(number, 1, MaxMonthDays) - 1)];
}

int MonthRecord::rowCount() const {
    return std::clamp(LastDay, 0, MaxMonthDays);
}

}  // namespace tkv
