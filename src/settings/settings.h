#pragma once

#include <array>
#include <string>

#include "base/text_util.h"
#include "settings/setting_choices.h"
#include "settings/setting_values.h"
#include "settings/settings_list.h"

// The user's settings for one run. The members of section System are named by
// their registry value names; the amounts and times of section Setting are
// named by meaning (settings_list.h gives each one's stored name).
namespace tkv {

// 0x80000005, the system window background, as the stored signed value.
inline constexpr int SystemWindowColor = static_cast<int>(0x80000005u);

// Kin01..Kin12, named by meaning. Money in whole yen, except the ratio.
struct PaySettings {
#define TKV_DECLARE_PAY(member, name, firstRun) int member = 0;
    TKV_PAY_SETTINGS(TKV_DECLARE_PAY)
#undef TKV_DECLARE_PAY

    bool operator==(const PaySettings&) const = default;
};

// Time01..Time22, named by meaning.
struct TimeSettings {
#define TKV_DECLARE_PAIR(name, first, second) \
    TimeText first;                           \
    TimeText second;
#define TKV_DECLARE_PAIRS(member, count) std::array<TimePair, count> member;
#define TKV_NO_DECLARATION(...)
    TKV_TIME_SETTINGS(TKV_DECLARE_PAIR, TKV_DECLARE_PAIRS, TKV_NO_DECLARATION)

    bool operator==(const TimeSettings&) const = default;
};

struct Settings {
#define TKV_DECLARE_VALUE(type, name, ...) type name = __VA_ARGS__;
#define TKV_DECLARE_PASSWORD(name) std::string name;  // plain; stored byte-reversed
#define TKV_DECLARE_ARRAY(type, name, count, ...) std::array<type, count> name{__VA_ARGS__};
    // --- section System ---
    TKV_SYSTEM_SETTINGS(TKV_DECLARE_VALUE, TKV_DECLARE_PASSWORD, TKV_DECLARE_ARRAY,
                        TKV_NO_DECLARATION)

    // --- section Setting ---
    PaySettings pay;
    TimeSettings times;
    TKV_MEMO_SETTINGS(TKV_DECLARE_ARRAY, TKV_NO_DECLARATION)
#undef TKV_DECLARE_VALUE
#undef TKV_DECLARE_PASSWORD
#undef TKV_DECLARE_ARRAY
#undef TKV_DECLARE_PAIR
#undef TKV_DECLARE_PAIRS
#undef TKV_NO_DECLARATION

    // The six frequently-used times in use: copied out of
    // times.frequentTimes at load and back at save.
    std::array<std::string, 6> UseTime;
};

// Paid-leave days of a morning and an afternoon half-day leave, as numbers;
// text that is not a number gives -0.5.
struct HalfDayValues {
    double morning = -0.5;
    double afternoon = -0.5;
};
HalfDayValues HalfDayValuesOf(const Settings& s);

// Copies taken from the start user's settings: they keep governing the tray
// password, Esc-to-tray and size restore while another user's data is open.
struct StartUserCopies {
    std::string password;
    bool ReOpenPassIn = false;
    bool EscKeyMin = false;
    bool WindowSize = true;
};
StartUserCopies StartUserCopiesOf(const Settings& s);

}  // namespace tkv
