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

constexpr const char* kCsvUsage =
    "usage: tokivane-cli csv month YEAR MONTH [--out FILE]\n"
    "  writes the accounting month as CSV (CP932, CR LF), recalculated and not saved;\n"
    "  FILE - writes to standard output; without --out the usual file name in the\n"
    "  current folder\n";
constexpr const char* kPrintUsage =
    "usage: tokivane-cli print month YEAR MONTH --lines | --pdf FILE\n"
    "  --lines     the lines of the month list, as built before fitting to the page\n"
    "  --pdf FILE  the month list as a PDF document\n";

bool wantsHelp(const std::vector<std::string>& args) {
    return std::find_if(args.begin(), args.end(), [](const std::string& a) {
               return a == "--help" || a == "-h";
           }) != args.end();
}

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
    if (wantsHelp(given)) {
        ctx.out << kCsvUsage;
        return ExitOk;
    }
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
    if (wantsHelp(args)) {
        ctx.out << kPrintUsage;
        return ExitOk;
    }
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

}  // namespace tkv::cli
