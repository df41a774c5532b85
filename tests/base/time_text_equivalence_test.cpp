// The time routines read, write and round in integer arithmetic. They must
// give exactly what the text forms gave before, so the earlier text-based
// versions are kept here as the reference and compared over every value the
// program meets.
#include <algorithm>
#include <climits>
#include <cstdlib>
#include <limits>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "base/text_util.h"
#include "base/utf8.h"

namespace tkv {
namespace {

// --- the text-based reference ----------------------------------------------

int OldStrToMinutes(std::string_view text) {
    std::string s = ReplaceAll(Trim(ToHankaku(Trim(text))), ".", ":");
    const bool negative = s.find('-') != std::string::npos;
    s.erase(std::remove(s.begin(), s.end(), '-'), s.end());
    if (s.empty())
        return 0;
    long long hours = 0;
    long long minutes = 0;
    const std::size_t colon = s.find(':');
    if (colon != std::string::npos) {
        hours = StrToIntDef(s.substr(0, colon), 0);
        minutes = StrToIntDef(s.substr(colon + 1, 2), 0);
    } else if (utf8::toCodePoints(s).size() < 3) {
        hours = StrToIntDef(s, 0);
    } else {
        minutes = StrToIntDef(s.substr(s.size() - 2), 0);
        hours = StrToIntDef(s.substr(0, s.size() - 2), 0);
    }
    const long long total = std::min<long long>(std::llabs(hours) * 60 + std::llabs(minutes),
                                                std::numeric_limits<int>::max() / 2);
    return static_cast<int>(negative ? -total : total);
}

std::string OldMinutesToStr(int minutes, int hourWidth, bool showZero) {
    const long long magnitude = std::llabs(static_cast<long long>(minutes));
    const long long hours = magnitude / 60;
    const long long mins = magnitude % 60;
    if (!showZero && hours == 0 && mins == 0)
        return {};
    std::string hourText = std::to_string(hours);
    if (static_cast<int>(hourText.size()) < hourWidth)
        hourText.insert(0, static_cast<std::size_t>(hourWidth) - hourText.size(), ' ');
    if (minutes < 0) {
        const std::size_t blank = hourText.rfind(' ');
        if (blank != std::string::npos)
            hourText[blank] = '-';
        else
            hourText.insert(0, 1, '-');
    }
    std::string text = hourText;
    text += ':';
    text += static_cast<char>('0' + mins / 10);
    text += static_cast<char>('0' + mins % 10);
    return text;
}

// Methods 0 none, 1 down, 2 nearest, 3 up.
std::string OldAdjustTimeStr(std::string_view text, int method, int unitMinutes) {
    const int value = OldStrToMinutes(text);
    int sign = 1;
    if (value < 0) {
        sign = -1;
        if (method == 1)
            method = 3;
        else if (method == 3)
            method = 1;
    }
    int unit = unitMinutes;
    if (method < 1 || method > 3 || unit <= 0)
        unit = 1;
    const int magnitude = value < 0 ? -value : value;
    int hours = magnitude / 60;
    int minutes = magnitude % 60;
    const int below = minutes % unit;
    if (below != 0) {
        switch (method) {
            case 1:
                minutes -= below;
                break;
            case 3:
                minutes += unit - below;
                break;
            case 2:
                minutes += (below < unit - below) ? -below : unit - below;
                break;
            default:
                break;
        }
    }
    if (minutes == 60) {
        ++hours;
        minutes = 0;
    }
    return OldMinutesToStr((hours * 60 + minutes) * sign, 2, false);
}

// How the day calculation rounded a value: through its grid text.
int OldRoundMinutes(int minutes, int method, int unitIndex) {
    if (minutes == 0 || method < 1 || method > 3)
        return minutes;
    return OldStrToMinutes(
        OldAdjustTimeStr(OldMinutesToStr(minutes, 2, false), method, UnitMinutes(unitIndex)));
}

// --- comparisons -----------------------------------------------------------

// Every minute of the two-day map and every deficit down to -48:00, every
// method (with stored codes outside 0..3) and every unit index (with indexes
// outside 0..6, which take the nearest unit).
TEST(TimeTextEquivalence, RoundingMatchesTheTextRoundTrip) {
    for (int method = -1; method <= 4; ++method) {
        for (int unitIndex = -1; unitIndex <= 7; ++unitIndex) {
            for (int m = -2880; m <= 2880; ++m) {
                ASSERT_EQ(RoundMinutes(m, static_cast<RoundMethod>(method), UnitMinutes(unitIndex)),
                          OldRoundMinutes(m, method, unitIndex))
                    << m << " minutes, method " << method << ", unit index " << unitIndex;
            }
        }
    }
}

// AdjustTimeStr takes any unit: ones that do not divide an hour round only
// the minutes past the hour, as before.
TEST(TimeTextEquivalence, AdjustTimeStrMatchesForAnyUnit) {
    const int units[] = {-1, 0, 1, 2, 3, 4, 7, 8, 9, 11, 13, 25, 45, 59, 61, 90};
    for (int method = -1; method <= 4; ++method) {
        for (int unit : units) {
            for (int m = -1500; m <= 1500; ++m) {
                const std::string text = OldMinutesToStr(m, 2, true);
                ASSERT_EQ(AdjustTimeStr(text, static_cast<RoundMethod>(method), unit),
                          OldAdjustTimeStr(text, method, unit))
                    << text << ", method " << method << ", unit " << unit;
            }
        }
    }
}

TEST(TimeTextEquivalence, FormattingMatches) {
    const std::vector<int> extremes{INT_MIN, INT_MIN + 1, INT_MAX, INT_MAX / 2, -(INT_MAX / 2),
                                    -6000,   6000,        599999,  -599999};
    for (int width = -1; width <= 5; ++width) {
        for (bool showZero : {false, true}) {
            for (int m = -100000; m <= 100000; ++m)
                ASSERT_EQ(MinutesToStr(m, width, showZero), OldMinutesToStr(m, width, showZero))
                    << m << " width " << width;
            for (int m : extremes)
                ASSERT_EQ(MinutesToStr(m, width, showZero), OldMinutesToStr(m, width, showZero))
                    << m << " width " << width;
        }
    }
}

// Every text of up to five characters over the characters a time cell meets,
// full-width forms and control characters included, then longer and odd ones.
TEST(TimeTextEquivalence, ReadingMatches) {
    const std::vector<std::string> pieces{"0", "1", "5",  "9", ":",  ".",
                                          "-", " ", "\t", "a", "８", "："};
    std::vector<std::string> texts{""};
    std::vector<std::string> level{""};
    for (int length = 1; length <= 5; ++length) {
        std::vector<std::string> next;
        for (const std::string& t : level)
            for (const std::string& p : pieces) next.push_back(t + p);
        texts.insert(texts.end(), next.begin(), next.end());
        level = std::move(next);
    }
    const char* odd[] = {"99999999999:00",
                         "2147483647",
                         "2147483648:00",
                         "12345678901234567890",
                         "0x1F",
                         "$10",
                         "+8:30",
                         "8:30:15",
                         "8..30",
                         "-8:-30",
                         "１７：４５",
                         "－８：００",
                         "　8:30　",
                         "8:3",
                         "830 ",
                         "\x01"
                         "8:30",
                         "8:30\x7f",
                         "\xff\xfe",
                         "99:99",
                         "000000000000000000001"};
    texts.insert(texts.end(), std::begin(odd), std::end(odd));
    for (const std::string& t : texts)
        ASSERT_EQ(StrToMinutes(t), OldStrToMinutes(t)) << "[" << t << "]";
}

}  // namespace
}  // namespace tkv
