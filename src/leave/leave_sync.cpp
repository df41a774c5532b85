#include "leave/leave_sync.h"

#include "base/atomic_file.h"
#include "base/file_lock.h"
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

PreparedLedgerFile PrepareLeaveChanges(const std::vector<LeaveDayChange>& changes,
                                       const std::string& ledgerPath, HalfDayValues halfDays) {
    PreparedLedgerFile result;
    for (const LeaveDayChange& c : changes) result.needed = result.needed || concernsLedger(c);
    if (!result.needed)
        return result;
    // LoadLedger, the changes and SaveLedger, with the file read once: what
    // is written back is that same reading with the ledger's part replaced.
    IniFile ini;
    const IoResult loaded = ini.load(ledgerPath);
    // Never replace a file whose content could not be read.
    if (!loaded.ok() && loaded.error != IoError::NotFound) {
        result.io = loaded;
        return result;
    }
    Ledger ledger;
    ledger.SetHalfDayValues(halfDays.morning, halfDays.afternoon);
    ReadLedger(ledger, ini);
    ledger.RecalcLedger();
    // Every ledger operation ends recalculated, so the ledger is written as
    // it stands.
    ApplyLeaveChanges(changes, ledger);
    WriteLedger(ledger, ini);
    result.bytes = ini.serialize();
    return result;
}

IoResult ApplyLeaveChanges(const std::vector<LeaveDayChange>& changes,
                           const std::string& ledgerPath, HalfDayValues halfDays) {
    const FolderLock lock(ledgerPath);
    if (!lock.held())
        return lock.result();
    const PreparedLedgerFile prepared = PrepareLeaveChanges(changes, ledgerPath, halfDays);
    if (!prepared.io.ok() || !prepared.needed)
        return prepared.io;
    return WriteFileAtomically(ledgerPath, prepared.bytes);
}

}  // namespace tkv
