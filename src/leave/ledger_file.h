#pragma once

#include <string>
#include <string_view>

#include "base/io_result.h"
#include "leave/ledger.h"
#include "settings/settings.h"

// Vacation.dat: section [System] with KuriZan and NowZan, section
// [VacationData] with one "slot=fields" line per used slot. The path is the
// caller's: "Vacation.dat" in the data folder or the user's subfolder.
namespace tkv {

class IniFile;

// The stored value of one entry: the six fields, each with "," turned into
// "." and followed by ",", then the colour as "$HEX" (empty for 0) and ",".
std::string FormatLeaveValue(const LeaveEntry& entry);
// Reads a stored value as it stands; damaged values fill what they can.
LeaveEntry ParseLeaveValue(std::string_view value);

// Copies balances and slots 1..500 from `ini` into the ledger as they are
// stored (no recalculation).
void ReadLedger(Ledger& ledger, const IniFile& ini);
// Writes balances and slots into `ini`; keys of free slots are deleted.
void WriteLedger(const Ledger& ledger, IniFile& ini);

// Empties the ledger, reads the file, recalculates and takes the snapshot.
// A missing file is an empty ledger and a success. When the file cannot be
// read the ledger is empty and the error is returned; SaveLedger then
// refuses to write over that file as well.
IoResult LoadLedger(Ledger& ledger, const std::string& path);
// The same with the half-day values of the settings handed over first, as
// every reader that shows or adds entries wants them.
IoResult LoadLedger(Ledger& ledger, const std::string& path, HalfDayValues halfDays);

// Recalculates, writes the file (keeping whatever else it holds) and takes
// the snapshot. On failure the file is unchanged and the ledger stays
// unsaved.
IoResult SaveLedger(Ledger& ledger, const std::string& path);

// Brings into `ledger` what Vacation.dat (read into `file`) gained since the
// snapshot: entries another program added stay, entries it removed go, and
// this ledger's own additions and removals are made on top. Returns false,
// leaving the ledger alone, when both changed the same thing: an entry this
// ledger changed or removed is no longer in the file, the carry-over
// changed on both sides, or the merged entries would not fit.
bool MergeLedgerFile(Ledger& ledger, const IniFile& file);

struct LedgerSaveOutcome {
    IoResult io;
    bool conflict = false;  // nothing was written; see MergeLedgerFile
};

// SaveLedger for a ledger held open for long: under the folder's lock the
// file is read again and merged first. With a conflict nothing is written,
// unless `keepMineOnConflict`, which writes this ledger as it stands.
LedgerSaveOutcome SaveLedgerMerging(Ledger& ledger, const std::string& path,
                                    bool keepMineOnConflict = false);

}  // namespace tkv
