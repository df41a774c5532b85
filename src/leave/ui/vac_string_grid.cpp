#include "leave/ui/vac_string_grid.h"

#include <algorithm>

#include <QAction>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QScrollBar>
#include <QToolTip>

#include "base/clock.h"
#include "leave/ledger.h"
#include "leave/ui/vac_grid_model.h"
#include "platform/text_convert.h"
#include "settings/settings.h"

namespace tkv {

using platform::GridLineWidth;
using platform::ToQString;

VacStringGrid::VacStringGrid(QWidget* parent)
    : platform::EditingGrid(parent),
      m_model(new VacGridModel(this)),
      m_delegate(new VacGridDelegate(this)) {
    setObjectName("VacStringGrid");
    buildMenus();
    auto* header = new platform::GridTitleHeader(Qt::Horizontal, this);
    header->setObjectName("VacGridTitleRow");
    setHorizontalHeader(header);
    setModel(m_model);
    setItemDelegate(m_delegate);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    applyGridFont();
    fitColumns();
    connect(m_model, &VacGridModel::cellEdited, this, &VacStringGrid::ledgerEdited);
}

VacStringGrid::~VacStringGrid() = default;

void VacStringGrid::buildMenus() {
    m_kindMenu = new QMenu(this);
    m_kindMenu->setObjectName("KindPopupMenu");
    for (int code = 1; code <= LeaveKindCount; ++code) {
        QAction* a = m_kindMenu->addAction(ToQString(LeaveKindCaption(*LeaveKindFromCode(code))));
        a->setObjectName(QStringLiteral("KindItem%1").arg(code));
        connect(a, &QAction::triggered, this, [this, code] { KindMenuClick(code); });
    }

    m_memoMenu = new QMenu(this);
    m_memoMenu->setObjectName("MemoPopupMenu");
    auto add = [this](const char* caption, const char* name, void (VacStringGrid::*slot)()) {
        QAction* a = m_memoMenu->addAction(QString::fromUtf8(caption));
        a->setObjectName(QString::fromLatin1(name));
        connect(a, &QAction::triggered, this, slot);
    };
    add("ﾒﾓの色設定...(&M)", "MemoColorItem", &VacStringGrid::MemoColorItemClick);
    add("ﾒﾓを標準色に戻す", "MemoColorResetItem", &VacStringGrid::MemoColorResetItemClick);
    m_memoMenu->addSeparator();
    add("切り取り(&T)", "CutItem", &VacStringGrid::CutItemClick);
    add("コピー(&C)", "CopyItem", &VacStringGrid::CopyItemClick);
    add("貼り付け(&P)", "PasteItem", &VacStringGrid::PasteItemClick);
    add("元に戻す(&U)", "UndoItem", &VacStringGrid::UndoItemClick);
}

// --- setup and sizes ----------------------------------------------------------

int VacStringGrid::designWidth(int extraBlanks) const {
    int w = 0;
    for (int blanks : LedgerColumnBlanks) w += blankWidth() * blanks + 4 + GridLineWidth;
    return w + extraBlanks * blankWidth() + 2 * frameWidth() +
           verticalScrollBar()->sizeHint().width();
}

void VacStringGrid::fitColumns() {
    if (m_fitting)
        return;
    m_fitting = true;
    int others = 0;
    for (int c = 0; c < LedgerColumnCount; ++c) {
        const int w = blankWidth() * LedgerColumnBlanks[static_cast<std::size_t>(c)] + 4;
        if (LedgerColumnAt(c) == LedgerColumn::Memo) {
            // The memo takes whatever width the others leave.
            setColumnWidth(c, std::max(w, viewport()->width() - others) + GridLineWidth);
        } else {
            setColumnWidth(c, w + GridLineWidth);
            others += w + GridLineWidth;
        }
    }
    m_fitting = false;
}

void VacStringGrid::resizeEvent(QResizeEvent* e) {
    platform::EditingGrid::resizeEvent(e);
    fitColumns();
}

void VacStringGrid::setLedger(Ledger* ledger) {
    m_loading = true;
    closeCellEditor();
    m_model->setLedger(ledger);
    m_loading = false;
}

void VacStringGrid::setSettings(const Settings* settings) {
    m_settings = settings;
    m_model->setSettings(settings);
    applyInputMethod();
}

void VacStringGrid::setClock(const Clock* clock) {
    m_clock = clock;
}

void VacStringGrid::refresh() {
    m_model->refresh();
    refreshCells();
}

void VacStringGrid::rowChanged(int slot) {
    m_model->rowChanged(slot);
    refreshCells();
}

// --- current cell ---------------------------------------------------------------

int VacStringGrid::currentSlot() const {
    const QModelIndex i = currentIndex();
    return i.isValid() ? VacGridModel::slotOfRow(i.row()) : 0;
}

int VacStringGrid::currentColumn() const {
    const QModelIndex i = currentIndex();
    return i.isValid() ? i.column() : -1;
}

void VacStringGrid::selectCell(int slot, LedgerColumn column) {
    const QModelIndex i = m_model->indexOf(slot, column);
    if (i.isValid())
        setCurrentIndex(i);
}

int VacStringGrid::topSlot() const {
    // Per-item scrolling: the scroll bar value is the first visible row.
    return verticalScrollBar()->value() + 1;
}

void VacStringGrid::setTopSlot(int slot) {
    verticalScrollBar()->setValue(std::max(0, slot - 1));
}

int VacStringGrid::visibleRows() const {
    return std::max(1, viewport()->height() / (rowHeight() + GridLineWidth));
}

bool VacStringGrid::editsCell(const QModelIndex& index) const {
    return index.isValid() && LedgerColumnAt(index.column()) != LedgerColumn::No;
}

std::optional<bool> VacStringGrid::wantsInputMethod(const QModelIndex& index) const {
    if (!m_settings || !m_settings->IMEAutoMode)
        return std::nullopt;
    return LedgerColumnAt(index.column()) == LedgerColumn::Memo;
}

void VacStringGrid::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
    platform::EditingGrid::currentChanged(current, previous);
    if (!m_loading && current.isValid() && current != previous)
        requestAutoCalc();
}

QModelIndex VacStringGrid::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) {
    QModelIndex i = platform::EditingGrid::moveCursor(action, modifiers);
    // Keys never lead into "No.".
    if (i.isValid() && LedgerColumnAt(i.column()) == LedgerColumn::No)
        i = m_model->index(i.row(), LedgerColumnNumber(LedgerColumn::Date));
    return i;
}

void VacStringGrid::requestAutoCalc() {
    if (m_settings && m_settings->AutoCalc && m_model->ledger())
        emit recalculateRequested();
}

void VacStringGrid::leftGrid() {
    requestAutoCalc();
}

bool VacStringGrid::tabPressed(bool backward, bool ctrl) {
    const int slot = currentSlot();
    if (slot == 0)
        return false;
    const LedgerTabMove move =
        LedgerTabTarget(slot, LedgerColumnAt(currentColumn()), backward, ctrl);
    switch (move.kind) {
        case LedgerTabMove::CalcButton:
            emit focusCalcButton();
            break;
        case LedgerTabMove::CancelButton:
            emit focusCancelButton();
            break;
        case LedgerTabMove::Cell:
            selectCell(move.row, move.column);
            break;
    }
    return true;
}

void VacStringGrid::keyPressEvent(QKeyEvent* e) {
    // Also from the editor, which hands Esc to the grid.
    if (e->key() == Qt::Key_Escape) {
        emit escapePressed();
        e->accept();
        return;
    }
    platform::EditingGrid::keyPressEvent(e);
}

// --- mouse ------------------------------------------------------------------------

bool VacStringGrid::editorDoubleClicked(const QModelIndex& index) {
    const LedgerColumn column = LedgerColumnAt(index.column());
    if (column > LedgerColumn::Kind)
        return false;  // the editor selects a word
    doubleClickCell(VacGridModel::slotOfRow(index.row()), column);
    return true;
}

void VacStringGrid::mouseDoubleClickEvent(QMouseEvent* e) {
    const QModelIndex i = indexAt(e->position().toPoint());
    if (i.isValid())
        doubleClickCell(VacGridModel::slotOfRow(i.row()), LedgerColumnAt(i.column()));
    e->accept();
}

void VacStringGrid::doubleClickCell(int slot, LedgerColumn column) {
    Ledger* ledger = m_model->ledger();
    if (!ledger || slot < 1 || slot > LedgerSlotCount)
        return;
    commitEditor();
    if (column <= LedgerColumn::Weekday) {
        const DateTime now = m_clock ? m_clock->now() : DateTime{};
        FillEntryDate(*ledger, slot, {now.year, now.month, now.day});
        rowChanged(slot);
        emit ledgerEdited();
        selectCell(slot, LedgerColumn::Kind);
    } else if (column == LedgerColumn::Kind) {
        if (slot != currentSlot() || LedgerColumnAt(currentColumn()) != column)
            selectCell(slot, column);
        SetEntryKind(*ledger, slot, std::nullopt);
        rowChanged(slot);
        emit ledgerEdited();
        requestAutoCalc();
    }
}

void VacStringGrid::contextMenuEvent(QContextMenuEvent* e) {
    const QModelIndex at = indexAt(viewport()->mapFromGlobal(e->globalPos()));
    if (!at.isValid())
        return;
    if (!selectionModel()->isSelected(at) && at != currentIndex())
        setCurrentIndex(at);
    if (QMenu* menu = popupMenuFor(LedgerColumnAt(currentColumn())))
        menu->exec(e->globalPos());
}

QMenu* VacStringGrid::popupMenuFor(LedgerColumn column) const {
    if (column == LedgerColumn::Kind)
        return m_kindMenu;
    if (column == LedgerColumn::Memo)
        return m_memoMenu;
    return nullptr;
}

bool VacStringGrid::viewportEvent(QEvent* e) {
    if (e->type() == QEvent::ToolTip) {
        auto* he = static_cast<QHelpEvent*>(e);
        const QModelIndex i = indexAt(he->pos());
        const Ledger* ledger = m_model->ledger();
        const std::string hint =
            i.isValid() && ledger ? LedgerCellHint(ledger->entry(VacGridModel::slotOfRow(i.row())),
                                                   LedgerColumnAt(i.column()))
                                  : std::string();
        if (hint.empty()) {
            QToolTip::hideText();
            return true;
        }
        // The hint holds while the mouse stays in its cell: a new cell with
        // another text replaces it at once.
        QToolTip::showText(he->globalPos() + QPoint(16, 0), ToQString(hint), viewport(),
                           visualRect(i), 10000);
        return true;
    }
    return platform::EditingGrid::viewportEvent(e);
}

// --- commands -------------------------------------------------------------------------

void VacStringGrid::KindMenuClick(int code) {
    const int slot = currentSlot();
    const auto kind = LeaveKindFromCode(code);
    Ledger* ledger = m_model->ledger();
    if (slot == 0 || !kind || !ledger)
        return;
    commitEditor();
    SetEntryKind(*ledger, slot, kind);
    rowChanged(slot);
    emit ledgerEdited();
    requestAutoCalc();
}

void VacStringGrid::MemoColorItemClick() {
    const int slot = currentSlot();
    Ledger* ledger = m_model->ledger();
    if (slot == 0 || !ledger || !m_chooseColor)
        return;
    LeaveEntry& e = ledger->entry(slot);
    const auto color = m_chooseColor(e.color);
    if (!color || *color == e.color)
        return;
    e.color = *color;
    rowChanged(slot);
    emit ledgerEdited();
}

void VacStringGrid::MemoColorResetItemClick() {
    const int slot = currentSlot();
    Ledger* ledger = m_model->ledger();
    if (slot == 0 || !ledger || ledger->entry(slot).color == 0)
        return;
    ledger->entry(slot).color = 0;
    rowChanged(slot);
    emit ledgerEdited();
}

}  // namespace tkv
