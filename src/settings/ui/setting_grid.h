#pragma once

#include <functional>
#include <initializer_list>

#include <QPointer>
#include <QStyledItemDelegate>
#include <QTableWidget>

class QLineEdit;

namespace tkv {

// The string grids of the settings dialog (breaks, the year's holidays): the
// title row is the header, column 0 is a fixed column of row titles, and the
// other cells are always edited in a one-line field that refuses what the
// Shift-JIS files cannot hold. Tab moves from cell to cell; at the ends of
// the grid (and with Ctrl+Tab anywhere) it leaves for the given neighbours.
class SettingStringGrid : public QTableWidget {
    Q_OBJECT

public:
    // `rows` data rows; `columns` includes the fixed column.
    SettingStringGrid(int rows, int columns, QWidget* parent);

    void setTitles(const QStringList& titles);
    void setRowTitles(const QStringList& titles);
    // Column widths in half-width characters, 4 pixels added to each.
    void setColumnChars(std::initializer_list<int> chars);
    // The size that shows `rows` rows, the title row included, and the
    // vertical scroll bar.
    QSize sizeForRows(int rows) const;

    // Shift+Tab in the first cell focuses `before`; Tab in the last cell or
    // Ctrl+Tab anywhere focuses `after`.
    void setTabExits(QWidget* before, QWidget* after);

    // Data rows and columns count from 1 (column 0 is the fixed one).
    QString cell(int row, int column) const;
    void setCell(int row, int column, const QString& text);
    int currentRow1() const;
    void setCurrentCell1(int row, int column);

    // Takes the open editor's text into its cell.
    void commitEditor();
    QLineEdit* cellEditor() const;

signals:
    void escapePressed();

protected:
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

    // A key the grid or its editor got; true when it was used up. Handles
    // Esc and the Tab exits; subclasses add their own.
    virtual bool gridKey(QKeyEvent* event);
    // A double click on a cell, with or without an editor on it.
    virtual bool cellDoubleClicked(int row, int column);
    // The text colour of a row; invalid for the normal one.
    virtual QColor rowTextColor(int row) const;

    void openEditor();
    // Takes the editor's text into its cell and closes the editor, without
    // the grid opening a new one as it takes the focus back.
    void finishEditing();

private:
    friend class SettingGridDelegate;
    void leaveGrid(QWidget* target);

    QPointer<QWidget> m_before;
    QPointer<QWidget> m_after;
    bool m_leaving = false;
};

// The grid's cell editor and painter.
class SettingGridDelegate final : public QStyledItemDelegate {
    Q_OBJECT

public:
    explicit SettingGridDelegate(SettingStringGrid* grid);

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    void updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                              const QModelIndex& index) const override;

    QLineEdit* editor() const { return m_editor; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    SettingStringGrid* m_grid;
    mutable QPointer<QLineEdit> m_editor;
};

}  // namespace tkv
