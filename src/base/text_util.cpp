#include "base/text_util.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <optional>
#include <unordered_map>

#include "base/cp932.h"
#include "base/utf8.h"

namespace tkv {
namespace {

bool isBlank(char ch) {
    return static_cast<unsigned char>(ch) <= 0x20;
}

// Full-width characters that fold to one ASCII character, by their CP932 code.
// The table is turned into code points through the codec, so it matches
// exactly what a CP932 file holds.
const std::unordered_map<char32_t, char>& hankakuMap() {
    static const std::unordered_map<char32_t, char> map = [] {
        struct Entry {
            unsigned code;
            char ascii;
        };
        static constexpr Entry entries[] = {
            {0x8140, ' '}, {0x8143, ','},  {0x8144, '.'},  {0x8146, ':'},  {0x8147, ';'},
            {0x8148, '?'}, {0x8149, '!'},  {0x814F, '^'},  {0x815E, '/'},  {0x8160, '~'},
            {0x8162, '|'}, {0x8165, '\''}, {0x8166, '\''}, {0x818C, '\''}, {0x8167, '"'},
            {0x8168, '"'}, {0x818D, '"'},  {0x8169, '('},  {0x816A, ')'},  {0x816D, '['},
            {0x816E, ']'}, {0x816F, '{'},  {0x8170, '}'},  {0x817B, '+'},  {0x817C, '-'},
            {0x8181, '='}, {0x81AC, '='},  {0x8183, '<'},  {0x8184, '>'},  {0x818F, '\\'},
            {0x8190, '$'}, {0x8193, '%'},  {0x8194, '#'},  {0x8195, '&'},  {0x8196, '*'},
            {0x8197, '@'},
        };
        std::unordered_map<char32_t, char> m;
        auto add = [&m](unsigned code, char ascii) {
            const char bytes[2] = {static_cast<char>(code >> 8), static_cast<char>(code & 0xFF)};
            const std::u32string cps =
                utf8::toCodePoints(cp932::toUtf8(std::string_view(bytes, 2)));
            if (cps.size() == 1 && cps[0] != 0xFFFD)
                m.emplace(cps[0], ascii);
        };
        for (const Entry& e : entries) add(e.code, e.ascii);
        for (unsigned i = 0; i < 10; ++i) add(0x824F + i, static_cast<char>('0' + i));
        for (unsigned i = 0; i < 26; ++i) {
            add(0x8260 + i, static_cast<char>('A' + i));
            add(0x8281 + i, static_cast<char>('A' + i));
        }
        return m;
    }();
    return map;
}

bool allDigits(std::string_view s, bool hex) {
    if (s.empty())
        return false;
    for (char ch : s) {
        const bool ok =
            hex ? std::isxdigit(static_cast<unsigned char>(ch)) != 0 : (ch >= '0' && ch <= '9');
        if (!ok)
            return false;
    }
    return true;
}

// Parses an optionally signed decimal, "$hex" or "0xhex" integer. Hexadecimal
// forms wrap to 32 bits like the stored colour values (0x80000005) expect.
bool parseInteger(std::string_view text, long long& out, bool limitTo32) {
    const std::string norm = Trim(ToHankaku(Trim(text)));
    std::string_view s = norm;
    bool negative = false;
    if (!s.empty() && (s[0] == '-' || s[0] == '+')) {
        negative = s[0] == '-';
        s.remove_prefix(1);
    }
    bool hex = false;
    if (!s.empty() && s[0] == '$') {
        hex = true;
        s.remove_prefix(1);
    } else if (s.size() > 2 && s[0] == '0' && s[1] == 'X') {
        hex = true;
        s.remove_prefix(2);
    }
    if (!allDigits(s, hex))
        return false;
    if (hex) {
        if (s.size() > (limitTo32 ? 8u : 16u))
            return false;
        const unsigned long long bits = std::strtoull(std::string(s).c_str(), nullptr, 16);
        const long long v = limitTo32 ? static_cast<int>(static_cast<unsigned>(bits))
                                      : static_cast<long long>(bits);
        out = negative ? -v : v;
        return true;
    }
    if (s.size() > 18)
        return false;
    const unsigned long long magnitude = std::strtoull(std::string(s).c_str(), nullptr, 10);
    long long v = static_cast<long long>(magnitude);
    if (negative)
        v = -v;
    if (limitTo32 && (v < std::numeric_limits<int>::min() || v > std::numeric_limits<int>::max()))
        return false;
    out = v;
    return true;
}

// Strict real-number syntax: [+-]digits[.digits][E[+-]digits] (also ".5").
bool parseReal(std::string_view text, double& out) {
    const std::string s = Trim(ToHankaku(Trim(text)));
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-'))
        ++i;
    std::size_t digits = 0;
    while (i < s.size() && std::isdigit(static_cast<unsigned char>(s[i]))) ++i, ++digits;
    if (i < s.size() && s[i] == '.') {
        ++i;
        while (i < s.size() && std::isdigit(static_cast<unsigned char>(s[i]))) ++i, ++digits;
    }
    if (digits == 0)
        return false;
    if (i < s.size() && s[i] == 'E') {
        ++i;
        if (i < s.size() && (s[i] == '+' || s[i] == '-'))
            ++i;
        std::size_t expDigits = 0;
        while (i < s.size() && std::isdigit(static_cast<unsigned char>(s[i]))) ++i, ++expDigits;
        if (expDigits == 0)
            return false;
    }
    if (i != s.size())
        return false;
    const double v = std::strtod(s.c_str(), nullptr);
    if (!std::isfinite(v))
        return false;
    out = v;
    return true;
}

}  // namespace

int UnitMinutes(int index) {
    return UnitMinutesTable[static_cast<std::size_t>(std::clamp(index, 0, 6))];
}

std::string TrimLeft(std::string_view text) {
    std::size_t b = 0;
    while (b < text.size() && isBlank(text[b])) ++b;
    return std::string(text.substr(b));
}

std::string TrimRight(std::string_view text) {
    return std::string(TrimRightView(text));
}

std::string_view TrimRightView(std::string_view text) {
    std::size_t e = text.size();
    while (e > 0 && isBlank(text[e - 1])) --e;
    return text.substr(0, e);
}

std::string_view TrimView(std::string_view text) {
    std::size_t b = 0;
    while (b < text.size() && isBlank(text[b])) ++b;
    return TrimRightView(text.substr(b));
}

namespace {
bool isControl(char ch) {
    const auto b = static_cast<unsigned char>(ch);
    return b < 0x20 || b == 0x7F;
}
}  // namespace

bool HasControlChar(std::string_view text) {
    for (char ch : text)
        if (isControl(ch))
            return true;
    return false;
}

void BlankControlCharsInPlace(std::string& text) {
    for (char& ch : text)
        if (isControl(ch))
            ch = ' ';
}

std::string BlankControlChars(std::string_view text) {
    std::string out(text);
    BlankControlCharsInPlace(out);
    return out;
}

std::string UpperAscii(std::string_view text) {
    std::string out(text);
    for (char& ch : out)
        if (ch >= 'a' && ch <= 'z')
            ch = static_cast<char>(ch - 'a' + 'A');
    return out;
}

std::string Trim(std::string_view text) {
    return std::string(TrimView(text));
}

std::string ToHankaku(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    const auto& map = hankakuMap();
    for (std::size_t pos = 0; pos < text.size();) {
        const std::size_t start = pos;
        const char32_t cp = utf8::next(text, pos);
        if (cp < 0x80) {
            char ch = static_cast<char>(cp);
            if (ch >= 'a' && ch <= 'z')
                ch = static_cast<char>(ch - 'a' + 'A');
            out += ch;
            continue;
        }
        const auto it = map.find(cp);
        if (it != map.end())
            out += it->second;
        else
            out.append(text.substr(start, pos - start));
    }
    return out;
}

int StrToIntDef(std::string_view text, int fallback) {
    long long v = 0;
    return parseInteger(text, v, true) ? static_cast<int>(v) : fallback;
}

long long StrToInt64Def(std::string_view text, long long fallback) {
    long long v = 0;
    return parseInteger(text, v, false) ? v : fallback;
}

std::string IntToStrPad(long long value, int width, char pad) {
    std::string digits = std::to_string(value);
    if (width <= 0)
        return digits;
    const auto w = static_cast<std::size_t>(width);
    if (digits.size() >= w)
        return digits.substr(digits.size() - w);
    return std::string(w - digits.size(), pad) + digits;
}

namespace {

// StrToIntDef(digits, 0) of a run of ASCII digits.
long long digitsValue(std::string_view digits) {
    if (digits.empty() || digits.size() > 18)
        return 0;
    unsigned long long v = 0;
    for (char ch : digits) v = v * 10 + static_cast<unsigned>(ch - '0');
    return v > static_cast<unsigned long long>(std::numeric_limits<int>::max())
               ? 0
               : static_cast<long long>(v);
}

long long minutesOf(long long hours, long long minutes, bool negative) {
    // Huge hour counts are meaningless; keep the product inside int.
    const long long total = std::min<long long>(std::llabs(hours) * 60 + std::llabs(minutes),
                                                std::numeric_limits<int>::max() / 2);
    return negative ? -total : total;
}

// The plain forms the grid and the settings hold (" 8:30", "-8:00", "830",
// "8.30") read straight from the text, with exactly the result of the
// general reading below; nothing when the text has anything else in it.
std::optional<int> plainMinutes(std::string_view text) {
    std::size_t b = 0;
    std::size_t e = text.size();
    while (b < e && isBlank(text[b])) ++b;
    while (e > b && isBlank(text[e - 1])) --e;
    std::string_view s = text.substr(b, e - b);
    const bool negative = !s.empty() && s[0] == '-';
    if (negative)
        s.remove_prefix(1);
    std::size_t separator = std::string_view::npos;
    for (std::size_t i = 0; i < s.size(); ++i) {
        const char ch = s[i];
        if (ch >= '0' && ch <= '9')
            continue;
        if ((ch == ':' || ch == '.') && separator == std::string_view::npos) {
            separator = i;
            continue;
        }
        return std::nullopt;
    }
    long long hours = 0;
    long long minutes = 0;
    if (separator != std::string_view::npos) {
        hours = digitsValue(s.substr(0, separator));
        minutes = digitsValue(s.substr(separator + 1, 2));
    } else if (s.size() < 3) {
        hours = digitsValue(s);
    } else {
        minutes = digitsValue(s.substr(s.size() - 2));
        hours = digitsValue(s.substr(0, s.size() - 2));
    }
    return static_cast<int>(minutesOf(hours, minutes, negative));
}

}  // namespace

int StrToMinutes(std::string_view text) {
    if (const std::optional<int> plain = plainMinutes(text))
        return *plain;
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
    return static_cast<int>(minutesOf(hours, minutes, negative));
}

std::string MinutesToStr(int minutes, int hourWidth, bool showZero) {
    const long long magnitude = std::llabs(static_cast<long long>(minutes));
    long long hours = magnitude / 60;
    const long long mins = magnitude % 60;
    if (!showZero && hours == 0 && mins == 0)
        return {};
    // Hours are never cut: a total of 100 hours or more widens the field.
    char digits[24];
    int n = 0;
    do {
        digits[n++] = static_cast<char>('0' + hours % 10);
        hours /= 10;
    } while (hours > 0);
    const auto pad = static_cast<std::size_t>(std::max(hourWidth - n, 0));
    std::string text(pad + static_cast<std::size_t>(n) + 3 + (minutes < 0 && pad == 0), ' ');
    char* out = text.data();
    // The minus sign takes the blank right before the first hour digit, or
    // goes in front when the digits fill the field.
    if (minutes < 0)
        out[pad > 0 ? pad - 1 : 0] = '-';
    out += pad + (minutes < 0 && pad == 0);
    while (n > 0) *out++ = digits[--n];
    *out++ = ':';
    *out++ = static_cast<char>('0' + mins / 10);
    *out = static_cast<char>('0' + mins % 10);
    return text;
}

std::string AdjustTimeStr(std::string_view text, RoundMethod method, int unitMinutes) {
    return MinutesToStr(RoundMinutes(StrToMinutes(text), method, unitMinutes), 2, false);
}

int RoundMinutes(int minutes, RoundMethod method, int unitMinutes) {
    // Rounding works on the magnitude, so down and up swap for a negative value.
    if (minutes < 0) {
        if (method == RoundMethod::Down)
            method = RoundMethod::Up;
        else if (method == RoundMethod::Up)
            method = RoundMethod::Down;
    }
    const bool rounds =
        method == RoundMethod::Down || method == RoundMethod::Nearest || method == RoundMethod::Up;
    if (!rounds || unitMinutes <= 1)
        return minutes;
    const long long magnitude = std::llabs(static_cast<long long>(minutes));
    // Only the minutes past the hour are rounded; with a unit that does not
    // divide 60 the result may pass the next full hour (8:59 up by 7 is 9:03).
    const long long below = magnitude % 60 % unitMinutes;
    long long rounded = magnitude;
    if (below != 0) {
        const long long down = magnitude - below;
        const long long up = magnitude + (unitMinutes - below);
        switch (method) {
            case RoundMethod::Down:
                rounded = down;
                break;
            case RoundMethod::Up:
                rounded = up;
                break;
            default:
                // Ties go up: 5 with a unit of 10 gives 10.
                rounded = below < unitMinutes - below ? down : up;
                break;
        }
    }
    return static_cast<int>(std::clamp<long long>(minutes < 0 ? -rounded : rounded,
                                                  std::numeric_limits<int>::min(),
                                                  std::numeric_limits<int>::max()));
}

long long RoundOff(double value) {
    if (!std::isfinite(value))
        return 0;
    const double r = std::round(value);
    if (r >= 9.2e18 || r <= -9.2e18)
        return 0;
    return static_cast<long long>(r);
}

std::string FloatToStrDec(int width, int decimals, double value) {
    if (!std::isfinite(value))
        return {};
    char buf[64];
    const int n = std::snprintf(buf, sizeof buf, "%*.*f", std::max(width, 0),
                                std::clamp(decimals, 0, 18), value);
    if (n < 0 || n >= static_cast<int>(sizeof buf))
        return {};
    std::string s(buf, static_cast<std::size_t>(n));
    // "-0.0" is not a count anyone typed.
    if (s.find_first_of("123456789") == std::string::npos) {
        const std::size_t minus = s.find('-');
        if (minus != std::string::npos) {
            s.erase(minus, 1);
            if (width > 0 && static_cast<int>(s.size()) < width)
                s.insert(0, 1, ' ');
        }
    }
    return s;
}

double StrToFloatDec(std::string_view text, int decimals, double fallback) {
    double v = 0;
    if (!parseReal(text, v))
        return fallback;
    const std::string formatted = FloatToStrDec(10, decimals, v);
    double back = 0;
    if (formatted.empty() || !parseReal(formatted, back))
        return fallback;
    return back;
}

std::string DayCountStr(std::string_view text, bool oneDecimal) {
    if (text.empty())
        return {};
    const int width = static_cast<int>(text.size());
    const double v = StrToFloatDec(text, 1, 0.0);
    if (oneDecimal)
        return FloatToStrDec(width, 1, v);
    return RightAlign(std::to_string(RoundOff(v)), width);
}

std::string ThousandsStr(std::string_view text) {
    const long long v = StrToInt64Def(text, 0);
    const std::string digits = std::to_string(v < 0 ? -static_cast<unsigned long long>(v)
                                                    : static_cast<unsigned long long>(v));
    std::string out;
    const std::size_t n = digits.size();
    for (std::size_t i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0)
            out += ',';
        out += digits[i];
    }
    return v < 0 ? "-" + out : out;
}

std::string CommaField(std::string_view text, int n) {
    if (n < 1)
        return {};
    std::size_t start = 0;
    for (int field = 1; field < n; ++field) {
        const std::size_t comma = text.find(',', start);
        if (comma == std::string_view::npos)
            return {};
        start = comma + 1;
    }
    const std::size_t end = text.find(',', start);
    return std::string(text.substr(start, end == std::string_view::npos ? text.npos : end - start));
}

std::string ReplaceAll(std::string_view text, std::string_view find, std::string_view replacement) {
    if (find.empty())
        return std::string(text);
    std::string out;
    out.reserve(text.size());
    std::size_t pos = 0;
    while (true) {
        const std::size_t hit = text.find(find, pos);
        if (hit == std::string_view::npos)
            break;
        out.append(text.substr(pos, hit - pos));
        out.append(replacement);
        pos = hit + find.size();
    }
    out.append(text.substr(pos));
    return out;
}

std::string StripCommas(std::string_view text) {
    return ReplaceAll(Trim(text), ",", "");
}

std::string FixedWidth(std::string_view text, int width) {
    std::string out;
    int used = 0;
    for (std::size_t pos = 0; pos < text.size();) {
        const std::size_t start = pos;
        const int w = cp932::byteWidth(utf8::next(text, pos));
        if (used + w > width) {
            break;
        }
        out.append(text.substr(start, pos - start));
        used += w;
    }
    if (used < width)
        out.append(static_cast<std::size_t>(width - used), ' ');
    return out;
}

std::string RightAlign(std::string_view text, int width) {
    if (width <= 0)
        return {};
    const std::u32string cps = utf8::toCodePoints(text);
    int total = 0;
    for (char32_t cp : cps) total += cp932::byteWidth(cp);
    if (total <= width)
        return std::string(static_cast<std::size_t>(width - total), ' ') + std::string(text);
    // Keep the last `width` bytes; a double-byte character split at the left
    // edge becomes a blank.
    std::u32string kept;
    int used = 0;
    for (auto it = cps.rbegin(); it != cps.rend(); ++it) {
        const int w = cp932::byteWidth(*it);
        if (used + w > width)
            break;
        kept.insert(kept.begin(), *it);
        used += w;
    }
    return std::string(static_cast<std::size_t>(width - used), ' ') + utf8::fromCodePoints(kept);
}

int YearClamp(std::string_view text) {
    return std::clamp(StrToIntDef(text, 0), 1990, 2090);
}

int MonthClamp(std::string_view text) {
    return std::clamp(StrToIntDef(text, 0), 1, 12);
}

bool IsLeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(int year, int month) {
    static constexpr int days[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12)
        return 0;
    if (month == 2 && IsLeapYear(year))
        return 29;
    return days[month - 1];
}

std::string DecimalHourStr(std::string_view text) {
    if (Trim(text).empty())
        return std::string(text);
    const int minutes = StrToMinutes(text);
    const bool negative = text.find('-') != std::string_view::npos;
    const int magnitude = minutes < 0 ? -minutes : minutes;
    const double hours = magnitude / 60 + (magnitude % 60) / 60.0;
    return FloatToStrDec(0, 2, negative ? -hours : hours);
}

}  // namespace tkv
