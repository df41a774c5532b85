#pragma once

#include <functional>
#include <string>

#include <QMainWindow>

#include "reports/period_totals.h"

class QLineEdit;
class QPushButton;

namespace tkv {

class Clock;
class MonthStringGrid;
class RegistryStore;
class SettingsStore;
class TPreviewForm;
struct Settings;
namespace platform {
class TWaitingForm;
}

// What the period window needs from the program.
struct YearTotalContext {
    Settings* settings = nullptr;
    SettingsStore* store = nullptr;     // SaveInitialDir, and the user's key for SyukeiMonth
    RegistryStore* registry = nullptr;  // placement and SyukeiMonth
    std::string startUser;              // whose "Position" values hold the placement
    const Clock* clock = nullptr;
    MonthPathFn monthPath;
    TPreviewForm* preview = nullptr;
    platform::TWaitingForm* waiting = nullptr;
    QWidget* mainWindow = nullptr;  // disabled while this window is shown
    // Shows accounting month `ym` in the main window after its unsaved-changes
    // check; false when that check was cancelled.
    std::function<bool(YearMonth)> openMonth;
    std::function<void()> escape;  // the main window's Esc action
};

// "期間集計": the attendance, leave and overtime of a span of months with
// total, average, highest and lowest rows. It shows what the core
// calculates and forwards printing, CSV and the jump to a month.
class TYearTotal final : public QMainWindow {
    Q_OBJECT
public:
    explicit TYearTotal(YearTotalContext context, QWidget* parent = nullptr);
    ~TYearTotal() override;

    // Shows the window (the main window is disabled meanwhile) and calculates.
    void open();

    // The commands of the buttons and menu items.
    bool CalcButtonClick();
    void AllCalcButtonClick();
    void PreYearButtonClick() { moveStart(-12); }
    void PreMonthButtonClick() { moveStart(-1); }
    void TodayButtonClick();
    void NextMonthButtonClick() { moveStart(1); }
    void NextYearButtonClick() { moveStart(12); }
    void JumpButtonClick();
    void PrintMenuItemClick();
    void CsvMenuItemClick();

    // The span as the fields hold it, clamped.
    PeriodSpan enteredSpan() const;
    void setSpanFields(const PeriodSpan& span);
    MonthStringGrid* grid() const { return m_grid; }

    // Window heights showing `rows` grid rows (header included).
    int heightForRows(int rows) const;

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildMenus();
    void buildPanels();
    void moveStart(int months);
    bool calculate(PeriodMonthReader* reader);
    void applyHeightLimits(bool shrink);
    void storeStartMonth();
    void savePlacement();
    void restorePlacement();

    YearTotalContext m_ctx;
    QLineEdit* m_startYear = nullptr;
    QLineEdit* m_startMonth = nullptr;
    QLineEdit* m_endYear = nullptr;
    QLineEdit* m_endMonth = nullptr;
    QPushButton* m_cancel = nullptr;
    MonthStringGrid* m_grid = nullptr;
};

}  // namespace tkv
