#include <algorithm>

#include <QAction>
#include <QGuiApplication>
#include <QLayout>
#include <QScreen>

#include "mainwindow/app_context.h"
#include "mainwindow/grid/day_string_grid.h"
#include "mainwindow/t_total.h"
#include "mainwindow/target_bar_panel.h"
#include "mainwindow/zangyo_main.h"
#include "platform/window_fit.h"
#include "settings/window_placement.h"

namespace tkv {

int TZangyoMain::barHeight() const {
    return m_barAction->isChecked() ? m_bar->maximumHeight() : 0;
}

void TZangyoMain::computeSizeLimits() {
    // The grid asks for 22 day rows plus its title; the layout adds the
    // panels around it (and the right panel's buttons when they are taller).
    const bool barShown = m_bar->isVisible();
    m_bar->hide();
    m_grid->setMinimumSize(m_grid->designWidth(), m_grid->heightForRows(23));
    centralWidget()->layout()->activate();
    m_minSize = minimumSizeHint().expandedTo(centralWidget()->minimumSizeHint());
    if (layout()) {
        layout()->activate();
        m_minSize = m_minSize.expandedTo(layout()->totalMinimumSize());
    }
    m_fullHeight = m_minSize.height() + m_grid->heightForRows(32) - m_grid->heightForRows(23);
    m_maxWidth = m_minSize.width() + 50 * m_grid->blankWidth();
    // A screen too low for 22 rows (a high scale on a small screen): the grid
    // gives up rows, keeping at least five, and scrolls, so the window fits.
    const int excess =
        m_minSize.height() + m_bar->maximumHeight() - platform::RoomForClient(*this).height();
    if (excess > 0) {
        const int gridHeight =
            std::max(m_grid->heightForRows(6), m_grid->heightForRows(23) - excess);
        m_minSize.rheight() -= m_grid->heightForRows(23) - gridHeight;
        m_grid->setMinimumSize(m_grid->designWidth(), gridHeight);
    }
    m_bar->setVisible(barShown);
}

QSize TZangyoMain::minimumWindowSize() const {
    return {m_minSize.width(), m_minSize.height() + barHeight()};
}

QSize TZangyoMain::maximumWindowSize() const {
    QSize max(m_maxWidth, m_fullHeight + barHeight());
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect work = screen->availableGeometry().isValid() ? screen->availableGeometry()
                                                                 : screen->geometry();
        max = max.boundedTo(work.size());
    }
    return max.expandedTo(minimumWindowSize());
}

void TZangyoMain::applySizeLimits() {
    setMinimumSize(minimumWindowSize());
    setMaximumSize(maximumWindowSize());
}

void TZangyoMain::restorePlacement() {
    const QRect screen = QGuiApplication::primaryScreen()
                             ? QGuiApplication::primaryScreen()->virtualGeometry()
                             : QRect(0, 0, 1024, 768);
    WindowPlacementStore placement(*m_app.registry, m_app.startUser);
    if (m_app.store->startUserCopies().WindowSize) {
        const WindowSize size = placement.restoreSize(kClassName, {width(), height()});
        resize(size.width, size.height);
    }
    const WindowPoint at = placement.restorePosition(kClassName, {screen.width(), screen.height()},
                                                     {width(), height()});
    move(at.left, at.top);
    platform::KeepOnScreen(*this);
}

void TZangyoMain::savePlacement() {
    WindowPlacementStore placement(*m_app.registry, m_app.startUser);
    placement.savePosition(kClassName, {y(), x()});
    placement.saveSize(kClassName, {width(), height()});
    if (m_dialogs.total)
        placement.savePosition("TTotal", {m_dialogs.total->y(), m_dialogs.total->x()});
    const IoResult r = placement.flush();
    if (!r.ok())
        reportFileError(r);
}

}  // namespace tkv
