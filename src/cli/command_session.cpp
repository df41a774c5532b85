#include "cli/command_session.h"

#include <ostream>

#include "core/pay_window.h"

namespace tkv::cli {

CommandSession::CommandSession(Context& ctx)
    : m_ctx(ctx),
      m_store(*ctx.registry, ctx.dataDir, ctx.currentDir, ctx.user),
      m_session(m_settings, m_holidays, UserPaths{ctx.dataDir, ctx.user}) {}

bool CommandSession::report(const IoResult& r) const {
    if (r.ok())
        return true;
    m_ctx.err << "tokivane-cli: " << describe(r) << "\n";
    return false;
}

bool CommandSession::open() {
    const SettingsLoadResult loaded = m_store.LoadSettings(m_settings);
    if (!report(loaded.registry) || !report(loaded.setFile))
        return false;
    return report(ReadHolidayList(paths().holidayFile(), m_holidays).io);
}

bool CommandSession::loadMonth(YearMonth ym) {
    if (!m_lock) {
        m_lock.emplace(m_session.paths().monthFile(ym));
        if (!m_lock->held())
            return report(m_lock->result());
    }
    if (!report(m_session.load(ym)))
        return false;
    if (m_session.lastDayRepaired())
        m_ctx.err << "tokivane-cli: " << m_session.paths().monthFile(ym)
                  << ": LastDay is damaged; the month's days are read by the calendar\n";
    return true;
}

bool CommandSession::loadSpan(const DaySpan& span) {
    bool ok = true;
    for (const IoResult& r : m_session.showSpan(span)) ok = report(r) && ok;
    return ok;
}

bool CommandSession::loadLedger(Ledger& ledger) const {
    return report(m_session.loadLedger(ledger));
}

bool CommandSession::save() {
    const MonthSaveOutcome r = m_session.save();
    if (!r.conflicts.empty()) {
        // Cannot happen while the lock is held from the load; said plainly if it does.
        m_ctx.err << "tokivane-cli: the month file changed while this command ran; nothing saved\n";
        return false;
    }
    return report(r.month) && report(r.ledger);
}

void CommandSession::printRow(const DayRow& row) const {
    for (std::size_t c = 0; c < row.cells.size(); ++c) {
        if (c > 0)
            m_ctx.out << '\t';
        m_ctx.out << row.cells[c];
    }
    m_ctx.out << '\n';
}

void CommandSession::printMonth() const {
    const MonthRecord& m = m_session.month();
    for (int d = 1; d <= m.rowCount(); ++d) printRow(m.day(d));
    m_ctx.out << '\n';
    for (const SummaryField& f : SummaryFields(m.summary))
        m_ctx.out << f.name << '\t' << *f.text << '\n';
    for (const PayField& f : PayWindowFields(m_session.calculation(), m_settings))
        m_ctx.out << "TTotal." << f.name << '\t' << f.text << '\n';
}

}  // namespace tkv::cli
