#include "mainwindow/limits_view.h"

#include <QAction>
#include <QFrame>
#include <QHBoxLayout>
#include <QMenu>

#include "mainwindow/app_context.h"
#include "mainwindow/t_total.h"
#include "platform/window_fit.h"
#include "reports/ui/overtime_limits_meter.h"
#include "reports/ui/overtime_limits_window.h"
#include "session/saved_months.h"

namespace tkv {

LimitsView::LimitsView(const AppContext& app, const MonthSession& session, QObject* parent)
    : QObject(parent), m_app(app), m_session(session) {}

QWidget* LimitsView::statusLine(QWidget* parent) {
    auto* line = new QFrame(parent);
    line->setObjectName("KyoteiStatusPanel");
    auto* row = new QHBoxLayout(line);
    row->setContentsMargins(1, 1, 1, 1);
    m_meter = new OvertimeLimitsMeter(line);
    row->addWidget(m_meter);
    row->addStretch(1);
    return line;
}

QAction* LimitsView::addMenuItem(QMenu* menu) {
    QAction* item = menu->addAction(QString::fromUtf8("36協定チェック(&L)..."));
    item->setObjectName("KyoteiMenuItem");
    connect(item, &QAction::triggered, this, &LimitsView::openCheck);
    return item;
}

void LimitsView::setWindows(TKyoteiCheck* check, TTotal* pay) {
    m_check = check;
    m_pay = pay;
}

MonthLoader LimitsView::loader() const {
    // Made at each refresh: the users menu may have switched the folder. A
    // month file that cannot be read is named with the months without a
    // file rather than read as a month without overtime; showing that month
    // reports the error.
    return WithShownMonth(m_session,
                          SavedMonthLoader(m_app.paths(), m_app.settings, m_app.holidays));
}

Date LimitsView::today() const {
    const DateTime now = m_app.clock->now();
    return {now.year, now.month, now.day};
}

void LimitsView::refresh(YearMonth shown) {
    m_shown.reset();
    m_limits.reset();
    if (shown.month >= 1 && shown.month <= 12)
        m_shown = shown;
    if (m_shown)
        m_limits = CheckOvertimeLimits(*m_shown, loader(), m_app.settings, today());
    if (m_meter)
        m_meter->setLimits(m_limits);
    if (m_pay && m_pay->isVisible())
        m_pay->showPremium60(m_limits);
    if (m_check && m_check->isVisible())
        refreshCheck();
}

void LimitsView::refreshCheck() {
    if (m_shown)
        m_check->setYear(CheckAgreementYear(*m_shown, loader(), m_app.settings, today()));
}

void LimitsView::openCheck() {
    if (m_check == nullptr)
        return;
    refreshCheck();
    m_check->show();
    platform::KeepOnScreen(*m_check);
    m_check->raise();
    m_check->activateWindow();
}

}  // namespace tkv
