#include <QAction>
#include <QEvent>
#include <QMouseEvent>

#include "base/text_util.h"
#include "leave/ledger.h"
#include "leave/ledger_file.h"
#include "mainwindow/app_context.h"
#include "mainwindow/target_bar_panel.h"
#include "mainwindow/zangyo_main.h"

namespace tkv {

bool TZangyoMain::eventFilter(QObject* watched, QEvent* event) {
    const QString name = watched->objectName();
    const QEvent::Type type = event->type();
    if (name == "LeftPanel" || name == "BottomPanel") {
        // A single click switches; the second half of a double click does not.
        if (type == QEvent::MouseButtonPress)
            ToggleTargetBar();
        if (type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick)
            return true;
    } else if (type == QEvent::MouseButtonDblClick) {
        ToggleTargetBar();
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

void TZangyoMain::mouseDoubleClickEvent(QMouseEvent* event) {
    ToggleTargetBar();
    event->accept();
}

void TZangyoMain::ToggleTargetBar() {
    const bool on = !m_barAction->isChecked();
    m_barAction->setChecked(on);
    const int step = m_bar->maximumHeight();
    const int before = height();  // the new limits may already clamp it
    m_bar->setVisible(on);
    applySizeLimits();
    resize(width(), before + (on ? step : -step));
}

void TZangyoMain::RefreshLeaveIndicator() {
    if (!m_app.settings.YukyuMokuZanDisp)
        return;
    Ledger ledger;
    // A missing or unreadable ledger reads as empty.
    LoadLedger(ledger, m_app.paths().ledgerFile());
    const double value =
        StrToFloatDec(ledger.NowZan(), 1, 0) - m_app.settings.YukyuMokuZan.valueOr(0);
    m_bar->setLeave(true, value);
}

}  // namespace tkv
