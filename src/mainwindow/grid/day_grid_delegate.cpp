#include "mainwindow/grid/day_grid_delegate.h"

#include "mainwindow/grid/day_grid_model.h"
#include "platform/colors.h"
#include "platform/grid_cell.h"
#include "platform/text_convert.h"
#include "settings/settings.h"

namespace tkv {

CellColors ColorsFor(const CellStyle& st, const Settings& s, const QPalette& pal,
                     bool selectedWithoutFocus) {
    std::optional<int> ink;
    switch (st.ink) {
        case CellInk::Normal:
            break;
        case CellInk::Red:
            ink = platform::RedColor;
            break;
        case CellInk::Blue:
            ink = platform::BlueColor;
            break;
        case CellInk::Memo:
            ink = st.memoColor;
            break;
    }
    std::optional<int> background;
    if (st.cellColor >= 0)
        background = s.CellColor[static_cast<std::size_t>(st.cellColor)];
    const platform::GridCellLook look =
        platform::GridLookOf(st.fixed, ink, background, pal, selectedWithoutFocus);
    return {look.background, look.text};
}

DayGridDelegate::DayGridDelegate(QObject* parent)
    : platform::GridEditorDelegate("DayGridEditor", parent) {}

void DayGridDelegate::paint(QPainter* p, const QStyleOptionViewItem& option,
                            const QModelIndex& index) const {
    const auto* model = qobject_cast<const DayGridModel*>(index.model());
    const DayRow* row = model ? model->dayRowAt(index) : nullptr;
    if (!row || !model->settings()) {
        platform::GridEditorDelegate::paint(p, option, index);
        return;
    }
    const Settings& s = *model->settings();
    const CellStyle st = StyleFor(*row, ColumnAt(index.column()), s);
    const bool focused = option.state.testFlag(QStyle::State_HasFocus);
    const bool selected = option.state.testFlag(QStyle::State_Selected);
    const CellColors colors = ColorsFor(st, s, option.palette, selected && !focused);
    platform::GridCellLook look{colors.background, colors.text, st.fixed};
    look.underline = st.underline;
    look.bottomLine = st.weekLine;
    platform::PaintGridCell(p, option, index.data(Qt::DisplayRole).toString(), look);
}

}  // namespace tkv
