#include "core/holiday_law.h"

#include <array>
#include <unordered_map>

#include "base/text_util.h"
#include "settings/holiday_list.h"
#include "settings/settings.h"

namespace tkv {
namespace {

enum class RuleKind : unsigned char { Fixed, NthMonday, VernalEquinox, AutumnalEquinox };

constexpr int kForever = 9999;

struct HolidayRule {
    std::string_view name;
    int fromYear;
    int toYear;
    RuleKind kind;
    int month;
    int dayOrNth;  // the day of a fixed date, or which Monday of the month
    unsigned switchBit;
};

// The holidays in force from 2007, with the years they hold.
constexpr HolidayRule kRules[] = {
    {"元日", kHolidayLawFirstYear, kForever, RuleKind::Fixed, 1, 1, 0},
    {"成人の日", kHolidayLawFirstYear, kForever, RuleKind::NthMonday, 1, 2, SwitchSeijin},
    {"建国記念の日", kHolidayLawFirstYear, kForever, RuleKind::Fixed, 2, 11, 0},
    {"天皇誕生日", 2020, kForever, RuleKind::Fixed, 2, 23, 0},
    {"春分の日", kHolidayLawFirstYear, kForever, RuleKind::VernalEquinox, 3, 0, SwitchSpring},
    {"昭和の日", kHolidayLawFirstYear, kForever, RuleKind::Fixed, 4, 29, 0},
    {"憲法記念日", kHolidayLawFirstYear, kForever, RuleKind::Fixed, 5, 3, 0},
    {"みどりの日", kHolidayLawFirstYear, kForever, RuleKind::Fixed, 5, 4, 0},
    {"こどもの日", kHolidayLawFirstYear, kForever, RuleKind::Fixed, 5, 5, 0},
    {"海の日", kHolidayLawFirstYear, kForever, RuleKind::NthMonday, 7, 3, SwitchOcean},
    {"山の日", 2016, kForever, RuleKind::Fixed, 8, 11, 0},
    {"敬老の日", kHolidayLawFirstYear, kForever, RuleKind::NthMonday, 9, 3, SwitchOldMan},
    {"秋分の日", kHolidayLawFirstYear, kForever, RuleKind::AutumnalEquinox, 9, 0, SwitchAutumn},
    {"体育の日", kHolidayLawFirstYear, 2019, RuleKind::NthMonday, 10, 2, SwitchSport},
    {"スポーツの日", 2020, kForever, RuleKind::NthMonday, 10, 2, SwitchSport},
    {"文化の日", kHolidayLawFirstYear, kForever, RuleKind::Fixed, 11, 3, 0},
    {"勤労感謝の日", kHolidayLawFirstYear, kForever, RuleKind::Fixed, 11, 23, 0},
    {"天皇誕生日", kHolidayLawFirstYear, 2018, RuleKind::Fixed, 12, 23, 0},
};

constexpr std::string_view kHolidayMark = "○";
constexpr std::string_view kEnthronementDay = "休日（祝日扱い）";
constexpr std::string_view kSubstituteName = "振替休日";
constexpr std::string_view kBetweenName = "国民の休日";

struct OneOffDay {
    int year;
    int month;
    int day;
    std::string_view name;
};

// Days set by special laws. A day named like a rule in force replaces that
// rule's date in its year (the Olympic moves); the others are added. 30 April
// and 2 May 2019 need no entry: they lie between two holidays.
constexpr OneOffDay kOneOffDays[] = {
    {2019, 5, 1, kEnthronementDay}, {2019, 10, 22, kEnthronementDay}, {2020, 7, 23, "海の日"},
    {2020, 7, 24, "スポーツの日"},  {2020, 8, 10, "山の日"},          {2021, 7, 22, "海の日"},
    {2021, 7, 23, "スポーツの日"},  {2021, 8, 8, "山の日"},
};

constexpr int kDaysBeforeMonth[12] = {0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334};

// 0 for 1 January; the date must be real.
int dayOfYear(int year, int month, int day) {
    const int leapDay = month > 2 && IsLeapYear(year) ? 1 : 0;
    return kDaysBeforeMonth[month - 1] + leapDay + day - 1;
}

int daysInYear(int year) {
    return IsLeapYear(year) ? 366 : 365;
}

Date ruleDate(const HolidayRule& r, int year) {
    switch (r.kind) {
        case RuleKind::Fixed:
            return {year, r.month, r.dayOrNth};
        case RuleKind::NthMonday: {
            const int firstMonday = 1 + (8 - WeekdayOf({year, r.month, 1})) % 7;
            return {year, r.month, firstMonday + 7 * (r.dayOrNth - 1)};
        }
        case RuleKind::VernalEquinox: {
            const Date e = VernalEquinox(year);
            return {year, e.month, e.day};
        }
        case RuleKind::AutumnalEquinox: {
            const Date e = AutumnalEquinox(year);
            return {year, e.month, e.day};
        }
    }
    return {};
}

const OneOffDay* oneOffFor(int year, std::string_view name) {
    for (const OneOffDay& o : kOneOffDays)
        if (o.year == year && o.name == name)
            return &o;
    return nullptr;
}

bool ruleInForce(int year, std::string_view name) {
    for (const HolidayRule& r : kRules)
        if (r.name == name && year >= r.fromYear && year <= r.toYear)
            return true;
    return false;
}

// One year under one set of switches, indexed by the day of the year.
using LawYear = std::array<LawHoliday, 366>;

LawYear buildYear(int year, unsigned switchesOn) {
    LawYear days{};
    auto put = [&](const Date& d, std::string_view name, unsigned switchBit) {
        if (!IsRealDate(d))
            return;
        LawHoliday& h = days[static_cast<std::size_t>(dayOfYear(year, d.month, d.day))];
        h = {LawDayKind::Holiday, name, switchBit == 0 || (switchesOn & switchBit) != 0};
    };
    for (const HolidayRule& r : kRules) {
        if (year < r.fromYear || year > r.toYear)
            continue;
        const OneOffDay* moved = oneOffFor(year, r.name);
        put(moved ? Date{year, moved->month, moved->day} : ruleDate(r, year), r.name, r.switchBit);
    }
    for (const OneOffDay& o : kOneOffDays)
        if (o.year == year && !ruleInForce(year, o.name))
            put({year, o.month, o.day}, o.name, 0);

    // Only holidays that are days off take part in the two rules below: a
    // switched-off equinox on a Sunday leaves the Monday a working day.
    const int n = daysInYear(year);
    std::array<bool, 366> off{};
    for (int i = 0; i < n; ++i) {
        const LawHoliday& h = days[static_cast<std::size_t>(i)];
        off[static_cast<std::size_t>(i)] = h.kind == LawDayKind::Holiday && h.marked;
    }
    auto markAs = [&](int i, LawDayKind kind, std::string_view name) {
        LawHoliday& h = days[static_cast<std::size_t>(i)];
        if (h.kind == LawDayKind::None)
            h = {kind, name, true};
        h.marked = true;  // a switched-off holiday keeps its name
    };

    // A holiday on a Sunday: the next day that is not a holiday is off.
    const int jan1 = WeekdayOf({year, 1, 1});
    for (int i = 0; i < n; ++i) {
        if (!off[static_cast<std::size_t>(i)] || (jan1 + i) % 7 != 0)
            continue;
        int j = i + 1;
        while (j < n && off[static_cast<std::size_t>(j)]) ++j;
        if (j < n)
            markAs(j, LawDayKind::Substitute, kSubstituteName);
    }
    // A day that is no holiday, between two holidays, is off.
    for (int i = 1; i + 1 < n; ++i)
        if (!off[static_cast<std::size_t>(i)] && off[static_cast<std::size_t>(i - 1)] &&
            off[static_cast<std::size_t>(i + 1)])
            markAs(i, LawDayKind::Between, kBetweenName);
    return days;
}

// Built years by (year, switches). A month or a year of totals touches one or
// two years, so the cache stays small; it is emptied if it ever grows large.
const LawYear& cachedYear(int year, unsigned switchesOn) {
    thread_local std::unordered_map<long long, LawYear> cache;
    const long long key = static_cast<long long>(year) * 64 + switchesOn;
    if (auto it = cache.find(key); it != cache.end())
        return it->second;
    if (cache.size() >= 256)
        cache.clear();
    return cache.emplace(key, buildYear(year, switchesOn)).first->second;
}

unsigned switchesOf(const Settings& s) {
    return (s.SeijinDay ? SwitchSeijin : 0u) | (s.SpringDay ? SwitchSpring : 0u) |
           (s.AutumnDay ? SwitchAutumn : 0u) | (s.SportDay ? SwitchSport : 0u) |
           (s.OceanDay ? SwitchOcean : 0u) | (s.OldManDay ? SwitchOldMan : 0u);
}

// A list row exactly as the list starts out (after trimming).
bool isDefaultRow(int month, int day, const HolidayEntry& row) {
    static const AnnualHolidayTable defaults = AnnualHolidayTable::Defaults();
    const HolidayEntry& d = defaults.at(month, day);
    return !d.mark.empty() && Trim(row.mark) == Trim(d.mark) && Trim(row.memo) == Trim(d.memo);
}

}  // namespace

LawHoliday LawHolidayOf(const Date& d, unsigned switchesOn) {
    if (d.year < kHolidayLawFirstYear || !IsRealDate(d))
        return {};
    const LawYear& year = cachedYear(d.year, switchesOn & kAllHolidaySwitches);
    return year[static_cast<std::size_t>(dayOfYear(d.year, d.month, d.day))];
}

bool HolidayLawApplies(const Date& d, const Settings& s) {
    return s.HolidayLaw && d.year >= kHolidayLawFirstYear;
}

HolidayInfo LawCalendarLookup(const Date& d, const Settings& s, const AnnualHolidayTable& table,
                              bool* byLaw) {
    HolidayInfo info;
    const LawHoliday law = LawHolidayOf(d, switchesOf(s));
    if (byLaw != nullptr)
        *byLaw = law.kind != LawDayKind::None;
    if (law.kind != LawDayKind::None) {
        info.name = std::string(law.name);
        if (law.marked)
            info.mark = std::string(kHolidayMark);
        return info;
    }
    if (!IsRealDate(d))
        return info;
    const HolidayEntry& row = table.at(d.month, d.day);
    if (isDefaultRow(d.month, d.day, row))
        return info;
    if (Trim(row.mark) == kHolidayMark)
        info.mark = std::string(kHolidayMark);
    if (!Trim(row.memo).empty())
        info.name = row.memo;
    return info;
}

}  // namespace tkv
