#pragma once

#include <array>
#include <optional>

#include "core/calendar.h"

class QWidget;

namespace tkv {

// The main window's arbitrary-period mode: while the day grid shows a span
// of days instead of an accounting month, whatever saves, moves to another
// month or changes the settings is disabled, and the month shown before is
// kept to return to. Printing, the CSV export, the pay window and the leave
// window stay usable.
class SpanMode {
public:
    // The controls of `window` are found by objectName when the mode
    // switches, so the window may build them later.
    explicit SpanMode(QWidget& window);

    // By objectName: the buttons and menu items the mode disables, and the
    // users menu (its title greys out).
    static constexpr std::array<const char*, 18> DisabledControls{
        "PreButton",       "TodayButton",        "NextButton",      "JumpButton",
        "CalcButton",      "SaveButton",         "SyukeiButton",    "SaveMenuItem",
        "PreMenuItem",     "TodayMenuItem",      "NextMenuItem",    "JumpMenuItem",
        "CalcMenuItem",    "SyukeiMenuItem",     "MokuhyoMenuItem", "MultiUserMenu",
        "SettingMenuItem", "HolidayReadMenuItem"};

    bool active() const { return m_returnTo.has_value(); }
    // The month shown when the mode was entered.
    std::optional<YearMonth> returnMonth() const { return m_returnTo; }

    // Switches the controls into the mode. `shown` is kept only when the
    // mode was off: a new span chosen in the mode returns to the same month.
    void enter(YearMonth shown);
    // Switches the controls back and forgets the month; gives it, or none
    // when the mode was off.
    std::optional<YearMonth> leave();

private:
    void setControls(bool on);

    QWidget& m_window;
    std::optional<YearMonth> m_returnTo;
};

}  // namespace tkv
