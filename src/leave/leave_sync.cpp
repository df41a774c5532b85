#include "leave/leave_sync.h"

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
    Ledger ledger;
    ledger.SetHalfDayValues(halfDays.morning, halfDays.afternoon);
    const IoResult loaded = LoadLedger(ledger, ledgerPath);
    if (!loaded.ok())
        return loaded;
    ApplyLeaveChanges(changes, ledger);
    return SaveLedger(ledger, ledgerPath);
}

}  // namespace tkv
