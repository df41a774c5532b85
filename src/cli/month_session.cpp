#include "cli/month_session.h"

#include <ostream>

#include "base/paths.h"
#include "core/pay_window.h"
#include "leave/leave_sync.h"

namespace tkv::cli {

MonthSession::MonthSession(Context& ctx)
    : m_ctx(ctx), m_store(*ctx.registry, ctx.dataDir, ctx.currentDir, ctx.user) {}

bool MonthSession::report(const IoResult& r) const {
    if (r.ok())
        return true;
    m_ctx.err << "tokivane-cli: " << describe(r) << "\n";
    return false;
}

bool MonthSession::open() {
    const SettingsLoadResult loaded = m_store.LoadSettings(m_settings);
    if (!report(loaded.registry) || !report(loaded.setFile))
        return false;
    return report(ReadHolidayList(HolidayFilePath(m_ctx.dataDir, m_ctx.user), m_holidays).io);
}

std::string MonthSession::monthPath(YearMonth ym) const {
    return MonthFileName(m_ctx.dataDir, ym.year, ym.month, m_ctx.user);
}

std::string MonthSession::ledgerPath() const {
    return UserFilePath(m_ctx.user, JoinPath(m_ctx.dataDir, "Vacation.dat"));
}

bool MonthSession::loadMonth(YearMonth ym) {
    const MonthLoadResult r = LoadMonth(m_month, ym, monthPath(ym), m_settings, m_holidays);
    return r.io.error == IoError::NotFound || report(r.io);
}

MonthCalculation MonthSession::recalculate() {
    m_calc = Recalculate(m_month, m_settings);
    return m_calc;
}

bool MonthSession::save() {
    const MonthSaveResult r =
        SaveMonth(m_month, monthPath({m_month.year, m_month.month}), m_settings);
    m_calc = r.calculation;
    if (!report(r.io))
        return false;
    return report(ApplyLeaveChanges(r.leaveChanges, ledgerPath(), HalfDayValuesOf(m_settings)));
}

void MonthSession::printRow(const DayRow& row) const {
    for (std::size_t c = 0; c < row.cells.size(); ++c) {
        if (c > 0)
            m_ctx.out << '\t';
        m_ctx.out << row.cells[c];
    }
    m_ctx.out << '\n';
}

void MonthSession::printMonth() const {
    for (int d = 1; d <= m_month.rowCount(); ++d) printRow(m_month.day(d));
    m_ctx.out << '\n';
    const SummaryTexts& t = m_month.summary;
    const std::pair<const char*, const std::string*> lines[] = {
        {"SyukinMemo", &t.SyukinMemo}, {"KyujituMemo", &t.KyujituMemo}, {"ZanTMemo", &t.ZanTMemo},
        {"SZanTMemo", &t.SZanTMemo},   {"KeiTMemo", &t.KeiTMemo},       {"MokuTMemo", &t.MokuTMemo},
        {"KinmuTMemo", &t.KinmuTMemo}};
    for (const auto& [name, value] : lines) m_ctx.out << name << '\t' << *value << '\n';
    for (const PayField& f : PayWindowFields(m_calc, m_settings))
        m_ctx.out << "TTotal." << f.name << '\t' << f.text << '\n';
}

}  // namespace tkv::cli
