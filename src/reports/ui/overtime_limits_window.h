#pragma once

#include <functional>
#include <optional>

#include <QDialog>

#include "core/overtime_limits.h"

class QLabel;
class QPushButton;
class QTableWidget;

namespace tkv {

// "36協定チェック": the twelve months of an agreement year, each with its
// figures, the rolling averages, every check passed (○) or failed (×) and
// the premium above 60 hours; below them the forecast of the running month,
// the months without a file, and what the figures are. It shows what it is
// given and is not modal.
class TKyoteiCheck final : public QDialog {
    Q_OBJECT
public:
    // Grid columns.
    enum Column {
        MonthColumn,
        JikangaiColumn,
        KyujitsuColumn,
        TotalColumn,
        YearColumn,
        Average2Column,  // .. Average6Column
        Average6Column = Average2Column + 4,
        MonthCheckColumn,
        MonthsOverColumn,
        YearCheckColumn,
        SingleMonthCheckColumn,
        AverageCheckColumn,
        Over60Column,
        PremiumColumn,
        ColumnCount
    };

    explicit TKyoteiCheck(QWidget* parent = nullptr);

    void setYear(const AgreementYearLimits& year);

    QTableWidget* grid() const { return m_grid; }
    QString cellText(int row, int column) const;

    // Esc is the program's Esc action (to the tray when the user wants that),
    // as in the other windows; without one it closes the window.
    void setEscapeAction(std::function<void()> action) { m_escapeAction = std::move(action); }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    std::function<void()> m_escapeAction;
    QLabel* m_limits;
    QTableWidget* m_grid;
    QLabel* m_forecast;
    QLabel* m_missing;
    QLabel* m_note;
    QPushButton* m_close;
};

}  // namespace tkv
