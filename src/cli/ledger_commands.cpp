#include <ostream>

#include "cli/cli_app.h"
#include "cli/command_session.h"
#include "leave/ledger.h"

namespace tkv::cli {

int LedgerCommand(Context& ctx, const std::vector<std::string>& args) {
    if (!args.empty())
        throw UsageError{"ledger takes no arguments"};
    CommandSession session(ctx);
    if (!session.open())
        return ExitFile;
    Ledger ledger;
    if (!session.loadLedger(ledger))
        return ExitFile;
    ctx.out << "KuriZan\t" << ledger.KuriZan() << '\n' << "NowZan\t" << ledger.NowZan() << '\n';
    for (int slot = 1; slot <= LedgerSlotCount; ++slot) {
        const LeaveEntry& e = ledger.entry(slot);
        if (!e.used())
            continue;
        ctx.out << slot << '\t' << e.date << '\t' << e.weekday << '\t' << e.kind << '\t' << e.days
                << '\t' << e.remaining << '\t' << e.memo << '\n';
    }
    return ExitOk;
}

const CommandSpec LedgerSpec{
    "ledger", &LedgerCommand, "\tthe paid-leave ledger",
    "Prints the carry-over (KuriZan) and the current balance (NowZan), then one line per\n"
    "entry: slot, date, weekday, kind, days, remaining, memo (TAB between).\n"
    "\n"
    "example:  tokivane-cli ledger\n"};

}  // namespace tkv::cli
