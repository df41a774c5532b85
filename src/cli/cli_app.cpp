#include "cli/cli_app.h"

#include <iostream>
#include <map>

#include "base/atomic_file.h"
#include "base/paths.h"
#include "base/text_util.h"
#include "os/environment.h"
#include "os/system_clock.h"

namespace tkv::cli {
namespace {

constexpr const char* kUsage =
    "usage: tokivane-cli [--user NAME] [--at \"YYYY-MM-DD HH:MM\"] COMMAND ...\n"
    "commands:\n"
    "  settings list | get NAME | set NAME VALUE\n"
    "  month YEAR MONTH            print the accounting month, recalculated (not saved)\n"
    "  recalc YEAR MONTH           recalculate and save the month\n"
    "  day YYYY-MM-DD [--kind K] [--in TIME] [--out TIME] [--memo TEXT]\n"
    "  punch in|out [--force]      record the arrival or leaving time now\n"
    "  holidays YEAR               the holidays of a calendar year\n"
    "  ledger                      the paid-leave ledger\n"
    "  period SY SM [EY EM] | --all   the period totals (twelve months from SY/SM)\n"
    "  csv month YEAR MONTH [--out FILE]\n"
    "  csv period SY SM [EY EM] | --all [--out FILE]\n"
    "                              as CSV (CP932); FILE - for standard output\n"
    "  print month YEAR MONTH | period SY SM [EY EM] | period --all | leave\n"
    "        --lines | --pdf FILE  a printed list as text lines or as a PDF\n";

using Command = int (*)(Context&, const std::vector<std::string>&);

const std::map<std::string, Command>& commands() {
    static const std::map<std::string, Command> table{
        {"settings", &SettingsCommand}, {"month", &MonthCommand}, {"recalc", &RecalcCommand},
        {"day", &DayCommand},           {"punch", &PunchCommand}, {"holidays", &HolidaysCommand},
        {"ledger", &LedgerCommand},     {"csv", &CsvCommand},     {"print", &PrintCommand},
        {"period", &PeriodCommand},
    };
    return table;
}

bool allDigits(const std::string& s) {
    if (s.empty())
        return false;
    for (char ch : s)
        if (ch < '0' || ch > '9')
            return false;
    return true;
}

}  // namespace

std::optional<DateTime> ParseAt(const std::string& text) {
    // YYYY-MM-DD HH:MM, hours may be one digit.
    const std::string t = Trim(text);
    if (t.size() < 15 || t[4] != '-' || t[7] != '-' || t[10] != ' ')
        return std::nullopt;
    const std::string y = t.substr(0, 4), mo = t.substr(5, 2), d = t.substr(8, 2);
    const std::string time = t.substr(11);
    const std::size_t colon = time.find(':');
    if (colon == std::string::npos)
        return std::nullopt;
    const std::string h = time.substr(0, colon), mi = time.substr(colon + 1);
    if (!allDigits(y) || !allDigits(mo) || !allDigits(d) || !allDigits(h) || h.size() > 2 ||
        !allDigits(mi) || mi.size() != 2)
        return std::nullopt;
    DateTime dt{std::stoi(y), std::stoi(mo), std::stoi(d), std::stoi(h), std::stoi(mi), 0};
    if (dt.month < 1 || dt.month > 12 || dt.day < 1 || dt.day > DaysInMonth(dt.year, dt.month) ||
        dt.hour > 23 || dt.minute > 59)
        return std::nullopt;
    return dt;
}

int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
        PdfWriters pdf) {
    std::string user;
    std::optional<DateTime> at;
    std::size_t i = 0;
    for (; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--user" || a == "--at") {
            if (i + 1 >= args.size()) {
                err << "tokivane-cli: " << a << " needs a value\n" << kUsage;
                return ExitUsage;
            }
            const std::string& v = args[++i];
            if (a == "--user") {
                if (!IsValidUserName(v)) {
                    err << "tokivane-cli: not a usable user name: " << v << "\n";
                    return ExitUsage;
                }
                user = v;
            } else {
                at = ParseAt(v);
                if (!at) {
                    err << "tokivane-cli: --at wants \"YYYY-MM-DD HH:MM\", got: " << v << "\n";
                    return ExitUsage;
                }
            }
        } else if (a == "--help" || a == "-h") {
            out << kUsage;
            return ExitOk;
        } else {
            break;
        }
    }
    if (i >= args.size()) {
        err << kUsage;
        return ExitUsage;
    }
    const auto cmd = commands().find(args[i]);
    if (cmd == commands().end()) {
        err << "tokivane-cli: unknown command: " << args[i] << "\n" << kUsage;
        return ExitUsage;
    }

    const FolderInputs inputs = os::ReadFolderInputs();
    Context ctx{DataFolder(inputs),
                ConfigFolder(inputs),
                user,
                os::CurrentDir(),
                nullptr,
                nullptr,
                out,
                err,
                std::move(pdf)};
    if (at)
        ctx.clock = std::make_unique<FixedClock>(*at);
    else
        ctx.clock = std::make_unique<os::SystemClock>();

    for (const std::string& dir :
         {ctx.dataDir, ctx.configDir, user.empty() ? std::string() : JoinPath(ctx.dataDir, user)}) {
        if (dir.empty())
            continue;
        const IoResult r = MakeDirectories(dir, 0700);
        if (!r.ok()) {
            err << "tokivane-cli: " << describe(r) << "\n";
            return ExitFile;
        }
    }
    auto registry = std::make_unique<IniRegistryStore>(JoinPath(ctx.configDir, "registry.ini"));
    if (const IoResult r = registry->reload(); !r.ok()) {
        err << "tokivane-cli: " << describe(r) << "\n";
        return ExitFile;
    }
    ctx.registry = std::move(registry);

    try {
        return cmd->second(
            ctx, std::vector<std::string>(args.begin() + static_cast<long>(i) + 1, args.end()));
    } catch (const UsageError& e) {
        err << "tokivane-cli: " << e.message << "\n";
        return ExitUsage;
    }
}

}  // namespace tkv::cli
