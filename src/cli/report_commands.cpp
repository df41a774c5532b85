#include <algorithm>
#include <ostream>
#include <sstream>

#include "base/text_util.h"
#include "cli/cli_app.h"
#include "cli/csv_output.h"
#include "cli/month_session.h"
#include "reports/month_csv.h"
#include "reports/month_list_lines.h"

namespace tkv::cli {
namespace {

YearMonth parseYearMonth(const std::string& year, const std::string& month) {
    const int y = StrToIntDef(year, 0);
    const int m = StrToIntDef(month, 0);
    if (y < 1 || y > 9999)
        throw UsageError{"not a year: " + year};
    if (m < 1 || m > 12)
        throw UsageError{"not a month: " + month};
    return {y, m};
}

// The month as the desktop program would show it after recalculation.
bool openMonth(MonthSession& session, YearMonth ym) {
    if (!session.open() || !session.loadMonth(ym))
        return false;
    session.recalculate();
    return true;
}

}  // namespace

int CsvCommand(Context& ctx, const std::vector<std::string>& given) {
    std::vector<std::string> args = given;
    const std::optional<std::string> out = TakeOutOption(args);
    if (args.size() != 3 || args[0] != "month")
        throw UsageError{std::string("csv wants month YEAR MONTH [--out FILE]")};
    const YearMonth ym = parseYearMonth(args[1], args[2]);

    MonthSession session(ctx);
    if (!openMonth(session, ym))
        return ExitFile;
    std::ostringstream csv;
    WriteMonthCsv(csv, session.month(), session.settings());
    return WriteCsvOutput(ctx, out, MonthCsvFileName(ym.year, ym.month, session.settings()),
                          csv.str());
}

int PrintCommand(Context& ctx, const std::vector<std::string>& args) {
    const bool lines = args.size() == 4 && args[3] == "--lines";
    const bool pdf = args.size() == 5 && args[3] == "--pdf" && !args[4].empty();
    if (args.empty() || args[0] != "month" || (!lines && !pdf))
        throw UsageError{"print wants month YEAR MONTH --lines | --pdf FILE"};
    const YearMonth ym = parseYearMonth(args[1], args[2]);
    if (pdf && !ctx.monthPdf) {
        ctx.err << "tokivane-cli: this build has no PDF output\n";
        return ExitFile;
    }

    MonthSession session(ctx);
    if (!openMonth(session, ym))
        return ExitFile;
    if (lines) {
        const MonthListLines built =
            BuildMonthListLines(session.month(), session.lastCalculation(), session.settings(), 0);
        for (const std::string& l : built.firstPage) ctx.out << l << '\n';
        ctx.out << built.header << '\n';
        for (const std::string& l : built.records) ctx.out << l << '\n';
        return ExitOk;
    }
    const IoResult r = ctx.monthPdf(session.month(), session.settings(), *ctx.clock, args[4]);
    if (!r.ok()) {
        ctx.err << "tokivane-cli: " << describe(r) << "\n";
        return ExitFile;
    }
    return ExitOk;
}

const CommandSpec CsvSpec{
    "csv", &CsvCommand,
    "month YEAR MONTH [--out FILE]\tthe month as CSV (CP932), recalculated, not saved",
    "Writes the accounting month as the desktop program's CSV export does (CP932, CR LF),\n"
    "after recalculation and without saving. --out - writes to standard output; without\n"
    "--out the proposed file name (\"2004年3月.csv\", with the personal file name in front\n"
    "when set) in the current folder. Prints the path it wrote; changes no setting. A file\n"
    "that cannot be written is left as it was (exit 2).\n"
    "\n"
    "example:  tokivane-cli csv month 2024 4 --out april.csv\n"};

const CommandSpec PrintSpec{
    "print", &PrintCommand,
    "month YEAR MONTH --lines\tthe lines of the printed month list (UTF-8)\n"
    "month YEAR MONTH --pdf FILE\tthe printed month list as a PDF",
    "--lines prints the first-page lines, the column header and one line per day, as\n"
    "built before fitting to the page (trailing blanks kept). --pdf writes the list with the\n"
    "settings' fonts, orientation and margins; it needs no display and no printer.\n"
    "\n"
    "example:  tokivane-cli print month 2024 4 --pdf april.pdf\n"};

}  // namespace tkv::cli
