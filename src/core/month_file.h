#pragma once

#include <functional>
#include <span>
#include <string>
#include <vector>

#include "base/io_result.h"
#include "core/calendar.h"
#include "core/recalculate.h"

namespace tkv {

class AnnualHolidayTable;
class IniFile;
struct Settings;

// One day whose leave kind, memo or memo colour changed since the month was
// loaded or last saved; the paid-leave ledger applies these after a save.
struct LeaveDayChange {
    std::string date;  // YYYY/MM/DD
    bool kindOrColorChanged = false;
    std::string previousMark;  // the kind text of the snapshot
    bool memoOrColorChanged = false;
    std::string mark;  // the current kind text
    int memoColor = 0;
    std::string memo;
};

struct MonthLoadResult {
    IoResult io;  // NotFound means the month was built from the calendar
    bool fromFile = false;
    // LastDay was missing, not a number or outside 1..31 while the file has
    // day lines: the month's number of days was taken from the calendar.
    bool lastDayRepaired = false;
};

struct MonthSaveResult {
    IoResult io;
    MonthCalculation calculation;
    // Empty when nothing the ledger cares about changed, or when the write failed.
    std::vector<LeaveDayChange> leaveChanges;
};

// Reads accounting month `ym` from its file, or builds it from the calendar
// when there is none. The snapshot is taken either way. A file that exists
// but cannot be read leaves an empty month and returns the error, so nobody
// saves over it.
MonthLoadResult LoadMonth(MonthRecord& m, YearMonth ym, const std::string& path, const Settings& s,
                          const AnnualHolidayTable& holidays);

// Everything SaveMonth does but the write and the snapshot: the new bytes of
// the month file and the leave days that changed, for a save that writes
// the month and the ledger together.
struct PreparedMonthFile {
    IoResult io;  // reading the file as it is (never replaced when unreadable)
    MonthCalculation calculation;
    std::string bytes;
    std::vector<LeaveDayChange> leaveChanges;
};
PreparedMonthFile PrepareMonthFile(MonthRecord& m, const std::string& path, const Settings& s);

// Recalculates, writes the month file and refreshes the snapshot. A failed
// write leaves the snapshot alone, so the month stays marked unsaved.
MonthSaveResult SaveMonth(MonthRecord& m, const std::string& path, const Settings& s);

// A day both this program and the file changed since the month was loaded
// or last saved, each differently. Only the person can choose.
struct DayConflict {
    int slot = 0;  // 1-based row
    DayRow mine;
    DayRow theirs;  // as the file holds it now
};

// Brings into `m` what the month file gained since the snapshot: a day only
// the file changed is taken from it (snapshot too, so it counts as saved),
// a day only `m` changed stays. Days both changed differently come back as
// conflicts and are left alone. A file laid out for other dates (another
// closing day) is not merged.
std::vector<DayConflict> MergeMonthFile(MonthRecord& m, const IniFile& file);

// Settles one conflict: the file's row becomes the snapshot, so the next
// save writes the row kept.
void ResolveDayConflict(MonthRecord& m, const DayConflict& conflict, bool keepMine);

// The stored line of one day and its reading back (exposed for tests and tools).
std::string DayLine(const DayRow& row);
void ReadDayLine(const std::string& line, DayRow& row);

// Reads the day lines 1..LastDay of a loaded month file into `rows` (row 1
// first) and returns that LastDay, held to the rows there are. Rows beyond
// it are left as they were.
int ReadDayLines(const IniFile& ini, std::span<DayRow, MaxMonthDays> rows);
// The same for the lines 1..`last` (within 0..31).
int ReadDayLines(const IniFile& ini, std::span<DayRow, MaxMonthDays> rows, int last);

// Where the file of a month lives (the user's folder applies).
using MonthPathFn = std::function<std::string(YearMonth)>;

// The date of day slot `slot` (1-based) of a month whose last row is `last`.
Date SlotDate(const MonthRecord& m, int slot, int simeDay);

// "YYYY/MM/DD", the date form of the ledger.
std::string LedgerDateText(const Date& d);

}  // namespace tkv
