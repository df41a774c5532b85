#include <cstddef>

#include <QApplication>

#include "base/text_util.h"
#include "core/calendar.h"
#include "mainwindow/app_context.h"
#include "mainwindow/grid/day_string_grid.h"
#include "mainwindow/grid/grid_services.h"
#include "mainwindow/jump.h"
#include "mainwindow/month_file_watch.h"
#include "mainwindow/save_conflicts.h"
#include "mainwindow/t_total.h"
#include "mainwindow/zangyo_main.h"
#include "platform/message_box.h"
#include "platform/text_convert.h"

namespace tkv {

using platform::ToQString;
using platform::ToUtf8;

int TZangyoMain::displayedYear() const {
    return StrToIntDef(ToUtf8(m_yearMemo->text()), 0);
}

int TZangyoMain::displayedMonth() const {
    return StrToIntDef(ToUtf8(m_monthMemo->text()), 0);
}

void TZangyoMain::showMonth(int year, int month, bool force) {
    if (!force && m_session.loadedMonth() == YearMonth{year, month})
        return;
    endSpanView();
    m_yearMemo->setText(QString::number(year));
    m_monthMemo->setText(QString::number(month));
    // From the files of the user open now (the users menu may have switched).
    m_session.setPaths(m_app.paths());
    const IoResult r = m_session.load({year, month});
    m_fileWatch->watch(ToQString(m_session.paths().monthFile({year, month})));
    m_grid->refresh();
    showSummary();
    if (!r.ok())
        reportFileError(r);
    else
        warnRepairedLastDay();
    RefreshLeaveIndicator();
}

void TZangyoMain::warnRepairedLastDay() {
    const std::optional<YearMonth> shown = m_session.loadedMonth();
    if (!shown || !m_session.lastDayRepaired())
        return;
    const std::string file = m_session.paths().monthFile(*shown);
    if (!m_lastDayWarned.insert(file).second)
        return;
    platform::ShowMessage(
        this, "ファイルエラー",
        "月のファイルの日数（LastDay）が壊れていたため、暦の日数で表示しました。\n" +
            ToQString(file),
        QMessageBox::Ok, QMessageBox::Warning);
}

void TZangyoMain::shownMonthFileChanged() {
    if (!m_session.loadedMonth())
        return;  // a span of days is shown; the month is loaded afresh when it ends
    // Never under a dialog: a save may be asking about conflicts, a menu
    // may be about to act on the current cell.
    if (QApplication::activeModalWidget() != nullptr ||
        QApplication::activePopupWidget() != nullptr) {
        m_fileWatch->retryLater();
        return;
    }
    m_grid->commitEditor();
    if (m_session.month().hasUnsavedChanges())
        return;  // merged with the file when saved
    if (m_session.reload() != MonthSession::Reload::Reloaded)
        return;
    m_grid->refresh();
    showSummary();
    afterMove();
    RefreshLeaveIndicator();
    warnRepairedLastDay();
}

bool TZangyoMain::saveShownMonth() {
    m_grid->commitEditor();
    const MonthSaveOutcome r = SaveMonthAsking(this, m_session);
    if (!r.refused) {
        m_grid->refresh();
        showSummary();
    }
    if (!r.month.ok()) {
        reportFileError(r.month);
        return false;
    }
    if (!r.conflicts.empty())
        return false;  // the file kept changing while asked; the month stays unsaved
    if (!r.ledger.ok())
        reportFileError(r.ledger);
    RefreshLeaveIndicator();
    return r.ledger.ok();
}

void TZangyoMain::recalculateShown(bool cursorMove) {
    m_grid->commitEditor();
    m_session.recalculate();
    m_grid->refresh();
    if (cursorMove) {
        const DayColumn column = ColumnAt(m_grid->currentColumn());
        if (column >= DayColumn::Arrival && column <= DayColumn::Working &&
            m_grid->currentDayRow() >= 1)
            m_grid->selectDay(m_grid->currentDayRow(), ColumnNumber(DayColumn::Memo));
    }
    showSummary();
}

bool TZangyoMain::ConfirmMonthSave() {
    TokuKaijoMenuItemClick();
    m_grid->commitEditor();
    if (!m_session.month().hasUnsavedChanges())
        return true;
    if (m_attendance != Attendance::Person)
        return saveShownMonth();
    if (m_app.settings.AutoSave && !modifiers().testFlag(Qt::ShiftModifier))
        return saveShownMonth();
    const auto answer = platform::ShowMessage(
        this, "保存確認", "ﾃﾞｰﾀが変更されています。保存しますか？",
        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Question);
    if (answer == QMessageBox::Yes)
        return saveShownMonth();
    if (answer == QMessageBox::No) {
        m_session.month().takeSnapshot();  // the edits are given up
        return true;
    }
    return false;
}

void TZangyoMain::afterMove() {
    // The pay window follows the displayed month.
    if (m_dialogs.total && m_dialogs.total->isVisible())
        recalculateShown(false);
}

void TZangyoMain::moveTo(YearMonth target) {
    showMonth(target.year, target.month, true);
    afterMove();
}

void TZangyoMain::PreButtonClick() {
    const bool wholeYear = modifiers().testFlag(Qt::ControlModifier);
    if (!ConfirmMonthSave())
        return;
    const YearMonth shown{displayedYear(), displayedMonth()};
    moveTo(wholeYear ? YearMonth{shown.year - 1, shown.month} : PreviousMonth(shown));
}

void TZangyoMain::NextButtonClick() {
    const bool wholeYear = modifiers().testFlag(Qt::ControlModifier);
    if (!ConfirmMonthSave())
        return;
    const YearMonth shown{displayedYear(), displayedMonth()};
    moveTo(wholeYear ? YearMonth{shown.year + 1, shown.month} : NextMonth(shown));
}

void TZangyoMain::TodayButtonClick() {
    const YearMonth current = AccountingMonthNow(*m_app.clock, m_app.settings.SimeDay);
    if (current.year == displayedYear() && current.month == displayedMonth())
        return;
    if (!ConfirmMonthSave())
        return;
    moveTo(current);
}

void TZangyoMain::JumpButtonClick() {
    if (m_dialogs.jump == nullptr)
        return;
    if (m_dialogs.jump->exec() != QDialog::Accepted)
        return;
    if (!ConfirmMonthSave())
        return;
    const JumpTarget t = m_dialogs.jump->clampedTarget();
    moveTo({t.year, t.month});
}

bool TZangyoMain::JumpToMonth(YearMonth ym) {
    if (!ConfirmMonthSave())
        return false;
    moveTo(ym);
    activateWindow();
    return true;
}

void TZangyoMain::SimeDayChanged() {
    const YearMonth current = AccountingMonthNow(*m_app.clock, m_app.settings.SimeDay);
    // The old file holds the old period's days; the month is built afresh.
    if (const IoResult r = m_session.removeMonthFile(current); !r.ok())
        reportFileError(r);
    showMonth(current.year, current.month, true);
}

void TZangyoMain::AutoTimeInput(AutoTimeWhich which, AutoTimeMode mode) {
    if (mode == AutoTimeMode::None)
        return;
    // With nobody to confirm, the time is written as in the fully automatic
    // mode; a leaving time that would need a question is left as it is.
    const bool nobody = m_attendance == Attendance::Nobody;
    if (nobody)
        mode = AutoTimeMode::Automatic;
    const AutoTimePlan plan = PlanAutoTimeInput(m_app.clock->now(), m_app.settings, which, mode);
    showMonth(plan.month.year, plan.month.month, true);
    afterMove();
    const AutoTimeOutcome out = ResolveAutoTimeInput(plan, m_session.month(), m_app.settings);
    std::string text = plan.timeText;
    if (out.action == AutoTimeAction::Ask) {
        if (m_services == nullptr || nobody)
            return;
        const auto confirmed = m_services->confirmTime(
            {which == AutoTimeWhich::Arrival ? 0 : 1, ToQString(plan.dialogDate),
             ToQString(plan.unroundedText), ToQString(plan.timeText)});
        if (!confirmed)
            return;
        text = ToUtf8(*confirmed);
    } else if (out.action != AutoTimeAction::Write) {
        return;
    }
    m_session.month().day(out.row).cells[static_cast<std::size_t>(out.column)] = text;
    m_grid->refresh();
    saveShownMonth();
}

}  // namespace tkv
