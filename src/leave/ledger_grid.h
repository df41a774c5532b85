#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "core/calendar.h"
#include "leave/leave_kind.h"

// What the paid-leave window's grid does, free of any widget: its columns,
// hints and Tab moves, how a cell is drawn, and the edits of the double
// click and the kind menu. Rows are the ledger's slots, 1..500.
namespace tkv {

class Ledger;
struct LeaveEntry;
struct Settings;

enum class LedgerColumn : int { No = 0, Date, Weekday, Kind, Days, Remaining, Memo };
inline constexpr int LedgerColumnCount = 7;

inline LedgerColumn LedgerColumnAt(int column) {
    return static_cast<LedgerColumn>(column);
}
inline int LedgerColumnNumber(LedgerColumn column) {
    return static_cast<int>(column);
}

// Column widths in blanks of the grid font.
inline constexpr std::array<int, LedgerColumnCount> LedgerColumnBlanks{3, 10, 2, 4, 5, 5, 10};

std::string_view LedgerColumnTitle(LedgerColumn column);
// Tab and Shift+Tab move between date, kind, days and memo.
bool IsLedgerTabStop(LedgerColumn column);
// The field a column shows and edits; nothing for "No.".
std::string* LedgerCellField(LeaveEntry& entry, LedgerColumn column);
// The text of a cell as the grid shows it ("No." is the slot number).
std::string LedgerCellText(const LeaveEntry& entry, int slot, LedgerColumn column);
// The hint of a cell; the memo's own text over a memo that has one. Empty
// for the "No." column.
std::string LedgerCellHint(const LeaveEntry& entry, LedgerColumn column);

// Where Tab, Shift+Tab or Ctrl+Tab leads from a cell of slot `row`.
struct LedgerTabMove {
    enum Kind { Cell, CalcButton, CancelButton };
    Kind kind = Cell;
    int row = 0;
    LedgerColumn column = LedgerColumn::Date;
    bool operator==(const LedgerTabMove&) const = default;
};
LedgerTabMove LedgerTabTarget(int row, LedgerColumn column, bool backward, bool ctrl);

// How one cell of a slot is drawn.
struct LedgerCellStyle {
    bool fixed = false;  // the "No." column: drawn like the title row
    // The text colour 0x00BBGGRR; nothing for the grid's normal text colour.
    std::optional<int> ink;
    int cellColor = -1;     // index into CellColor, -1 for the grid colour
    bool yearLine = false;  // black line along the bottom edge
    bool operator==(const LedgerCellStyle&) const = default;
};
LedgerCellStyle LedgerStyleFor(const Ledger& ledger, int slot, LedgerColumn column,
                               const Settings& s);

// Whether a line goes under slot `slot`: it is the last entry of its grant
// year, the year that starts in month `yukyuMonth` (0 = no lines).
bool GrantYearLineBelow(const Ledger& ledger, int slot, int yukyuMonth);

// A double click on "No.", the date or the weekday: an empty date becomes
// `today`, the date is normalised and the weekday filled in.
void FillEntryDate(Ledger& ledger, int slot, const Date& today);

// A double click on the kind (`kind` empty: the next kind of the cycle) or a
// kind menu item (`kind` given). The date is normalised; without a date
// nothing else changes. A kind text that names no kind is not cycled. Kinds
// 1..3 write their days. True when the kind was set.
bool SetEntryKind(Ledger& ledger, int slot, std::optional<LeaveKind> kind);

// The date the delete-by-date dialog starts on: the last day of the month
// two years and one month before `today`.
Date DeleteUpToInitialDate(const Date& today);

}  // namespace tkv
