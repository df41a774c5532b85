#pragma once

#include <array>
#include <string>

#include "core/day_kind.h"

// The displayed month as the program holds it: one row of texts per day, as
// the grid shows them and the month file stores them.
namespace tkv {

// Grid columns of a day row.
enum class DayColumn : int {
    Date = 0,     // month "/" day, each right-aligned in two characters
    Weekday = 1,  // "日".."土"
    Kind = 2,     // DayKind text
    Arrival = 3,
    Leaving = 4,   // may exceed 24:00
    Overtime = 5,  // normal overtime
    LateNight = 6,
    Working = 7,
    Memo = 8,
};
inline constexpr int DayColumnCount = 9;

constexpr std::size_t ColumnIndex(DayColumn column) {
    return static_cast<std::size_t>(column);
}
// Grid column numbers, as the views count them, and day columns. A number
// outside 0..8 (-1 for no column) matches none of the columns.
constexpr DayColumn ColumnAt(int number) {
    return static_cast<DayColumn>(number);
}
constexpr int ColumnNumber(DayColumn column) {
    return static_cast<int>(column);
}
// The ManualFlag slot of column 5, 6 or 7.
constexpr std::size_t ManualFlagIndex(DayColumn column) {
    return ColumnIndex(column) - ColumnIndex(DayColumn::Overtime);
}

inline constexpr int MaxMonthDays = 31;

struct DayRow {
    std::array<std::string, DayColumnCount> cells;
    // "*" when the value of column 5, 6 or 7 (in that order) was typed by
    // hand and must survive recalculation; empty otherwise.
    std::array<std::string, 3> ManualFlag;
    // "*" when a holiday is a statutory holiday for pay purposes.
    std::string LegalHolidayFlag;
    // 0x00BBGGRR; 0 is the standard text colour.
    int MemoColor = 0;

    std::string& cell(DayColumn column) { return cells[ColumnIndex(column)]; }
    const std::string& cell(DayColumn column) const { return cells[ColumnIndex(column)]; }

    // Whether column 5, 6 or 7 holds a hand-entered value; false for other columns.
    bool isManual(DayColumn column) const;
    bool isLegalHoliday() const;
    DayKind kind() const { return DayKindFromText(cell(DayColumn::Kind)); }

    bool operator==(const DayRow&) const = default;
};

// Whether two rows hold the same entries: kind, times, memo and its colour,
// the statutory mark and hand-typed values. Computed columns are left out,
// since a recalculation under other settings changes them without an edit.
bool SameEntries(const DayRow& a, const DayRow& b);

// The month values beside the grid, named after their fields.
struct SummaryTexts {
    std::string SyukinMemo;   // days worked
    std::string KyujituMemo;  // holiday days worked
    std::string ZanTMemo;     // normal overtime
    std::string SZanTMemo;    // late-night overtime
    std::string KeiTMemo;     // both together
    std::string MokuTMemo;    // overtime left to the target
    std::string KinmuTMemo;   // working time

    bool operator==(const SummaryTexts&) const = default;
};

struct MonthRecord {
    int year = 0;
    int month = 0;
    int LastDay = 0;                        // number of day rows in use
    std::array<DayRow, MaxMonthDays> days;  // day 1 of the accounting month is days[0]
    SummaryTexts summary;
    // The rows as they were loaded or last saved.
    std::array<DayRow, MaxMonthDays> snapshot;

    // Day rows are numbered from 1; a number outside 1..31 gives the nearest slot.
    DayRow& day(int number);
    const DayRow& day(int number) const;

    // LastDay limited to the slots that exist.
    int rowCount() const;

    void takeSnapshot() { snapshot = days; }
    bool hasUnsavedChanges() const { return days != snapshot; }
};

}  // namespace tkv
