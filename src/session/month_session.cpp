#include "session/month_session.h"

#include <cerrno>
#include <cstdio>

#include "base/atomic_file.h"
#include "base/clock.h"
#include "base/paths.h"
#include "core/month_file.h"
#include "leave/leave_sync.h"
#include "leave/ledger_file.h"
#include "settings/holiday_list.h"
#include "settings/settings.h"

namespace tkv {

std::string UserPaths::folder() const {
    return user.empty() ? dataDir : JoinPath(dataDir, user);
}

std::string UserPaths::monthFile(YearMonth ym) const {
    return MonthFileName(dataDir, ym.year, ym.month, user);
}

std::string UserPaths::ledgerFile() const {
    return UserFilePath(user, JoinPath(dataDir, "Vacation.dat"));
}

std::string UserPaths::holidayFile() const {
    return UserFilePath(user, JoinPath(dataDir, "Holiday.dat"));
}

YearMonth AccountingMonthNow(const Clock& clock, int simeDay) {
    const DateTime now = clock.now();
    return AccountingMonthOf({now.year, now.month, now.day}, simeDay);
}

std::array<SummaryField, SummaryFieldCount> SummaryFields(const SummaryTexts& t) {
    return {{{"SyukinMemo", &t.SyukinMemo},
             {"KyujituMemo", &t.KyujituMemo},
             {"ZanTMemo", &t.ZanTMemo},
             {"SZanTMemo", &t.SZanTMemo},
             {"KeiTMemo", &t.KeiTMemo},
             {"MokuTMemo", &t.MokuTMemo},
             {"KinmuTMemo", &t.KinmuTMemo}}};
}

MonthSession::MonthSession(const Settings& settings, const AnnualHolidayTable& holidays,
                           UserPaths paths)
    : m_settings(settings), m_holidays(holidays), m_paths(std::move(paths)) {}

IoResult MonthSession::load(YearMonth ym) {
    m_loaded = ym;
    m_span.reset();
    const MonthLoadResult r = LoadMonth(m_month, ym, m_paths.monthFile(ym), m_settings, m_holidays);
    m_readOnly = !r.io.ok() && r.io.error != IoError::NotFound;
    return m_readOnly ? r.io : IoResult::success();
}

std::vector<IoResult> MonthSession::showSpan(const DaySpan& span) {
    SpanRows rows = GatherSpan(span, [this](YearMonth ym) { return m_paths.monthFile(ym); });
    m_month = std::move(rows.month);
    m_calc = {};
    m_loaded.reset();
    m_span = span;
    std::vector<IoResult> unreadable;
    for (const SpanSource& source : rows.sources)
        if (!source.io.ok() && source.io.error != IoError::NotFound)
            unreadable.push_back(source.io);
    return unreadable;
}

const MonthCalculation& MonthSession::recalculate() {
    m_calc = Recalculate(m_month, m_settings);
    return m_calc;
}

MonthSaveOutcome MonthSession::save() {
    MonthSaveOutcome outcome;
    if (m_span) {
        outcome.refused = true;
        return outcome;
    }
    const std::string path = m_paths.monthFile({m_month.year, m_month.month});
    if (m_readOnly) {
        outcome.refused = true;
        outcome.month = IoResult::failure(IoError::ReadFailed, 0, path);
        return outcome;
    }
    MonthSaveResult r = SaveMonth(m_month, path, m_settings);
    m_calc = r.calculation;
    outcome.month = r.io;
    if (outcome.month.ok())
        outcome.ledger =
            ApplyLeaveChanges(r.leaveChanges, m_paths.ledgerFile(), HalfDayValuesOf(m_settings));
    return outcome;
}

IoResult MonthSession::removeMonthFile(YearMonth ym) const {
    const std::string path = m_paths.monthFile(ym);
    if (FileExists(path) && std::remove(path.c_str()) != 0)
        return IoResult::failure(IoError::WriteFailed, errno, path);
    return IoResult::success();
}

IoResult MonthSession::loadLedger(Ledger& ledger) const {
    return LoadLedger(ledger, m_paths.ledgerFile(), HalfDayValuesOf(m_settings));
}

}  // namespace tkv
