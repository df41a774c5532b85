#include "session/month_session.h"

#include <cerrno>
#include <cstdio>

#include "base/atomic_file.h"
#include "base/clock.h"
#include "base/file_lock.h"
#include "base/ini_file.h"
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
    // Under the folder's lock, which first finishes a save a crash cut short.
    const FolderLock lock(m_paths.monthFile(ym));
    const MonthLoadResult r = LoadMonth(m_month, ym, m_paths.monthFile(ym), m_settings, m_holidays);
    m_lastDayRepaired = r.lastDayRepaired;
    m_readOnly = !r.io.ok() && r.io.error != IoError::NotFound;
    return m_readOnly ? r.io : IoResult::success();
}

MonthSession::Reload MonthSession::reload() {
    if (!m_loaded || m_span)
        return Reload::Unreadable;
    const std::string path = m_paths.monthFile(*m_loaded);
    MonthRecord fresh;
    MonthLoadResult r;
    {
        const FolderLock lock(path);
        r = LoadMonth(fresh, *m_loaded, path, m_settings, m_holidays);
    }
    if (!r.io.ok() && r.io.error != IoError::NotFound)
        return Reload::Unreadable;
    m_lastDayRepaired = r.lastDayRepaired;
    m_readOnly = false;
    // The days are what was entered; the figures beside them follow from
    // them (and are written in another form than shown).
    if (fresh.LastDay == m_month.LastDay && fresh.days == m_month.days)
        return Reload::Unchanged;
    m_month = std::move(fresh);
    return Reload::Reloaded;
}

std::vector<IoResult> MonthSession::showSpan(const DaySpan& span) {
    // One person's month files share a folder, so its lock covers all of them.
    const FolderLock lock(m_paths.monthFile({span.start.year, span.start.month}));
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
    // The month file as it is now, read under the folder's lock: what another
    // program saved since our load is merged in, never written over.
    const FolderLock lock(path);
    if (!lock.held()) {
        outcome.month = lock.result();
        return outcome;
    }
    IniFile current;
    const IoResult read = current.load(path);
    if (!read.ok() && read.error != IoError::NotFound) {
        outcome.month = read;
        return outcome;
    }
    if (read.ok()) {
        outcome.conflicts = MergeMonthFile(m_month, current);
        if (!outcome.conflicts.empty())
            return outcome;  // nothing written until the person has chosen
    }
    // Both files are written and synced before either is renamed: a failure
    // while preparing leaves both as they were, and the intent record covers
    // the moment between the two renames.
    PreparedMonthFile month = PrepareMonthFile(m_month, path, m_settings);
    m_calc = month.calculation;
    outcome.month = month.io;
    if (!outcome.month.ok())
        return outcome;
    const PreparedLedgerFile ledger =
        PrepareLeaveChanges(month.leaveChanges, m_paths.ledgerFile(), HalfDayValuesOf(m_settings));
    if (!ledger.io.ok()) {
        outcome.ledger = ledger.io;
        return outcome;
    }
    PreparedFile monthFile, ledgerFile;
    outcome.month = monthFile.prepare(path, month.bytes);
    if (!outcome.month.ok())
        return outcome;
    if (ledger.needed) {
        outcome.ledger = ledgerFile.prepare(m_paths.ledgerFile(), ledger.bytes);
        if (!outcome.ledger.ok())
            return outcome;
    }
    const IoResult committed = CommitTogether({&monthFile, &ledgerFile}, FolderIntentFile(path));
    if (!committed.ok()) {
        (committed.path == m_paths.ledgerFile() ? outcome.ledger : outcome.month) = committed;
        return outcome;
    }
    m_month.takeSnapshot();
    return outcome;
}

void MonthSession::resolve(const DayConflict& conflict, bool keepMine) {
    ResolveDayConflict(m_month, conflict, keepMine);
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
