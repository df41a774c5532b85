#include "leave/ledger.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <utility>

#include "base/text_util.h"
#include "base/utf8.h"

namespace tkv {
namespace {

// Day counts are kept in whole tenths while summing, so 500 entries of -0.1
// add up exactly. Anything from a billion days up is damage, not data.
constexpr long long kTenthsLimit = 9'999'999'999;

long long clampTenths(long long t) {
    return std::clamp(t, -kTenthsLimit, kTenthsLimit);
}

// The first `count` characters (code points) of `text`.
std::string_view firstChars(std::string_view text, std::size_t count) {
    std::size_t pos = 0;
    for (std::size_t n = 0; n < count && pos < text.size(); ++n) utf8::next(text, pos);
    return text.substr(0, pos);
}

// Zero-padded; a negative part keeps its width ("-1" in a month, "-001" in a
// year) so that normalising the result again gives the same text.
std::string zeroPad(int value, std::size_t width) {
    const bool negative = value < 0;
    std::string digits = std::to_string(negative ? -static_cast<long long>(value) : value);
    const std::size_t want = negative && width > 0 ? width - 1 : width;
    if (digits.size() < want)
        digits.insert(0, want - digits.size(), '0');
    return negative ? "-" + digits : digits;
}

bool isCalendarDate(int y, int m, int d) {
    return y >= 1 && y <= 9999 && m >= 1 && m <= 12 && d >= 1 && d <= DaysInMonth(y, m);
}

// Days since 1970-01-01 of a proleptic Gregorian date.
long long daysFromCivil(int y, int m, int d) {
    y -= m <= 2 ? 1 : 0;
    const long long era = (y >= 0 ? y : y - 399) / 400;
    const long long yoe = y - era * 400;
    const long long doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const long long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

// Digits in the shape YYYY/MM/DD.
bool hasDateShape(std::string_view text) {
    if (text.size() != 10 || text[4] != '/' || text[7] != '/')
        return false;
    for (std::size_t i : {0u, 1u, 2u, 3u, 5u, 6u, 8u, 9u})
        if (text[i] < '0' || text[i] > '9')
            return false;
    return true;
}

bool dateParts(std::string_view date, int& y, int& m, int& d) {
    // Only the exact form of a normalised date is a date here.
    if (!hasDateShape(date))
        return false;
    y = StrToIntDef(date.substr(0, 4), 0);
    m = StrToIntDef(date.substr(5, 2), 0);
    d = StrToIntDef(date.substr(8, 2), 0);
    return true;
}

// A date as a key that orders like a byte-wise comparison of the texts: its
// bytes big-endian, zero-padded. Exact for normalised dates (10 bytes of
// digits, "-" and "/"); a free slot gets the largest key and sorts last.
struct DateKey {
    std::uint64_t hi = ~std::uint64_t{0};
    std::uint64_t lo = ~std::uint64_t{0};

    bool operator<(const DateKey& o) const { return hi < o.hi || (hi == o.hi && lo < o.lo); }
};

DateKey keyOf(const LeaveEntry& e) {
    if (!e.used())
        return {};
    unsigned char bytes[16] = {};
    std::memcpy(bytes, e.date.data(), std::min<std::size_t>(e.date.size(), 16));
    DateKey key{0, 0};
    for (int i = 0; i < 8; ++i) key.hi = key.hi << 8 | bytes[i];
    for (int i = 8; i < 16; ++i) key.lo = key.lo << 8 | bytes[i];
    return key;
}

std::string halfDayText(double value) {
    if (!std::isfinite(value) || std::fabs(value) >= 1e9)
        value = -0.5;
    return TenthsText(TenthsOf(FloatToStrDec(0, 1, value)), 5);
}

// Already YYYY/MM/DD: what a recalculated ledger holds in every slot, so the
// common case skips the general parse (which gives the same text).
bool isNormalDate(std::string_view text) {
    return hasDateShape(text) && text.find_first_not_of("0/") != std::string_view::npos;
}

// "[blanks][-]digits.digit" with at most 9 integer digits, the form every
// recalculated days field has; the general parse gives the same value.
bool simpleTenths(std::string_view text, long long& out) {
    std::size_t i = text.find_first_not_of(' ');
    if (i == std::string_view::npos)
        return false;
    const bool negative = text[i] == '-';
    if (negative)
        ++i;
    long long value = 0;
    std::size_t digits = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i, ++digits) {
        if (digits == 9)
            return false;  // longer than this form; stop before the value overflows
        value = value * 10 + (text[i] - '0');
    }
    if (digits == 0 || i + 2 != text.size() || text[i] != '.')
        return false;
    const char tenth = text[i + 1];
    if (tenth < '0' || tenth > '9')
        return false;
    value = value * 10 + (tenth - '0');
    out = negative ? -value : value;
    return true;
}

}  // namespace

std::string NormalizeLedgerDate(std::string_view text) {
    if (isNormalDate(text))
        return std::string(text);
    const std::string s = Trim(ToHankaku(Trim(text)));
    const std::size_t first = s.find('/');
    if (first == std::string::npos)
        return {};
    const std::size_t second = s.find('/', first + 1);
    if (second == std::string::npos)
        return {};
    const std::string_view view = s;
    const int y = StrToIntDef(firstChars(view.substr(0, first), 4), 0);
    const int m = StrToIntDef(firstChars(view.substr(first + 1, second - first - 1), 2), 0);
    const int d = StrToIntDef(firstChars(view.substr(second + 1), 2), 0);
    if (y == 0 && m == 0 && d == 0)
        return {};
    return zeroPad(y, 4) + "/" + zeroPad(m, 2) + "/" + zeroPad(d, 2);
}

std::string_view WeekdayOfDate(std::string_view date) {
    static constexpr std::array<std::string_view, 7> kNames{"日", "月", "火", "水",
                                                            "木", "金", "土"};
    int y = 0, m = 0, d = 0;
    if (!dateParts(date, y, m, d) || !isCalendarDate(y, m, d))
        return "？";
    // 1970-01-01 was a Thursday.
    const long long weekday = ((daysFromCivil(y, m, d) + 4) % 7 + 7) % 7;
    return kNames[static_cast<std::size_t>(weekday)];
}

std::string TenthsText(long long tenths, int width) {
    const long long t = clampTenths(tenths);
    const long long magnitude = t < 0 ? -t : t;
    std::string s = std::to_string(magnitude / 10) + "." + std::to_string(magnitude % 10);
    if (t < 0)
        s.insert(0, 1, '-');
    if (width > 0 && static_cast<int>(s.size()) < width)
        s.insert(0, static_cast<std::size_t>(width) - s.size(), ' ');
    return s;
}

long long TenthsOf(std::string_view text) {
    long long simple = 0;
    if (simpleTenths(text, simple))
        return simple;
    const double v = StrToFloatDec(text, 1, 0.0);
    if (!(std::fabs(v) < 1e9))
        return 0;
    return RoundOff(v * 10);
}

Ledger::Ledger()
    : m_kuriZan("0.0"),
      m_nowZan("0.0"),
      m_morningDays(" -0.5"),
      m_afternoonDays(" -0.5"),
      m_snapshotKuriZan("0.0") {}

LeaveEntry& Ledger::entry(int slot) {
    return m_slots[static_cast<std::size_t>(std::clamp(slot, 1, LedgerSlotCount) - 1)];
}

const LeaveEntry& Ledger::entry(int slot) const {
    return m_slots[static_cast<std::size_t>(std::clamp(slot, 1, LedgerSlotCount) - 1)];
}

int Ledger::entryCount() const {
    return static_cast<int>(std::count_if(m_slots.begin(), m_slots.end(),
                                          [](const LeaveEntry& e) { return e.used(); }));
}

void Ledger::clear() {
    m_slots.fill(LeaveEntry{});
    m_kuriZan = "0.0";
    m_nowZan = "0.0";
    m_removedFloor.clear();
}

void Ledger::RecalcLedger() {
    for (LeaveEntry& e : m_slots) {
        e.date = NormalizeLedgerDate(e.date);
        if (!e.used())
            continue;
        e.weekday = std::string(WeekdayOfDate(e.date));
        e.days = TenthsText(TenthsOf(e.days), 5);
    }

    sortByDate();

    const long long carried = TenthsOf(m_kuriZan);
    m_kuriZan = TenthsText(carried, 0);
    long long running = carried;
    for (LeaveEntry& e : m_slots) {
        if (!e.used()) {
            e = LeaveEntry{};
            continue;
        }
        running = clampTenths(running + TenthsOf(e.days));
        e.remaining = TenthsText(running, 5);
    }
    m_nowZan = TenthsText(running, 0);
}

// Selection sort by date, which is not stable: entries of equal dates may
// change places, and the file order of such entries follows from that. It
// runs on keys and a permutation, then moves each entry once.
void Ledger::sortByDate() {
    constexpr std::size_t n = LedgerSlotCount;
    std::array<DateKey, n> keys;
    std::array<std::uint16_t, n> order;
    for (std::size_t i = 0; i < n; ++i) {
        keys[i] = keyOf(m_slots[i]);
        order[i] = static_cast<std::uint16_t>(i);
    }
    // Already in order (the usual case): the sort would swap nothing, since
    // only a strictly smaller date moves.
    if (std::is_sorted(keys.begin(), keys.end()))
        return;
    for (std::size_t j = 0; j + 1 < n; ++j) {
        std::size_t min = j;
        for (std::size_t k = j + 1; k < n; ++k)
            if (keys[k] < keys[min])
                min = k;
        if (min != j) {
            std::swap(keys[j], keys[min]);
            std::swap(order[j], order[min]);
        }
    }
    // Slot i receives the entry of slot order[i]: follow each cycle once.
    std::array<bool, n> placed{};
    for (std::size_t i = 0; i < n; ++i) {
        if (placed[i] || order[i] == i)
            continue;
        LeaveEntry first = std::move(m_slots[i]);
        std::size_t to = i;
        while (true) {
            placed[to] = true;
            const std::size_t from = order[to];
            if (from == i) {
                m_slots[to] = std::move(first);
                break;
            }
            m_slots[to] = std::move(m_slots[from]);
            to = from;
        }
    }
}

LedgerScroll Ledger::scrollTarget(int visibleRows) const {
    const int visible = std::clamp(visibleRows, 1, LedgerSlotCount);
    const int count = entryCount();
    LedgerScroll scroll;
    if (count > 0)
        scroll.topRow = std::max(1, std::min(count - visible + 2, LedgerSlotCount + 1 - visible));
    if (count < LedgerSlotCount)
        scroll.cursorRow = count + 1;
    return scroll;
}

std::optional<std::string> Ledger::KindDaysText(LeaveKind kind) const {
    switch (kind) {
        case LeaveKind::PaidLeave:
            return std::string(" -1.0");
        case LeaveKind::Morning:
            return m_morningDays;
        case LeaveKind::Afternoon:
            return m_afternoonDays;
        default:
            return std::nullopt;
    }
}

void Ledger::SetHalfDayValues(double morning, double afternoon) {
    m_morningDays = halfDayText(morning);
    m_afternoonDays = halfDayText(afternoon);
}

std::string Ledger::oldestDate() const {
    std::string oldest;
    for (const LeaveEntry& e : m_slots)
        if (e.used() && (oldest.empty() || e.date < oldest))
            oldest = e.date;
    return oldest;
}

bool Ledger::AddLeaveEntry(std::string_view date, std::string_view mark, int color,
                           std::string_view memo) {
    const auto kind = LeaveKindOfMark(mark);
    if (!kind)
        return false;
    const std::string day = NormalizeLedgerDate(date);
    if (day.empty())
        return false;

    // Sorted first, so that "full" and "first entry" mean what they say even
    // after hand edits in the window.
    RecalcLedger();
    std::string floor = oldestDate();
    if (!m_removedFloor.empty() && (floor.empty() || m_removedFloor < floor))
        floor = m_removedFloor;
    if (!floor.empty() && day < floor)
        return false;

    if (entryCount() == LedgerSlotCount)
        DeleteOldestEntries(1);
    LeaveEntry& last = m_slots.back();
    last.date = day;
    last.weekday = std::string(WeekdayOfDate(day));
    last.kind = std::string(LeaveKindName(*kind));
    last.days = *KindDaysText(*kind);
    last.remaining.clear();
    last.memo = std::string(memo);
    last.color = color;
    RecalcLedger();
    return true;
}

int Ledger::RemoveLeaveEntries(std::string_view date, std::string_view mark) {
    const auto kind = LeaveKindOfMark(mark);
    if (!kind)
        return 0;
    const std::string day = NormalizeLedgerDate(date);
    const std::string_view name = LeaveKindName(*kind);
    int removed = 0;
    for (LeaveEntry& e : m_slots) {
        if (day.empty() || NormalizeLedgerDate(e.date) != day || Trim(e.kind) != name)
            continue;
        e.date.clear();
        ++removed;
    }
    if (removed > 0 && (m_removedFloor.empty() || day < m_removedFloor))
        m_removedFloor = day;
    RecalcLedger();
    return removed;
}

bool Ledger::UpdateLeaveMemo(std::string_view date, std::string_view kindName, int color,
                             std::string_view memo) {
    const std::string day = NormalizeLedgerDate(date);
    const std::string name = Trim(kindName);
    if (day.empty())
        return false;
    for (LeaveEntry& e : m_slots) {
        if (NormalizeLedgerDate(e.date) != day || Trim(e.kind) != name)
            continue;
        e.memo = std::string(memo);
        e.color = color;
        return true;
    }
    return false;
}

// Folds slots 1..limit, stopping at the first free slot or the first date
// after `upTo` (when given), into KuriZan. The ledger must be sorted.
int Ledger::foldFirst(int limit, std::string_view upTo) {
    long long carried = TenthsOf(m_kuriZan);
    std::string lastFolded;
    int folded = 0;
    for (int i = 0; i < limit; ++i) {
        LeaveEntry& e = m_slots[static_cast<std::size_t>(i)];
        if (!e.used() || (!upTo.empty() && e.date > upTo))
            break;
        carried = clampTenths(carried + TenthsOf(e.days));
        lastFolded = e.date;
        e.date.clear();
        e.color = 0;
        ++folded;
    }
    m_kuriZan = TenthsText(carried, 0);
    // Days up to the last folded one now live in KuriZan.
    if (!m_removedFloor.empty() && m_removedFloor <= lastFolded)
        m_removedFloor.clear();
    RecalcLedger();
    return folded;
}

int Ledger::DeleteOldestEntries(int count) {
    RecalcLedger();
    if (count <= 0)
        return 0;
    return foldFirst(std::min(count, LedgerSlotCount), {});
}

int Ledger::DeleteEntriesUpTo(std::string_view date) {
    RecalcLedger();
    const std::string day = NormalizeLedgerDate(date);
    if (day.empty())
        return 0;
    return foldFirst(LedgerSlotCount, day);
}

bool Ledger::HasUnsavedChanges() const {
    return m_slots != m_snapshot || m_kuriZan != m_snapshotKuriZan;
}

void Ledger::takeSnapshot() {
    m_snapshot = m_slots;
    m_snapshotKuriZan = m_kuriZan;
}

}  // namespace tkv
