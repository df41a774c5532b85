#include <ostream>

#include "cli/cli_app.h"
#include "cli/command_session.h"
#include "leave/ledger.h"
#include "leave/ledger_file.h"

namespace tkv::cli {

int LedgerCommand(Context& ctx, const std::vector<std::string>& args) {
    if (!args.empty())
        throw UsageError{"ledger takes no arguments"};
    CommandSession session(ctx);
    if (!session.open())
        return ExitFile;
    Ledger ledger;
    const HalfDayValues half = HalfDayValuesOf(session.settings());
    ledger.SetHalfDayValues(half.morning, half.afternoon);
    if (!session.report(LoadLedger(ledger, session.paths().ledgerFile())))
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

}  // namespace tkv::cli
