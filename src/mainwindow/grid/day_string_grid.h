#pragma once

#include <array>

#include "core/month_record.h"
#include "platform/editing_grid.h"

class QAction;
class QMenu;

namespace tkv {

class Clock;
class DayGridDelegate;
class DayGridModel;
class GridServices;
struct Settings;

// The day grid of the main window: one row per day of the displayed month,
// the title row as the header. Edits go straight into the MonthRecord; the
// commands below act on the current cell and do nothing outside day rows.
//
// day_string_grid.cpp holds the view and its editor (keys, mouse, hints),
// grid_menus.cpp the popup menus, grid_entry_commands.cpp the entry
// commands; their widget-free rules are in grid_rules.h.
class DayStringGrid final : public platform::EditingGrid {
    Q_OBJECT
public:
    explicit DayStringGrid(QWidget* parent = nullptr);
    ~DayStringGrid() override;

    void setMonth(MonthRecord* month);
    void setSettings(const Settings* settings);
    void setClock(const Clock* clock);
    void setServices(GridServices* services);
    // While the arbitrary-period list is shown the grid takes no keys or
    // double clicks and asks for no recalculation.
    void setPeriodListShown(bool shown);

    // The record changed underneath (recalculation, load): repaint and
    // update the open editor.
    void refresh();

    // Day row 1..LastDay of the current cell, 0 when there is none.
    int currentDayRow() const;
    int currentColumn() const;
    void selectDay(int row, int column);
    // Scrolls so that day `row` is the eleventh visible day row: the first
    // rows stay in view for the first ten days, and the grid never scrolls
    // past its last full page.
    void scrollToDay(int row);

    // The width for the window around: all nine columns at their design
    // widths (lines, frame and scroll bar included).
    int designWidth() const;

    QMenu* popupMenuFor(int column) const;
    QMenu* useTimeMenu() const { return m_useTimeMenu; }
    QMenu* useMemoMenu() const { return m_useMemoMenu; }
    DayGridModel* dayModel() const { return m_model; }
    DayGridDelegate* dayDelegate() const { return m_delegate; }

    // Captions of the six used times and the ten fixed memos; run before
    // their submenus open.
    void updateUseTimeItems();
    void updateUseMemoItems();

    // What a double click on a cell does (modifiers from the services).
    void doubleClickCell(int row, int column);

public slots:
    void KubunChange();
    void KubunMenuClick(int code);
    void NowTimeIn();
    void TeijiTimeIn();
    void TopTimeInItemClick();
    void UseTimeClick(int n);
    void UseTimeSetItemClick();
    void UseMemoClick(int n);
    void UseMemoSetItemClick();
    void TimeClear();
    void ZanTimeIn();
    void MemoColorItemClick();
    void MemoColorResetItemClick();

signals:
    void recalculateRequested();
    void focusExitButton();
    void focusPreviousButton();
    void monthEdited();

protected:
    bool editsCell(const QModelIndex& index) const override;
    std::optional<bool> wantsInputMethod(const QModelIndex& index) const override;
    bool tabPressed(bool backward, bool ctrl) override;
    bool editorKeyPress(QKeyEvent* event) override;
    bool windowShortcut(const QKeyEvent* event) const override;
    bool editorDoubleClicked(const QModelIndex& index) override;
    void leftGrid() override;

    bool viewportEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;

private:
    void buildMenus();
    QAction* addItem(QMenu* menu, const QString& caption, const char* name);
    void attachMenu(DayColumn column);
    void fitColumns();

    void requestAutoCalc();

    // The current day row when it is one and the current column is among
    // `columns`; 0 otherwise.
    int rowFor(std::initializer_list<DayColumn> columns) const;
    DayColumn currentDayColumn() const;
    void setCell(int row, DayColumn column, const std::string& text);

    DayGridModel* m_model;
    DayGridDelegate* m_delegate;
    MonthRecord* m_month = nullptr;
    const Settings* m_settings = nullptr;
    const Clock* m_clock = nullptr;
    GridServices* m_services = nullptr;
    bool m_periodListShown = false;
    bool m_loading = false;
    bool m_fitting = false;

    QMenu* m_kubunMenu = nullptr;
    QMenu* m_timeMenu = nullptr;
    QMenu* m_zanMenu = nullptr;
    QMenu* m_kinmuMenu = nullptr;
    QMenu* m_memoMenu = nullptr;
    QMenu* m_useTimeMenu = nullptr;
    QMenu* m_useMemoMenu = nullptr;
    std::array<QAction*, 6> m_useTimeItems{};
    std::array<QAction*, 10> m_useMemoItems{};
    QAction* m_zanInputItem = nullptr;
    QAction* m_kinmuInputItem = nullptr;
};

}  // namespace tkv
