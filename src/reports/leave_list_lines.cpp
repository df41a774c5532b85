#include "reports/leave_list_lines.h"

#include <algorithm>

#include "base/text_util.h"
#include "leave/ledger.h"
#include "reports/list_text.h"
#include "settings/settings.h"

namespace tkv {

std::string LeaveListHeader(const Settings& s) {
    return "  No    日  付    曜  区分   日数   残数        メ    モ        " +
           std::string(static_cast<std::size_t>(MemoColumnBytes(s) - 20), ' ');
}

std::string LeaveListRecord(const LeaveEntry& entry, int slot, const Settings& s, int memoCut) {
    std::string line = RightAlign(IntToStrPad(slot, 3), 4);
    line += RightAlign(entry.date, 12);
    line += RightAlign(entry.weekday, 4);
    line += RightAlign(entry.kind, 6);
    line += RightAlign(entry.days, 7);
    line += RightAlign(entry.remaining, 7);
    line += "  ";
    line += FixedWidth(entry.memo, std::max(0, MemoColumnBytes(s) - std::max(0, memoCut)));
    line += "  ";
    return line;
}

LeaveListLines BuildLeaveListLines(Ledger ledger, const Settings& s, int memoCut) {
    ledger.RecalcLedger();
    LeaveListLines lines;
    lines.header = LeaveListHeader(s);
    const int count = ledger.entryCount();
    lines.records.reserve(static_cast<std::size_t>(count));
    for (int slot = 1; slot <= count; ++slot)
        lines.records.push_back(LeaveListRecord(ledger.entry(slot), slot, s, memoCut));
    return lines;
}

}  // namespace tkv
