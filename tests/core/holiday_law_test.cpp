#include "core/holiday_law.h"

#include <fstream>
#include <map>
#include <ostream>

#include <gtest/gtest.h>

#include "base/text_util.h"
#include "core/calendar.h"
#include "core/month_record.h"
#include "settings/holiday_list.h"
#include "settings/settings.h"
#include "settings/settings_schema.h"

namespace tkv {

void PrintTo(const Date& d, std::ostream* os) {
    *os << d.year << '-' << d.month << '-' << d.day;
}

namespace {

std::string iso(const Date& d) {
    return IntToStrPad(d.year, 4, '0') + "-" + IntToStrPad(d.month, 2, '0') + "-" +
           IntToStrPad(d.day, 2, '0');
}

// The published list: date -> name, for every year it covers.
const std::map<std::string, std::string>& officialList() {
    static const std::map<std::string, std::string> list = [] {
        std::map<std::string, std::string> out;
        std::ifstream in(TOKIVANE_OFFICIAL_HOLIDAYS);
        std::string line;
        std::getline(in, line);  // column titles
        while (std::getline(in, line)) {
            if (!line.empty() && line.back() == '\r')
                line.pop_back();
            const std::size_t comma = line.find(',');
            if (comma == std::string::npos)
                continue;
            const std::string date = line.substr(0, comma);
            const std::size_t s1 = date.find('/');
            const std::size_t s2 = date.find('/', s1 + 1);
            const Date d{StrToIntDef(date.substr(0, s1), 0),
                         StrToIntDef(date.substr(s1 + 1, s2 - s1 - 1), 0),
                         StrToIntDef(date.substr(s2 + 1), 0)};
            out[iso(d)] = line.substr(comma + 1);
        }
        return out;
    }();
    return list;
}

// The list writes "休日" for substitute and in-between days, and gave 2019's
// 体育の日 its coming name in brackets.
std::string asListed(const std::string& name) {
    if (name == "振替休日" || name == "国民の休日")
        return "休日";
    if (name == "体育の日（スポーツの日）")
        return "体育の日";
    return name;
}

class OfficialListTest : public ::testing::TestWithParam<int> {};

TEST_P(OfficialListTest, DaysOffAndNamesMatch) {
    const int year = GetParam();
    std::map<std::string, std::string> expected;
    for (const auto& [date, name] : officialList())
        if (date.starts_with(std::to_string(year) + "-"))
            expected[date] = asListed(name);
    ASSERT_GE(expected.size(), 15u) << "the published list lacks " << year;

    const Settings s;  // the current law is the default
    // Whatever the list holds of the nine default rows, the law decides.
    for (const AnnualHolidayTable& table : {AnnualHolidayTable::Defaults(), AnnualHolidayTable()}) {
        std::map<std::string, std::string> got;
        for (Date d{year, 1, 1}; d.year == year; d = NextDay(d)) {
            const HolidayInfo info = CalendarHoliday(d, s, table);
            if (info.mark == "○")
                got[iso(d)] = asListed(info.name);
        }
        EXPECT_EQ(got, expected);
    }
}

INSTANTIATE_TEST_SUITE_P(Years, OfficialListTest, ::testing::Range(2007, 2028),
                         [](const ::testing::TestParamInfo<int>& p) {
                             return "Y" + std::to_string(p.param);
                         });

// Lists the company might keep.
enum class List { Defaults, Company };

AnnualHolidayTable makeList(List kind) {
    AnnualHolidayTable t = AnnualHolidayTable::Defaults();
    if (kind == List::Company) {
        auto set = [&t](int month, int day, const char* mark, const char* memo) {
            HolidayEntry& e = t.row(HolidayRow(month, day));
            e.mark = mark;
            e.memo = memo;
        };
        for (auto [m, d] : {std::pair{12, 29}, {12, 30}, {12, 31}, {1, 1}, {1, 2}, {1, 3}})
            set(m, d, " ○ ", "年末年始");
        set(8, 13, " ○ ", "お盆");
        set(11, 3, " ○ ", "創立記念日");
        set(12, 23, " ○ ", "納会");
        set(5, 4, "○", "  国民の休日 ");  // a default row, spaced differently
    }
    return t;
}

struct DayCase {
    const char* test;
    bool law;
    List list;
    const char* off;  // a holiday switch turned off, or nullptr
    Date date;
    const char* name;
    const char* mark;
};

void PrintTo(const DayCase& c, std::ostream* os) {
    *os << c.test;
}

class CalendarDayTest : public ::testing::TestWithParam<DayCase> {};

TEST_P(CalendarDayTest, NameAndMark) {
    const DayCase& c = GetParam();
    Settings s;
    s.HolidayLaw = c.law;
    if (c.off != nullptr)
        FindSetting(c.off)->assign(s, "0", s);
    const HolidayInfo info = CalendarHoliday(c.date, s, makeList(c.list));
    EXPECT_EQ(info.name, c.name);
    EXPECT_EQ(info.mark, c.mark);
}

constexpr bool kLaw = true;
constexpr bool kClassic = false;
constexpr List kDef = List::Defaults;
constexpr List kCo = List::Company;

const DayCase kDayCases[] = {
    // The same days under both rules.
    {"LawNewYear", kLaw, kDef, nullptr, {2024, 1, 1}, "元日", "○"},
    {"ClassicNewYear", kClassic, kDef, nullptr, {2024, 1, 1}, "元旦", "○"},
    {"LawDecember23After2018", kLaw, kDef, nullptr, {2024, 12, 23}, "", ""},
    {"ClassicDecember23", kClassic, kDef, nullptr, {2024, 12, 23}, "天皇誕生日", "○"},
    {"LawDecember23In2018", kLaw, kDef, nullptr, {2018, 12, 23}, "天皇誕生日", "○"},
    {"LawFebruary23", kLaw, kDef, nullptr, {2024, 2, 23}, "天皇誕生日", "○"},
    {"ClassicFebruary23", kClassic, kDef, nullptr, {2024, 2, 23}, "", ""},
    {"LawShowaDay", kLaw, kDef, nullptr, {2024, 4, 29}, "昭和の日", "○"},
    {"ClassicApril29", kClassic, kDef, nullptr, {2024, 4, 29}, "みどりの日", "○"},
    {"LawMay4", kLaw, kDef, nullptr, {2024, 5, 4}, "みどりの日", "○"},
    {"ClassicMay4", kClassic, kDef, nullptr, {2024, 5, 4}, "国民の休日", "○"},
    {"LawMountainDay", kLaw, kDef, nullptr, {2016, 8, 11}, "山の日", "○"},
    {"LawNoMountainDayBefore2016", kLaw, kDef, nullptr, {2015, 8, 11}, "", ""},
    {"ClassicNoMountainDay", kClassic, kDef, nullptr, {2016, 8, 11}, "", ""},
    {"LawSportsDay", kLaw, kDef, nullptr, {2024, 10, 14}, "スポーツの日", "○"},
    {"ClassicSportsDay", kClassic, kDef, nullptr, {2024, 10, 14}, "体育の日", "○"},
    {"LawSubstituteOnTuesday", kLaw, kDef, nullptr, {2008, 5, 6}, "振替休日", "○"},
    {"ClassicNoSubstituteOnTuesday", kClassic, kDef, nullptr, {2008, 5, 6}, "", ""},
    {"LawSubstituteIsNamed", kLaw, kDef, nullptr, {2024, 9, 23}, "振替休日", "○"},
    {"ClassicMondayAfterSunday", kClassic, kDef, nullptr, {2024, 9, 23}, "", "○"},
    {"LawBetweenTwoHolidays", kLaw, kDef, nullptr, {2015, 9, 22}, "国民の休日", "○"},
    {"ClassicNotBetween", kClassic, kDef, nullptr, {2015, 9, 22}, "", ""},
    {"LawEnthronementDay", kLaw, kDef, nullptr, {2019, 10, 22}, "休日（祝日扱い）", "○"},
    {"LawOlympicOceanDay", kLaw, kDef, nullptr, {2020, 7, 23}, "海の日", "○"},
    {"LawOlympicNoThirdMonday", kLaw, kDef, nullptr, {2020, 7, 20}, "", ""},
    {"LawOlympicNoAugust11", kLaw, kDef, nullptr, {2021, 8, 11}, "", ""},
    // Before 2007 the classic rules hold whatever the setting.
    {"LawOnBefore2007MondayAfterSunday", kLaw, kDef, nullptr, {2003, 11, 24}, "", "○"},
    {"LawOnBefore2007ListNames", kLaw, kDef, nullptr, {2006, 12, 23}, "天皇誕生日", "○"},
    {"LawOnBefore2007May4", kLaw, kDef, nullptr, {2006, 5, 4}, "国民の休日", "○"},
    // Switched-off holidays keep their names and take no substitute along.
    {"LawEquinoxOff", kLaw, kDef, "AutumnDay", {2024, 9, 22}, "秋分の日", ""},
    {"LawEquinoxOffNoSubstitute", kLaw, kDef, "AutumnDay", {2024, 9, 23}, "", ""},
    {"ClassicEquinoxOffNoMonday", kClassic, kDef, "AutumnDay", {2024, 9, 23}, "", ""},
    {"LawOldManOffNoDayBetween", kLaw, kDef, "OldManDay", {2026, 9, 22}, "", ""},
    {"LawOldManOffKeepsName", kLaw, kDef, "OldManDay", {2026, 9, 21}, "敬老の日", ""},
    {"LawMovedSportsDayOff", kLaw, kDef, "SportDay", {2020, 7, 24}, "スポーツの日", ""},
    {"LawSeijinOff", kLaw, kDef, "SeijinDay", {2024, 1, 8}, "成人の日", ""},
    {"LawMountainDayHasNoSwitch", kLaw, kDef, "OceanDay", {2024, 8, 12}, "振替休日", "○"},
    // The company's own days come on top of the law; its rows on the law's
    // holidays change nothing.
    {"LawCompanyDay", kLaw, kCo, nullptr, {2024, 12, 30}, "年末年始", "○"},
    {"LawCompanyRowOnNewYear", kLaw, kCo, nullptr, {2025, 1, 1}, "元日", "○"},
    {"LawCompanyRowOnCultureDay", kLaw, kCo, nullptr, {2024, 11, 3}, "文化の日", "○"},
    {"LawSubstituteDespiteCompanyRow", kLaw, kCo, nullptr, {2024, 11, 4}, "振替休日", "○"},
    {"LawCompanyRowWhereLawHasNone", kLaw, kCo, nullptr, {2024, 12, 23}, "納会", "○"},
    {"LawCompanyRowUnderEmperorBirthday", kLaw, kCo, nullptr, {2018, 12, 23}, "天皇誕生日", "○"},
    {"LawDefaultRowSpacedDifferently", kLaw, kCo, nullptr, {2024, 5, 4}, "みどりの日", "○"},
    {"LawCompanySundayMarksMonday", kLaw, kCo, nullptr, {2023, 8, 14}, "", "○"},
    {"LawCompanyRowOnSwitchedOffDay", kLaw, kCo, "SportDay", {2024, 10, 14}, "スポーツの日", ""},
    {"ClassicCompanyRowNamesTheDay", kClassic, kCo, nullptr, {2024, 11, 3}, "創立記念日", "○"},
};

INSTANTIATE_TEST_SUITE_P(Days, CalendarDayTest, ::testing::ValuesIn(kDayCases),
                         [](const ::testing::TestParamInfo<DayCase>& p) {
                             return std::string(p.param.test);
                         });

struct RuleCase {
    const char* test;
    Date date;
    LawDayKind kind;
    const char* name;
};

void PrintTo(const RuleCase& c, std::ostream* os) {
    *os << c.test;
}

class LawRuleTest : public ::testing::TestWithParam<RuleCase> {};

TEST_P(LawRuleTest, Day) {
    const RuleCase& c = GetParam();
    const LawHoliday h = LawHolidayOf(c.date);
    EXPECT_EQ(h.kind, c.kind);
    EXPECT_EQ(h.name, c.name);
    EXPECT_EQ(h.marked, c.kind != LawDayKind::None);
}

// Years past the published list, by the rules alone.
const RuleCase kRuleCases[] = {
    {"Vernal2033OnSunday", {2033, 3, 20}, LawDayKind::Holiday, "春分の日"},
    {"SubstituteAfterVernal2033", {2033, 3, 21}, LawDayKind::Substitute, "振替休日"},
    {"February23OnSunday", {2031, 2, 24}, LawDayKind::Substitute, "振替休日"},
    {"February23OnSaturday", {2030, 2, 25}, LawDayKind::None, ""},
    {"August11OnSunday", {2030, 8, 12}, LawDayKind::Substitute, "振替休日"},
    {"August11OnSaturday", {2029, 8, 13}, LawDayKind::None, ""},
    {"SubstituteSkipsHolidays", {2029, 4, 30}, LawDayKind::Substitute, "振替休日"},
    {"NewYearOnSunday", {2034, 1, 2}, LawDayKind::Substitute, "振替休日"},
    {"Between2032", {2032, 9, 21}, LawDayKind::Between, "国民の休日"},
    {"Autumnal2032", {2032, 9, 22}, LawDayKind::Holiday, "秋分の日"},
    {"NotBefore2007", {2006, 1, 1}, LawDayKind::None, ""},
    {"ImpossibleDate", {2025, 2, 29}, LawDayKind::None, ""},
};

INSTANTIATE_TEST_SUITE_P(Years, LawRuleTest, ::testing::ValuesIn(kRuleCases),
                         [](const ::testing::TestParamInfo<RuleCase>& p) {
                             return std::string(p.param.test);
                         });

TEST(HolidayLaw, EquinoxesFollowTheFormula) {
    for (int year = 2028; year <= 2050; ++year) {
        const Date v = VernalEquinox(year);
        const Date a = AutumnalEquinox(year);
        EXPECT_EQ(LawHolidayOf({year, v.month, v.day}).name, "春分の日") << year;
        EXPECT_EQ(LawHolidayOf({year, a.month, a.day}).name, "秋分の日") << year;
    }
}

// Every holiday on a Sunday has its substitute, and there are no others;
// every day between holidays lies between two real holidays.
TEST(HolidayLaw, SubstitutesAndDaysBetweenUpTo2050) {
    for (int year = kHolidayLawFirstYear; year <= 2050; ++year) {
        int sundayHolidays = 0;
        int substitutes = 0;
        for (Date d{year, 1, 1}; d.year == year; d = NextDay(d)) {
            const LawHoliday h = LawHolidayOf(d);
            if (h.kind == LawDayKind::Substitute)
                ++substitutes;
            if (h.kind == LawDayKind::Between) {
                EXPECT_EQ(LawHolidayOf(PreviousDay(d)).kind, LawDayKind::Holiday) << iso(d);
                EXPECT_EQ(LawHolidayOf(NextDay(d)).kind, LawDayKind::Holiday) << iso(d);
            }
            if (h.kind != LawDayKind::Holiday || WeekdayOf(d) != 0)
                continue;
            ++sundayHolidays;
            Date next = NextDay(d);
            while (LawHolidayOf(next).kind == LawDayKind::Holiday) next = NextDay(next);
            EXPECT_EQ(LawHolidayOf(next).kind, LawDayKind::Substitute) << "after " << iso(d);
        }
        EXPECT_EQ(substitutes, sundayHolidays) << year;
    }
}

TEST(HolidayLaw, SwitchesDoNotLeakBetweenLookups) {
    const Date substitute{2024, 9, 23};
    EXPECT_TRUE(LawHolidayOf(substitute).marked);
    EXPECT_EQ(LawHolidayOf(substitute, kAllHolidaySwitches & ~SwitchAutumn).kind, LawDayKind::None);
    EXPECT_TRUE(LawHolidayOf(substitute).marked);
}

const DayRow* rowFor(const MonthRecord& m, int month, int day) {
    for (int i = 1; i <= m.LastDay; ++i)
        if (m.day(i).cell(DayColumn::Date) == GridDateText(month, day))
            return &m.day(i);
    return nullptr;
}

TEST(NewMonthByLaw, SubstituteAndOneOffDaysAreNamed) {
    Settings s;
    MonthRecord m;
    NewMonth(m, {2019, 5}, s, AnnualHolidayTable::Defaults());
    EXPECT_EQ(m.day(1).cell(DayColumn::Kind), "○");
    EXPECT_EQ(m.day(1).cell(DayColumn::Memo), "休日（祝日扱い）");
    EXPECT_EQ(m.day(2).cell(DayColumn::Memo), "国民の休日");
    EXPECT_EQ(m.day(4).cell(DayColumn::Memo), "みどりの日");
    EXPECT_EQ(m.day(6).cell(DayColumn::Kind), "○");
    EXPECT_EQ(m.day(6).cell(DayColumn::Memo), "振替休日");
    EXPECT_EQ(m.day(7).cell(DayColumn::Kind), "  ");
}

// A month across New Year 2007: its December rows keep the classic rules.
TEST(NewMonthByLaw, AcrossTheFirstYearOfTheLaw) {
    Settings s;
    s.SimeDay = 20;
    MonthRecord m;
    NewMonth(m, {2007, 1}, s, AnnualHolidayTable::Defaults());
    EXPECT_EQ(rowFor(m, 12, 23)->cell(DayColumn::Memo), "天皇誕生日");
    EXPECT_EQ(rowFor(m, 1, 1)->cell(DayColumn::Memo), "元日");
    EXPECT_EQ(rowFor(m, 1, 8)->cell(DayColumn::Memo), "成人の日");
}

TEST(MarkCalendarByLaw, FollowsTheSetting) {
    Settings s;
    MonthRecord m;
    NewMonth(m, {2024, 11}, s, AnnualHolidayTable::Defaults());
    EXPECT_EQ(m.day(4).cell(DayColumn::Memo), "振替休日");

    // "祝祭日読み込み" with the law off fills blank memos by the classic rules.
    s.HolidayLaw = false;
    m.day(4).cell(DayColumn::Memo).clear();
    m.day(4).cell(DayColumn::Kind) = "  ";
    MarkCalendar(m, false, s, AnnualHolidayTable::Defaults());
    EXPECT_EQ(m.day(4).cell(DayColumn::Kind), "○");
    EXPECT_EQ(m.day(4).cell(DayColumn::Memo), "");
}

}  // namespace
}  // namespace tkv
