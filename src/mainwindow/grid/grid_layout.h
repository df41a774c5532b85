#pragma once

#include <array>
#include <string>
#include <string_view>

#include "core/month_record.h"

// The grid's geometry and hints, free of any widget so they can be checked
// on their own.
namespace tkv {

// Column widths in blanks of the grid font.
inline constexpr std::array<int, DayColumnCount> ColumnBlanks{5, 2, 2, 5, 5, 5, 5, 5, 10};

std::string_view ColumnTitle(DayColumn column);
// Tab and Shift+Tab move only between arrival, leaving and memo.
bool IsTabStop(DayColumn column);
// Date and weekday are fixed; every other column of a day row takes typing.
bool IsEditableColumn(DayColumn column);

// The line between cells; cell widths and heights below do not include it.
inline constexpr int GridLineWidth = 1;

// Cell widths: blank width x blanks + 4; the memo column also takes what is
// left of `availableWidth` (lines included) beyond the others.
std::array<int, DayColumnCount> ColumnWidths(int blankWidth, int availableWidth);
int RowHeight(int fontHeight);
// Left offset of a centred title: (width - text - 4) / 2, never below 0, plus 2.
int TitleTextLeft(int cellWidth, int textWidth);

inline constexpr std::string_view GeneralHint = "出社時間と退社時間を入力します。";
// Hint of a day row's cell; empty for the fixed columns.
std::string CellHint(const DayRow& row, DayColumn column);

// Where Tab, Shift+Tab or Ctrl+Tab leads from a cell of day row `row`.
struct TabMove {
    enum Kind { Cell, ExitButton, PreviousButton };
    Kind kind = Cell;
    int row = 0;
    DayColumn column = DayColumn::Date;
};
TabMove TabTarget(int row, DayColumn column, int lastRow, bool backward, bool ctrl);

}  // namespace tkv
