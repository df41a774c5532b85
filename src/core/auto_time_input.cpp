#include "core/auto_time_input.h"

#include "base/text_util.h"
#include "core/month_record.h"
#include "settings/settings.h"

namespace tkv {

AutoTimePlan PlanAutoTimeInput(const DateTime& now, const Settings& s, AutoTimeWhich which,
                               AutoTimeMode mode) {
    AutoTimePlan plan;
    plan.which = which;
    plan.mode = mode;
    if (mode == AutoTimeMode::None)
        return plan;
    plan.active = true;

    const int standardStart = s.times.standardStart.minutes();
    const int clock = now.hour * 60 + now.minute;
    int hours = now.hour;
    plan.workingDay = {now.year, now.month, now.day};
    if (which == AutoTimeWhich::Leaving && clock < standardStart) {
        // Leaving after midnight: the previous day's shift, shown past 24:00.
        plan.workingDay = PreviousDay(plan.workingDay);
        hours += 24;
    }
    plan.month = AccountingMonthOf(plan.workingDay, s.SimeDay);

    plan.unroundedText = std::to_string(hours) + ":" + IntToStrPad(now.minute, 2, '0');
    RoundMethod method = which == AutoTimeWhich::Arrival ? s.StartAdjustSelect : s.EndAdjustSelect;
    const int unit = UnitMinutes(which == AutoTimeWhich::Arrival ? s.StartTime2 : s.EndTime2);
    if (s.NoAutoInAdjust)
        method = RoundMethod::None;
    const std::string rounded = AdjustTimeStr(plan.unroundedText, method, unit);
    plan.timeText = MinutesToStr(StrToMinutes(rounded), 2, true);

    if (which == AutoTimeWhich::Arrival && ((s.StartTeijiIn == StandardStartUse::WhenEarlier &&
                                             StrToMinutes(rounded) <= standardStart) ||
                                            s.StartTeijiIn == StandardStartUse::Always)) {
        plan.timeText = s.times.standardStart.text();
        plan.standardStartUsed = true;
    }
    plan.dialogDate = std::to_string(plan.workingDay.month) + "月" +
                      std::to_string(plan.workingDay.day) + "日(" +
                      std::string(WeekdayName(WeekdayOf(plan.workingDay))) + ")";
    return plan;
}

AutoTimeOutcome ResolveAutoTimeInput(const AutoTimePlan& plan, const MonthRecord& m,
                                     const Settings& s) {
    AutoTimeOutcome out;
    if (!plan.active)
        return out;
    const std::string dateText = GridDateText(plan.workingDay.month, plan.workingDay.day);
    for (int i = 1; i <= m.rowCount(); ++i) {
        if (m.day(i).cell(DayColumn::Date) == dateText) {
            out.row = i;
            break;
        }
    }
    if (out.row == 0)
        return out;

    const bool arrival = plan.which == AutoTimeWhich::Arrival;
    out.column = arrival ? DayColumn::Arrival : DayColumn::Leaving;
    out.existingText = Trim(m.day(out.row).cell(out.column));
    AutoTimeMode mode = plan.mode;
    bool empty = out.existingText.empty();
    if (!arrival && !empty) {
        if (s.EndOverWrite == LeavingOverwrite::Overwrite) {
            empty = true;
        } else if (s.EndOverWrite == LeavingOverwrite::Ask && mode == AutoTimeMode::Automatic) {
            empty = true;
            mode = AutoTimeMode::Confirm;  // nobody overwrites a leaving time unasked
        }
    }
    if (!empty) {
        out.action = AutoTimeAction::Keep;
        return out;
    }
    out.action = mode == AutoTimeMode::Automatic ? AutoTimeAction::Write : AutoTimeAction::Ask;
    return out;
}

}  // namespace tkv
