#include "mainwindow/span_mode.h"

#include <vector>

#include <QAction>
#include <QLineEdit>
#include <QMenu>

#include "core/day_span.h"
#include "mainwindow/grid/day_string_grid.h"
#include "mainwindow/zangyo_main.h"
#include "reports/ui/toku_syukei_form.h"

namespace tkv {

SpanMode::SpanMode(QWidget& window) : m_window(window) {}

void SpanMode::enter(YearMonth shown) {
    if (!m_returnTo)
        m_returnTo = shown;
    setControls(true);
}

std::optional<YearMonth> SpanMode::leave() {
    const std::optional<YearMonth> back = m_returnTo;
    m_returnTo.reset();
    setControls(false);
    return back;
}

void SpanMode::setControls(bool on) {
    if (auto* item = m_window.findChild<QAction*>("TokuSyukeiMenuItem")) {
        item->setCheckable(true);
        item->setChecked(on);
    }
    if (auto* item = m_window.findChild<QAction*>("TokuKaijoMenuItem"))
        item->setEnabled(on);
    for (const char* name : DisabledControls) {
        QObject* control = m_window.findChild<QObject*>(QString::fromLatin1(name));
        if (auto* menu = qobject_cast<QMenu*>(control))
            menu->menuAction()->setEnabled(!on);
        else if (auto* action = qobject_cast<QAction*>(control))
            action->setEnabled(!on);
        else if (auto* widget = qobject_cast<QWidget*>(control))
            widget->setEnabled(!on);
    }
}

// --- the main window's two commands ------------------------------------------

void TZangyoMain::TokuSyukeiMenuItemClick() {
    if (m_dialogs.span == nullptr || m_dialogs.span->exec() != QDialog::Accepted)
        return;
    if (!m_spanMode->active() && !ConfirmMonthSave())
        return;
    const DaySpan span = m_dialogs.span->span();
    m_spanMode->enter({displayedYear(), displayedMonth()});
    m_grid->setPeriodListShown(true);

    const std::vector<IoResult> unreadable = m_session.showSpan(span);
    const YearMonth shown = SpanShownMonth(span);
    m_yearMemo->setText(QString::number(shown.year));
    m_monthMemo->setText(QString::number(shown.month));
    m_grid->refresh();
    recalculateShown(false);
    RefreshLeaveIndicator();
    for (const IoResult& r : unreadable) reportFileError(r);
}

void TZangyoMain::TokuKaijoMenuItemClick() {
    const std::optional<YearMonth> back = endSpanView();
    if (back)
        moveTo(*back);
}

bool TZangyoMain::spanShown() const {
    return m_spanMode->active();
}

std::optional<YearMonth> TZangyoMain::endSpanView() {
    if (!m_spanMode->active())
        return std::nullopt;
    m_grid->setPeriodListShown(false);
    return m_spanMode->leave();
}

}  // namespace tkv
