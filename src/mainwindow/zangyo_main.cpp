#include "mainwindow/zangyo_main.h"

#include <QCloseEvent>
#include <QGuiApplication>

#include "base/paths.h"
#include "base/text_util.h"
#include "core/calendar.h"
#include "leave/ui/yuu_kyu.h"
#include "mainwindow/app_context.h"
#include "mainwindow/grid/day_string_grid.h"
#include "mainwindow/grid/grid_services.h"
#include "mainwindow/limits_view.h"
#include "mainwindow/month_file_watch.h"
#include "mainwindow/pending_features.h"
#include "mainwindow/span_mode.h"
#include "mainwindow/t_total.h"
#include "mainwindow/target_bar_panel.h"
#include "platform/help_topic.h"
#include "platform/message_box.h"
#include "platform/text_convert.h"

namespace tkv {

using platform::ToQString;

TZangyoMain::TZangyoMain(AppContext& app, QWidget* parent)
    : QMainWindow(parent),
      m_app(app),
      m_session(app.settings, app.holidays, app.paths()),
      m_spanMode(std::make_unique<SpanMode>(*this)) {
    setObjectName(kClassName);
    m_limits = new LimitsView(m_app, m_session, this);
    m_fileWatch = new MonthFileWatch(this);
    connect(m_fileWatch, &MonthFileWatch::changed, this, &TZangyoMain::shownMonthFileChanged);
    platform::SetHelpTopic(this, platform::HelpTopic::MainWindow);
    buildMenus();
    buildPanels();
    MarkPendingFeatures(*this);
    updateTitle();
    // Hints stay up long enough to read the longer ones.
    for (QWidget* w : findChildren<QWidget*>()) w->setToolTipDuration(10000);
    computeSizeLimits();
    m_bar->setVisible(m_barAction->isChecked());
    applySizeLimits();
    resize(m_minSize.width(), m_minSize.height() + barHeight());
    restorePlacement();
}

TZangyoMain::~TZangyoMain() = default;

QAction* TZangyoMain::action(const QString& objectName) const {
    return findChild<QAction*>(objectName);
}

void TZangyoMain::setDialogs(const MainWindowDialogs& dialogs) {
    m_dialogs = dialogs;
    m_limits->setWindows(dialogs.kyoteiCheck, dialogs.total);
}

void TZangyoMain::setGridServices(GridServices* services) {
    m_services = services;
    m_grid->setServices(services);
}

void TZangyoMain::updateTitle() {
    const Settings& s = m_app.settings;
    QString title = "Tokivane";
    if (s.PrivateNameDisp && !Trim(s.PrivateName).empty())
        title += " - " + ToQString(s.PrivateName);
    else if (!m_app.currentUser.empty())
        title += " - " + ToQString(m_app.currentUser);
    else if (m_app.multiUser)
        title += " - (ｶﾚﾝﾄ)";
    setWindowTitle(title);
}

void TZangyoMain::reportFileError(const IoResult& r) {
    const QString what = r.error == IoError::ReadFailed ? "ファイルを読み込めませんでした。"
                         : r.error == IoError::Locked
                             ? "ほかのプログラムが使用中のため、保存できませんでした。少し待ってか"
                               "ら保存してください。"
                             : "ファイルに書き込めませんでした。";
    platform::ShowMessage(this, "ファイルエラー", what + "\n" + ToQString(r.path), QMessageBox::Ok,
                          QMessageBox::Critical);
}

Qt::KeyboardModifiers TZangyoMain::modifiers() const {
    return m_services ? m_services->keyboardModifiers() : QGuiApplication::queryKeyboardModifiers();
}

void TZangyoMain::firstShow() {
    m_bar->setLeave(m_app.settings.YukyuMokuZanDisp, 0);
    const HolidayReadResult holidays = ReadHolidayList(m_app.paths().holidayFile(), m_app.holidays);
    if (!holidays.io.ok())
        reportFileError(holidays.io);
    AutoTimeInput(AutoTimeWhich::Arrival, KnownAutoTimeMode(m_app.settings.StartAutoIn));
    const YearMonth current = AccountingMonthNow(*m_app.clock, m_app.settings.SimeDay);
    showMonth(current.year, current.month, false);
    RefreshLeaveIndicator();
    m_grid->setFocus();
    selectToday();
}

void TZangyoMain::selectToday() {
    const DateTime now = m_app.clock->now();
    const std::string dateText = GridDateText(now.month, now.day);
    const MonthRecord& m = m_session.month();
    for (int d = 1; d <= m.rowCount(); ++d) {
        if (m.day(d).cell(DayColumn::Date) == dateText) {
            m_grid->selectDay(d, ColumnNumber(DayColumn::Arrival));
            m_grid->scrollToDay(d);
            return;
        }
    }
    if (m.rowCount() > 0)
        m_grid->selectDay(1, ColumnNumber(DayColumn::Arrival));
}

void TZangyoMain::closeEvent(QCloseEvent* event) {
    // An open leave window asks about its own edits first (a session end
    // closes this window while it is disabled).
    if (m_dialogs.yuuKyu && m_dialogs.yuuKyu->isVisible() && !m_dialogs.yuuKyu->close()) {
        event->ignore();
        return;
    }
    if (!ConfirmMonthSave()) {
        event->ignore();
        return;
    }
    // The target bar's state belongs to the start user.
    m_app.registry->writeValue(UserRegKey(m_app.startUser) + "\\System", "MokuhyoBasShow",
                               m_barAction->isChecked() ? "1" : "0");
    if (m_attendance != Attendance::HandOver)
        AutoTimeInput(AutoTimeWhich::Leaving, KnownAutoTimeMode(m_app.settings.EndAutoIn));
    savePlacement();
    if (m_dialogs.total)
        m_dialogs.total->hide();
    event->accept();
    emit closed();
}

}  // namespace tkv
