#pragma once

#include <functional>
#include <optional>

#include <QColor>
#include <QHeaderView>
#include <QStyledItemDelegate>
#include <QValidator>

class QPainter;

// What the program's string grids (the day grid, the paid-leave grid) share:
// the title row, the painting of one cell and the editor's input check.
namespace tkv::platform {

// The line between cells; cell sizes do not include it.
inline constexpr int GridLineWidth = 1;

// Left offset of a centred title: (width - text - 4) / 2, never below 0, plus 2.
int GridTitleLeft(int cellWidth, int textWidth);

// A title row (or column) with a raised edge and the model's header texts
// trimmed and centred.
class GridTitleHeader : public QHeaderView {
    Q_OBJECT
public:
    explicit GridTitleHeader(Qt::Orientation orientation, QWidget* parent = nullptr);

protected:
    void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override;
};

// How a data cell looks once its rules are applied.
struct GridCellLook {
    QColor background;
    QColor text;
    bool fixed = false;       // fixed colour and a raised edge, like the title row
    bool centred = false;     // the text trimmed and centred, like a title
    bool underline = false;   // the text underlined
    bool bottomLine = false;  // a black line along the bottom edge
};

// The colours of a cell: the text in `ink` (a stored colour; nothing for the
// palette's text colour) on `background` (likewise; nothing for the grid
// colour). Fixed cells take the title row's colours, and cells selected
// without the focus the highlight colours.
GridCellLook GridLookOf(bool fixed, std::optional<int> ink, std::optional<int> background,
                        const QPalette& palette, bool selectedWithoutFocus);

// Background, edge, text at 2 pixels right of and below the corner, the
// focus rectangle of the current cell, and the bottom line.
void PaintGridCell(QPainter* painter, const QStyleOptionViewItem& option, const QString& text,
                   const GridCellLook& look);

// The in-place editor of a string grid: a frameless line edit in the grid's
// font that refuses characters Shift-JIS cannot hold (with a short notice),
// so that what is seen is what is saved. Painting is the subclass's.
class GridEditorDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    GridEditorDelegate(const char* editorName, QObject* parent);

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

private:
    QString m_editorName;
};

// Refuses input the Shift-JIS files cannot hold and tells `refused` which
// character it was, so that what is seen in an editor is what is saved.
class StorableTextValidator final : public QValidator {
public:
    StorableTextValidator(std::function<void(const QString&)> refused, QObject* parent);
    State validate(QString& input, int& pos) const override;

private:
    std::function<void(const QString&)> m_refused;
};

}  // namespace tkv::platform
