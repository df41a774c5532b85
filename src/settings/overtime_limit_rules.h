#pragma once

#include <string>
#include <string_view>

#include "settings/settings.h"

// The overtime agreement (36協定) as the limit checks use it: the stored
// Kyotei* values and Premium60Rate as minutes and whole numbers. A stored
// value that cannot be used (unreadable, zero, out of range) counts as its
// default, so a damaged value never silences a check.
namespace tkv {

// The monthly and yearly limits of a scheme: 45:00 and 360:00, or 42:00 and
// 320:00 under one-year variable working hours. The scheme only decides what
// the settings propose; the limits in force are the stored ones.
struct SchemeLimits {
    int month = 0;  // minutes
    int year = 0;
};
SchemeLimits SchemeLimitsFor(bool variableHours);

struct OvertimeLimitRules {
    int startMonth = 4;  // first month of the agreement year, 1..12
    bool variableHours = false;
    bool specialClause = false;
    // Minutes.
    int monthLimit = 45 * 60;         // 時間外 of a month
    int yearLimit = 360 * 60;         // 時間外 of the agreement year
    int specialYearLimit = 720 * 60;  // the same with a special clause
    int singleMonthLimit = 100 * 60;  // 時間外 + 休日労働 of a month stays below it
    int averageLimit = 80 * 60;       // the same, averaged over any 2..6 months
    int monthsOverAllowed = 6;        // months above monthLimit, with a special clause
    int warnPercent = 80;             // share of a limit from which to warn
    int premium60Rate = 0;            // yen per hour above 60 hours; 0: none

    // The year's limit: the special clause's when there is one.
    int yearLimitInForce() const { return specialClause ? specialYearLimit : yearLimit; }
    // Months a year that may exceed monthLimit: none without a special clause.
    int monthsOverInForce() const { return specialClause ? monthsOverAllowed : 0; }

    bool operator==(const OvertimeLimitRules&) const = default;
};

OvertimeLimitRules OvertimeLimitRulesOf(const Settings& s);

// --- the single values, as the settings store them ---

// 1..12; anything else is April.
int AgreementStartMonth(int month);
// 0..12; anything else is 6.
int MonthsOverAllowed(int months);
// 1..100; anything else is 80.
int WarnPercent(int percent);
// Never negative.
int Premium60Rate(int yen);
// A limit of more than nothing and below 1000 hours; otherwise `fallback`.
int LimitMinutes(const TimeText& limit, int fallback);

// Hours and minutes with no padding, the sign before the hours: "210:30",
// "0:00", "-3:05".
std::string LimitTimeText(long long minutes);
// The stored text of a limit: hours in three places (" 45:00", "360:00").
std::string LimitText(int minutes);
// A limit field when the focus leaves it: unusable text shows `fallback`.
std::string LimitFieldText(std::string_view text, int fallback);

}  // namespace tkv
