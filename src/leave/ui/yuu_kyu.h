#pragma once

#include <functional>
#include <optional>
#include <string>

#include <QMainWindow>

#include "base/io_result.h"
#include "leave/ledger.h"
#include "leave/ledger_jump.h"
#include "session/month_session.h"

class QLineEdit;
class QPushButton;

namespace tkv {

class Clock;
class RegistryStore;
class SettingsStore;
class TPreviewForm;
class TVacDel;
class TVacDel2;
class VacStringGrid;
struct Settings;

// What the paid-leave window needs from the program.
struct YuuKyuContext {
    Settings* settings = nullptr;
    SettingsStore* store = nullptr;     // SaveInitialDir after a CSV export
    RegistryStore* registry = nullptr;  // the window's place and size
    std::string startUser;              // whose "Position" values hold them
    bool restoreSize = false;           // the start user's WindowSize
    const Clock* clock = nullptr;
    // The files of the user whose data is open: Vacation.dat, the months.
    std::function<UserPaths()> paths;
    TPreviewForm* preview = nullptr;
    QWidget* mainWindow = nullptr;  // disabled while this window is shown
    // The main window's unsaved-changes check; false when it was cancelled.
    std::function<bool()> confirmMonthSave;
    // Shows a day in the main window: its month, the cursor on its memo.
    std::function<void(const MonthDayRow&)> showDay;
    std::function<Qt::KeyboardModifiers()> modifiers;  // Shift as it is now
    std::function<void()> escape;                      // the program's Esc action
    std::function<void()> closed;                      // the leave indicator follows
};

// "有給休暇": the paid-leave ledger as an editable list with its carry-over
// and current balance. It shows and edits the ledger and forwards saving,
// deleting, the CSV file, printing and the jump to a day.
class TYuuKyu final : public QMainWindow {
    Q_OBJECT
public:
    explicit TYuuKyu(YuuKyuContext context, QWidget* parent = nullptr);
    ~TYuuKyu() override;

    // Disables the main window, reads the ledger afresh and shows it.
    void open();

    // The commands of the buttons and menu items.
    void CalcButtonClick();
    bool SaveButtonClick();
    void JumpButtonClick();
    void DeleteCountMenuItemClick();
    void DeleteDateMenuItemClick();
    void CsvMenuItemClick();
    void PrintMenuItemClick();

    Ledger& ledger() { return m_ledger; }
    VacStringGrid* grid() const { return m_grid; }
    TVacDel* deleteByCount() const { return m_delCount; }
    TVacDel2* deleteByDate() const { return m_delDate; }
    // The colour dialog of the memo menu (tests answer it themselves).
    void setColorChooser(std::function<std::optional<int>(int current)> choose);

    // Window heights showing `rows` grid rows (title row included), and the
    // width with the memo column grown by `extraBlanks`.
    int heightForRows(int rows) const;
    int widthFor(int extraBlanks) const;

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void buildMenus();
    void buildPanels();
    // RecalcLedger; with `scroll` the last entry comes into view and the
    // cursor goes to the first free line.
    void recalculate(bool scroll);
    void showLedger(bool scroll);
    bool closeQuery();
    bool reportIo(const IoResult& r);
    Qt::KeyboardModifiers modifiers() const;
    void applySizeLimits();
    void maximizeWithinLimits();
    void savePlacement();
    void restorePlacement();

    YuuKyuContext m_ctx;
    Ledger m_ledger;
    VacStringGrid* m_grid = nullptr;
    QLineEdit* m_kuriZan = nullptr;
    QLineEdit* m_nowZan = nullptr;
    QPushButton* m_calc = nullptr;
    QPushButton* m_cancel = nullptr;
    QPushButton* m_esc = nullptr;
    TVacDel* m_delCount = nullptr;
    TVacDel2* m_delDate = nullptr;
    bool m_recalculating = false;
};

}  // namespace tkv
