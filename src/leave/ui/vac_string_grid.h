#pragma once

#include <functional>
#include <optional>

#include "leave/ledger_grid.h"
#include "platform/editing_grid.h"

class QMenu;

namespace tkv {

class Clock;
class Ledger;
class VacGridDelegate;
class VacGridModel;
struct Settings;

// The grid of the paid-leave window: the ledger's 500 slots, the title row
// as the header. Edits go straight into the Ledger; the commands act on the
// current cell.
class VacStringGrid final : public platform::EditingGrid {
    Q_OBJECT
public:
    explicit VacStringGrid(QWidget* parent = nullptr);
    ~VacStringGrid() override;

    void setLedger(Ledger* ledger);
    void setSettings(const Settings* settings);
    void setClock(const Clock* clock);
    // The colour dialog of the memo menu; nothing when cancelled.
    void setColorChooser(std::function<std::optional<int>(int current)> choose) {
        m_chooseColor = std::move(choose);
    }

    // The ledger changed underneath (recalculation, load, deletion).
    void refresh();

    // Slot of the current cell, 0 when there is none.
    int currentSlot() const;
    int currentColumn() const;
    void selectCell(int slot, LedgerColumn column);
    // The first fully visible slot, and making `slot` the first.
    int topSlot() const;
    void setTopSlot(int slot);
    int visibleRows() const;

    // The width for the window around: all columns at their natural widths
    // (lines, frame and scroll bar included), the memo grown by `extraBlanks`.
    int designWidth(int extraBlanks = 0) const;

    QMenu* popupMenuFor(LedgerColumn column) const;
    VacGridModel* vacModel() const { return m_model; }

    // A double click on a cell of slot `slot`.
    void doubleClickCell(int slot, LedgerColumn column);

public slots:
    void KindMenuClick(int code);
    void MemoColorItemClick();
    void MemoColorResetItemClick();

signals:
    // With AutoCalc on: the cursor moved, the grid was left or a kind was set.
    void recalculateRequested();
    void escapePressed();
    void focusCalcButton();
    void focusCancelButton();
    void ledgerEdited();

protected:
    bool editsCell(const QModelIndex& index) const override;
    std::optional<bool> wantsInputMethod(const QModelIndex& index) const override;
    bool tabPressed(bool backward, bool ctrl) override;
    bool editorDoubleClicked(const QModelIndex& index) override;
    void leftGrid() override;

    bool viewportEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;

private:
    void buildMenus();
    void fitColumns();
    void requestAutoCalc();
    void rowChanged(int slot);

    VacGridModel* m_model;
    VacGridDelegate* m_delegate;
    const Settings* m_settings = nullptr;
    const Clock* m_clock = nullptr;
    std::function<std::optional<int>(int)> m_chooseColor;
    bool m_fitting = false;
    bool m_loading = false;
    QMenu* m_kindMenu = nullptr;
    QMenu* m_memoMenu = nullptr;
};

}  // namespace tkv
