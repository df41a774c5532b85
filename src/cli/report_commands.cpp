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
    "       tokivane-cli csv period SY SM [EY EM] [--out FILE]\n"
    "       tokivane-cli csv period --all [--out FILE]\n"
    "  writes the accounting month (recalculated, not saved) or the period totals as\n"
    "  CSV (CP932, CR LF); FILE - writes to standard output; without --out the usual\n"
    "  file name in the current folder\n";
constexpr const char* kPrintUsage =
    "usage: tokivane-cli print month YEAR MONTH --lines | --pdf FILE\n"
    "       tokivane-cli print period SY SM [EY EM] --lines | --pdf FILE\n"
    "       tokivane-cli print period --all --lines | --pdf FILE\n"
    "       tokivane-cli print leave --lines | --pdf FILE\n"
    "  --lines     the lines of the list, as built before fitting to the page\n"
    "  --pdf FILE  the list as a PDF document\n";

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

// Removes "--lines" or "--pdf FILE" from `args`: exactly one of them.
struct PrintTarget {
    bool lines = false;
    std::string pdf;
};
PrintTarget takePrintTarget(std::vector<std::string>& args) {
    PrintTarget t;
    int given = 0;
    for (std::size_t i = 0; i < args.size();) {
        if (args[i] == "--lines") {
            t.lines = true;
            ++given;
            args.erase(args.begin() + static_cast<long>(i));
        } else if (args[i] == "--pdf") {
            if (i + 1 >= args.size() || args[i + 1].empty())
                throw UsageError{"--pdf needs a file name"};
            t.pdf = args[i + 1];
            ++given;
            args.erase(args.begin() + static_cast<long>(i),
                       args.begin() + static_cast<long>(i) + 2);
        } else {
            ++i;
        }
    }
    if (given != 1)
        throw UsageError{"print wants one of --lines and --pdf FILE"};
    return t;
}

int csvMonth(Context& ctx, const std::vector<std::string>& args,
             const std::optional<std::string>& out) {
    if (args.size() != 2)
        throw UsageError{std::string("csv wants month YEAR MONTH [--out FILE]")};
    const YearMonth ym = parseYearMonth(args[0], args[1]);
    MonthSession session(ctx);
    if (!openMonth(session, ym))
        return ExitFile;
    std::ostringstream csv;
    WriteMonthCsv(csv, session.month(), session.settings());
    return WriteCsvOutput(ctx, out, MonthCsvFileName(ym.year, ym.month, session.settings()),
                          csv.str());
}

int printMonth(Context& ctx, const std::vector<std::string>& args, bool lines,
               const std::string& pdfPath) {
    if (args.size() != 2)
        throw UsageError{"print wants month YEAR MONTH --lines | --pdf FILE"};
    const YearMonth ym = parseYearMonth(args[0], args[1]);
    if (!lines && !ctx.pdf.month) {
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
    const IoResult r = ctx.pdf.month(session.month(), session.settings(), *ctx.clock, pdfPath);
    if (!r.ok()) {
        ctx.err << "tokivane-cli: " << describe(r) << "\n";
        return ExitFile;
    }
    return ExitOk;
}

}  // namespace

int CsvCommand(Context& ctx, const std::vector<std::string>& given) {
    if (wantsHelp(given)) {
        ctx.out << kCsvUsage;
        return ExitOk;
    }
    std::vector<std::string> args = given;
    const std::optional<std::string> out = TakeOutOption(args);
    const std::string what = args.empty() ? std::string() : args[0];
    const std::vector<std::string> rest(args.begin() + (args.empty() ? 0 : 1), args.end());
    if (what == "month")
        return csvMonth(ctx, rest, out);
    if (what == "period")
        return CsvPeriodCommand(ctx, rest, out);
    throw UsageError{"csv wants month YEAR MONTH or period SY SM [EY EM] | --all"};
}

int PrintCommand(Context& ctx, const std::vector<std::string>& given) {
    if (wantsHelp(given)) {
        ctx.out << kPrintUsage;
        return ExitOk;
    }
    std::vector<std::string> args = given;
    const std::string what = args.empty() ? std::string() : args[0];
    if (what != "month" && what != "period" && what != "leave")
        throw UsageError{"print wants month, period or leave"};
    args.erase(args.begin());
    const PrintTarget target = takePrintTarget(args);
    if (what == "month")
        return printMonth(ctx, args, target.lines, target.pdf);
    if (what == "period")
        return PrintPeriodCommand(ctx, args, target.lines, target.pdf);
    return PrintLeaveCommand(ctx, args, target.lines, target.pdf);
}

}  // namespace tkv::cli
