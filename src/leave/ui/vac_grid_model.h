#pragma once

#include <string>

#include <QAbstractTableModel>

#include "leave/ledger_grid.h"
#include "platform/grid_cell.h"

namespace tkv {

class Ledger;
struct Settings;

// The leave grid's view on the ledger: 500 rows, one per slot, and the
// seven columns. The Ledger stays the store of truth: edits are written
// straight into its slots. Model row r is slot r + 1.
class VacGridModel final : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit VacGridModel(QObject* parent = nullptr);

    void setLedger(Ledger* ledger);
    void setSettings(const Settings* settings);
    Ledger* ledger() const { return m_ledger; }
    const Settings* settings() const { return m_settings; }

    static int slotOfRow(int modelRow) { return modelRow + 1; }
    static int rowOfSlot(int slot) { return slot - 1; }
    QModelIndex indexOf(int slot, LedgerColumn column) const;

    // Writes a cell; emits cellEdited only when the text changes.
    bool setCellText(int slot, LedgerColumn column, const std::string& text);
    // Repaint a slot after a command changed it underneath.
    void rowChanged(int slot);
    // The ledger changed underneath (recalculation, load, deletion).
    void refresh();

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

signals:
    void cellEdited(int slot, int column);

private:
    Ledger* m_ledger = nullptr;
    const Settings* m_settings = nullptr;
};

// Paints the leave grid's cells: weekday and day-count inks, memo colours,
// the Saturday, Sunday and kind backgrounds and the grant-year line.
class VacGridDelegate final : public platform::GridEditorDelegate {
    Q_OBJECT
public:
    explicit VacGridDelegate(QObject* parent = nullptr);

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
};

}  // namespace tkv
