#pragma once

#include "settings/setting_fields.h"
#include "settings/ui/setting_grid.h"

class QMenu;

namespace tkv {

// The ten breaks: start and end of break i in row i. Its pop-up menu moves,
// inserts and deletes rows (only the start and end move; the numbers stay)
// and passes cut, copy, paste and undo to the cell being edited.
class BreakStringGrid final : public SettingStringGrid {
    Q_OBJECT

public:
    explicit BreakStringGrid(QWidget* parent);

    // The cells as typed, the open editor's text included.
    BreakCells breaks();
    void setBreaks(const BreakCells& cells);

    QMenu* popupMenu() const { return m_menu; }

    void MoveUpItemClick();
    void MoveDownItemClick();
    void InsertItemClick();
    void DeleteItemClick();
    void CutItemClick();
    void CopyItemClick();
    void PasteItemClick();
    void UndoItemClick();

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;
    bool gridKey(QKeyEvent* event) override;

private:
    // Runs `change` on the rows and puts the cursor on `newRow` (1..10).
    void changeRows(void (*change)(BreakCells&, int), int newRow);
    QLineEdit* editorForCommand();

    QMenu* m_menu;
};

}  // namespace tkv
