#pragma once

#include <QAbstractTableModel>
#include <QColor>
#include <QHeaderView>
#include <QStyledItemDelegate>
#include <QTableView>

#include "reports/period_totals.h"

namespace tkv {

// The rows of a period calculation for the view; rows 0.. are the grid's
// rows 1.., the column titles are the header.
class PeriodGridModel final : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit PeriodGridModel(QObject* parent = nullptr);

    void setGrid(PeriodGrid grid);
    const PeriodGrid& grid() const { return m_grid; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    PeriodGrid m_grid;
};

// Text colour of a cell as the period grid draws it (selection aside):
// blue for every data cell of a month that is not counted, red for a value
// above the average, black otherwise. `row` is the grid's row number.
QColor PeriodCellColor(const PeriodGrid& grid, int row, int column);

// Black rules: under the header and every twelfth month row, under the last
// month row and the total, average and highest rows; after columns 5 and 8.
bool PeriodRuleBelow(const PeriodGrid& grid, int row);
bool PeriodRuleAfter(int column);

// "MonthStringGrid": the period totals with their colours and rules.
class MonthStringGrid final : public QTableView {
    Q_OBJECT
public:
    explicit MonthStringGrid(QWidget* parent = nullptr);

    void setGrid(PeriodGrid grid);
    const PeriodGrid& grid() const { return m_model->grid(); }

    // The grid's row number of the selection (1 ..), 0 when none.
    int selectedRow() const;
    void selectGridRow(int number);

    // All ten columns, frame and scroll bar included.
    int designWidth() const;
    // The height that shows `rows` grid rows, the header counting as one.
    int heightForRows(int rows) const;

signals:
    // A double click on row `number`, which is selected first.
    void rowDoubleClicked(int number);

protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    void applyColumnWidths();

    PeriodGridModel* m_model = nullptr;
};

}  // namespace tkv
