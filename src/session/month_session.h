#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/io_result.h"
#include "core/calendar.h"
#include "core/day_span.h"
#include "core/month_file.h"
#include "core/month_record.h"
#include "core/recalculate.h"

namespace tkv {

class AnnualHolidayTable;
class Clock;
class Ledger;
struct Settings;

// Where one user's files live: the data folder itself for the main user,
// the user's subfolder of it otherwise.
struct UserPaths {
    std::string dataDir;
    std::string user;  // empty for the main user

    std::string folder() const;                 // where the files below live
    std::string monthFile(YearMonth ym) const;  // YYYYMM.dat
    std::string ledgerFile() const;             // Vacation.dat
    std::string holidayFile() const;            // Holiday.dat
};

// The accounting month that holds the clock's today.
YearMonth AccountingMonthNow(const Clock& clock, int simeDay);

// The month values beside the grid with the names their fields carry, in the
// order they are shown and printed.
struct SummaryField {
    std::string_view name;
    const std::string* text;
};
inline constexpr int SummaryFieldCount = 7;
std::array<SummaryField, SummaryFieldCount> SummaryFields(const SummaryTexts& texts);

// What a save did. A month that was refused or failed leaves the ledger
// alone; the month then stays marked unsaved. Days that both this program
// and another one changed stop the save before anything is written: each
// conflict is settled with resolve(), then the save is made again.
struct MonthSaveOutcome {
    // Nothing was done at all: a month that could not be read (`month` says
    // why), or the days of a span, which are never saved (`month` is a success).
    bool refused = false;
    IoResult month;   // writing YYYYMM.dat (or why it was refused)
    IoResult ledger;  // bringing Vacation.dat in step; success when untouched
    std::vector<DayConflict> conflicts;
    bool ok() const { return month.ok() && ledger.ok() && conflicts.empty(); }
};

// The displayed month of one user, as the desktop program and the command
// line both hold it: loading, recalculating, and saving it together with the
// paid-leave ledger. Settings and holidays belong to the caller and are read
// at each call. Errors come back as values; the caller shows them.
class MonthSession {
public:
    MonthSession(const Settings& settings, const AnnualHolidayTable& holidays, UserPaths paths);

    const UserPaths& paths() const { return m_paths; }
    // Another user's data: the next load reads from their folder.
    void setPaths(UserPaths paths) { m_paths = std::move(paths); }

    // Reads month `ym` from its file, or builds it from the calendar when
    // there is none (that is a success). A file that exists but cannot be
    // read gives an empty month that is read-only, and the error.
    IoResult load(YearMonth ym);
    // The month asked for by the last load, whatever came of it; none while
    // a span is shown.
    std::optional<YearMonth> loadedMonth() const { return m_loaded; }

    // What a reload found (see reload()).
    enum class Reload {
        Unchanged,   // the file holds what is shown: nothing was touched
        Reloaded,    // the month now holds the file as it is
        Unreadable,  // the file cannot be read now (or a span is shown): kept as shown
    };
    // Reads the loaded month's file again after another program changed it,
    // in place of what is held; the caller makes sure nothing unsaved is
    // lost. A file that cannot be read now leaves everything as it was.
    Reload reload();

    // Shows the days of a valid span in place of a month, gathered from
    // the month files that hold them, not yet recalculated. They belong to
    // up to three files, so nothing is saved while they are shown (the
    // ledger included); the next load ends the span. Gives the files that
    // exist but could not be read (their days show date and weekday only).
    std::vector<IoResult> showSpan(const DaySpan& span);
    std::optional<DaySpan> shownSpan() const { return m_span; }
    // Never replace a month file that could not be read: saving such a
    // month is refused until another load succeeds.
    bool readOnly() const { return m_readOnly; }
    // The last load found no usable LastDay and took the calendar's number
    // of days; the caller warns once.
    bool lastDayRepaired() const { return m_lastDayRepaired; }

    const MonthCalculation& recalculate();

    // Under the folder's lock: merges what the month file gained since the
    // load (see MergeMonthFile), recalculates and writes the month file,
    // then applies the leave days that changed since the load or the last
    // save to Vacation.dat. With conflicts nothing is written.
    MonthSaveOutcome save();
    // Keeps this program's row of a conflicting day, or the file's.
    void resolve(const DayConflict& conflict, bool keepMine);

    // Removes the file of month `ym`, so that its next load builds it afresh.
    IoResult removeMonthFile(YearMonth ym) const;

    // Vacation.dat of this user, read with the half-day values of the
    // settings (as every reader that shows or adds entries wants it).
    IoResult loadLedger(Ledger& ledger) const;

    MonthRecord& month() { return m_month; }
    const MonthRecord& month() const { return m_month; }
    const MonthCalculation& calculation() const { return m_calc; }

private:
    const Settings& m_settings;
    const AnnualHolidayTable& m_holidays;
    UserPaths m_paths;
    MonthRecord m_month;
    MonthCalculation m_calc;
    std::optional<YearMonth> m_loaded;
    std::optional<DaySpan> m_span;
    bool m_readOnly = false;
    bool m_lastDayRepaired = false;
};

}  // namespace tkv
