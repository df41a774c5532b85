#include "settings/overtime_limit_rules.h"

#include <cstdlib>

#include "base/text_util.h"

namespace tkv {
namespace {

constexpr int kMostMinutes = 1000 * 60 - 1;  // what three hour places can show

}  // namespace

SchemeLimits SchemeLimitsFor(bool variableHours) {
    return variableHours ? SchemeLimits{42 * 60, 320 * 60} : SchemeLimits{45 * 60, 360 * 60};
}

int AgreementStartMonth(int month) {
    return month >= 1 && month <= 12 ? month : 4;
}

int MonthsOverAllowed(int months) {
    return months >= 0 && months <= 12 ? months : 6;
}

int WarnPercent(int percent) {
    return percent >= 1 && percent <= 100 ? percent : 80;
}

int Premium60Rate(int yen) {
    return yen > 0 ? yen : 0;
}

int LimitMinutes(const TimeText& limit, int fallback) {
    const int m = limit.minutes();
    return m > 0 && m <= kMostMinutes ? m : fallback;
}

std::string LimitTimeText(long long minutes) {
    const long long magnitude = std::llabs(minutes);
    return (minutes < 0 ? "-" : "") + std::to_string(magnitude / 60) + ":" +
           IntToStrPad(magnitude % 60, 2, '0');
}

std::string LimitText(int minutes) {
    return MinutesToStr(minutes, 3, true);
}

std::string LimitFieldText(std::string_view text, int fallback) {
    return LimitText(LimitMinutes(TimeText(std::string(text)), fallback));
}

OvertimeLimitRules OvertimeLimitRulesOf(const Settings& s) {
    const OvertimeLimitRules d;
    const SchemeLimits scheme = SchemeLimitsFor(s.KyoteiVariable);
    OvertimeLimitRules r;
    r.startMonth = AgreementStartMonth(s.KyoteiStartMonth);
    r.variableHours = s.KyoteiVariable;
    r.specialClause = s.KyoteiSpecial;
    r.monthLimit = LimitMinutes(s.KyoteiMonthLimit, scheme.month);
    r.yearLimit = LimitMinutes(s.KyoteiYearLimit, scheme.year);
    r.specialYearLimit = LimitMinutes(s.KyoteiSpecialYearLimit, d.specialYearLimit);
    r.singleMonthLimit = LimitMinutes(s.KyoteiSingleMonthLimit, d.singleMonthLimit);
    r.averageLimit = LimitMinutes(s.KyoteiAverageLimit, d.averageLimit);
    r.monthsOverAllowed = MonthsOverAllowed(s.KyoteiOverMonths);
    r.warnPercent = WarnPercent(s.KyoteiWarnPercent);
    r.premium60Rate = Premium60Rate(s.Premium60Rate);
    return r;
}

}  // namespace tkv
