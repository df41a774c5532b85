#include "leave/ui/vac_grid_model.h"

#include <QPainter>

#include "leave/ledger.h"
#include "platform/text_convert.h"
#include "settings/settings.h"

namespace tkv {

using platform::ToQString;
using platform::ToUtf8;

VacGridModel::VacGridModel(QObject* parent) : QAbstractTableModel(parent) {}

void VacGridModel::setLedger(Ledger* ledger) {
    beginResetModel();
    m_ledger = ledger;
    endResetModel();
}

void VacGridModel::setSettings(const Settings* settings) {
    m_settings = settings;
    refresh();
}

QModelIndex VacGridModel::indexOf(int slot, LedgerColumn column) const {
    const int c = LedgerColumnNumber(column);
    if (!m_ledger || slot < 1 || slot > LedgerSlotCount || c < 0 || c >= LedgerColumnCount)
        return {};
    return index(rowOfSlot(slot), c);
}

bool VacGridModel::setCellText(int slot, LedgerColumn column, const std::string& text) {
    const QModelIndex i = indexOf(slot, column);
    if (!i.isValid())
        return false;
    std::string* field = LedgerCellField(m_ledger->entry(slot), column);
    if (!field)
        return false;
    if (*field == text)
        return true;
    *field = text;
    emit dataChanged(i, i);
    emit cellEdited(slot, LedgerColumnNumber(column));
    return true;
}

void VacGridModel::rowChanged(int slot) {
    const QModelIndex first = indexOf(slot, LedgerColumn::No);
    if (first.isValid())
        emit dataChanged(first, indexOf(slot, LedgerColumn::Memo));
}

void VacGridModel::refresh() {
    if (m_ledger)
        emit dataChanged(index(0, 0), index(LedgerSlotCount - 1, LedgerColumnCount - 1));
}

int VacGridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() || !m_ledger ? 0 : LedgerSlotCount;
}

int VacGridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : LedgerColumnCount;
}

QVariant VacGridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || !m_ledger || (role != Qt::DisplayRole && role != Qt::EditRole))
        return {};
    const int slot = slotOfRow(index.row());
    return ToQString(LedgerCellText(m_ledger->entry(slot), slot, LedgerColumnAt(index.column())));
}

bool VacGridModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::EditRole || !index.isValid())
        return false;
    return setCellText(slotOfRow(index.row()), LedgerColumnAt(index.column()),
                       ToUtf8(value.toString()));
}

Qt::ItemFlags VacGridModel::flags(const QModelIndex& index) const {
    if (!index.isValid())
        return Qt::NoItemFlags;
    // "No." is a fixed column: it can be double-clicked but not entered.
    if (LedgerColumnAt(index.column()) == LedgerColumn::No)
        return Qt::ItemIsEnabled;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable;
}

QVariant VacGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    return ToQString(LedgerColumnTitle(LedgerColumnAt(section)));
}

VacGridDelegate::VacGridDelegate(QObject* parent)
    : platform::GridEditorDelegate("VacGridEditor", parent) {}

void VacGridDelegate::paint(QPainter* p, const QStyleOptionViewItem& option,
                            const QModelIndex& index) const {
    const auto* model = qobject_cast<const VacGridModel*>(index.model());
    if (!model || !model->ledger() || !model->settings()) {
        platform::GridEditorDelegate::paint(p, option, index);
        return;
    }
    const Settings& s = *model->settings();
    const LedgerColumn column = LedgerColumnAt(index.column());
    const LedgerCellStyle st =
        LedgerStyleFor(*model->ledger(), VacGridModel::slotOfRow(index.row()), column, s);
    std::optional<int> background;
    if (st.cellColor >= 0)
        background = s.CellColor[static_cast<std::size_t>(st.cellColor)];
    const bool selected = option.state.testFlag(QStyle::State_Selected);
    const bool focused = option.state.testFlag(QStyle::State_HasFocus);
    platform::GridCellLook look =
        platform::GridLookOf(st.fixed, st.ink, background, option.palette, selected && !focused);
    look.centred = st.fixed;
    look.bottomLine = st.yearLine;
    platform::PaintGridCell(p, option, index.data(Qt::DisplayRole).toString(), look);
}

}  // namespace tkv
