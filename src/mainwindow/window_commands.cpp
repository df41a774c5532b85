#include "core/calendar.h"
#include "leave/ui/yuu_kyu.h"
#include "mainwindow/app_context.h"
#include "mainwindow/grid/day_string_grid.h"
#include "mainwindow/month_output.h"
#include "mainwindow/t_total.h"
#include "mainwindow/target_bar_panel.h"
#include "mainwindow/zangyo_main.h"
#include "platform/text_convert.h"
#include "reports/ui/year_total.h"
#include "settings/ui/password_prompt.h"
#include "settings/ui/setting_dialog.h"

namespace tkv {

using platform::ToQString;

void TZangyoMain::KingakuButtonClick() {
    if (m_dialogs.total == nullptr)
        return;
    if (m_dialogs.pass && !AskPassword(this, *m_dialogs.pass, ToQString(m_app.settings.KinPass)))
        return;
    m_dialogs.total->show();
    recalculateShown(false);
    m_dialogs.total->raise();
    m_dialogs.total->activateWindow();
}

void TZangyoMain::SettingMenuItemClick() {
    if (m_dialogs.setting == nullptr)
        return;
    if (m_dialogs.pass && !AskPassword(this, *m_dialogs.pass, ToQString(m_app.settings.KinPass)))
        return;
    const SettingOutcome outcome = m_dialogs.setting->run();
    if (!outcome.saved)
        return;
    if (outcome.simeDayChanged) {
        SimeDayChanged();
    } else if (outcome.holidaysChanged) {
        MarkCalendar(m_session.month(), false, m_app.settings, m_app.holidays);
    }
    updateTitle();
    m_bar->setLeave(m_app.settings.YukyuMokuZanDisp, 0);
    RefreshLeaveIndicator();
    // Amounts, targets and colours: the pay window and the bar follow.
    if (m_dialogs.total && m_dialogs.total->isVisible())
        recalculateShown(false);
    else
        showSummary();
    m_grid->refresh();
}

void TZangyoMain::SyukeiButtonClick() {
    if (m_dialogs.yearTotal)
        m_dialogs.yearTotal->open();
}

void TZangyoMain::YuukyuButtonClick() {
    if (m_dialogs.yuuKyu == nullptr)
        return;
    m_grid->commitEditor();
    if (m_app.settings.AutoSave && !modifiers().testFlag(Qt::ShiftModifier) &&
        m_session.month().hasUnsavedChanges())
        saveShownMonth();
    m_dialogs.yuuKyu->open();
}

void TZangyoMain::ShowLedgerDay(YearMonth ym, int row) {
    moveTo(ym);
    setEnabled(true);
    activateWindow();
    m_grid->setFocus();
    m_grid->selectDay(row, ColumnNumber(DayColumn::Memo));
    m_grid->scrollToDay(row);
}

void TZangyoMain::PrintMenuItemClick() {
    if (m_dialogs.preview == nullptr)
        return;
    recalculateShown(false);
    PrintMonthList(m_session.month(), m_app, *m_dialogs.preview, this);
}

void TZangyoMain::CsvMenuItemClick() {
    recalculateShown(false);
    ExportMonthCsv(m_session.month(), m_app, this);
}

}  // namespace tkv
