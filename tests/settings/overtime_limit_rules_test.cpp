#include "settings/overtime_limit_rules.h"

#include <ostream>

#include <gtest/gtest.h>

#include "base/param_names.h"
#include "settings/settings.h"

namespace tkv {
namespace {

// A stored value and what the checks take it for.
struct RuleCase {
    const char* name;
    void (*store)(Settings&);
    int OvertimeLimitRules::*rule;
    int expected;
};

void PrintTo(const RuleCase& c, std::ostream* os) {
    *os << c.name << " -> " << c.expected;
}

using R = OvertimeLimitRules;

const RuleCase kRuleCases[] = {
    {"StartMonthAsStored", [](Settings& s) { s.KyoteiStartMonth = 12; }, &R::startMonth, 12},
    {"StartMonthZeroIsApril", [](Settings& s) { s.KyoteiStartMonth = 0; }, &R::startMonth, 4},
    {"StartMonth13IsApril", [](Settings& s) { s.KyoteiStartMonth = 13; }, &R::startMonth, 4},
    {"MonthLimitAsStored", [](Settings& s) { s.KyoteiMonthLimit = " 40:30"; }, &R::monthLimit,
     2430},
    {"MonthLimitUnreadable", [](Settings& s) { s.KyoteiMonthLimit = "abc"; }, &R::monthLimit, 2700},
    {"MonthLimitZero", [](Settings& s) { s.KyoteiMonthLimit = " 0:00"; }, &R::monthLimit, 2700},
    {"MonthLimitNegative", [](Settings& s) { s.KyoteiMonthLimit = "-45:00"; }, &R::monthLimit,
     2700},
    {"VariableHoursFallBackTo42",
     [](Settings& s) {
         s.KyoteiVariable = true;
         s.KyoteiMonthLimit = "";
     },
     &R::monthLimit, 42 * 60},
    {"VariableHoursFallBackTo320",
     [](Settings& s) {
         s.KyoteiVariable = true;
         s.KyoteiYearLimit = "x";
     },
     &R::yearLimit, 320 * 60},
    {"VariableHoursKeepStoredLimits",
     [](Settings& s) {
         s.KyoteiVariable = true;
         s.KyoteiYearLimit = "360:00";
     },
     &R::yearLimit, 360 * 60},
    {"YearLimitBelow1000Hours", [](Settings& s) { s.KyoteiYearLimit = "999:59"; }, &R::yearLimit,
     999 * 60 + 59},
    {"YearLimitOf1000HoursIsTooMuch", [](Settings& s) { s.KyoteiYearLimit = "1000:00"; },
     &R::yearLimit, 360 * 60},
    {"SingleMonthUnreadable", [](Settings& s) { s.KyoteiSingleMonthLimit = "?"; },
     &R::singleMonthLimit, 6000},
    {"AverageUnreadable", [](Settings& s) { s.KyoteiAverageLimit = ""; }, &R::averageLimit, 4800},
    {"SpecialYearUnreadable", [](Settings& s) { s.KyoteiSpecialYearLimit = ""; },
     &R::specialYearLimit, 720 * 60},
    {"OverMonthsZero", [](Settings& s) { s.KyoteiOverMonths = 0; }, &R::monthsOverAllowed, 0},
    {"OverMonthsNegative", [](Settings& s) { s.KyoteiOverMonths = -1; }, &R::monthsOverAllowed, 6},
    {"OverMonths13", [](Settings& s) { s.KyoteiOverMonths = 13; }, &R::monthsOverAllowed, 6},
    {"WarnPercent100", [](Settings& s) { s.KyoteiWarnPercent = 100; }, &R::warnPercent, 100},
    {"WarnPercentZero", [](Settings& s) { s.KyoteiWarnPercent = 0; }, &R::warnPercent, 80},
    {"WarnPercent101", [](Settings& s) { s.KyoteiWarnPercent = 101; }, &R::warnPercent, 80},
    {"PremiumNegative", [](Settings& s) { s.Premium60Rate = -5; }, &R::premium60Rate, 0},
    {"PremiumAsStored", [](Settings& s) { s.Premium60Rate = 1875; }, &R::premium60Rate, 1875},
};

class OvertimeLimitRuleTest : public ::testing::TestWithParam<RuleCase> {};

TEST_P(OvertimeLimitRuleTest, StoredValueAsUsed) {
    const RuleCase& c = GetParam();
    Settings s;
    c.store(s);
    EXPECT_EQ(OvertimeLimitRulesOf(s).*c.rule, c.expected);
}

INSTANTIATE_TEST_SUITE_P(Values, OvertimeLimitRuleTest, ::testing::ValuesIn(kRuleCases),
                         test::ByName());

TEST(OvertimeLimitRules, DefaultsAndLimitsInForce) {
    Settings s;
    R rules = OvertimeLimitRulesOf(s);
    EXPECT_EQ(rules, R{});
    EXPECT_EQ(rules.yearLimitInForce(), 360 * 60);
    EXPECT_EQ(rules.monthsOverInForce(), 0);
    s.KyoteiSpecial = true;
    rules = OvertimeLimitRulesOf(s);
    EXPECT_EQ(rules.yearLimitInForce(), 720 * 60);
    EXPECT_EQ(rules.monthsOverInForce(), 6);
}

TEST(OvertimeLimitRules, SchemeProposalsAndFieldTexts) {
    EXPECT_EQ(LimitText(SchemeLimitsFor(false).month), " 45:00");
    EXPECT_EQ(LimitText(SchemeLimitsFor(false).year), "360:00");
    EXPECT_EQ(LimitText(SchemeLimitsFor(true).month), " 42:00");
    EXPECT_EQ(LimitText(SchemeLimitsFor(true).year), "320:00");
    EXPECT_EQ(LimitFieldText("45", 0), " 45:00");
    EXPECT_EQ(LimitFieldText("4530", 0), " 45:30");
    EXPECT_EQ(LimitFieldText("8:00", 0), "  8:00");
    EXPECT_EQ(LimitFieldText("abc", 2700), " 45:00");
    EXPECT_EQ(LimitFieldText("1000:00", 21600), "360:00");
}

}  // namespace
}  // namespace tkv
