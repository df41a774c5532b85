#include "core/recalculate.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>
#include <tuple>

#include "base/text_util.h"
#include "settings/settings.h"

namespace tkv {
namespace {

constexpr int kDayMinutes = 1440;
constexpr int kMapMinutes = 2 * kDayMinutes;  // the working day and the morning after
constexpr int kTargetFloor = -5940;           // -99:00

// A setting time far beyond two days means nothing; limiting it keeps the
// per-day sums well inside int whatever the registry holds.
constexpr int kSettingLimit = 1 << 20;

// What a minute of the map holds.
enum : std::uint8_t {
    kOff = 0,
    kWorked = 1,  // working, not yet classified
    kStandard = 2,
    kOvertime = 3,
    kLateNight = 4,
};

// One row's minutes, from 0:00 of the working day to 24:00 of the next,
// each minute holding one of the values above. The map is kept as runs of
// minutes of one value, in order: a day has a handful of runs, so marking and
// clearing cost a few steps instead of one step per minute, with the same
// result. Only [lo, hi) can be working; minutes outside it are never held.
class MinuteMap {
public:
    void reset(int from, int to) {
        const int lo = std::clamp(from, 0, kMapMinutes);
        const int hi = std::max(std::clamp(to, 0, kMapMinutes), lo);
        m_runCount = 0;
        if (hi > lo)
            runs()[m_runCount++] = {lo, hi, kWorked};
    }

    // Classifies the still unclassified minutes of [from, to).
    void mark(int from, int to, std::uint8_t value) { paint(from, to, value, true); }

    // A break takes its minutes out whatever they were classified as.
    void clear(int from, int to) { paint(from, to, kOff, false); }

    int count(std::uint8_t value) const {
        int n = 0;
        for (std::size_t i = 0; i < m_runCount; ++i) {
            const Run& r = m_buffers[m_current][i];
            n += r.value == value ? r.to - r.from : 0;
        }
        return n;
    }

private:
    struct Run {
        int from;
        int to;
        std::uint8_t value;
    };
    // Only the runs at both ends of a range are split, so each of the six
    // marks and the two clearings of every break adds at most two runs.
    static constexpr std::size_t kMaxRuns =
        1 + 2 * (6 + 2 * std::tuple_size_v<decltype(DayRules::breaks)>);

    using Runs = std::array<Run, kMaxRuns>;
    Runs& runs() { return m_buffers[m_current]; }

    // Writes the new runs into the other buffer, which then becomes current.
    void paint(int from, int to, std::uint8_t value, bool unclassifiedOnly) {
        const Runs& in = runs();
        if (m_runCount == 0 || from >= to || to <= in[0].from || from >= in[m_runCount - 1].to)
            return;
        Runs& out = m_buffers[1 - m_current];
        std::size_t n = 0;
        for (std::size_t i = 0; i < m_runCount; ++i) {
            const Run r = in[i];
            const int a = std::max(from, r.from);
            const int b = std::min(to, r.to);
            if (a >= b || (unclassifiedOnly && r.value != kWorked)) {
                out[n++] = r;
                continue;
            }
            if (r.from < a)
                out[n++] = {r.from, a, r.value};
            out[n++] = {a, b, value};
            if (b < r.to)
                out[n++] = {b, r.to, r.value};
        }
        m_current = 1 - m_current;
        m_runCount = n;
    }

    std::array<Runs, 2> m_buffers;
    std::size_t m_current = 0;
    std::size_t m_runCount = 0;
};

int settingMinutes(const TimeText& time) {
    return std::clamp(time.minutes(), -kSettingLimit, kSettingLimit);
}

Rounding roundingOf(RoundMethod method, int unitIndex) {
    return {method, UnitMinutes(unitIndex)};
}

int rounded(int minutes, const Rounding& r) {
    return RoundMinutes(minutes, r.method, r.unit);
}

// A time cell as minutes; outside the two days of the map it is no time.
int readTime(const std::string& cell) {
    const int m = StrToMinutes(cell);
    return (m < 0 || m > kMapMinutes) ? 0 : m;
}

int saturate(long long v) {
    return static_cast<int>(std::clamp<long long>(v, std::numeric_limits<int>::min() / 2,
                                                  std::numeric_limits<int>::max() / 2));
}

std::string totalText(long long minutes) {
    return MinutesToStr(saturate(minutes), 3, true);
}

// Hours of a total for the pay figures: the hours of its H:MM text plus the
// minutes / 60. The sign covers both parts, so -0:30 is -0.5 hours.
double payHours(long long minutes) {
    const long long magnitude = minutes < 0 ? -minutes : minutes;
    const double hours =
        static_cast<double>(magnitude / 60) + static_cast<double>(magnitude % 60) / 60.0;
    return minutes < 0 ? -hours : hours;
}

long long payOf(long long minutes, int rate) {
    return RoundOff(payHours(minutes) * rate);
}

// num / den (den > 0) to the nearest integer, ties to the even one.
long long divideHalfEven(long long num, long long den) {
    long long q = num / den;
    const long long r = num % den;
    const long long twice = 2 * (r < 0 ? -r : r);
    if (twice > den || (twice == den && q % 2 != 0))
        q += num < 0 ? -1 : 1;
    return q;
}

std::string dayCountText(double days, bool halfDays) {
    return DayCountStr(FloatToStrDec(6, 1, days), halfDays);
}

// The standard hours and working time of a day: a short day has its own.
struct DayStandard {
    int start = 0;
    int end = 0;
    int work = 0;
};

DayStandard standardOf(DayKind kind, const DayRules& rules) {
    if (kind == DayKind::ShortDay)
        return {rules.shortDayStart, rules.shortDayEnd, rules.shortDayWork};
    return {rules.standardStart, rules.standardEnd, rules.standardWork};
}

// With flexible time a day is measured against the working time its kind
// stands for; whole-day paid leave and a compensatory day stand for none.
int flexStandardWork(DayKind kind, const DayStandard& standard, const DayRules& rules) {
    switch (kind) {
        case DayKind::Ordinary:
        case DayKind::Absence:
        case DayKind::ShortDay:
            return standard.work;
        case DayKind::MorningLeave:
            return rules.morningLeaveWork;
        case DayKind::AfternoonLeave:
            return rules.afternoonLeaveWork;
        default:
            return 0;
    }
}

// Minutes of a worked day by class.
struct ClassifiedMinutes {
    int standard = 0;  // worked inside the standard hours
    int overtime = 0;
    int lateNight = 0;
};

// Classifies the minutes from arrival to leaving. Each range below takes only
// the minutes no earlier range has taken, in this order:
//
//   0:00   night end   std start   std end   night start   night end+24h   48:00
//   |  late  | overtime | standard | overtime |    late     |   overtime    |
//   |  night |          |          |          |    night    | (next morning)|
//
// Then every break comes out, on the working day and again a day later,
// whatever its minutes were classified as. A break whose end is not after its
// start (empty, or across midnight) is ignored.
ClassifiedMinutes classify(int arrival, int leaving, const DayStandard& standard,
                           const DayRules& rules) {
    MinuteMap map;
    map.reset(arrival, leaving);
    map.mark(0, rules.lateNightEnd, kLateNight);
    map.mark(rules.lateNightEnd, standard.start, kOvertime);
    map.mark(standard.start, standard.end, kStandard);
    map.mark(standard.end, rules.lateNightStart, kOvertime);
    map.mark(rules.lateNightStart, rules.lateNightEnd + kDayMinutes, kLateNight);
    map.mark(rules.lateNightEnd + kDayMinutes, kMapMinutes, kOvertime);
    for (const DayRules::Break& b : rules.breaks) {
        if (b.end <= b.start)
            continue;
        map.clear(b.start, b.end);
        map.clear(b.start + kDayMinutes, b.end + kDayMinutes);
    }
    // Minutes still unclassified (only with inconsistent settings) count nowhere.
    return {map.count(kStandard), map.count(kOvertime), map.count(kLateNight)};
}

// What the month adds up beside the totals of MonthCalculation.
struct AverageSums {
    long long arrival = 0;
    long long leaving = 0;
    long long overtime = 0;
};

void addDay(MonthCalculation& calc, AverageSums& sums, const DayResult& day,
            bool statutoryHoliday) {
    const bool holiday = day.kind == DayKind::Holiday;
    ++calc.daysInPeriod;
    if (holiday)
        ++calc.holidays;
    else
        ++calc.scheduledDays;
    calc.paidLeaveDays += day.paidLeaveDays;
    if (day.kind == DayKind::Compensatory)
        ++calc.compensatoryDays;
    if (day.kind == DayKind::Absence)
        ++calc.absences;
    if (day.bothTimes) {
        calc.daysWorked += day.daysWorked;
        if (holiday)
            calc.holidayDaysWorked += 1;
        else
            calc.weekdayDaysWorked += day.daysWorked;
    }

    DayClassTotals& totals =
        !holiday ? calc.nonHoliday : (statutoryHoliday ? calc.statutory : calc.holiday);
    totals.normal += day.overtime();
    totals.lateNight += day.lateNight();
    totals.working += day.working();

    if (day.kind == DayKind::Ordinary && day.bothTimes) {
        ++calc.averagedDays;
        sums.arrival += day.arrival;
        sums.leaving += day.leaving;
        sums.overtime += static_cast<long long>(day.overtime()) + day.lateNight();
    }
    calc.lateArrivals += day.lateArrival;
    calc.earlyLeavings += day.earlyLeaving;
}

void addUpClasses(MonthCalculation& calc) {
    calc.totalWorkDays = calc.weekdayDaysWorked + calc.holidayDaysWorked;
    calc.normalOvertime = calc.nonHoliday.normal + calc.holiday.normal + calc.statutory.normal;
    calc.lateNightOvertime =
        calc.nonHoliday.lateNight + calc.holiday.lateNight + calc.statutory.lateNight;
    calc.overtime = calc.normalOvertime + calc.lateNightOvertime;
    calc.workingTime = calc.nonHoliday.working + calc.holiday.working + calc.statutory.working;
}

void computePay(MonthCalculation& calc, const PaySettings& pay) {
    calc.basePay = static_cast<long long>(pay.basicSalary) + pay.allowances + pay.otherPayments;
    OvertimePay& p = calc.overtimePayBy;
    p.nonHolidayNormal = payOf(calc.nonHoliday.normal, pay.weekdayOvertimeRate);
    p.nonHolidayLateNight = payOf(calc.nonHoliday.lateNight, pay.weekdayLateNightRate);
    p.holidayNormal = payOf(calc.holiday.normal, pay.holidayOvertimeRate);
    p.holidayLateNight = payOf(calc.holiday.lateNight, pay.holidayLateNightRate);
    p.statutoryNormal = payOf(calc.statutory.normal, pay.statutoryOvertimeRate);
    p.statutoryLateNight = payOf(calc.statutory.lateNight, pay.statutoryLateNightRate);
    calc.overtimePay = p.nonHolidayNormal + p.nonHolidayLateNight + p.holidayNormal +
                       p.holidayLateNight + p.statutoryNormal + p.statutoryLateNight;
    calc.grossPay = calc.basePay + calc.overtimePay;
    calc.takeHome = RoundOff(static_cast<double>(calc.grossPay) *
                             static_cast<double>(pay.takeHomePercent) / 100.0) -
                    pay.deductions;
}

// The distance to the target: against the overtime target, or as the
// weekday overtime still needed to reach the target take-home amount.
// Negative means short; never below -99:00.
int targetRemainder(const MonthCalculation& calc, const Settings& settings) {
    const PaySettings& pay = settings.pay;
    long long remainder = 0;
    if (settings.MokuhyoTime) {
        remainder = calc.overtime - settingMinutes(settings.times.targetOvertime);
    } else if (pay.weekdayOvertimeRate != 0 && pay.takeHomePercent != 0) {
        remainder = -RoundOff(
            static_cast<double>(static_cast<long long>(pay.targetTakeHome) - calc.takeHome) *
            100.0 * 60.0 / static_cast<double>(pay.weekdayOvertimeRate) /
            static_cast<double>(pay.takeHomePercent));
    }
    return std::max(saturate(remainder), kTargetFloor);
}

void computeAverages(MonthCalculation& calc, const AverageSums& sums) {
    const long long divisor = calc.averagedDays > 0 ? calc.averagedDays : 1;
    calc.averageArrival = saturate(divideHalfEven(sums.arrival, divisor));
    calc.averageLeaving = saturate(divideHalfEven(sums.leaving, divisor));
    calc.averageOvertime = saturate(divideHalfEven(sums.overtime, divisor));
}

void writeTexts(MonthCalculation& calc, bool halfDays) {
    SummaryTexts& s = calc.summary;
    s.SyukinMemo = dayCountText(calc.daysWorked, halfDays);
    s.KyujituMemo = dayCountText(calc.holidayDaysWorked, halfDays);
    s.ZanTMemo = totalText(calc.normalOvertime);
    s.SZanTMemo = totalText(calc.lateNightOvertime);
    s.KeiTMemo = totalText(calc.overtime);
    s.MokuTMemo = totalText(calc.targetRemainder);
    s.KinmuTMemo = totalText(calc.workingTime);

    PayWindowTexts& w = calc.payWindow;
    w.ZanTMemo = totalText(calc.nonHoliday.normal);
    w.SZanTMemo = totalText(calc.nonHoliday.lateNight);
    w.KZanTMemo = totalText(calc.holiday.normal);
    w.KSZanTMemo = totalText(calc.holiday.lateNight);
    w.HZanTMemo = totalText(calc.statutory.normal);
    w.HSZanTMemo = totalText(calc.statutory.lateNight);
    w.TZanTMemo = s.ZanTMemo;
    w.TSZanTMemo = s.SZanTMemo;
    w.TKeiTMemo = s.KeiTMemo;
    w.KinmuTimeMemo = s.KinmuTMemo;
    w.MokuTMemo = s.MokuTMemo;
    w.SyusyaMemo = totalText(calc.averageArrival);
    w.TaisyaMemo = totalText(calc.averageLeaving);
    w.ZanheiMemo = totalText(calc.averageOvertime);
}

}  // namespace

DayRules DayRulesOf(const Settings& settings) {
    const TimeSettings& t = settings.times;
    DayRules r;
    for (std::size_t i = 0; i < r.breaks.size(); ++i)
        r.breaks[i] = {settingMinutes(t.breaks[i].first), settingMinutes(t.breaks[i].second)};
    r.standardStart = settingMinutes(t.standardStart);
    r.standardEnd = settingMinutes(t.standardEnd);
    r.lateNightStart = settingMinutes(t.lateNightStart);
    r.lateNightEnd = settingMinutes(t.lateNightEnd);
    if (r.lateNightEnd == 0)
        r.lateNightEnd = 5 * 60;
    r.standardWork = settingMinutes(t.standardWork);
    r.minimumOvertime = settingMinutes(t.minimumOvertime);
    r.morningLeaveWork = settingMinutes(t.morningLeaveWork);
    r.afternoonLeaveWork = settingMinutes(t.afternoonLeaveWork);
    r.compensatoryCredit = settingMinutes(t.compensatoryCredit);
    r.shortDayStart = settingMinutes(t.shortDayStart);
    r.shortDayEnd = settingMinutes(t.shortDayEnd);
    r.shortDayWork = settingMinutes(t.shortDayWork);
    r.morningLeaveDays = std::abs(settings.HanDayAM.valueOr(0.0));
    r.afternoonLeaveDays = std::abs(settings.HanDayPM.valueOr(0.0));

    r.flexTime = settings.FlexTime;
    r.roundArrivalAndLeaving = settings.CalcTimeAdjust;
    r.arrival = roundingOf(settings.StartAdjustSelect, settings.StartTime2);
    r.leaving = roundingOf(settings.EndAdjustSelect, settings.EndTime2);
    r.overtime = roundingOf(settings.ZangyoAdjustSelect, settings.ZangyoTime2);
    r.compensatoryCredited = settings.DaikyuZanCalc;
    r.paidLeaveWorks = settings.YuukyuKinmu;
    r.halfLeaveIsHalfDay = settings.Hankyu05;
    return r;
}

DayResult CalculateDay(const DayRow& row, const DayRules& rules) {
    DayResult day;

    // An arrival typed as 0:00 stays visible; any other zero is no arrival.
    const std::string& arrivalCell = row.cell(DayColumn::Arrival);
    int arrival = readTime(arrivalCell);
    bool explicitMidnight = false;
    if (arrival == 0) {
        const std::string typed = Trim(ToHankaku(arrivalCell));
        explicitMidnight = !typed.empty() && typed[0] == '0';
    }
    day.arrivalText = MinutesToStr(arrival, 2, explicitMidnight);

    // A leaving not after the arrival is on the following morning: 1:30
    // after an 18:00 arrival is 25:30. A shift that would leave the two-day
    // map is not made (the day then has no working time) so the cell never
    // holds a time the next run would throw away.
    int leaving = readTime(row.cell(DayColumn::Leaving));
    if (!day.arrivalText.empty() && leaving != 0 && arrival >= leaving &&
        leaving + kDayMinutes <= kMapMinutes) {
        leaving += kDayMinutes;
    }
    day.leavingText = MinutesToStr(leaving, 2, false);
    day.bothTimes = !day.arrivalText.empty() && !day.leavingText.empty();
    day.arrival = arrival;
    day.leaving = leaving;

    const DayKind kind = DayKindFromText(row.cell(DayColumn::Kind));
    day.kind = kind;
    const bool holiday = kind == DayKind::Holiday;
    const bool halfLeave = kind == DayKind::MorningLeave || kind == DayKind::AfternoonLeave;
    if (kind == DayKind::PaidLeave)
        day.paidLeaveDays = 1;
    else if (kind == DayKind::MorningLeave)
        day.paidLeaveDays = rules.morningLeaveDays;
    else if (kind == DayKind::AfternoonLeave)
        day.paidLeaveDays = rules.afternoonLeaveDays;
    if (day.bothTimes)
        day.daysWorked = (halfLeave && rules.halfLeaveIsHalfDay) ? 0.5 : 1.0;

    const DayStandard standard = standardOf(kind, rules);

    // Rounding here is for the calculation only: the cells keep the times entered.
    if (rules.roundArrivalAndLeaving) {
        arrival = rounded(arrival, rules.arrival);
        leaving = rounded(leaving, rules.leaving);
    }
    const ClassifiedMinutes minutes = classify(arrival, leaving, standard, rules);
    int overtime = minutes.overtime;
    int lateNight = minutes.lateNight;

    // Flexible time measures these days against the standard of their kind.
    const bool measured = rules.flexTime && !holiday &&
                          (kind == DayKind::PaidLeave || day.bothTimes ||
                           kind == DayKind::Compensatory || kind == DayKind::Absence);
    if (holiday) {
        // All time worked on a holiday is overtime.
        if (day.bothTimes)
            overtime += minutes.standard;
    } else {
        if (day.bothTimes && kind == DayKind::PaidLeave)
            overtime += minutes.standard;
        // The result may be a deficit. For "有" with both times the standard
        // minutes are added a second time here, as the rule has always been.
        if (measured)
            overtime += minutes.standard - flexStandardWork(kind, standard, rules);
    }

    // Overtime below the minimum counts as none; a deficit always counts.
    if (overtime + lateNight >= rules.minimumOvertime || overtime + lateNight < 0) {
        overtime = rounded(overtime, rules.overtime);
        lateNight = rounded(lateNight, rules.overtime);
    } else {
        overtime = 0;
        lateNight = 0;
    }

    int working = overtime + lateNight;
    if (rules.compensatoryCredited && kind == DayKind::Compensatory) {
        lateNight = 0;
        working = 0;
        overtime = rules.compensatoryCredit;
    }

    if (rules.flexTime) {
        // The standard of the day counts as worked; an absence is measured
        // against a full day but credits nothing.
        if (measured && kind != DayKind::Absence)
            working += flexStandardWork(kind, standard, rules);
    } else if (!holiday && kind != DayKind::PaidLeave) {
        working += minutes.standard;
    }

    if (rules.paidLeaveWorks) {
        // A half-day leave works the other half: the morning of an afternoon
        // leave, the afternoon of a morning leave.
        if (kind == DayKind::PaidLeave)
            working += standard.work;
        if (kind == DayKind::MorningLeave)
            working += rules.afternoonLeaveWork;
        if (kind == DayKind::AfternoonLeave)
            working += rules.morningLeaveWork;
    }

    // Without both times only leave days keep a value; the computed cells
    // then come out empty.
    if (kind != DayKind::PaidLeave && kind != DayKind::Compensatory && !day.bothTimes)
        overtime = lateNight = working = 0;

    // Hand-entered values win over the computed ones.
    day.values = {overtime, lateNight, working};
    for (std::size_t i = 0; i < ComputedColumns.size(); ++i) {
        day.manual[i] = row.isManual(ComputedColumns[i]);
        if (day.manual[i])
            day.values[i] = StrToMinutes(row.cell(ComputedColumns[i]));
    }

    if (!rules.flexTime && (kind == DayKind::Ordinary || kind == DayKind::ShortDay)) {
        day.lateArrival = !day.arrivalText.empty() && day.arrival > standard.start;
        day.earlyLeaving = !day.leavingText.empty() && day.leaving < standard.end;
    }
    return day;
}

void ApplyDay(DayRow& row, const DayResult& day) {
    row.cell(DayColumn::Kind) = std::string(DayKindText(day.kind));
    row.cell(DayColumn::Arrival) = day.arrivalText;
    row.cell(DayColumn::Leaving) = day.leavingText;
    // A computed zero is shown empty, a hand-entered one as 0:00.
    for (std::size_t i = 0; i < ComputedColumns.size(); ++i)
        row.cell(ComputedColumns[i]) = MinutesToStr(day.values[i], 2, day.manual[i]);
}

MonthCalculation Recalculate(MonthRecord& month, const Settings& settings) {
    const DayRules rules = DayRulesOf(settings);
    MonthCalculation calc;
    calc.lateEarlyCounted = !rules.flexTime;
    AverageSums sums;
    for (int r = 1; r <= month.rowCount(); ++r) {
        DayRow& row = month.day(r);
        const DayResult day = CalculateDay(row, rules);
        ApplyDay(row, day);
        addDay(calc, sums, day, row.isLegalHoliday());
    }
    addUpClasses(calc);
    computePay(calc, settings.pay);
    calc.targetRemainder = targetRemainder(calc, settings);
    computeAverages(calc, sums);
    writeTexts(calc, settings.Hankyu05);
    month.summary = calc.summary;
    return calc;
}

}  // namespace tkv
