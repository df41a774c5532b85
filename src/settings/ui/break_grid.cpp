#include "settings/ui/break_grid.h"

#include <algorithm>

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>

#include "platform/text_convert.h"

namespace tkv {

namespace {
using platform::ToQString;
}  // namespace

BreakStringGrid::BreakStringGrid(QWidget* parent)
    : SettingStringGrid(10, 3, parent), m_menu(new QMenu(this)) {
    setObjectName("BreakStringGrid");
    setToolTip(ToQString("休憩時間を設定します。"));
    setTitles({ToQString("No"), ToQString("開 始"), ToQString("終 了")});
    QStringList numbers;
    for (int i = 1; i <= 10; ++i) numbers << QStringLiteral("%1").arg(i, 2);
    setRowTitles(numbers);
    setColumnChars({2, 5, 5});

    m_menu->setObjectName("BreakPopupMenu");
    auto add = [this](const char* name, const char* text, void (BreakStringGrid::*slot)(),
                      const QKeySequence& key = {}) {
        QAction* a = m_menu->addAction(ToQString(text));
        a->setObjectName(QString::fromLatin1(name));
        // The keys themselves are taken by the grid (gridKey); the menu only shows them.
        if (!key.isEmpty()) {
            a->setShortcut(key);
            a->setShortcutContext(Qt::WidgetShortcut);
        }
        connect(a, &QAction::triggered, this, slot);
    };
    add("MoveUpItem", "上へ移動", &BreakStringGrid::MoveUpItemClick);
    add("MoveDownItem", "下へ移動", &BreakStringGrid::MoveDownItemClick);
    m_menu->addSeparator();
    add("InsertItem", "行挿入", &BreakStringGrid::InsertItemClick, QKeySequence("Ctrl+Insert"));
    add("DeleteItem", "行削除", &BreakStringGrid::DeleteItemClick, QKeySequence("Ctrl+Delete"));
    m_menu->addSeparator();
    add("CutItem", "切り取り(&T)", &BreakStringGrid::CutItemClick);
    add("CopyItem", "コピー(&C)", &BreakStringGrid::CopyItemClick);
    add("PasteItem", "貼り付け(&P)", &BreakStringGrid::PasteItemClick);
    add("UndoItem", "元に戻す(&U)", &BreakStringGrid::UndoItemClick);
}

BreakCells BreakStringGrid::breaks() {
    commitEditor();
    BreakCells cells;
    for (int r = 1; r <= 10; ++r) {
        cells[static_cast<std::size_t>(r - 1)] = {platform::ToUtf8(cell(r, 1)),
                                                  platform::ToUtf8(cell(r, 2))};
    }
    return cells;
}

void BreakStringGrid::setBreaks(const BreakCells& cells) {
    for (int r = 1; r <= 10; ++r) {
        const auto& row = cells[static_cast<std::size_t>(r - 1)];
        setCell(r, 1, platform::ToQString(row[0]));
        setCell(r, 2, platform::ToQString(row[1]));
    }
}

void BreakStringGrid::changeRows(void (*change)(BreakCells&, int), int newRow) {
    const int row = currentRow1();
    const int column = std::max(currentColumn(), 1);
    // The editor is closed first, so it cannot write its old text back
    // into a cell that has just been given another row's.
    const bool editing = cellEditor() != nullptr;
    finishEditing();
    BreakCells cells = breaks();
    change(cells, row);
    setBreaks(cells);
    setCurrentCell1(std::clamp(newRow, 1, 10), column);
    if (editing)
        openEditor();
}

void BreakStringGrid::MoveUpItemClick() {
    if (currentRow1() > 1)
        changeRows(&MoveBreakUp, currentRow1() - 1);
}

void BreakStringGrid::MoveDownItemClick() {
    if (currentRow1() < 10)
        changeRows(&MoveBreakDown, currentRow1() + 1);
}

void BreakStringGrid::InsertItemClick() {
    changeRows(&InsertBreak, currentRow1());
}

void BreakStringGrid::DeleteItemClick() {
    changeRows(&DeleteBreak, currentRow1());
}

QLineEdit* BreakStringGrid::editorForCommand() {
    openEditor();
    return cellEditor();
}

void BreakStringGrid::CutItemClick() {
    if (QLineEdit* e = editorForCommand())
        e->cut();
}

void BreakStringGrid::CopyItemClick() {
    if (QLineEdit* e = editorForCommand())
        e->copy();
}

void BreakStringGrid::PasteItemClick() {
    if (QLineEdit* e = editorForCommand())
        e->paste();
}

void BreakStringGrid::UndoItemClick() {
    if (QLineEdit* e = editorForCommand())
        e->undo();
}

void BreakStringGrid::contextMenuEvent(QContextMenuEvent* event) {
    m_menu->popup(event->globalPos());
    event->accept();
}

bool BreakStringGrid::gridKey(QKeyEvent* event) {
    if (event->modifiers() == Qt::ControlModifier) {
        if (event->key() == Qt::Key_Insert) {
            InsertItemClick();
            return true;
        }
        if (event->key() == Qt::Key_Delete) {
            DeleteItemClick();
            return true;
        }
    }
    return SettingStringGrid::gridKey(event);
}

}  // namespace tkv
