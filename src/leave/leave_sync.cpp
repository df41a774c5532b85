#include "leave/leave_sync.h"

#include "base/ini_file.h"
#include "leave/leave_kind.h"
#include "leave/ledger.h"
#include "leave/ledger_file.h"

namespace tkv {
namespace {

bool concernsLedger(const LeaveDayChange& c) {
    return c.kindOrColorChanged || (c.memoOrColorChanged && LeaveKindOfMark(c.mark).has_value());
}

}  // namespace

bool ApplyLeaveChanges(const std::vector<LeaveDayChange>& changes, Ledger& ledger) {
    bool touched = false;
    for (const LeaveDayChange& c : changes) {
        if (!concernsLedger(c))
            continue;
        touched = true;
        if (c.kindOrColorChanged) {
            ledger.RemoveLeaveEntries(c.date, c.previousMark);
            ledger.AddLeaveEntry(c.date, c.mark, c.memoColor, c.memo);
        }
        if (c.memoOrColorChanged) {
            if (const auto kind = LeaveKindOfMark(c.mark))
                ledger.UpdateLeaveMemo(c.date, LeaveKindName(*kind), c.memoColor, c.memo);
        }
    }
    return touched;
}

IoResult ApplyLeaveChanges(const std::vector<LeaveDayChange>& changes,
                           const std::string& ledgerPath, HalfDayValues halfDays) {
    bool needed = false;
    for (const LeaveDayChange& c : changes) needed = needed || concernsLedger(c);
    if (!needed)
        return IoResult::success();
    // LoadLedger, the changes and SaveLedger, with the file read once: what
    // is written back is that same reading with the ledger's part replaced.
    IniFile ini;
    const IoResult loaded = ini.load(ledgerPath);
    // Never replace a file whose content could not be read.
    if (!loaded.ok() && loaded.error != IoError::NotFound)
        return loaded;
    Ledger ledger;
    ledger.SetHalfDayValues(halfDays.morning, halfDays.afternoon);
    ReadLedger(ledger, ini);
    ledger.RecalcLedger();
    // Every ledger operation ends recalculated, so the ledger is written as
    // it stands.
    ApplyLeaveChanges(changes, ledger);
    WriteLedger(ledger, ini);
    return ini.flush();
}

}  // namespace tkv
