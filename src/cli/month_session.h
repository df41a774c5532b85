#pragma once

#include <string>
#include <vector>

#include "cli/cli_app.h"
#include "core/month_file.h"
#include "settings/holiday_list.h"
#include "settings/settings.h"
#include "settings/settings_store.h"

namespace tkv::cli {

// What the month commands share: the user's settings and holiday list, the
// displayed month, and the save that keeps the paid-leave ledger in step.
class MonthSession {
public:
    explicit MonthSession(Context& ctx);

    // Loads settings and the holiday list; false (after reporting) on a file error.
    bool open();
    bool loadMonth(YearMonth ym);
    // SaveMonth plus the ledger; false (after reporting) on a file error.
    bool save();
    MonthCalculation recalculate();

    std::string monthPath(YearMonth ym) const;
    std::string ledgerPath() const;

    const Settings& settings() const { return m_settings; }
    const AnnualHolidayTable& holidays() const { return m_holidays; }
    MonthRecord& month() { return m_month; }
    const MonthCalculation& lastCalculation() const { return m_calc; }

    void printRow(const DayRow& row) const;
    void printMonth() const;
    bool report(const IoResult& r) const;

private:
    Context& m_ctx;
    SettingsStore m_store;
    Settings m_settings;
    AnnualHolidayTable m_holidays;
    MonthRecord m_month;
    MonthCalculation m_calc;
};

}  // namespace tkv::cli
