#pragma once

#include <optional>

#include <QLineEdit>
#include <QPersistentModelIndex>
#include <QPointer>
#include <QTableView>

class QKeyEvent;

namespace tkv::platform {

// A string grid whose current cell always shows its in-place editor, as the
// day grid and the paid-leave grid do. The editor writes every keystroke
// into the model. Keys the editor does not need (up, down, page keys, Esc,
// Left and Right at the ends of the text) move the grid; Tab and the focus
// leaving the grid are the subclass's.
class EditingGrid : public QTableView {
    Q_OBJECT
public:
    explicit EditingGrid(QWidget* parent = nullptr);

    // Widths and heights in the grid font: a blank, a row without its grid
    // line, and `rows` rows (the title row counts as one) with the frame.
    int blankWidth() const;
    int rowHeight() const;
    int heightForRows(int rows) const;

    QLineEdit* cellEditor() const { return m_editor; }
    // Writes the open editor's text into the model (it is written as typed,
    // so this only matters for a caller that cannot be sure).
    void commitEditor();
    // The data changed underneath (recalculation, load): repaint and update
    // the open editor.
    void refreshCells();

    // The editor's cut, copy, paste and undo: the grids' edit menus.
    void CutItemClick();
    void CopyItemClick();
    void PasteItemClick();
    void UndoItemClick();

protected:
    // Whether the cell at `index` takes typing and so gets the editor.
    virtual bool editsCell(const QModelIndex& index) const = 0;
    // With the input-method switch on: whether the editor at `index` wants
    // the input method (the memo) or not. Nothing leaves it alone.
    virtual std::optional<bool> wantsInputMethod(const QModelIndex& index) const = 0;
    // Tab, Shift+Tab or Ctrl+Tab on the grid or its editor; true when taken.
    virtual bool tabPressed(bool backward, bool ctrl) = 0;
    // A key pressed in the editor; true when the grid took it.
    virtual bool editorKeyPress(QKeyEvent* event);
    // A shortcut the editor would take for itself; true lets the window's
    // shortcut have it.
    virtual bool windowShortcut(const QKeyEvent*) const { return false; }
    // A double click on the editor; true when handled.
    virtual bool editorDoubleClicked(const QModelIndex&) { return false; }
    // The focus went from the grid or its editor to another widget.
    virtual void leftGrid() {}
    // The program's grid font, and the row heights that follow from it.
    void applyGridFont();
    void closeCellEditor();
    void applyInputMethod();

    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    void keyboardSearch(const QString&) override {}

private:
    void openEditorAt(const QModelIndex& index, bool giveFocus);
    void editorTextChanged(const QString& text);
    void focusLeft(const QFocusEvent* event);

    QPointer<QLineEdit> m_editor;
    QPersistentModelIndex m_editorIndex;
    bool m_switching = false;
};

}  // namespace tkv::platform
