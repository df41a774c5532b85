#pragma once

#include <string_view>

#include "core/calendar.h"

// The national holidays as the present holiday law sets them, from 2007 on:
// fixed days with their years of validity, the Monday holidays, the two
// equinoxes, substitute days, days between two holidays and the one-off
// changes of 2019 to 2021. Computed by rule, one year at a time.
namespace tkv {

// Earlier dates keep the classic calendar: the law of these rules took effect
// in 2007 (substitute days after any holiday, 昭和の日, みどりの日 on 4 May).
inline constexpr int kHolidayLawFirstYear = 2007;

// Holidays a user may decline as days off; a set of them is a bit mask.
enum HolidaySwitch : unsigned {
    SwitchSeijin = 1u << 0,  // 成人の日
    SwitchSpring = 1u << 1,  // 春分の日
    SwitchAutumn = 1u << 2,  // 秋分の日
    SwitchSport = 1u << 3,   // 体育の日, スポーツの日
    SwitchOcean = 1u << 4,   // 海の日
    SwitchOldMan = 1u << 5,  // 敬老の日
};
inline constexpr unsigned kAllHolidaySwitches = (1u << 6) - 1;

enum class LawDayKind : unsigned char {
    None,
    Holiday,     // a national holiday (国民の祝日), including 2019's one-off days
    Substitute,  // 振替休日
    Between,     // 国民の休日: an ordinary day between two holidays
};

struct LawHoliday {
    LawDayKind kind = LawDayKind::None;
    std::string_view name;  // empty when kind is None
    // A day off; false for a holiday whose switch is off (it keeps its name).
    bool marked = false;
};

// The law's verdict on one date under the given switches (a mask of the
// holidays that are days off). A switched-off holiday counts as no holiday
// for the substitute and in-between rules. Dates before 2007 give None.
// Each (year, switches) pair is computed once and kept, so a lookup costs a
// table index.
LawHoliday LawHolidayOf(const Date& d, unsigned switchesOn = kAllHolidaySwitches);

// Whether `d` takes its national holidays from the law: `HolidayLaw` is on
// and the date lies in 2007 or later.
bool HolidayLawApplies(const Date& d, const Settings& s);

// HolidayLookup under the law. A day the law makes a holiday (or would, were
// its switch on) keeps the law's name and mark whatever the list says;
// `byLaw` then becomes true. Elsewhere the list's own rows mark and name
// their days, except rows exactly like the nine defaults: the law has
// replaced those (元旦, みどりの日 on 4/29, 天皇誕生日 on 12/23, ...).
HolidayInfo LawCalendarLookup(const Date& d, const Settings& s, const AnnualHolidayTable& table,
                              bool* byLaw = nullptr);

}  // namespace tkv
