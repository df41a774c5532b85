#include "platform/editing_grid.h"

#include <QApplication>
#include <QGuiApplication>
#include <QHeaderView>
#include <QInputMethod>
#include <QKeyEvent>

#include "platform/fonts.h"
#include "platform/grid_cell.h"

namespace tkv::platform {

EditingGrid::EditingGrid(QWidget* parent) : QTableView(parent) {
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setMinimumSectionSize(1);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollMode(ScrollPerItem);
    setSelectionMode(ContiguousSelection);
    setSelectionBehavior(SelectItems);
    setWordWrap(false);
    setCornerButtonEnabled(false);
    // The editor is opened by the grid itself on the current cell.
    setEditTriggers(NoEditTriggers);
    setTabKeyNavigation(true);
}

int EditingGrid::blankWidth() const {
    return fontMetrics().horizontalAdvance(QChar(' '));
}

int EditingGrid::rowHeight() const {
    return fontMetrics().height() + 2;
}

int EditingGrid::heightForRows(int rows) const {
    return rows * (rowHeight() + GridLineWidth) + 2 * frameWidth();
}

void EditingGrid::applyGridFont() {
    setFont(GridFont());
    const int h = rowHeight() + GridLineWidth;
    verticalHeader()->setDefaultSectionSize(h);
    horizontalHeader()->setFixedHeight(h);
}

void EditingGrid::commitEditor() {
    if (m_editor && m_editorIndex.isValid())
        model()->setData(m_editorIndex, m_editor->text(), Qt::EditRole);
}

void EditingGrid::refreshCells() {
    if (m_editor && m_editorIndex.isValid())
        itemDelegateForIndex(m_editorIndex)->setEditorData(m_editor, m_editorIndex);
    viewport()->update();
}

void EditingGrid::CutItemClick() {
    if (m_editor)
        m_editor->cut();
}

void EditingGrid::CopyItemClick() {
    if (m_editor)
        m_editor->copy();
}

void EditingGrid::PasteItemClick() {
    if (m_editor)
        m_editor->paste();
}

void EditingGrid::UndoItemClick() {
    if (m_editor)
        m_editor->undo();
}

void EditingGrid::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
    QTableView::currentChanged(current, previous);
    if (QModelIndex(m_editorIndex) == current)
        return;
    const bool hadFocus = hasFocus() || (m_editor && m_editor->hasFocus());
    closeCellEditor();
    if (current.isValid() && editsCell(current))
        openEditorAt(current, hadFocus);
}

void EditingGrid::openEditorAt(const QModelIndex& index, bool giveFocus) {
    openPersistentEditor(index);
    m_editor = qobject_cast<QLineEdit*>(indexWidget(index));
    if (!m_editor)
        return;
    m_editorIndex = index;
    // Installed after the delegate's filter, so it sees keys first.
    m_editor->installEventFilter(this);
    connect(m_editor, &QLineEdit::textChanged, this, &EditingGrid::editorTextChanged);
    applyInputMethod();
    m_editor->selectAll();
    if (giveFocus)
        m_editor->setFocus(Qt::OtherFocusReason);
}

void EditingGrid::closeCellEditor() {
    if (!m_editor) {
        m_editorIndex = QPersistentModelIndex();
        return;
    }
    // Take the focus first: a hidden focused editor would hand it to the
    // next widget of the window.
    if (m_editor->hasFocus()) {
        m_switching = true;
        setFocus(Qt::OtherFocusReason);
        m_switching = false;
    }
    disconnect(m_editor, nullptr, this, nullptr);
    m_editor->removeEventFilter(this);
    if (m_editorIndex.isValid())
        closePersistentEditor(m_editorIndex);
    m_editor = nullptr;
    m_editorIndex = QPersistentModelIndex();
}

void EditingGrid::editorTextChanged(const QString& text) {
    if (m_editorIndex.isValid())
        model()->setData(m_editorIndex, text, Qt::EditRole);
}

void EditingGrid::applyInputMethod() {
    if (!m_editor || !m_editorIndex.isValid())
        return;
    const std::optional<bool> wanted = wantsInputMethod(m_editorIndex);
    if (!wanted)
        return;
    // Best effort: an input method that ignores the hints is left as it is.
    m_editor->setAttribute(Qt::WA_InputMethodEnabled, *wanted);
    m_editor->setInputMethodHints(*wanted ? Qt::ImhNone
                                          : Qt::ImhPreferLatin | Qt::ImhNoPredictiveText);
    if (m_editor->hasFocus())
        QGuiApplication::inputMethod()->update(Qt::ImEnabled | Qt::ImHints);
}

bool EditingGrid::event(QEvent* e) {
    if (e->type() == QEvent::KeyPress) {
        auto* ke = static_cast<QKeyEvent*>(e);
        if (ke->key() == Qt::Key_Tab || ke->key() == Qt::Key_Backtab) {
            const bool backward =
                ke->key() == Qt::Key_Backtab || ke->modifiers().testFlag(Qt::ShiftModifier);
            if (tabPressed(backward, ke->modifiers().testFlag(Qt::ControlModifier)))
                return true;
        }
    }
    return QTableView::event(e);
}

bool EditingGrid::editorKeyPress(QKeyEvent* e) {
    switch (e->key()) {
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
            return tabPressed(
                e->key() == Qt::Key_Backtab || e->modifiers().testFlag(Qt::ShiftModifier),
                e->modifiers().testFlag(Qt::ControlModifier));
        case Qt::Key_Escape:
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_PageUp:
        case Qt::Key_PageDown:
            keyPressEvent(e);
            return true;
        case Qt::Key_Left:
        case Qt::Key_Right: {
            // The caret moves inside the text; at its end the key moves the cell.
            const int pos = m_editor->cursorPosition();
            const bool all = m_editor->selectedText() == m_editor->text();
            const bool atEdge =
                e->key() == Qt::Key_Left ? pos == 0 : pos == m_editor->text().size();
            if (e->modifiers() != Qt::NoModifier ||
                !(all || (atEdge && !m_editor->hasSelectedText()))) {
                return false;
            }
            keyPressEvent(e);
            return true;
        }
        case Qt::Key_Return:
        case Qt::Key_Enter:
            if (m_editor->hasSelectedText() && m_editor->selectedText() == m_editor->text()) {
                m_editor->deselect();
            } else {
                m_editor->selectAll();
            }
            return true;
        default:
            return false;
    }
}

bool EditingGrid::eventFilter(QObject* watched, QEvent* e) {
    if (watched != m_editor)
        return QTableView::eventFilter(watched, e);
    switch (e->type()) {
        case QEvent::KeyPress:
            return editorKeyPress(static_cast<QKeyEvent*>(e));
        case QEvent::ShortcutOverride:
            if (windowShortcut(static_cast<QKeyEvent*>(e))) {
                e->ignore();
                return true;
            }
            return false;
        case QEvent::MouseButtonDblClick:
            return editorDoubleClicked(m_editorIndex);
        case QEvent::FocusOut:
            if (!m_switching)
                focusLeft(static_cast<QFocusEvent*>(e));
            return false;
        default:
            return false;
    }
}

void EditingGrid::focusInEvent(QFocusEvent* e) {
    QTableView::focusInEvent(e);
    if (!m_switching && m_editor)
        m_editor->setFocus(e->reason());
}

void EditingGrid::focusOutEvent(QFocusEvent* e) {
    QTableView::focusOutEvent(e);
    if (!m_switching)
        focusLeft(e);
}

void EditingGrid::focusLeft(const QFocusEvent* e) {
    // A menu or another window in front is no leaving.
    if (e->reason() == Qt::PopupFocusReason || e->reason() == Qt::ActiveWindowFocusReason)
        return;
    QWidget* now = QApplication::focusWidget();
    if (now && (now == this || isAncestorOf(now)))
        return;
    leftGrid();
}

}  // namespace tkv::platform
