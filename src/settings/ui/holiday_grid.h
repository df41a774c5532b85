#pragma once

#include "settings/holiday_list.h"
#include "settings/ui/setting_grid.h"

namespace tkv {

// The year's holiday list: one row per day of a leap year, the mark " ○ " in
// column 1 and a memo in column 2. A double click on a mark cell sets or
// clears the mark; a marked row is drawn in red. It has no pop-up menu.
class YearHolidayStringGrid final : public SettingStringGrid {
    Q_OBJECT

public:
    explicit YearHolidayStringGrid(QWidget* parent);

    // The rows as typed (the open editor's text included), date texts fixed.
    AnnualHolidayTable rows();
    void setRows(const AnnualHolidayTable& rows);

    // What a double click on the mark of `row` does.
    void toggleMark(int row);

protected:
    bool cellDoubleClicked(int row, int column) override;
    QColor rowTextColor(int row) const override;
};

}  // namespace tkv
