#include "settings/ui/setting_grid.h"

#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>

#include "platform/fonts.h"
#include "settings/ui/single_line_edit.h"

namespace tkv {

namespace {

// The fixed cells' look: the button face with a light edge on the top and
// the left, the text 2 pixels in.
void PaintFixedCell(QPainter* painter, const QRect& r, const QPalette& p, const QColor& textColor,
                    const QString& text) {
    painter->fillRect(r, p.color(QPalette::Button));
    painter->setPen(p.color(QPalette::Light));
    painter->drawLine(r.topLeft(), r.topRight());
    painter->drawLine(r.topLeft(), r.bottomLeft());
    painter->setPen(p.color(QPalette::Mid));
    painter->drawLine(r.topRight(), r.bottomRight());
    painter->drawLine(r.bottomLeft(), r.bottomRight());
    painter->setPen(textColor);
    painter->drawText(r.adjusted(2, 0, -1, 0), Qt::AlignLeft | Qt::AlignVCenter, text);
}

// The title row, drawn like the fixed column: the style's own header keeps
// margins that would cut the two-character title "No".
class SettingGridHeader final : public QHeaderView {
public:
    explicit SettingGridHeader(QWidget* parent) : QHeaderView(Qt::Horizontal, parent) {}

protected:
    void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override {
        if (!rect.isValid())
            return;
        painter->save();
        painter->setFont(font());
        PaintFixedCell(
            painter, rect, palette(), palette().color(QPalette::ButtonText),
            model() ? model()->headerData(logicalIndex, orientation()).toString() : QString());
        painter->restore();
    }
};

}  // namespace

SettingStringGrid::SettingStringGrid(int rows, int columns, QWidget* parent)
    : QTableWidget(rows, columns, parent) {
    setHorizontalHeader(new SettingGridHeader(this));
    setItemDelegate(new SettingGridDelegate(this));
    setFont(platform::GridFont());
    const int rowHeight = fontMetrics().height() + 2;
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setDefaultSectionSize(rowHeight);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setMinimumSectionSize(1);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setSectionsClickable(false);
    horizontalHeader()->setFixedHeight(rowHeight);
    horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setVerticalScrollMode(ScrollPerItem);
    setSelectionMode(SingleSelection);
    setSelectionBehavior(SelectItems);
    // The current cell is always being edited.
    setEditTriggers(CurrentChanged | DoubleClicked | AnyKeyPressed | SelectedClicked);
    setTabKeyNavigation(true);
    setWordWrap(false);
    setCornerButtonEnabled(false);

    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < columns; ++c) {
            auto* item = new QTableWidgetItem;
            item->setFlags(c == 0 ? Qt::ItemIsEnabled
                                  : Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable);
            setItem(r, c, item);
        }
    }
    if (rows > 0 && columns > 1)
        setCurrentCell(0, 1);
}

void SettingStringGrid::setTitles(const QStringList& titles) {
    setHorizontalHeaderLabels(titles);
}

void SettingStringGrid::setRowTitles(const QStringList& titles) {
    for (int r = 0; r < rowCount() && r < titles.size(); ++r) item(r, 0)->setText(titles[r]);
}

void SettingStringGrid::setColumnChars(std::initializer_list<int> chars) {
    const int blank = fontMetrics().horizontalAdvance(QChar(' '));
    int c = 0;
    for (int n : chars) setColumnWidth(c++, n * blank + 4);
}

QSize SettingStringGrid::sizeForRows(int rows) const {
    int width = 2 * frameWidth() + verticalScrollBar()->sizeHint().width();
    for (int c = 0; c < columnCount(); ++c) width += columnWidth(c);
    const int height =
        horizontalHeader()->height() + (rows - 1) * verticalHeader()->defaultSectionSize();
    return {width, height + 2 * frameWidth()};
}

void SettingStringGrid::setTabExits(QWidget* before, QWidget* after) {
    m_before = before;
    m_after = after;
}

QString SettingStringGrid::cell(int row, int column) const {
    const QTableWidgetItem* i = item(row - 1, column);
    return i != nullptr ? i->text() : QString();
}

void SettingStringGrid::setCell(int row, int column, const QString& text) {
    if (QTableWidgetItem* i = item(row - 1, column))
        i->setText(text);
}

int SettingStringGrid::currentRow1() const {
    return currentRow() + 1;
}

void SettingStringGrid::setCurrentCell1(int row, int column) {
    setCurrentCell(row - 1, column);
}

QLineEdit* SettingStringGrid::cellEditor() const {
    const auto* d = static_cast<const SettingGridDelegate*>(itemDelegate());
    return state() == EditingState ? d->editor() : nullptr;
}

void SettingStringGrid::commitEditor() {
    if (QLineEdit* editor = cellEditor())
        commitData(editor);
}

void SettingStringGrid::openEditor() {
    const QModelIndex i = currentIndex();
    if (i.isValid() && (i.flags() & Qt::ItemIsEditable) && state() != EditingState)
        edit(i);
}

QModelIndex SettingStringGrid::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) {
    const QModelIndex current = currentIndex();
    int row = current.isValid() ? current.row() : 0;
    int column = current.isValid() ? current.column() : 1;
    const int lastRow = rowCount() - 1;
    const int lastColumn = columnCount() - 1;
    switch (action) {
        case MoveNext:
            if (column < lastColumn) {
                ++column;
            } else if (row < lastRow) {
                ++row;
                column = 1;
            }
            return model()->index(row, column);
        case MovePrevious:
            if (column > 1) {
                --column;
            } else if (row > 0) {
                --row;
                column = lastColumn;
            }
            return model()->index(row, column);
        default: {
            // The fixed column is never the current cell.
            const QModelIndex i = QTableWidget::moveCursor(action, modifiers);
            return i.isValid() && i.column() == 0 ? model()->index(i.row(), 1) : i;
        }
    }
}

bool SettingStringGrid::gridKey(QKeyEvent* event) {
    const int key = event->key();
    const Qt::KeyboardModifiers mods = event->modifiers();
    if (key == Qt::Key_Escape && mods == Qt::NoModifier) {
        emit escapePressed();
        return true;
    }
    if (key != Qt::Key_Tab && key != Qt::Key_Backtab)
        return false;
    const bool backward = key == Qt::Key_Backtab || mods.testFlag(Qt::ShiftModifier);
    const QModelIndex i = currentIndex();
    QWidget* target = nullptr;
    if (mods.testFlag(Qt::ControlModifier))
        target = m_after;
    else if (backward && i.row() == 0 && i.column() == 1)
        target = m_before;
    else if (!backward && i.row() == rowCount() - 1 && i.column() == columnCount() - 1)
        target = m_after;
    if (target == nullptr)
        return false;
    leaveGrid(target);
    return true;
}

void SettingStringGrid::finishEditing() {
    QLineEdit* editor = cellEditor();
    if (editor == nullptr)
        return;
    const bool leaving = m_leaving;
    m_leaving = true;
    commitData(editor);
    closeEditor(editor, QAbstractItemDelegate::NoHint);
    m_leaving = leaving;
}

void SettingStringGrid::leaveGrid(QWidget* target) {
    m_leaving = true;
    finishEditing();
    target->setFocus(Qt::TabFocusReason);
    m_leaving = false;
}

bool SettingStringGrid::cellDoubleClicked(int, int) {
    return false;
}

QColor SettingStringGrid::rowTextColor(int) const {
    return {};
}

void SettingStringGrid::keyPressEvent(QKeyEvent* event) {
    if (gridKey(event)) {
        event->accept();
        return;
    }
    QTableWidget::keyPressEvent(event);
}

void SettingStringGrid::focusInEvent(QFocusEvent* event) {
    QTableWidget::focusInEvent(event);
    if (!m_leaving)
        openEditor();
}

void SettingStringGrid::mouseDoubleClickEvent(QMouseEvent* event) {
    const QModelIndex i = indexAt(event->position().toPoint());
    if (i.isValid() && cellDoubleClicked(i.row() + 1, i.column())) {
        event->accept();
        return;
    }
    QTableWidget::mouseDoubleClickEvent(event);
}

// --- SettingGridDelegate ------------------------------------------------

SettingGridDelegate::SettingGridDelegate(SettingStringGrid* grid)
    : QStyledItemDelegate(grid), m_grid(grid) {}

QWidget* SettingGridDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&,
                                           const QModelIndex& index) const {
    auto* editor = new SingleLineEdit(parent);
    editor->setFrame(false);
    // A right click reaches the grid, whose menu acts on this editor.
    editor->setContextMenuPolicy(Qt::NoContextMenu);
    editor->setFont(m_grid->font());
    const QColor color = m_grid->rowTextColor(index.row() + 1);
    if (color.isValid()) {
        QPalette p = editor->palette();
        p.setColor(QPalette::Text, color);
        editor->setPalette(p);
    }
    m_editor = editor;
    return editor;
}

void SettingGridDelegate::updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                                               const QModelIndex&) const {
    editor->setGeometry(option.rect);
}

void SettingGridDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                const QModelIndex& index) const {
    const QColor color = m_grid->rowTextColor(index.row() + 1);
    const QString text = index.data().toString();
    const QPalette& p = option.palette;
    painter->save();
    painter->setFont(option.font);
    if (index.column() == 0) {
        PaintFixedCell(painter, option.rect, p,
                       color.isValid() ? color : p.color(QPalette::ButtonText), text);
        painter->restore();
        return;
    }
    // The text is drawn whole from 2 pixels in, as typed: never elided.
    const bool selected = option.state.testFlag(QStyle::State_Selected);
    painter->fillRect(option.rect, p.color(selected ? QPalette::Highlight : QPalette::Base));
    QColor pen = p.color(selected ? QPalette::HighlightedText : QPalette::Text);
    if (color.isValid())
        pen = color;
    painter->setPen(pen);
    painter->drawText(option.rect.adjusted(2, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, text);
    if (option.state.testFlag(QStyle::State_HasFocus)) {
        painter->setPen(QPen(pen, 1, Qt::DotLine));
        painter->drawRect(option.rect.adjusted(0, 0, -1, -1));
    }
    painter->restore();
}

bool SettingGridDelegate::eventFilter(QObject* watched, QEvent* event) {
    auto* editor = qobject_cast<QLineEdit*>(watched);
    if (editor != nullptr) {
        switch (event->type()) {
            case QEvent::ShortcutOverride:
            case QEvent::KeyPress: {
                auto* key = static_cast<QKeyEvent*>(event);
                if (event->type() == QEvent::ShortcutOverride) {
                    // Keys the grid answers must reach it as key presses.
                    if (key->key() == Qt::Key_Escape ||
                        (key->modifiers().testFlag(Qt::ControlModifier) &&
                         (key->key() == Qt::Key_Insert || key->key() == Qt::Key_Delete))) {
                        event->accept();
                        return true;
                    }
                    break;
                }
                if (m_grid->gridKey(key))
                    return true;
                break;
            }
            case QEvent::MouseButtonDblClick: {
                const QModelIndex i = m_grid->currentIndex();
                if (i.isValid() && m_grid->cellDoubleClicked(i.row() + 1, i.column()))
                    return true;
                break;
            }
            default:
                break;
        }
    }
    return QStyledItemDelegate::eventFilter(watched, event);
}

}  // namespace tkv
