#include "leave/ledger_file.h"

#include <cstdint>
#include <cstdio>
#include <string_view>
#include <utility>
#include <vector>

#include "base/cp932.h"
#include "base/file_lock.h"
#include "base/ini_file.h"
#include "base/text_util.h"

namespace tkv {
namespace {

constexpr std::string_view kSystem = "System";
constexpr std::string_view kData = "VacationData";

// The slot number right-aligned in three characters, as the file has it.
std::string slotKey(int slot) {
    char key[3] = {' ', ' ', static_cast<char>('0' + slot % 10)};
    if (slot >= 10)
        key[1] = static_cast<char>('0' + slot / 10 % 10);
    if (slot >= 100)
        key[0] = static_cast<char>('0' + slot / 100 % 10);
    return std::string(key, 3);
}

// The slot a stored key names: the key without its blanks is the slot
// number as written by slotKey ("7" or "  7", not "07"); 0 for other keys.
int slotOfKey(std::string_view key) {
    const std::string_view digits = TrimView(key);
    if (digits.empty() || digits.size() > 3 || digits[0] == '0')
        return 0;
    int slot = 0;
    for (char ch : digits) {
        if (ch < '0' || ch > '9')
            return 0;
        slot = slot * 10 + (ch - '0');
    }
    return slot <= LedgerSlotCount ? slot : 0;
}

// The value of an entry, each field put in by `append` (which converts it
// or not). A comma would split the field and a line break (or any other
// control character) would split the line; none can be part of a double-byte CP932 character, so
// they are replaced the same way in either encoding.
template <class Append>
std::string formatValue(const LeaveEntry& entry, Append append) {
    std::string value;
    value.reserve(entry.date.size() + entry.weekday.size() + entry.kind.size() + entry.days.size() +
                  entry.remaining.size() + entry.memo.size() + 16);
    for (const std::string* field :
         {&entry.date, &entry.weekday, &entry.kind, &entry.days, &entry.remaining, &entry.memo}) {
        const std::size_t from = value.size();
        append(value, *field);
        for (std::size_t i = from; i < value.size(); ++i) {
            char& ch = value[i];
            if (ch == ',')
                ch = '.';
            else if (static_cast<unsigned char>(ch) < 0x20 || ch == '\x7F')
                ch = ' ';
        }
        value += ',';
    }
    if (entry.color != 0) {
        char hex[16];
        std::snprintf(hex, sizeof hex, "$%X", static_cast<std::uint32_t>(entry.color));
        value += hex;
    }
    value += ',';
    // Blanks at the left of the whole value go (a date never starts with one).
    value.erase(0, static_cast<std::size_t>(TrimView(value).data() - value.data()));
    return value;
}

// The fields of a stored value, read into an empty `entry`: `find` locates
// the next comma, `take` puts a piece into a field (converting it or not).
template <class Find, class Take>
void parseValue(std::string_view value, Find find, Take take, LeaveEntry& entry) {
    std::string* fields[] = {&entry.date, &entry.weekday,   &entry.kind,
                             &entry.days, &entry.remaining, &entry.memo};
    std::size_t start = 0;
    for (int piece = 0; piece < 7 && start <= value.size(); ++piece) {
        const std::size_t comma = find(value, start);
        const std::size_t end = comma == std::string_view::npos ? value.size() : comma;
        const std::string_view text = value.substr(start, end - start);
        if (piece < 6) {
            take(*fields[piece], text);
        } else if (!text.empty()) {
            std::string color;
            take(color, text);
            entry.color = StrToIntDef(color, 0);
        }
        if (comma == std::string_view::npos)
            break;
        start = comma + 1;
    }
}

// The stored CP932 bytes of an entry: FormatLeaveValue encoded, built in
// one go.
std::string storedValue(const LeaveEntry& entry) {
    return formatValue(
        entry, [](std::string& out, std::string_view field) { cp932::appendFromUtf8(out, field); });
}

// ParseLeaveValue of the decoded bytes, decoding field by field, into an
// empty entry.
void parseStored(std::string_view raw, LeaveEntry& entry) {
    parseValue(
        raw, [](std::string_view v, std::size_t from) { return cp932::findAscii(v, ',', from); },
        [](std::string& field, std::string_view piece) { cp932::appendToUtf8(field, piece); },
        entry);
}

}  // namespace

std::string FormatLeaveValue(const LeaveEntry& entry) {
    return formatValue(entry, [](std::string& out, std::string_view field) { out.append(field); });
}

LeaveEntry ParseLeaveValue(std::string_view value) {
    LeaveEntry entry;
    parseValue(
        value, [](std::string_view v, std::size_t from) { return v.find(',', from); },
        [](std::string& field, std::string_view piece) { field.assign(piece); }, entry);
    return entry;
}

void ReadLedger(Ledger& ledger, const IniFile& ini) {
    ledger.setKuriZan(TrimLeft(ini.readString(kSystem, "KuriZan", "0.0")));
    // NowZan is always recomputed; the stored value is only a copy for readers of the file.
    for (int slot = 1; slot <= LedgerSlotCount; ++slot) ledger.entry(slot) = LeaveEntry{};
    // One pass over the stored lines, the value that a lookup of each slot's
    // key would find (each key comes once).
    ini.forEachKey(kData, [&ledger](std::string_view key, const std::string& raw) {
        if (const int slot = slotOfKey(key))
            parseStored(raw, ledger.entry(slot));
    });
}

void WriteLedger(const Ledger& ledger, IniFile& ini) {
    ini.writeString(kSystem, "KuriZan", TrimLeft(ledger.KuriZan()));
    ini.writeString(kSystem, "NowZan", TrimLeft(ledger.NowZan()));
    // Every slot's key goes, then the used slots are written in order, each
    // at the end of the section, as a delete and write of each slot would.
    std::vector<std::pair<std::string, std::string>> lines;
    for (int slot = 1; slot <= LedgerSlotCount; ++slot) {
        const LeaveEntry& e = ledger.entry(slot);
        if (e.used())
            lines.emplace_back(slotKey(slot), storedValue(e));
    }
    ini.replaceKeys(
        kData, [](std::string_view key) { return slotOfKey(key) != 0; }, std::move(lines));
}

IoResult LoadLedger(Ledger& ledger, const std::string& path) {
    ledger.clear();
    IniFile ini;
    IoResult result = ini.load(path);
    if (result.ok())
        ReadLedger(ledger, ini);
    if (result.error == IoError::NotFound)
        result = IoResult::success();
    ledger.RecalcLedger();
    ledger.takeSnapshot();
    return result;
}

IoResult LoadLedger(Ledger& ledger, const std::string& path, HalfDayValues halfDays) {
    ledger.SetHalfDayValues(halfDays.morning, halfDays.afternoon);
    return LoadLedger(ledger, path);
}

IoResult SaveLedger(Ledger& ledger, const std::string& path) {
    ledger.RecalcLedger();
    const FolderLock lock(path);
    if (!lock.held())
        return lock.result();
    IniFile ini;
    const IoResult loaded = ini.load(path);
    // Never replace a file whose content could not be read.
    if (!loaded.ok() && loaded.error != IoError::NotFound)
        return loaded;
    WriteLedger(ledger, ini);
    const IoResult written = ini.flush();
    if (written.ok())
        ledger.takeSnapshot();
    return written;
}

namespace {

// What the person entered in an entry; the weekday and the remaining days
// are computed.
bool sameEntry(const LeaveEntry& a, const LeaveEntry& b) {
    return a.date == b.date && a.kind == b.kind && a.days == b.days && a.memo == b.memo &&
           a.color == b.color;
}

std::vector<LeaveEntry> usedEntries(const std::array<LeaveEntry, LedgerSlotCount>& slots) {
    std::vector<LeaveEntry> out;
    for (const LeaveEntry& e : slots)
        if (e.used())
            out.push_back(e);
    return out;
}

// Removes one entry equal to `e`; false when there is none.
bool takeOut(std::vector<LeaveEntry>& from, const LeaveEntry& e) {
    for (auto it = from.begin(); it != from.end(); ++it) {
        if (sameEntry(*it, e)) {
            from.erase(it);
            return true;
        }
    }
    return false;
}

}  // namespace

bool MergeLedgerFile(Ledger& ledger, const IniFile& file) {
    Ledger theirs = ledger;  // keeps the half-day values
    theirs.clear();
    ReadLedger(theirs, file);
    theirs.RecalcLedger();

    std::array<LeaveEntry, LedgerSlotCount> mineSlots;
    for (int slot = 1; slot <= LedgerSlotCount; ++slot) mineSlots[slot - 1] = ledger.entry(slot);
    std::vector<LeaveEntry> base = usedEntries(ledger.snapshot());
    std::vector<LeaveEntry> mine = usedEntries(mineSlots);
    std::vector<LeaveEntry> merged;
    for (int slot = 1; slot <= LedgerSlotCount; ++slot)
        if (theirs.entry(slot).used())
            merged.push_back(theirs.entry(slot));

    // Base minus mine: what this ledger removed (or changed); mine minus
    // base: what it added (or changed to).
    std::vector<LeaveEntry> added;
    for (const LeaveEntry& e : mine)
        if (!takeOut(base, e))
            added.push_back(e);
    for (const LeaveEntry& e : base)
        if (!takeOut(merged, e))
            return false;
    if (merged.size() + added.size() > static_cast<std::size_t>(LedgerSlotCount))
        return false;
    merged.insert(merged.end(), added.begin(), added.end());

    std::string kuriZan = theirs.KuriZan();
    const std::string& baseKuri = ledger.snapshotKuriZan();
    if (TenthsOf(ledger.KuriZan()) != TenthsOf(baseKuri)) {
        if (TenthsOf(kuriZan) != TenthsOf(baseKuri) &&
            TenthsOf(kuriZan) != TenthsOf(ledger.KuriZan()))
            return false;
        kuriZan = ledger.KuriZan();
    }

    ledger.clear();
    for (std::size_t i = 0; i < merged.size(); ++i)
        ledger.entry(static_cast<int>(i) + 1) = merged[i];
    ledger.setKuriZan(kuriZan);
    ledger.RecalcLedger();
    return true;
}

LedgerSaveOutcome SaveLedgerMerging(Ledger& ledger, const std::string& path,
                                    bool keepMineOnConflict) {
    LedgerSaveOutcome outcome;
    ledger.RecalcLedger();
    const FolderLock lock(path);
    if (!lock.held()) {
        outcome.io = lock.result();
        return outcome;
    }
    IniFile ini;
    const IoResult loaded = ini.load(path);
    // Never replace a file whose content could not be read.
    if (!loaded.ok() && loaded.error != IoError::NotFound) {
        outcome.io = loaded;
        return outcome;
    }
    if (loaded.ok() && !MergeLedgerFile(ledger, ini)) {
        outcome.conflict = true;
        if (!keepMineOnConflict)
            return outcome;
    }
    WriteLedger(ledger, ini);
    outcome.io = ini.flush();
    if (outcome.io.ok())
        ledger.takeSnapshot();
    return outcome;
}

}  // namespace tkv
