#pragma once

#include <QColor>

#include "mainwindow/grid/cell_style.h"
#include "platform/grid_cell.h"

class QPalette;

namespace tkv {

// Colours of one cell as painted, from its style and state.
struct CellColors {
    QColor background;
    QColor text;
};
// `selectedWithoutFocus`: part of a selection but not the focused cell.
CellColors ColorsFor(const CellStyle& style, const Settings& s, const QPalette& palette,
                     bool selectedWithoutFocus);

// Paints the day cells; the in-place editor is the shared one, which
// refuses characters the month file cannot hold.
class DayGridDelegate final : public platform::GridEditorDelegate {
    Q_OBJECT
public:
    explicit DayGridDelegate(QObject* parent = nullptr);

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
};

}  // namespace tkv
