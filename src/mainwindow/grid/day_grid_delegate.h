#pragma once

#include <QColor>
#include <QStyledItemDelegate>

#include "mainwindow/grid/cell_style.h"

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

// Paints the day cells and provides the in-place editor. The editor refuses
// characters the month file cannot hold, so what is seen is what is saved.
class DayGridDelegate final : public QStyledItemDelegate {
    Q_OBJECT
public:
    explicit DayGridDelegate(QObject* parent = nullptr);

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override;
    void updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                              const QModelIndex& index) const override;

signals:
    // A character was typed or pasted that Shift-JIS cannot hold.
    void inputRefused(const QString& character) const;
};

}  // namespace tkv
