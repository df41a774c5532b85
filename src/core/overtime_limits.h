#pragma once

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/calendar.h"
#include "core/month_record.h"
#include "settings/overtime_limit_rules.h"

// Where a person stands against the overtime agreement (36協定): a month's
// overtime and statutory-holiday work, the agreement year's running total,
// the rolling averages, the headroom against each limit, the premium above
// 60 hours and a forecast of the month's end at its pace so far.
//
// Everything is counted from the month records' computed columns, so it is
// an estimate against the company's standard hours, not the legal count
// beyond 8 hours a day or 40 hours a week. All times are whole minutes.
namespace tkv {

struct Settings;

// One accounting month as the limits count it.
struct MonthOvertime {
    YearMonth month;
    bool missing = false;  // no month file: counted as zero, and named
    // 時間外: normal and late-night overtime of every day that is not a
    // statutory holiday (a flexible-time deficit lowers it), never below 0.
    int jikangai = 0;
    // 休日労働: the working time of the statutory holidays ("○" days with
    // the statutory-holiday flag), never below 0.
    int kyujitsuRodo = 0;

    int total() const { return jikangai + kyujitsuRodo; }
};

// The figures of a month record (its rows as last recalculated).
MonthOvertime MonthOvertimeOf(const MonthRecord& m);

// The month's end at the month's pace so far.
struct OvertimeForecast {
    int workedDays = 0;  // days with both times, statutory holidays aside
    int daysLeft = 0;    // working days from today on without both times
    // 時間外 + (時間外 / workedDays) x daysLeft; the 時間外 so far without a worked day.
    int monthEnd = 0;
    // The first date the monthly limit is exceeded: the recorded date when it
    // already is, else the working day on which the pace would exceed it.
    std::optional<Date> cross;
};

// The forecast of month `m` on `today`; nothing when the month lies wholly
// before or after today. Working days are the rows of the ordinary and the
// short-day kind whose weekday is not a weekly day off.
std::optional<OvertimeForecast> ForecastMonth(const MonthRecord& m, const Settings& s,
                                              const Date& today);

// From a share of a limit on (KyoteiWarnPercent) the meter turns amber; over
// a limit it is red.
enum class LimitLevel { Within, Warning, Over };

// Everything known of one accounting month against the limits.
struct OvertimeLimits {
    OvertimeLimitRules rules;  // the limits the month was checked against
    YearMonth month;
    YearMonth yearFrom;  // the first month of its agreement year
    bool begun = true;   // false for a month that starts after today

    int jikangai = 0;
    int kyujitsuRodo = 0;
    int total = 0;
    int yearJikangai = 0;     // 時間外 of the agreement year up to this month
    int monthsOverLimit = 0;  // months of the agreement year up to this one above monthLimit
    // Averages of 時間外 + 休日労働 over the 2..6 months ending in this month,
    // reaching back into the previous agreement year; rounded up, so an
    // average shows above the limit exactly when it is.
    std::array<int, 5> averages{};

    // Limit minus figure; negative once a limit is exceeded. The single-month
    // limit must stay above its figure, so a headroom of 0:00 there already fails.
    int headroomMonth = 0;
    int headroomYear = 0;  // against the year limit in force
    int headroomSingleMonth = 0;
    int headroomAverage = 0;  // the smallest of the five averages' headrooms

    int over60 = 0;           // 時間外 above 60 hours
    long long premium60 = 0;  // over60 x Premium60Rate, in whole yen
    std::optional<OvertimeForecast> forecast;
    std::vector<YearMonth> missing;  // months these figures use that have no file

    // The checks, true when passed.
    bool monthPassed =
        true;  // 時間外 within monthLimit (or a month over it the special clause allows)
    bool monthsOverPassed = true;   // months over monthLimit within those allowed
    bool yearPassed = true;         // yearJikangai within the year limit in force
    bool singleMonthPassed = true;  // total below singleMonthLimit
    bool averagePassed = true;      // every average within averageLimit

    LimitLevel level = LimitLevel::Within;

    // The average over `months` (2..6) months.
    int average(int months) const { return averages[static_cast<std::size_t>(months - 2)]; }
    bool passed() const {
        return monthPassed && monthsOverPassed && yearPassed && singleMonthPassed && averagePassed;
    }
};

// Gives the record of accounting month (year, month) as last recalculated,
// or nothing when the month has no file.
using MonthLoader = std::function<std::optional<MonthRecord>(int year, int month)>;

// The first month of the agreement year that contains `ym`.
YearMonth AgreementYearStart(YearMonth ym, int startMonth);

// Month `ym` against the limits of the settings; the months it needs (its
// agreement year up to `ym` and the five before it) come from `load`.
OvertimeLimits CheckOvertimeLimits(YearMonth ym, const MonthLoader& load, const Settings& s,
                                   const Date& today);

// The twelve months of the agreement year that contains `ym`.
struct AgreementYearLimits {
    YearMonth yearFrom;
    std::array<OvertimeLimits, 12> months;
    // The months without a file that the begun months use.
    std::vector<YearMonth> missing;
};
AgreementYearLimits CheckAgreementYear(YearMonth ym, const MonthLoader& load, const Settings& s,
                                       const Date& today);

// "2025/04".
std::string YearMonthText(YearMonth ym);
// "2025-05-27".
std::string IsoDateText(const Date& d);

// The lines "NAME\tvalue" of tokivane-cli limits, in their order.
std::vector<std::string> OvertimeLimitsLines(const OvertimeLimits& r);

}  // namespace tkv
