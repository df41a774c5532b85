#include "leave/ledger.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <utility>

#include "base/text_util.h"
#include "base/utf8.h"
#include "core/calendar.h"

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

// Digits in the shape YYYY/MM/DD.
bool hasDateShape(std::string_view text) {
    if (text.size() != 10 || text[4] != '/' || text[7] != '/')
        return false;
    for (std::size_t i : {0u, 1u, 2u, 3u, 5u, 6u, 8u, 9u})
        if (static_cast<unsigned char>(text[i] - '0') > 9)
            return false;
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

DateKey keyOf(std::string_view date) {
    unsigned char bytes[16] = {};
    std::memcpy(bytes, date.data(), std::min<std::size_t>(date.size(), 16));
    std::uint64_t hi = 0, lo = 0;
    std::memcpy(&hi, bytes, 8);
    std::memcpy(&lo, bytes + 8, 8);
    if constexpr (std::endian::native == std::endian::little)
        return {__builtin_bswap64(hi), __builtin_bswap64(lo)};
    else
        return {hi, lo};
}

// What one reading of a normalised date gives: its weekday and its sort key.
struct DateFacts {
    std::string_view weekday;
    DateKey key;
};

int twoDigits(const char* p) {
    return (p[0] - '0') * 10 + (p[1] - '0');
}

// `date` is YYYY/MM/DD and reads as `d`.
DateFacts factsOfParts(const Date& d, std::string_view date) {
    const bool real = d.year >= 1 && IsRealDate(d);
    return {real ? WeekdayName(WeekdayOf(d)) : std::string_view("？"), keyOf(date)};
}

// `date` has the shape YYYY/MM/DD.
DateFacts shapedFacts(std::string_view date) {
    const char* p = date.data();
    return factsOfParts({twoDigits(p) * 100 + twoDigits(p + 2), twoDigits(p + 5), twoDigits(p + 8)},
                        date);
}

DateFacts factsOf(std::string_view date) {
    // Only the exact form of a normalised date is a date here.
    if (hasDateShape(date))
        return shapedFacts(date);
    return {"？", date.empty() ? DateKey{} : keyOf(date)};
}

constexpr std::size_t kTenthsBuffer = 32;

// TenthsText into `buf`, without building strings on the way: the ledger
// formats a thousand of these per recalculation.
std::string_view formatTenths(long long tenths, int width, char (&buf)[kTenthsBuffer]) {
    const long long t = clampTenths(tenths);
    unsigned long long magnitude =
        t < 0 ? static_cast<unsigned long long>(-t) : static_cast<unsigned long long>(t);
    char* const end = buf + kTenthsBuffer;
    char* p = end;
    *--p = static_cast<char>('0' + magnitude % 10);
    *--p = '.';
    magnitude /= 10;
    do {
        *--p = static_cast<char>('0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude != 0);
    if (t < 0)
        *--p = '-';
    const int wanted = std::min(width, static_cast<int>(kTenthsBuffer));
    while (end - p < wanted) *--p = ' ';
    return {p, static_cast<std::size_t>(end - p)};
}

// Sets a field to its tenths text, leaving it alone when it already reads so.
void setTenths(std::string& field, long long tenths, int width) {
    char buf[kTenthsBuffer];
    const std::string_view text = formatTenths(tenths, width, buf);
    if (field.size() != text.size() || std::memcmp(field.data(), text.data(), text.size()) != 0)
        field.assign(text.data(), text.size());
}

std::string halfDayText(double value) {
    if (!std::isfinite(value) || std::fabs(value) >= 1e9)
        value = -0.5;
    return TenthsText(TenthsOf(FloatToStrDec(0, 1, value)), 5);
}

// Already YYYY/MM/DD: what a recalculated ledger holds in every slot, so the
// common case skips the general parse (which gives the same text).
bool isNormalDate(std::string_view text) {
    if (!hasDateShape(text))
        return false;
    for (char ch : text)
        if (ch != '0' && ch != '/')
            return true;
    return false;  // 0000/00/00 normalises to nothing
}

// "Y/M/D" of ASCII digits only, as typed into the window or a hand-edited
// file: the parts are read as the general parse reads them (year from at
// most 4 digits, month and day from at most 2, an empty part is 0).
bool plainDateParts(std::string_view text, int& y, int& m, int& d) {
    // One pass: digits add to the current part while it has room, "/" moves
    // to the next part, anything else is not this form.
    static constexpr int kRoom[3] = {4, 2, 2};
    int values[3] = {0, 0, 0};
    int used[3] = {0, 0, 0};
    int part = 0;
    for (char ch : text) {
        if (ch == '/') {
            if (++part > 2)
                return false;
        } else if (ch >= '0' && ch <= '9') {
            if (used[part]++ < kRoom[part])
                values[part] = values[part] * 10 + (ch - '0');
        } else {
            return false;
        }
    }
    if (part != 2)
        return false;
    y = values[0];
    m = values[1];
    d = values[2];
    return true;
}

// YYYY/MM/DD of parts that fit their widths and are not all 0; false
// otherwise (the general form handles those).
bool writeDate(const Date& d, char (&out)[10]) {
    if (d.year < 0 || d.year > 9999 || d.month < 0 || d.month > 99 || d.day < 0 || d.day > 99 ||
        (d.year == 0 && d.month == 0 && d.day == 0))
        return false;
    const int high = d.year / 100, low = d.year % 100;
    const char text[10] = {static_cast<char>('0' + high / 10),
                           static_cast<char>('0' + high % 10),
                           static_cast<char>('0' + low / 10),
                           static_cast<char>('0' + low % 10),
                           '/',
                           static_cast<char>('0' + d.month / 10),
                           static_cast<char>('0' + d.month % 10),
                           '/',
                           static_cast<char>('0' + d.day / 10),
                           static_cast<char>('0' + d.day % 10)};
    std::memcpy(out, text, sizeof text);
    return true;
}

// Normalises a slot's date in place and reads it once for its weekday and
// sort key. A recalculated ledger holds normalised dates only, so the usual
// case is one look at ten bytes.
DateFacts settleDate(std::string& date) {
    if (isNormalDate(date))
        return shapedFacts(date);
    Date d;
    char text[10];
    if (plainDateParts(date, d.year, d.month, d.day) && writeDate(d, text)) {
        // Typed digits: read once, written normalised, known as numbers.
        date.assign(text, sizeof text);
        return factsOfParts(d, date);
    }
    date = NormalizeLedgerDate(date);
    return factsOf(date);
}

// Puts the used slots in date order at the front. Stable: entries of one
// date keep the order they stand in, so saving twice writes the same file
// and a day added to a busy date goes after the others. Free slots are
// cleared afterwards, so they only move to make room. The permutation is
// worked out on keys first, then each entry that changes place moves once;
// `tenths` (the days of each slot) moves along.
void sortSlots(std::array<LeaveEntry, LedgerSlotCount>& slots,
               const std::array<DateKey, LedgerSlotCount>& keys,
               std::array<long long, LedgerSlotCount>& tenths) {
    constexpr std::size_t n = LedgerSlotCount;
    // Already in order: the usual case.
    if (std::is_sorted(keys.begin(), keys.end()))
        return;
    std::array<std::uint16_t, n> from;  // position p receives the entry of slot from[p]
    std::size_t count = 0;
    bool tenBytes = true;
    for (std::size_t i = 0; i < n; ++i) {
        if (slots[i].used()) {
            from[count++] = static_cast<std::uint16_t>(i);
            tenBytes = tenBytes && slots[i].date.size() == 10;
        }
    }
    if (tenBytes) {
        // A normalised date is ten bytes, so the low bytes of its key are
        // free: the slot number there makes every key unique and orders
        // equal dates by slot, and a plain sort is then stable.
        std::array<DateKey, n> sorted;
        for (std::size_t p = 0; p < count; ++p)
            sorted[p] = {keys[from[p]].hi, keys[from[p]].lo | from[p]};
        std::sort(sorted.begin(), sorted.begin() + static_cast<std::ptrdiff_t>(count));
        for (std::size_t p = 0; p < count; ++p)
            from[p] = static_cast<std::uint16_t>(sorted[p].lo & 0xFFFF);
    } else {
        std::stable_sort(from.begin(), from.begin() + static_cast<std::ptrdiff_t>(count),
                         [&keys](std::uint16_t x, std::uint16_t y) { return keys[x] < keys[y]; });
    }
    std::array<bool, n> taken{};
    for (std::size_t p = 0; p < count; ++p) taken[from[p]] = true;
    // Behind the used ones, a free slot stays where it is; the free slots
    // from in front go to the places the used ones left.
    std::size_t spare = 0;
    for (std::size_t p = count; p < n; ++p) {
        if (!taken[p]) {
            from[p] = static_cast<std::uint16_t>(p);
            taken[p] = true;
            continue;
        }
        while (taken[spare]) ++spare;
        from[p] = static_cast<std::uint16_t>(spare);
        taken[spare] = true;
    }

    std::array<long long, n> moved;
    for (std::size_t p = 0; p < n; ++p) moved[p] = tenths[from[p]];
    tenths = moved;
    // Follow each cycle of the permutation once.
    std::array<bool, n> placed{};
    for (std::size_t i = 0; i < n; ++i) {
        if (placed[i] || from[i] == i)
            continue;
        LeaveEntry first = std::move(slots[i]);
        std::size_t to = i;
        while (true) {
            placed[to] = true;
            const std::size_t source = from[to];
            if (source == i) {
                slots[to] = std::move(first);
                break;
            }
            slots[to] = std::move(slots[source]);
            to = source;
        }
    }
}

// Whether a stored date, normalised, is `day` (a normalised date).
bool sameDate(std::string_view stored, std::string_view day) {
    if (stored.empty())
        return day.empty();
    return isNormalDate(stored) ? stored == day : NormalizeLedgerDate(stored) == day;
}

// "[blanks][-]digits.digit" with at most 9 integer digits, the form every
// recalculated days field has, or "[blanks][-]digits", the form people type;
// the general parse gives the same value.
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
    if (digits == 0)
        return false;
    if (i == text.size()) {
        out = negative ? -value * 10 : value * 10;
        return true;
    }
    if (i + 2 != text.size() || text[i] != '.')
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
    int y = 0, m = 0, d = 0;
    if (!plainDateParts(text, y, m, d)) {
        const std::string s = Trim(ToHankaku(Trim(text)));
        const std::size_t first = s.find('/');
        if (first == std::string::npos)
            return {};
        const std::size_t second = s.find('/', first + 1);
        if (second == std::string::npos)
            return {};
        const std::string_view view = s;
        y = StrToIntDef(firstChars(view.substr(0, first), 4), 0);
        m = StrToIntDef(firstChars(view.substr(first + 1, second - first - 1), 2), 0);
        d = StrToIntDef(firstChars(view.substr(second + 1), 2), 0);
    }
    if (y == 0 && m == 0 && d == 0)
        return {};
    // The usual case, written straight into its ten characters.
    if (char out[10]; writeDate({y, m, d}, out))
        return std::string(out, sizeof out);
    return zeroPad(y, 4) + "/" + zeroPad(m, 2) + "/" + zeroPad(d, 2);
}

std::string_view WeekdayOfDate(std::string_view date) {
    return factsOf(date).weekday;
}

std::string TenthsText(long long tenths, int width) {
    char buf[kTenthsBuffer];
    std::string text(formatTenths(tenths, 0, buf));
    if (width > 0 && static_cast<int>(text.size()) < width)
        text.insert(0, static_cast<std::size_t>(width) - text.size(), ' ');
    return text;
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
    std::array<DateKey, LedgerSlotCount> keys;
    std::array<long long, LedgerSlotCount> tenths{};
    for (std::size_t i = 0; i < m_slots.size(); ++i) {
        LeaveEntry& e = m_slots[i];
        keys[i] = DateKey{};
        if (e.date.empty())
            continue;
        const DateFacts facts = settleDate(e.date);
        if (!e.used())
            continue;
        keys[i] = facts.key;
        if (e.weekday != facts.weekday)
            e.weekday = facts.weekday;
        // The days as they will be written: what the running balance adds up.
        tenths[i] = TenthsOf(e.days);
        setTenths(e.days, tenths[i], 5);
    }

    sortSlots(m_slots, keys, tenths);

    const long long carried = TenthsOf(m_kuriZan);
    m_kuriZan = TenthsText(carried, 0);
    long long running = carried;
    for (std::size_t i = 0; i < m_slots.size(); ++i) {
        LeaveEntry& e = m_slots[i];
        if (!e.used()) {
            if (!(e == LeaveEntry{}))
                e = LeaveEntry{};
            continue;
        }
        running = clampTenths(running + tenths[i]);
        setTenths(e.remaining, running, 5);
    }
    m_nowZan = TenthsText(running, 0);
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
        if (day.empty() || !sameDate(e.date, day) || TrimView(e.kind) != name)
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
        if (!sameDate(e.date, day) || TrimView(e.kind) != name)
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
