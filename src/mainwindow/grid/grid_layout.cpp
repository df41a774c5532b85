#include "mainwindow/grid/grid_layout.h"

#include <algorithm>
#include <numeric>

#include "base/text_util.h"

namespace tkv {

std::string_view ColumnTitle(int column) {
    static constexpr std::array<std::string_view, DayColumnCount> titles{
        "日 付", "曜", "休", "出 社", "退 社", "普 通", "深 夜", "勤 務", "  メ  モ  "};
    if (column < 0 || column >= DayColumnCount)
        return {};
    return titles[static_cast<std::size_t>(column)];
}

bool IsTabStop(int column) {
    return column == ColArrival || column == ColLeaving || column == ColMemo;
}

bool IsEditableColumn(int column) {
    return column >= ColKind && column <= ColMemo;
}

std::array<int, DayColumnCount> ColumnWidths(int blankWidth, int availableWidth) {
    std::array<int, DayColumnCount> w{};
    for (std::size_t c = 0; c < w.size(); ++c) w[c] = blankWidth * ColumnBlanks[c] + 4;
    const int others =
        std::accumulate(w.begin(), w.end() - 1, 0) + (DayColumnCount - 1) * GridLineWidth;
    w[ColMemo] = std::max(w[ColMemo], availableWidth - others - GridLineWidth);
    return w;
}

int RowHeight(int fontHeight) {
    return fontHeight + 2;
}

int TitleTextLeft(int cellWidth, int textWidth) {
    return std::max(0, (cellWidth - textWidth - 4) / 2) + 2;
}

std::string CellHint(const DayRow& row, int column) {
    switch (column) {
        case ColKind:
            return "休日区分を選択してください。\n右ｸﾘｯｸでﾎﾟｯﾌﾟｱｯﾌﾟﾒﾆｭｰが表示されます。";
        case ColArrival:
            return "出社時刻を入力してください。";
        case ColLeaving:
            return "退社時刻を入力してください。";
        case ColOvertime:
            return "普通残業時間が計算されます。";
        case ColLateNight:
            return "深夜残業時間が計算されます。";
        case ColWorking:
            return "勤務時間が計算されます。";
        case ColMemo: {
            const std::string& memo = row.cells[ColMemo];
            return Trim(memo).empty() ? "メモを入力してください。" : memo;
        }
        default:
            return {};
    }
}

TabMove TabTarget(int row, int column, int lastRow, bool backward, bool ctrl) {
    if (ctrl)
        return {TabMove::PreviousButton};
    if (!backward) {
        if (column == ColMemo && row >= lastRow)
            return {TabMove::PreviousButton};
        for (int c = column + 1; c < DayColumnCount; ++c) {
            if (IsTabStop(c))
                return {TabMove::Cell, row, c};
        }
        return {TabMove::Cell, row + 1, ColArrival};
    }
    if (column == ColArrival) {
        if (row <= 1)
            return {TabMove::ExitButton};
        return {TabMove::Cell, row - 1, ColMemo};
    }
    for (int c = column - 1; c >= 0; --c) {
        if (IsTabStop(c))
            return {TabMove::Cell, row, c};
    }
    // Left of the first tab stop: the memo of the row above, or stay.
    if (row <= 1)
        return {TabMove::Cell, row, column};
    return {TabMove::Cell, row - 1, ColMemo};
}

}  // namespace tkv
