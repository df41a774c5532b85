#pragma once

#include <string>

#include "base/clock.h"
#include "core/calendar.h"
#include "core/month_record.h"
#include "settings/setting_choices.h"

namespace tkv {

struct Settings;

enum class AutoTimeWhich { Arrival = 0, Leaving = 1 };

// What the automatic arrival/leaving input will do, decided before the month
// is loaded: which working day and accounting month, and the time texts.
struct AutoTimePlan {
    bool active = false;  // false for mode None
    AutoTimeWhich which = AutoTimeWhich::Arrival;
    AutoTimeMode mode = AutoTimeMode::None;
    Date workingDay;            // a leaving before the standard start belongs to the day before
    YearMonth month;            // the accounting month to load (with force)
    std::string unroundedText;  // the dialog's NowMemo ("8:10", "25:30")
    std::string timeText;       // TimeMemo: rounded (width 2, zero shown), or the standard start
    bool standardStartUsed = false;
    std::string dialogDate;  // "3月10日(月)"
};

AutoTimePlan PlanAutoTimeInput(const DateTime& now, const Settings& s, AutoTimeWhich which,
                               AutoTimeMode mode);

enum class AutoTimeAction {
    Nothing,  // mode None, or the working day is not in the month
    Write,    // write timeText into the cell and save the month
    Ask,      // show the confirmation dialog; write and save on OK
    Keep,     // the cell holds a time that stays
};

struct AutoTimeOutcome {
    AutoTimeAction action = AutoTimeAction::Nothing;
    int row = 0;                            // 1-based day row, 0 when not found
    DayColumn column = DayColumn::Arrival;  // grid column of the time
    std::string existingText;               // the trimmed cell as found
};

// Decides, against the loaded month, whether to write at once, ask or keep.
AutoTimeOutcome ResolveAutoTimeInput(const AutoTimePlan& plan, const MonthRecord& m,
                                     const Settings& s);

}  // namespace tkv
