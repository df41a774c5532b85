#include "leave/ledger_file.h"

#include <cstdint>
#include <cstdio>

#include "base/cp932.h"
#include "base/ini_file.h"
#include "base/text_util.h"

namespace tkv {
namespace {

constexpr std::string_view kSystem = "System";
constexpr std::string_view kData = "VacationData";

std::string slotKey(int slot) {
    return IntToStrPad(slot, 3);
}

// A comma would split the field and a line break would split the line.
std::string storedField(std::string_view text) {
    std::string s = ReplaceAll(text, ",", ".");
    for (char& ch : s)
        if (ch == '\r' || ch == '\n')
            ch = ' ';
    return s;
}

}  // namespace

std::string FormatLeaveValue(const LeaveEntry& entry) {
    std::string value;
    for (const std::string* field :
         {&entry.date, &entry.weekday, &entry.kind, &entry.days, &entry.remaining, &entry.memo}) {
        value += storedField(*field);
        value += ',';
    }
    if (entry.color != 0) {
        char hex[16];
        std::snprintf(hex, sizeof hex, "$%X", static_cast<std::uint32_t>(entry.color));
        value += hex;
    }
    value += ',';
    return TrimLeft(value);
}

LeaveEntry ParseLeaveValue(std::string_view value) {
    LeaveEntry entry;
    std::string* fields[] = {&entry.date, &entry.weekday,   &entry.kind,
                             &entry.days, &entry.remaining, &entry.memo};
    std::size_t start = 0;
    for (int piece = 0; piece < 7 && start <= value.size(); ++piece) {
        const std::size_t comma = value.find(',', start);
        const std::size_t end = comma == std::string_view::npos ? value.size() : comma;
        const std::string_view text = value.substr(start, end - start);
        if (piece < 6)
            *fields[piece] = std::string(text);
        else
            entry.color = StrToIntDef(text, 0);
        if (comma == std::string_view::npos)
            break;
        start = comma + 1;
    }
    return entry;
}

void ReadLedger(Ledger& ledger, const IniFile& ini) {
    ledger.setKuriZan(TrimLeft(ini.readString(kSystem, "KuriZan", "0.0")));
    // NowZan is always recomputed; the stored value is only a copy for readers of the file.
    for (int slot = 1; slot <= LedgerSlotCount; ++slot) {
        const auto raw = ini.readRaw(kData, slotKey(slot));
        ledger.entry(slot) = raw ? ParseLeaveValue(cp932::toUtf8(*raw)) : LeaveEntry{};
    }
}

void WriteLedger(const Ledger& ledger, IniFile& ini) {
    ini.writeString(kSystem, "KuriZan", TrimLeft(ledger.KuriZan()));
    ini.writeString(kSystem, "NowZan", TrimLeft(ledger.NowZan()));
    for (int slot = 1; slot <= LedgerSlotCount; ++slot) {
        const LeaveEntry& e = ledger.entry(slot);
        ini.deleteKey(kData, slotKey(slot));
        if (e.used())
            ini.writeString(kData, slotKey(slot), FormatLeaveValue(e));
    }
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

}  // namespace tkv
