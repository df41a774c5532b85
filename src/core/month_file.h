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

// Recalculates, writes the month file and refreshes the snapshot. A failed
// write leaves the snapshot alone, so the month stays marked unsaved.
MonthSaveResult SaveMonth(MonthRecord& m, const std::string& path, const Settings& s);

// The stored line of one day and its reading back (exposed for tests and tools).
std::string DayLine(const DayRow& row);
void ReadDayLine(const std::string& line, DayRow& row);

// Reads the day lines 1..LastDay of a loaded month file into `rows` (row 1
// first) and returns that LastDay, held to the rows there are. Rows beyond
// it are left as they were.
int ReadDayLines(const IniFile& ini, std::span<DayRow, MaxMonthDays> rows);

// Where the file of a month lives (the user's folder applies).
using MonthPathFn = std::function<std::string(YearMonth)>;

// The date of day slot `slot` (1-based) of a month whose last row is `last`.
Date SlotDate(const MonthRecord& m, int slot, int simeDay);

// "YYYY/MM/DD", the date form of the ledger.
std::string LedgerDateText(const Date& d);

}  // namespace tkv
