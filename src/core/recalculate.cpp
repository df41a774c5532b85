#include "core/recalculate.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <string>

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

// Minute map cell values.
enum : std::uint8_t {
    kOff = 0,
    kWorked = 1,  // working, not yet classified
    kStandard = 2,
    kOvertime = 3,
    kLateNight = 4,
};

struct Break {
    int start = 0;
    int end = 0;
};

// The setting times of one run, in minutes.
struct Times {
    std::array<Break, 10> breaks{};  // Time01..Time10
    int standardStart = 0;           // Time11
    int standardEnd = 0;
    int nightStart = 0;    // Time12
    int nightEnd = 0;      // on the following morning
    int standardWork = 0;  // Time13
    int minimumOvertime = 0;
    int morningLeaveWork = 0;    // Time14, V
    int afternoonLeaveWork = 0;  // Time15, W
    int targetOvertime = 0;      // Time16
    int compensatoryCredit = 0;  // Time17
    int shortStart = 0;          // Time21
    int shortEnd = 0;
    int shortWork = 0;  // Time22
};

int settingMinutes(const std::string& text) {
    return std::clamp(StrToMinutes(text), -kSettingLimit, kSettingLimit);
}

Times timesOf(const Settings& s) {
    Times t;
    for (int i = 0; i < 10; ++i) {
        t.breaks[static_cast<std::size_t>(i)] = {settingMinutes(s.timeFirst(i + 1)),
                                                 settingMinutes(s.timeSecond(i + 1))};
    }
    t.standardStart = settingMinutes(s.timeFirst(11));
    t.standardEnd = settingMinutes(s.timeSecond(11));
    t.nightStart = settingMinutes(s.timeFirst(12));
    t.nightEnd = settingMinutes(s.timeSecond(12));
    if (t.nightEnd == 0)
        t.nightEnd = 5 * 60;
    t.standardWork = settingMinutes(s.timeFirst(13));
    t.minimumOvertime = settingMinutes(s.timeSecond(13));
    t.morningLeaveWork = settingMinutes(s.timeFirst(14));
    t.afternoonLeaveWork = settingMinutes(s.timeFirst(15));
    t.targetOvertime = settingMinutes(s.timeFirst(16));
    t.compensatoryCredit = settingMinutes(s.timeFirst(17));
    t.shortStart = settingMinutes(s.timeFirst(21));
    t.shortEnd = settingMinutes(s.timeSecond(21));
    t.shortWork = settingMinutes(s.timeFirst(22));
    return t;
}

// One row's minutes, from 0:00 of the working day to 24:00 of the next.
// Only the cells in [lo, hi) can be working: every pass is limited to that
// span and never reads the rest, which therefore counts as 0 without being
// cleared for each row. The number of cells of each value is kept up to date
// as cells change, so counting needs no pass of its own.
class MinuteMap {
public:
    void reset(int from, int to) {
        m_lo = std::clamp(from, 0, kMapMinutes);
        m_hi = std::max(std::clamp(to, 0, kMapMinutes), m_lo);
        std::fill(m_cells.begin() + m_lo, m_cells.begin() + m_hi, kWorked);
        m_count = {};
        m_count[kWorked] = m_hi - m_lo;
    }

    // Classifies the still unclassified cells of [from, to).
    void mark(int from, int to, std::uint8_t value) {
        const int a = std::max(from, m_lo);
        const int b = std::min(to, m_hi);
        int changed = 0;
        for (int i = a; i < b; ++i) {
            std::uint8_t& c = m_cells[static_cast<std::size_t>(i)];
            const bool unclassified = c == kWorked;
            changed += unclassified;
            c = unclassified ? value : c;
        }
        m_count[kWorked] -= changed;
        m_count[value] += changed;
    }

    // A break takes its minutes out whatever they were classified as.
    void clear(int from, int to) {
        const int a = std::max(from, m_lo);
        const int b = std::min(to, m_hi);
        for (int i = a; i < b; ++i) {
            std::uint8_t& c = m_cells[static_cast<std::size_t>(i)];
            --m_count[c];
            c = kOff;
        }
    }

    int count(std::uint8_t value) const { return m_count[value]; }

private:
    std::array<std::uint8_t, kMapMinutes> m_cells{};
    std::array<int, 5> m_count{};
    int m_lo = 0;
    int m_hi = 0;
};

// Rounds a time the way the grid would round its text. Without a rounding
// method, or for zero, the text round trip gives the value back unchanged.
int roundMinutes(int minutes, int method, int unitIndex) {
    if (minutes == 0 || method < RoundDown || method > RoundUp)
        return minutes;
    return StrToMinutes(
        AdjustTimeStr(MinutesToStr(minutes, 2, false), method, UnitMinutes(unitIndex)));
}

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

// The standard working time a flexible-time day is measured against.
int flexStandard(DayKind kind, int standardWork, const Times& t) {
    switch (kind) {
        case DayKind::Ordinary:
        case DayKind::Absence:
        case DayKind::ShortDay:
            return standardWork;
        case DayKind::MorningLeave:
            return t.morningLeaveWork;
        case DayKind::AfternoonLeave:
            return t.afternoonLeaveWork;
        default:
            return 0;
    }
}

}  // namespace

MonthCalculation Recalculate(MonthRecord& month, const Settings& settings) {
    const Times t = timesOf(settings);
    const double morningLeaveDays = std::abs(StrToFloatDec(settings.HanDayAM, 1, 0.0));
    const double afternoonLeaveDays = std::abs(StrToFloatDec(settings.HanDayPM, 1, 0.0));
    const bool flex = settings.FlexTime;

    MonthCalculation calc;
    calc.lateEarlyCounted = !flex;
    long long arrivalSum = 0;
    long long leavingSum = 0;
    long long overtimeSum = 0;
    MinuteMap map;

    for (int r = 1; r <= month.rowCount(); ++r) {
        DayRow& row = month.day(r);
        std::string& arrivalCell = row.cell(ColArrival);
        std::string& leavingCell = row.cell(ColLeaving);

        // An arrival typed as 0:00 stays visible; any other zero is no arrival.
        int arrival = readTime(arrivalCell);
        bool explicitMidnight = false;
        if (arrival == 0) {
            const std::string typed = Trim(ToHankaku(arrivalCell));
            explicitMidnight = !typed.empty() && typed[0] == '0';
        }
        arrivalCell = MinutesToStr(arrival, 2, explicitMidnight);

        // A leaving not after the arrival is on the following morning: 1:30
        // after an 18:00 arrival is 25:30. A shift that would leave the
        // two-day map is not made (the day then has no working time) so the
        // cell never holds a time the next run would throw away.
        int leaving = readTime(leavingCell);
        if (!arrivalCell.empty() && leaving != 0 && arrival >= leaving &&
            leaving + kDayMinutes <= kMapMinutes) {
            leaving += kDayMinutes;
        }
        leavingCell = MinutesToStr(leaving, 2, false);
        const bool bothTimes = !arrivalCell.empty() && !leavingCell.empty();
        const int arrivalShown = arrival;
        const int leavingShown = leaving;

        const DayKind kind = DayKindFromText(row.cell(ColKind));
        row.cell(ColKind) = std::string(DayKindText(kind));
        const bool isHoliday = kind == DayKind::Holiday;
        const bool isHalfLeave = kind == DayKind::MorningLeave || kind == DayKind::AfternoonLeave;

        ++calc.daysInPeriod;
        if (isHoliday)
            ++calc.holidays;
        else
            ++calc.scheduledDays;
        if (kind == DayKind::PaidLeave)
            calc.paidLeaveDays += 1;
        if (kind == DayKind::MorningLeave)
            calc.paidLeaveDays += morningLeaveDays;
        if (kind == DayKind::AfternoonLeave)
            calc.paidLeaveDays += afternoonLeaveDays;
        if (kind == DayKind::Compensatory)
            ++calc.compensatoryDays;
        if (kind == DayKind::Absence)
            ++calc.absences;

        const bool shortDay = kind == DayKind::ShortDay;
        const int stdStart = shortDay ? t.shortStart : t.standardStart;  // K
        const int stdEnd = shortDay ? t.shortEnd : t.standardEnd;        // L
        const int stdWork = shortDay ? t.shortWork : t.standardWork;     // M
        const double dayWeight = (isHalfLeave && settings.Hankyu05) ? 0.5 : 1.0;

        if (bothTimes)
            calc.daysWorked += dayWeight;

        if (settings.CalcTimeAdjust) {
            arrival = roundMinutes(arrival, settings.StartAdjustSelect, settings.StartTime2);
            leaving = roundMinutes(leaving, settings.EndAdjustSelect, settings.EndTime2);
        }

        // Classification order, each step taking only minutes still unclassified:
        //
        //   0:00   E     K      L     S        E+24h           48:00
        //   |night| ovt |  std  | ovt | night  | ovt (next day) |
        //
        // then every break comes out, on the working day and again a day later.
        map.reset(arrival, leaving);
        map.mark(0, t.nightEnd, kLateNight);
        map.mark(t.nightEnd, stdStart, kOvertime);
        map.mark(stdStart, stdEnd, kStandard);
        map.mark(stdEnd, t.nightStart, kOvertime);
        map.mark(t.nightStart, t.nightEnd + kDayMinutes, kLateNight);
        map.mark(t.nightEnd + kDayMinutes, kMapMinutes, kOvertime);
        for (const Break& b : t.breaks) {
            if (b.end <= b.start)
                continue;  // empty, or across midnight: ignored
            map.clear(b.start, b.end);
            map.clear(b.start + kDayMinutes, b.end + kDayMinutes);
        }
        const int standard = map.count(kStandard);  // N
        int overtime = map.count(kOvertime);        // O
        int lateNight = map.count(kLateNight);      // Z

        if (isHoliday) {
            if (bothTimes) {
                calc.holidayDaysWorked += 1;
                overtime += standard;  // all time worked on a holiday is overtime
            }
        } else {
            if (bothTimes) {
                if (kind == DayKind::PaidLeave)
                    overtime += standard;
                calc.weekdayDaysWorked += dayWeight;
            }
            // Flexible time measures the day against its standard: the
            // result may be a deficit. For "有" with both times the standard
            // minutes are added a second time here, as the rule has always
            // been.
            if (flex && (kind == DayKind::PaidLeave || bothTimes || kind == DayKind::Compensatory ||
                         kind == DayKind::Absence)) {
                overtime += standard;
                overtime -= flexStandard(kind, stdWork, t);
            }
        }

        // Overtime below the minimum counts as none; a deficit always counts.
        if (overtime + lateNight >= t.minimumOvertime || overtime + lateNight < 0) {
            overtime = roundMinutes(overtime, settings.ZangyoAdjustSelect, settings.ZangyoTime2);
            lateNight = roundMinutes(lateNight, settings.ZangyoAdjustSelect, settings.ZangyoTime2);
        } else {
            overtime = 0;
            lateNight = 0;
        }

        int working = overtime + lateNight;  // X
        if (settings.DaikyuZanCalc && kind == DayKind::Compensatory) {
            lateNight = 0;
            working = 0;
            overtime = t.compensatoryCredit;
        }

        if (flex) {
            if (kind == DayKind::PaidLeave || bothTimes || kind == DayKind::Compensatory ||
                kind == DayKind::Absence) {
                switch (kind) {
                    case DayKind::Ordinary:
                    case DayKind::ShortDay:
                        working += stdWork;
                        break;
                    case DayKind::MorningLeave:
                        working += t.morningLeaveWork;
                        break;
                    case DayKind::AfternoonLeave:
                        working += t.afternoonLeaveWork;
                        break;
                    default:
                        break;
                }
            }
        } else if (!isHoliday && kind != DayKind::PaidLeave) {
            working += standard;
        }

        if (settings.YuukyuKinmu) {
            // A half-day leave works the other half: the morning of an
            // afternoon leave, the afternoon of a morning leave.
            if (kind == DayKind::PaidLeave)
                working += stdWork;
            if (kind == DayKind::MorningLeave)
                working += t.afternoonLeaveWork;
            if (kind == DayKind::AfternoonLeave)
                working += t.morningLeaveWork;
        }

        // Without both times only leave days keep a value; the computed
        // cells then come out empty below.
        if (kind != DayKind::PaidLeave && kind != DayKind::Compensatory && !bothTimes)
            overtime = lateNight = working = 0;

        const std::array<DayColumn, 3> computed{ColOvertime, ColLateNight, ColWorking};
        const std::array<bool, 3> manual{row.isManual(ColOvertime), row.isManual(ColLateNight),
                                         row.isManual(ColWorking)};
        std::array<int, 3> values{overtime, lateNight, working};
        for (std::size_t i = 0; i < computed.size(); ++i) {
            if (manual[i])
                values[i] = StrToMinutes(row.cell(computed[i]));
        }

        DayClassTotals& totals =
            !isHoliday ? calc.nonHoliday : (row.isLegalHoliday() ? calc.statutory : calc.holiday);
        totals.normal += values[0];
        totals.lateNight += values[1];
        totals.working += values[2];

        // A computed zero is shown empty, a hand-entered one as 0:00.
        for (std::size_t i = 0; i < computed.size(); ++i)
            row.cell(computed[i]) = MinutesToStr(values[i], 2, manual[i]);

        if (kind == DayKind::Ordinary && bothTimes) {
            ++calc.averagedDays;
            arrivalSum += arrivalShown;
            leavingSum += leavingShown;
            overtimeSum += static_cast<long long>(values[0]) + values[1];
        }

        if (!flex && (kind == DayKind::Ordinary || shortDay)) {
            if (!arrivalCell.empty() && arrivalShown > stdStart)
                ++calc.lateArrivals;
            if (!leavingCell.empty() && leavingShown < stdEnd)
                ++calc.earlyLeavings;
        }
    }

    calc.totalWorkDays = calc.weekdayDaysWorked + calc.holidayDaysWorked;
    calc.normalOvertime = calc.nonHoliday.normal + calc.holiday.normal + calc.statutory.normal;
    calc.lateNightOvertime =
        calc.nonHoliday.lateNight + calc.holiday.lateNight + calc.statutory.lateNight;
    calc.overtime = calc.normalOvertime + calc.lateNightOvertime;
    calc.workingTime = calc.nonHoliday.working + calc.holiday.working + calc.statutory.working;

    // Pay.
    auto kin = [&settings](int n) { return static_cast<long long>(settings.kin(n)); };
    calc.basePay = kin(1) + kin(2) + kin(3);
    OvertimePay& p = calc.overtimePayBy;
    p.nonHolidayNormal = payOf(calc.nonHoliday.normal, settings.kin(4));
    p.nonHolidayLateNight = payOf(calc.nonHoliday.lateNight, settings.kin(5));
    p.holidayNormal = payOf(calc.holiday.normal, settings.kin(8));
    p.holidayLateNight = payOf(calc.holiday.lateNight, settings.kin(9));
    p.statutoryNormal = payOf(calc.statutory.normal, settings.kin(11));
    p.statutoryLateNight = payOf(calc.statutory.lateNight, settings.kin(12));
    calc.overtimePay = p.nonHolidayNormal + p.nonHolidayLateNight + p.holidayNormal +
                       p.holidayLateNight + p.statutoryNormal + p.statutoryLateNight;
    calc.grossPay = calc.basePay + calc.overtimePay;
    calc.takeHome =
        RoundOff(static_cast<double>(calc.grossPay) * static_cast<double>(kin(7)) / 100.0) -
        kin(10);

    // Target remainder: against the overtime target, or the weekday overtime
    // still needed to reach the target take-home amount.
    long long remainder = 0;
    if (settings.MokuhyoTime) {
        remainder = calc.overtime - t.targetOvertime;
    } else if (kin(4) != 0 && kin(7) != 0) {
        remainder = -RoundOff(static_cast<double>(kin(6) - calc.takeHome) * 100.0 * 60.0 /
                              static_cast<double>(kin(4)) / static_cast<double>(kin(7)));
    }
    calc.targetRemainder = std::max(saturate(remainder), kTargetFloor);

    const long long divisor = calc.averagedDays > 0 ? calc.averagedDays : 1;
    calc.averageArrival = saturate(divideHalfEven(arrivalSum, divisor));
    calc.averageLeaving = saturate(divideHalfEven(leavingSum, divisor));
    calc.averageOvertime = saturate(divideHalfEven(overtimeSum, divisor));

    SummaryTexts& s = calc.summary;
    s.SyukinMemo = dayCountText(calc.daysWorked, settings.Hankyu05);
    s.KyujituMemo = dayCountText(calc.holidayDaysWorked, settings.Hankyu05);
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

    month.summary = s;
    return calc;
}

}  // namespace tkv
