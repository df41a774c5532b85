#pragma once

#include <string>
#include <vector>

// The text lines of the printed paid-leave list, counted in Shift-JIS bytes.
namespace tkv {

class Ledger;
struct LeaveEntry;
struct Settings;

// The header line begins with two blanks; items placed on the left get as many.
inline constexpr int LeaveListIndent = 2;

// The column header, its memo heading widened to the memo column.
std::string LeaveListHeader(const Settings& s);

// Entry `slot` of the ledger; `memoCut` memo bytes are given up when the
// table is wider than the page.
std::string LeaveListRecord(const LeaveEntry& entry, int slot, const Settings& s, int memoCut);

struct LeaveListLines {
    std::string header;
    std::vector<std::string> records;  // one per entry, in ledger order
};
// The ledger as printed: recalculated first, so the entries stand in date
// order with their balances.
LeaveListLines BuildLeaveListLines(Ledger ledger, const Settings& s, int memoCut);

}  // namespace tkv
