#pragma once

#include <QMainWindow>
#include <map>
#include <memory>

#include "core/month/auto_time_input.h"
#include "core/month/month_file.h"

class QAction;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;

namespace tkv {

struct AppContext;
class DayStringGrid;
class GridServices;

// The main window: one accounting month in the day grid, its totals beside
// it, the navigation above and the menu bar. It forwards commands to the core
// and shows what comes back.
class TZangyoMain final : public QMainWindow {
    Q_OBJECT
public:
    explicit TZangyoMain(AppContext& app, QWidget* parent = nullptr);
    ~TZangyoMain() override;

    // The first show: holiday list, automatic arrival input, current month.
    void firstShow();

    // Loads accounting month (year, month) into the grid. Without force
    // nothing happens when it is already on display.
    void LoadMonth(int year, int month, bool force);
    // Saves the displayed month; false (after a message) when it failed.
    bool SaveMonth();
    void Recalculate(bool cursorMove);
    // The unsaved-changes check before any month switch or close.
    bool ConfirmMonthSave();
    void AutoTimeInput(AutoTimeWhich which, AutoTimeMode mode);

    int displayedYear() const;
    int displayedMonth() const;
    MonthRecord& month() { return m_month; }
    DayStringGrid* grid() const { return m_grid; }
    QAction* action(const QString& objectName) const;

    void setGridServices(GridServices* services);
    // Fills the window title from the settings and the users.
    void updateTitle();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildMenus();
    void buildPanels();
    QLineEdit* addSummaryField(QWidget* panel, class QGridLayout* grid, int row, const QString& label,
                               const char* name, const QString& hint);
    void showSummary();
    void selectToday();
    bool applyLeaveChanges(const std::vector<LeaveDayChange>& changes);
    void reportFileError(const IoResult& r);
    void savePlacement();
    void restorePlacement();

    AppContext& m_app;
    MonthRecord m_month;
    MonthCalculation m_calc;
    int m_loadedYear = 0;
    int m_loadedMonth = 0;
    bool m_readOnlyMonth = false;  // the month file exists but cannot be read

    DayStringGrid* m_grid = nullptr;
    GridServices* m_services = nullptr;
    QLineEdit* m_yearMemo = nullptr;
    QLineEdit* m_monthMemo = nullptr;
    std::map<QString, QLineEdit*> m_summary;
    bool m_closing = false;
};

}  // namespace tkv
