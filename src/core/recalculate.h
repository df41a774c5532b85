#pragma once

#include <string>

#include "core/month_record.h"

namespace tkv {

struct Settings;

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
