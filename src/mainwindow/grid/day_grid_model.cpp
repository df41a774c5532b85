#include "mainwindow/grid/day_grid_model.h"

#include "mainwindow/grid/grid_layout.h"
#include "platform/text_convert.h"

namespace tkv {

using platform::ToQString;
using platform::ToUtf8;

DayGridModel::DayGridModel(QObject* parent) : QAbstractTableModel(parent) {}

void DayGridModel::setMonth(MonthRecord* month) {
    beginResetModel();
    m_month = month;
    m_rows = month ? month->rowCount() : 0;
    endResetModel();
}

void DayGridModel::setSettings(const Settings* settings) {
    m_settings = settings;
    if (m_rows > 0)
        emit dataChanged(index(0, 0), index(m_rows - 1, DayColumnCount - 1));
}

bool DayGridModel::isDayRow(int dayRow) const {
    return m_month && dayRow >= 1 && dayRow <= m_rows;
}

QModelIndex DayGridModel::indexOf(int dayRow, int column) const {
    if (!isDayRow(dayRow) || column < 0 || column >= DayColumnCount)
        return {};
    return index(rowOfDay(dayRow), column);
}

const DayRow* DayGridModel::dayRowAt(const QModelIndex& index) const {
    if (!index.isValid() || index.model() != this)
        return nullptr;
    const int day = dayOfRow(index.row());
    return isDayRow(day) ? &m_month->day(day) : nullptr;
}

DayRow* DayGridModel::dayRow(int day) {
    return isDayRow(day) ? &m_month->day(day) : nullptr;
}

bool DayGridModel::setCellText(int day, int column, const std::string& text) {
    DayRow* row = dayRow(day);
    if (!row || column < 0 || column >= DayColumnCount)
        return false;
    std::string& cell = row->cells[static_cast<std::size_t>(column)];
    if (cell == text)
        return true;
    cell = text;
    const QModelIndex i = index(rowOfDay(day), column);
    emit dataChanged(i, i);
    emit cellEdited(day, column);
    return true;
}

void DayGridModel::rowChanged(int day) {
    if (!isDayRow(day))
        return;
    emit dataChanged(index(rowOfDay(day), 0), index(rowOfDay(day), DayColumnCount - 1));
}

void DayGridModel::refresh() {
    const int rows = m_month ? m_month->rowCount() : 0;
    if (rows != m_rows) {
        setMonth(m_month);
        return;
    }
    if (m_rows > 0)
        emit dataChanged(index(0, 0), index(m_rows - 1, DayColumnCount - 1));
}

int DayGridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : m_rows;
}

int DayGridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : DayColumnCount;
}

QVariant DayGridModel::data(const QModelIndex& index, int role) const {
    const DayRow* row = dayRowAt(index);
    if (!row)
        return {};
    switch (role) {
        case Qt::DisplayRole:
        case Qt::EditRole:
            return ToQString(row->cells[static_cast<std::size_t>(index.column())]);
        case Qt::ToolTipRole: {
            const std::string hint = CellHint(*row, ColumnAt(index.column()));
            return hint.empty() ? QVariant() : QVariant(ToQString(hint));
        }
        default:
            return {};
    }
}

bool DayGridModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::EditRole || !dayRowAt(index) || !IsEditableColumn(ColumnAt(index.column()))) {
        return false;
    }
    return setCellText(dayOfRow(index.row()), index.column(), ToUtf8(value.toString()));
}

Qt::ItemFlags DayGridModel::flags(const QModelIndex& index) const {
    if (!dayRowAt(index))
        return Qt::NoItemFlags;
    // Fixed cells can be clicked (the kind menu and double click act on
    // their row) but not typed into.
    if (!IsEditableColumn(ColumnAt(index.column())))
        return Qt::ItemIsEnabled;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable;
}

QVariant DayGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal)
        return {};
    if (role == Qt::DisplayRole)
        return ToQString(ColumnTitle(ColumnAt(section)));
    return {};
}

}  // namespace tkv
