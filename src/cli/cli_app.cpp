#include "cli/cli_app.h"

#include <algorithm>
#include <iostream>
#include <string_view>

#include "base/paths.h"
#include "base/registry_store.h"
#include "base/text_util.h"
#include "base/version.h"
#include "os/environment.h"
#include "os/system_clock.h"
#include "session/startup.h"

namespace tkv::cli {
namespace {

constexpr const char* kProgram = "tokivane-cli";
constexpr const char* kSynopsis =
    "usage: tokivane-cli [--user NAME] [--at \"YYYY-MM-DD HH:MM\"] COMMAND ...\n"
    "       tokivane-cli --help | --version | COMMAND --help\n";
constexpr const char* kOptions =
    "options:\n"
    "  --user NAME      the data and settings of user NAME (a subfolder of the data folder)\n"
    "  --at \"YYYY-MM-DD HH:MM\"\n"
    "                   act as if it were that moment (for punch and for trying things out)\n"
    "  --help, -h       this text;  --version  the version\n";
constexpr const char* kExitStatus =
    "exit status: 0 success; 1 usage error or a value that cannot be stored (a control\n"
    "  character, a time that is no time or beyond 48:00); 2 a file could not be read or\n"
    "  written, is read-only, is damaged (registry.ini is never written over), or another\n"
    "  program kept it locked for 4 seconds\n";
constexpr std::size_t kFormColumn = 28;

// "  NAME ARGUMENTS    summary" for each form of a command.
std::string formLines(const CommandSpec& c) {
    std::string lines;
    std::string_view forms = c.forms;
    while (!forms.empty()) {
        const std::size_t end = std::min(forms.find('\n'), forms.size());
        const std::string_view form = forms.substr(0, end);
        forms.remove_prefix(std::min(end + 1, forms.size()));
        const std::size_t tab = std::min(form.find('\t'), form.size());
        std::string head = "  " + std::string(c.name);
        if (tab > 0)
            head += " " + std::string(form.substr(0, tab));
        const std::string_view summary = tab < form.size() ? form.substr(tab + 1) : "";
        if (head.size() + 1 > kFormColumn)
            head += "\n" + std::string(kFormColumn, ' ');
        else
            head.resize(kFormColumn, ' ');
        lines += head + std::string(summary) + "\n";
    }
    return lines;
}

const CommandSpec* findCommand(const std::string& name) {
    for (const CommandSpec* c : Commands())
        if (name == c->name)
            return c;
    return nullptr;
}

bool isHelp(const std::string& a) {
    return a == "--help" || a == "-h";
}

int usageError(std::ostream& err, const std::string& message, const CommandSpec* command) {
    err << kProgram << ": " << message << "\n";
    if (command)
        err << "usage: tokivane-cli [--user NAME] [--at TIME] " << command->name << " ...\n"
            << formLines(*command) << "(tokivane-cli " << command->name << " --help tells more)\n";
    else
        err << UsageText();
    return ExitUsage;
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

const std::vector<const CommandSpec*>& Commands() {
    static const std::vector<const CommandSpec*> all{
        &SettingsSpec, &MonthSpec,  &RecalcSpec, &DaySpec, &PunchSpec, &HolidaysSpec,
        &LedgerSpec,   &PeriodSpec, &SpanSpec,   &CsvSpec, &PrintSpec, &LimitsSpec,
    };
    return all;
}

std::string UsageText() {
    std::string text = std::string(kSynopsis) + kOptions + "commands:\n";
    for (const CommandSpec* c : Commands()) text += formLines(*c);
    return text + kExitStatus;
}

std::string CommandHelp(const CommandSpec& command) {
    return "usage: tokivane-cli [--user NAME] [--at TIME] " + std::string(command.name) + " ...\n" +
           formLines(command) + "\n" + command.details;
}

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

Date ParseDate(const std::string& text) {
    if (text.size() != 10 || text[4] != '-' || text[7] != '-')
        throw UsageError{"not a date: " + text};
    const Date d{StrToIntDef(text.substr(0, 4), 0), StrToIntDef(text.substr(5, 2), 0),
                 StrToIntDef(text.substr(8, 2), 0)};
    if (d.year < 1 || !IsRealDate(d))
        throw UsageError{"not a date: " + text};
    return d;
}

int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
        PdfWriters pdf) {
    std::string user;
    std::optional<DateTime> at;
    std::size_t i = 0;
    for (; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--user" || a == "--at") {
            if (i + 1 >= args.size())
                return usageError(err, a + " needs a value", nullptr);
            const std::string& v = args[++i];
            if (a == "--user") {
                if (!IsValidUserName(v))
                    return usageError(err, "not a usable user name: " + v, nullptr);
                user = v;
            } else {
                at = ParseAt(v);
                if (!at)
                    return usageError(err, "--at wants \"YYYY-MM-DD HH:MM\", got: " + v, nullptr);
            }
        } else if (isHelp(a)) {
            out << UsageText();
            return ExitOk;
        } else if (a == "--version") {
            out << kProgram << ' ' << ProgramVersion << '\n';
            return ExitOk;
        } else if (!a.empty() && a[0] == '-') {
            return usageError(err, "unknown option: " + a, nullptr);
        } else {
            break;
        }
    }
    if (i >= args.size()) {
        err << UsageText();
        return ExitUsage;
    }
    const CommandSpec* const command = findCommand(args[i]);
    if (command == nullptr)
        return usageError(err, "unknown command: " + args[i], nullptr);
    const std::vector<std::string> rest(args.begin() + static_cast<long>(i) + 1, args.end());
    // --help anywhere after the command asks for its help, before anything is touched.
    if (std::any_of(rest.begin(), rest.end(), isHelp)) {
        out << CommandHelp(*command);
        return ExitOk;
    }

    RunFolders folders = PrepareFolders(os::ReadFolderInputs(), user);
    if (!folders.io.ok()) {
        err << "tokivane-cli: " << describe(folders.io) << "\n";
        return ExitFile;
    }
    Context ctx{std::move(folders.dataDir),
                std::move(folders.configDir),
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
    // Read once here; the settings loads of the command find it unchanged.
    auto registry = OpenRegistry(ctx.configDir);
    if (const IoResult r = registry->loadResult(); !r.ok()) {
        err << "tokivane-cli: " << describe(r) << "\n";
        return ExitFile;
    }
    ctx.registry = std::move(registry);

    try {
        return command->run(ctx, rest);
    } catch (const UsageError& e) {
        return usageError(err, e.message, command);
    }
}

}  // namespace tkv::cli
