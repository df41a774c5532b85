#pragma once

#include <optional>
#include <string>

#include "base/file_lock.h"
#include "cli/cli_app.h"
#include "leave/ledger.h"
#include "session/month_session.h"
#include "settings/holiday_list.h"
#include "settings/settings.h"
#include "settings/settings_store.h"

namespace tkv::cli {

// What the month commands share: the user's settings and holiday list, and
// the month session over them. File errors are reported on stderr here.
class CommandSession {
public:
    explicit CommandSession(Context& ctx);

    // Loads settings and the holiday list; false (after reporting) on a file error.
    bool open();
    bool loadMonth(YearMonth ym);
    // The days of a valid span in place of a month; false (after reporting)
    // when a month file that holds some of them cannot be read.
    bool loadSpan(const DaySpan& span);
    // The month and the ledger; false (after reporting) on a file error.
    bool save();
    const MonthCalculation& recalculate() { return m_session.recalculate(); }
    // The last recalculation (or the one of the last save).
    const MonthCalculation& calculation() const { return m_session.calculation(); }
    // Vacation.dat with the half-day values; false (after reporting) on a file error.
    bool loadLedger(Ledger& ledger) const;

    const UserPaths& paths() const { return m_session.paths(); }
    const Settings& settings() const { return m_settings; }
    const AnnualHolidayTable& holidays() const { return m_holidays; }
    MonthRecord& month() { return m_session.month(); }

    void printRow(const DayRow& row) const;
    void printMonth() const;
    bool report(const IoResult& r) const;

private:
    Context& m_ctx;
    // Held from the month's load to the end of the command, so that the
    // month saved is the month read.
    std::optional<FolderLock> m_lock;
    SettingsStore m_store;
    Settings m_settings;
    AnnualHolidayTable m_holidays;
    MonthSession m_session;
};

}  // namespace tkv::cli
