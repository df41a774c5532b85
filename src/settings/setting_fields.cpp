#include "settings/setting_fields.h"

#include <algorithm>
#include <utility>

#include "base/text_util.h"

namespace tkv {

int NormalClosingDay(int day) {
    if (day < 1)
        return 1;
    return day >= 28 ? 31 : day;
}

std::string ClosingDayFieldText(std::string_view text) {
    return std::to_string(NormalClosingDay(StrToIntDef(text, 0)));
}

int ClosingDayOf(std::string_view text) {
    return NormalClosingDay(StrToIntDef(text, 31));
}

int AmountOf(std::string_view text) {
    return StrToIntDef(Trim(StripCommas(text)), 0);
}

std::string AmountFieldText(std::string_view text) {
    return ThousandsStr(std::to_string(AmountOf(text)));
}

std::string AmountEditText(std::string_view text) {
    return Trim(StripCommas(text));
}

int TakeHomePercentOf(std::string_view text) {
    return StrToIntDef(text, 100);
}

int LeaveStartMonthOf(std::string_view text, int fallback) {
    return std::clamp(StrToIntDef(text, fallback), 0, 12);
}

int MemoPrintLengthOf(std::string_view text, int fallback) {
    return std::max(StrToIntDef(text, fallback), 10);
}

std::string DecimalFieldText(std::string_view text, DecimalSign sign) {
    double x = StrToFloatDec(text, 1, 0.0);
    if (sign == DecimalSign::NeverPositive && x > 0)
        x = -x;
    if (sign == DecimalSign::NeverNegative && x < 0)
        x = -x;
    return FloatToStrDec(0, 1, x);
}

std::string CompensatoryFieldText(std::string_view text) {
    const int m = StrToMinutes(text);
    return MinutesToStr(m > 0 ? -m : m, 2, true);
}

std::string WrapLateNightEnd(std::string_view text) {
    constexpr int Day = 1440;
    const int m = StrToMinutes(text);
    if (m <= Day)
        return std::string(text);
    // Taking off whole days until at most one day is left: 1441 -> 1, 2880 -> 1440.
    return MinutesToStr((m - 1) % Day + 1, 2, true);
}

TimePair NormalTimePair(const TimePair& pair) {
    const int first = StrToMinutes(pair.first.text());
    const int second = StrToMinutes(pair.second.text());
    const bool showZero = first != 0 || second != 0;
    return {MinutesToStr(first, 2, showZero), MinutesToStr(second, 2, showZero)};
}

void NormaliseTimes(TimeSettings& times) {
    auto normalise = [](TimeText& first, TimeText& second) {
        TimePair p = NormalTimePair({first, second});
        first = std::move(p.first);
        second = std::move(p.second);
    };
#define TKV_NORMALISE_PAIR(name, first, second) normalise(times.first, times.second);
#define TKV_NORMALISE_ELEMENT(array, index, name)              \
    if constexpr (std::string_view(#array) != "frequentTimes") \
        normalise(times.array[index].first, times.array[index].second);
#define TKV_SKIP(...)
    TKV_TIME_SETTINGS(TKV_NORMALISE_PAIR, TKV_SKIP, TKV_NORMALISE_ELEMENT)
#undef TKV_NORMALISE_PAIR
#undef TKV_NORMALISE_ELEMENT
#undef TKV_SKIP
}

void MoveBreakUp(BreakCells& rows, int row) {
    if (row < 2 || row > 10)
        return;
    std::swap(rows[static_cast<std::size_t>(row - 1)], rows[static_cast<std::size_t>(row - 2)]);
}

void MoveBreakDown(BreakCells& rows, int row) {
    if (row < 1 || row > 9)
        return;
    std::swap(rows[static_cast<std::size_t>(row - 1)], rows[static_cast<std::size_t>(row)]);
}

void InsertBreak(BreakCells& rows, int row) {
    if (row < 1 || row > 10)
        return;
    const auto at = rows.begin() + (row - 1);
    std::move_backward(at, rows.end() - 1, rows.end());
    *at = {};
}

void DeleteBreak(BreakCells& rows, int row) {
    if (row < 1 || row > 10)
        return;
    std::move(rows.begin() + row, rows.end(), rows.begin() + (row - 1));
    rows.back() = {};
}

int ColorSlotOfListItem(int item) {
    static constexpr std::array<int, 9> slots{0, 1, 2, 3, 4, 5, 8, 6, 7};
    return slots[static_cast<std::size_t>(std::clamp(item, 0, 8))];
}

bool HolidayRulesDiffer(const Settings& a, const Settings& b) {
    auto rules = [](const Settings& s) {
        return std::array<bool, 7>{s.HolidayLaw, s.SeijinDay, s.SpringDay, s.AutumnDay,
                                   s.SportDay,   s.OceanDay,  s.OldManDay};
    };
    return rules(a) != rules(b);
}

}  // namespace tkv
