#include "mainwindow/grid/grid_layout.h"

#include <algorithm>
#include <numeric>

#include "base/text_util.h"

namespace tkv {

std::string_view ColumnTitle(DayColumn column) {
    static constexpr std::array<std::string_view, DayColumnCount> titles{
        "日 付", "曜", "休", "出 社", "退 社", "普 通", "深 夜", "勤 務", "  メ  モ  "};
    if (column < DayColumn::Date || column > DayColumn::Memo)
        return {};
    return titles[ColumnIndex(column)];
}

bool IsTabStop(DayColumn column) {
    return column == DayColumn::Arrival || column == DayColumn::Leaving ||
           column == DayColumn::Memo;
}

bool IsEditableColumn(DayColumn column) {
    return column >= DayColumn::Kind && column <= DayColumn::Memo;
}

std::array<int, DayColumnCount> ColumnWidths(int blankWidth, int availableWidth) {
    std::array<int, DayColumnCount> w{};
    for (std::size_t c = 0; c < w.size(); ++c) w[c] = blankWidth * ColumnBlanks[c] + 4;
    const int others =
        std::accumulate(w.begin(), w.end() - 1, 0) + (DayColumnCount - 1) * GridLineWidth;
    const std::size_t memo = ColumnIndex(DayColumn::Memo);
    w[memo] = std::max(w[memo], availableWidth - others - GridLineWidth);
    return w;
}

int RowHeight(int fontHeight) {
    return fontHeight + 2;
}

int TitleTextLeft(int cellWidth, int textWidth) {
    return std::max(0, (cellWidth - textWidth - 4) / 2) + 2;
}

std::string CellHint(const DayRow& row, DayColumn column) {
    switch (column) {
        case DayColumn::Kind:
            return "休日区分を選択してください。\n右ｸﾘｯｸでﾎﾟｯﾌﾟｱｯﾌﾟﾒﾆｭｰが表示されます。";
        case DayColumn::Arrival:
            return "出社時刻を入力してください。";
        case DayColumn::Leaving:
            return "退社時刻を入力してください。";
        case DayColumn::Overtime:
            return "普通残業時間が計算されます。";
        case DayColumn::LateNight:
            return "深夜残業時間が計算されます。";
        case DayColumn::Working:
            return "勤務時間が計算されます。";
        case DayColumn::Memo: {
            const std::string& memo = row.cell(DayColumn::Memo);
            return Trim(memo).empty() ? "メモを入力してください。" : memo;
        }
        default:
            return {};
    }
}

TabMove TabTarget(int row, DayColumn column, int lastRow, bool backward, bool ctrl) {
    if (ctrl)
        return {TabMove::PreviousButton};
    if (!backward) {
        if (column == DayColumn::Memo && row >= lastRow)
            return {TabMove::PreviousButton};
        for (int c = static_cast<int>(column) + 1; c < DayColumnCount; ++c) {
            if (IsTabStop(ColumnAt(c)))
                return {TabMove::Cell, row, ColumnAt(c)};
        }
        return {TabMove::Cell, row + 1, DayColumn::Arrival};
    }
    if (column == DayColumn::Arrival) {
        if (row <= 1)
            return {TabMove::ExitButton};
        return {TabMove::Cell, row - 1, DayColumn::Memo};
    }
    for (int c = static_cast<int>(column) - 1; c >= 0; --c) {
        if (IsTabStop(ColumnAt(c)))
            return {TabMove::Cell, row, ColumnAt(c)};
    }
    // Left of the first tab stop: the memo of the row above, or stay.
    if (row <= 1)
        return {TabMove::Cell, row, column};
    return {TabMove::Cell, row - 1, DayColumn::Memo};
}

}  // namespace tkv
