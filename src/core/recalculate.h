#pragma once

#include <array>
#include <string>

#include "base/text_util.h"
#include "core/day_kind.h"
#include "core/month_record.h"

namespace tkv {

struct Settings;

// How a time is rounded: the method and the unit in minutes.
struct Rounding {
    RoundMethod method = RoundMethod::None;
    int unit = 5;
};

// What the calculation of a day needs from the settings, in minutes, read
// once per run.
struct DayRules {
    struct Break {
        int start = 0;
        int end = 0;
    };
    std::array<Break, 10> breaks{};
    int standardStart = 0;  // the standard hours of a working day
    int standardEnd = 0;
    int lateNightStart = 0;
    int lateNightEnd = 0;  // on the following morning; never 0
    int standardWork = 0;  // standard working time of a full day
    int minimumOvertime = 0;
    int morningLeaveWork = 0;    // standard working time of a "前" day
    int afternoonLeaveWork = 0;  // of a "後" day
    int compensatoryCredit = 0;  // overtime of a "代" day, zero or negative
    int shortDayStart = 0;       // the standard hours of a "半" day
    int shortDayEnd = 0;
    int shortDayWork = 0;
    double morningLeaveDays = 0.5;  // paid-leave days of a "前" and a "後" day
    double afternoonLeaveDays = 0.5;

    bool flexTime = false;
    bool roundArrivalAndLeaving = false;  // for the calculation only
    Rounding arrival;
    Rounding leaving;
    Rounding overtime;
    bool compensatoryCredited = false;  // a "代" day counts compensatoryCredit as overtime
    bool paidLeaveWorks = false;        // paid leave counts as working time
    bool halfLeaveIsHalfDay = false;    // a "前"/"後" day with times is half a day worked
};

DayRules DayRulesOf(const Settings& settings);

// The three computed columns of a day, in order.
inline constexpr std::array<DayColumn, 3> ComputedColumns{DayColumn::Overtime, DayColumn::LateNight,
                                                          DayColumn::Working};

// Everything one day row yields: its normalised cells, its three computed
// values and what it adds to the month's counters.
struct DayResult {
    DayKind kind = DayKind::Ordinary;
    std::string arrivalText;  // the cells as rewritten
    std::string leavingText;
    int arrival = 0;  // minutes as shown; a leaving after midnight is past 24:00
    int leaving = 0;
    bool bothTimes = false;

    // Normal overtime, late-night overtime, working time: computed, or the
    // hand-entered value where the day's flag says so.
    std::array<int, 3> values{};
    std::array<bool, 3> manual{};

    double daysWorked = 0;     // 1, or 0.5 for a half-day leave; 0 without both times
    double paidLeaveDays = 0;  // 1 for "有", the half-day values for "前" and "後"
    bool lateArrival = false;  // counted only without flexible time
    bool earlyLeaving = false;

    int overtime() const { return values[0]; }
    int lateNight() const { return values[1]; }
    int working() const { return values[2]; }
};

// Calculates one day row. Pure: the row is not changed (see ApplyDay).
DayResult CalculateDay(const DayRow& row, const DayRules& rules);

// Writes a day's result into its row: the kind, arrival and leaving cells
// normalised and the three computed columns.
void ApplyDay(DayRow& row, const DayResult& day);

// Overtime and working time of one class of days, in minutes.
struct DayClassTotals {
    long long normal = 0;     // normal overtime
    long long lateNight = 0;  // late-night overtime
    long long working = 0;    // working time
};

// Overtime pay of the six totals, in yen.
struct OvertimePay {
    long long nonHolidayNormal = 0;     // x Kin04
    long long nonHolidayLateNight = 0;  // x Kin05
    long long holidayNormal = 0;        // x Kin08
    long long holidayLateNight = 0;     // x Kin09
    long long statutoryNormal = 0;      // x Kin11
    long long statutoryLateNight = 0;   // x Kin12
};

// The time fields of the pay window, named after their fields.
struct PayWindowTexts {
    std::string ZanTMemo;       // non-holiday normal overtime
    std::string SZanTMemo;      // non-holiday late-night
    std::string KZanTMemo;      // holiday normal
    std::string KSZanTMemo;     // holiday late-night
    std::string HZanTMemo;      // statutory-holiday normal
    std::string HSZanTMemo;     // statutory-holiday late-night
    std::string TZanTMemo;      // all normal overtime
    std::string TSZanTMemo;     // all late-night overtime
    std::string TKeiTMemo;      // both together
    std::string KinmuTimeMemo;  // all working time
    std::string MokuTMemo;      // overtime left to the target
    std::string SyusyaMemo;     // average arrival
    std::string TaisyaMemo;     // average leaving
    std::string ZanheiMemo;     // average overtime
};

// Everything one recalculation yields for the summary panel and the pay
// window; they only format and show it.
struct MonthCalculation {
    // Minutes.
    DayClassTotals nonHoliday;        // kinds other than "○"
    DayClassTotals holiday;           // "○" without the statutory-holiday flag
    DayClassTotals statutory;         // "○" with it
    long long normalOvertime = 0;     // sum of the three normal totals
    long long lateNightOvertime = 0;  // sum of the three late-night totals
    long long overtime = 0;           // both together
    long long workingTime = 0;        // sum of the three working totals
    int targetRemainder = 0;          // negative: short of the target; never below -99:00

    // Day counters.
    double daysWorked = 0;         // rows with both times; half-day leave may count 0.5
    double holidayDaysWorked = 0;  // "○" rows with both times
    double weekdayDaysWorked = 0;  // other rows with both times
    double totalWorkDays = 0;      // weekday + holiday days worked
    double paidLeaveDays = 0;
    int daysInPeriod = 0;
    int scheduledDays = 0;  // rows not "○"
    int holidays = 0;       // rows "○"
    int compensatoryDays = 0;
    int absences = 0;

    // Late arrivals and early leavings are not counted with flexible time.
    bool lateEarlyCounted = true;
    int lateArrivals = 0;
    int earlyLeavings = 0;

    // Averages over ordinary days with both times, in minutes.
    int averagedDays = 0;
    int averageArrival = 0;
    int averageLeaving = 0;
    int averageOvertime = 0;

    // Yen.
    long long basePay = 0;  // Kin01 + Kin02 + Kin03
    OvertimePay overtimePayBy;
    long long overtimePay = 0;
    long long grossPay = 0;
    long long takeHome = 0;

    SummaryTexts summary;  // also written into the month record
    PayWindowTexts payWindow;
};

// Recomputes rows 1..LastDay of `month`: normalises the kind, arrival and
// leaving cells, rewrites the three computed columns (hand-entered values
// stay), fills month.summary and returns every total. Never fails: unreadable
// times count as 0 and unknown kinds as the ordinary day.
MonthCalculation Recalculate(MonthRecord& month, const Settings& settings);

}  // namespace tkv
