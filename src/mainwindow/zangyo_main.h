#pragma once

#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>

#include <QMainWindow>

#include "core/auto_time_input.h"
#include "session/month_session.h"

class QAction;
class QGridLayout;
class QLineEdit;
class QPushButton;

namespace tkv {

struct AppContext;
class DayStringGrid;
class GridServices;
class LimitsView;
class MonthFileWatch;
class TargetBarPanel;
class TJump;
class TKyoteiCheck;
class TPass;
class TPreviewForm;
class SpanMode;
class TSetting;
class TTokuSyukeiForm;
class TTotal;
class TYearTotal;
class TYuuKyu;

// The windows of the program that the main window opens itself.
struct MainWindowDialogs {
    TPass* pass = nullptr;                // KinPass before the pay window
    TTotal* total = nullptr;              // "給与金額"
    TJump* jump = nullptr;                // "指定月へ移動"
    TPreviewForm* preview = nullptr;      // "印刷 - ﾌﾟﾚﾋﾞｭｰ"
    TYearTotal* yearTotal = nullptr;      // "期間集計"
    TSetting* setting = nullptr;          // "環境設定"
    TYuuKyu* yuuKyu = nullptr;            // "有給休暇"
    TTokuSyukeiForm* span = nullptr;      // "任意期間一覧"
    TKyoteiCheck* kyoteiCheck = nullptr;  // "36協定チェック"
};

// Who is there to answer while the program runs towards its end.
enum class Attendance {
    Person,    // questions are asked as usual
    HandOver,  // the idle tool takes over: the month is saved without a question and
               // no leaving time is written (for the rest of the run)
    Nobody,    // a signal or a session end without a person: the month is saved
               // and the leaving time written without any window
};

// The main window: one accounting month in the day grid, its totals beside
// it, the navigation above, the target bar below and the menu bar. It
// forwards commands to the core and shows what comes back.
//
// Its code is spread by concern: zangyo_main.cpp (construction, wiring,
// start and close), main_window_build.cpp (menus, panels, the summary
// fields), month_commands.cpp (load, save, recalculation, navigation,
// automatic time input), window_commands.cpp (the other windows and the
// month's outputs), target_bar_switch.cpp (the target bar and the leave
// indicator on it), window_size.cpp (size limits and placement);
// limits_view.cpp (the overtime-agreement meter and its check window).
class TZangyoMain final : public QMainWindow {
    Q_OBJECT
public:
    explicit TZangyoMain(AppContext& app, QWidget* parent = nullptr);
    ~TZangyoMain() override;

    void setGridServices(GridServices* services);
    void setDialogs(const MainWindowDialogs& dialogs);

    // The first show: holiday list, automatic arrival input, current month.
    void firstShow();

    // Loads accounting month (year, month) into the grid. Without force
    // nothing happens when it is already on display.
    void showMonth(int year, int month, bool force);
    // Saves the displayed month with the ledger; false (after a message)
    // when it failed.
    bool saveShownMonth();
    void recalculateShown(bool cursorMove);
    // The unsaved-changes check before any month switch or close. It leaves
    // the arbitrary-period mode first.
    bool ConfirmMonthSave();
    void AutoTimeInput(AutoTimeWhich which, AutoTimeMode mode);

    // Month navigation; Ctrl held moves by a whole year.
    void PreButtonClick();
    void NextButtonClick();
    void TodayButtonClick();
    void JumpButtonClick();
    // After the closing day was changed: the current month is rebuilt with
    // the new period (its old file is removed).
    void SimeDayChanged();

    void KingakuButtonClick();
    // The period totals window; this window stays disabled while it is open.
    void SyukeiButtonClick();
    // The period window's jump: after the unsaved-changes check, shows
    // accounting month `ym`. False when the check was cancelled.
    bool JumpToMonth(YearMonth ym);
    // The paid-leave window; with AutoSave (and no Shift) the month is
    // saved first, so the ledger holds its leave days.
    void YuukyuButtonClick();
    // The leave window's jump (after the unsaved-changes check): shows
    // accounting month `ym` with the cursor on the memo of day row `row`.
    void ShowLedgerDay(YearMonth ym, int row);
    // The month list and the month CSV, of the month as recalculated now.
    void PrintMenuItemClick();
    void CsvMenuItemClick();
    void ToggleTargetBar();
    // "任意期間一覧(&T)...": a span of days chosen in the dialog takes the
    // grid's place (after the unsaved-changes check, unless a span is shown
    // already). Nothing is saved until the mode ends.
    void TokuSyukeiMenuItemClick();
    // "任意期間解除(&R)": back to the month shown before the mode.
    void TokuKaijoMenuItemClick();
    bool spanShown() const;
    // "環境設定(&E)...", behind the amount password; then follows what changed.
    void SettingMenuItemClick();
    // NowZan of the ledger less the reserve the user wants to keep.
    void RefreshLeaveIndicator();

    // Fills the window title from the settings and the users.
    void updateTitle();

    // "ファイルエラー": the file that could not be read or written.
    void reportFileError(const IoResult& r);

    void setAttendance(Attendance a) { m_attendance = a; }
    Attendance attendance() const { return m_attendance; }

    int displayedYear() const;
    int displayedMonth() const;
    MonthRecord& month() { return m_session.month(); }
    const MonthCalculation& calculation() const { return m_session.calculation(); }
    DayStringGrid* grid() const { return m_grid; }
    TargetBarPanel* targetBar() const { return m_bar; }
    // The overtime-agreement meter and the windows that show those figures.
    LimitsView* limitsView() const { return m_limits; }
    QAction* action(const QString& objectName) const;

    // Size limits of the window (the bar's height counts while it is on).
    QSize minimumWindowSize() const;
    QSize maximumWindowSize() const;

signals:
    void helpRequested();   // "ﾍﾙﾌﾟ(&H)..."
    void aboutRequested();  // "ﾊﾞｰｼﾞｮﾝ情報(&A)..."
    void closed();          // the close went through: the program is ending

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    // The name the window's placement is stored under.
    static constexpr const char* kClassName = "TZangyoMain";

    void buildMenus();
    void buildPanels();
    QLineEdit* addSummaryField(QWidget* panel, QGridLayout* grid, int row, const QString& label,
                               const char* name, const QString& hint);
    void showSummary();
    void afterMove();
    // Another program changed the shown month's file: with no unsaved edit
    // the grid shows the file as it is now (edits wait for the merge at save).
    void shownMonthFileChanged();
    // The damaged-LastDay notice, once per file and run.
    void warnRepairedLastDay();
    void moveTo(YearMonth target);
    // Ends the arbitrary-period mode without loading anything; gives the
    // month shown before it, none when the mode was off.
    std::optional<YearMonth> endSpanView();
    void selectToday();
    Qt::KeyboardModifiers modifiers() const;
    void computeSizeLimits();
    void applySizeLimits();
    int barHeight() const;
    void savePlacement();
    void restorePlacement();

    AppContext& m_app;
    MonthSession m_session;
    std::unique_ptr<SpanMode> m_spanMode;
    Attendance m_attendance = Attendance::Person;

    DayStringGrid* m_grid = nullptr;
    GridServices* m_services = nullptr;
    MainWindowDialogs m_dialogs;
    TargetBarPanel* m_bar = nullptr;
    LimitsView* m_limits = nullptr;
    MonthFileWatch* m_fileWatch = nullptr;
    std::set<std::string> m_lastDayWarned;  // month files already warned about
    QAction* m_barAction = nullptr;
    QLineEdit* m_yearMemo = nullptr;
    QLineEdit* m_monthMemo = nullptr;
    std::map<QString, QLineEdit*> m_summary;
    QSize m_minSize;       // without the bar
    int m_fullHeight = 0;  // without the bar
    int m_maxWidth = 0;
};

}  // namespace tkv
