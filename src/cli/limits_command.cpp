#include <ostream>
#include <vector>

#include "cli/cli_app.h"
#include "cli/command_session.h"
#include "core/overtime_limits.h"
#include "session/saved_months.h"

namespace tkv::cli {

int LimitsCommand(Context& ctx, const std::vector<std::string>& args) {
    const YearMonth ym = ParseYearMonth(args, "limits");
    CommandSession session(ctx);
    if (!session.open())
        return ExitFile;
    std::vector<IoResult> unreadable;
    const MonthLoader load =
        SavedMonthLoader(session.paths(), session.settings(), session.holidays(), &unreadable);
    const DateTime now = ctx.clock->now();
    const OvertimeLimits limits =
        CheckOvertimeLimits(ym, load, session.settings(), {now.year, now.month, now.day});
    // A month that cannot be read is not a month without overtime: no figures then.
    if (!unreadable.empty()) {
        for (const IoResult& r : unreadable) session.report(r);
        return ExitFile;
    }
    for (const std::string& line : OvertimeLimitsLines(limits)) ctx.out << line << '\n';
    return ExitOk;
}

const CommandSpec LimitsSpec{
    "limits", &LimitsCommand,
    "YEAR MONTH\tthe accounting month against the overtime agreement (36協定)",
    "Prints NAME<TAB>value lines: the month's Jikangai (normal and late-night overtime on\n"
    "days that are not statutory holidays), KyujitsuRodo (work on statutory holidays) and\n"
    "their Total; YearFrom, the first month of the agreement year (KyoteiStartMonth), the\n"
    "year's running YearJikangai and MonthsOverLimit; Average2..Average6, the averages of\n"
    "Total over the 2..6 months ending in the month; HeadroomMonth, HeadroomYear,\n"
    "HeadroomSingleMonth and HeadroomAverage (the smallest of the five), negative once a\n"
    "limit is exceeded; Over60 and Premium60 (yen, with Premium60Rate); ForecastMonthEnd and\n"
    "ForecastCross (YYYY-MM-DD), the month's end at its pace so far and the day the monthly\n"
    "limit would be crossed, '-' for a month that does not hold today (--at sets today);\n"
    "MissingMonths, the months counted as zero for want of a file, or '-'. Times are\n"
    "hours:minutes. The figures are an estimate from the recorded times against the\n"
    "company's standard hours; the legal count (beyond 8 h a day, 40 h a week) can differ.\n"
    "Nothing is written; an unreadable month file is an error (exit 2).\n"
    "\n"
    "example:  tokivane-cli limits 2025 5\n"
    "example:  tokivane-cli --at \"2025-05-12 18:00\" limits 2025 5\n"};

}  // namespace tkv::cli
