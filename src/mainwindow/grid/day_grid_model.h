#pragma once

#include <QAbstractTableModel>

#include "core/month_record.h"

namespace tkv {

struct Settings;

// The grid's view on the displayed month. The MonthRecord stays the store of
// truth: the model reads its cells and writes edits straight back into it.
// The title row is the horizontal header, so model row r is day row r + 1.
class DayGridModel final : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit DayGridModel(QObject* parent = nullptr);

    void setMonth(MonthRecord* month);
    void setSettings(const Settings* settings);
    MonthRecord* month() const { return m_month; }
    const Settings* settings() const { return m_settings; }

    // The one place where day rows and model rows meet.
    static int dayOfRow(int modelRow) { return modelRow + 1; }
    static int rowOfDay(int dayRow) { return dayRow - 1; }
    bool isDayRow(int dayRow) const;
    QModelIndex indexOf(int dayRow, int column) const;
    // Nullptr outside the day rows.
    const DayRow* dayRowAt(const QModelIndex& index) const;
    DayRow* dayRow(int dayRow);

    // Writes a cell; emits cellEdited only when the text changes.
    bool setCellText(int dayRow, int column, const std::string& text);
    // Repaint a row after its flags or colour changed underneath.
    void rowChanged(int dayRow);
    // Everything may have changed (a recalculation); resets when the number of days did.
    void refresh();

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

signals:
    void cellEdited(int dayRow, int column);

private:
    MonthRecord* m_month = nullptr;
    const Settings* m_settings = nullptr;
    int m_rows = 0;
};

}  // namespace tkv
