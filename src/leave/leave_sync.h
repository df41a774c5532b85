#pragma once

#include <string>
#include <vector>

#include "base/io_result.h"
#include "core/month_file.h"
#include "settings/settings.h"

namespace tkv {

class Ledger;

// Brings the ledger in step with the days a month save found changed: a
// changed kind or colour removes the day's old entry and adds the new one, a
// changed memo of a leave day updates its entry. The ledger is loaded only
// when something concerns it, and saved when it was loaded.
IoResult ApplyLeaveChanges(const std::vector<LeaveDayChange>& changes,
                           const std::string& ledgerPath, HalfDayValues halfDays);

// The new bytes of Vacation.dat with `changes` applied, read under the
// caller's lock but not written: for a save that writes the month and the
// ledger together. `needed` is false when nothing concerns the ledger.
struct PreparedLedgerFile {
    IoResult io;
    bool needed = false;
    std::string bytes;
};
PreparedLedgerFile PrepareLeaveChanges(const std::vector<LeaveDayChange>& changes,
                                       const std::string& ledgerPath, HalfDayValues halfDays);

// The same on a ledger already in memory; returns whether it was touched.
bool ApplyLeaveChanges(const std::vector<LeaveDayChange>& changes, Ledger& ledger);

}  // namespace tkv
