#include "platform/window_fit.h"

#include <vector>

#include <QGuiApplication>
#include <QMargins>
#include <QScreen>
#include <QStyle>
#include <QWidget>
#include <QWindow>

#include "base/screen_fit.h"

namespace tkv::platform {
namespace {

ScreenRect ToRect(const QRect& r) {
    return {r.left(), r.top(), r.width(), r.height()};
}

// Before a window is first shown the window manager has not told its frame
// yet; the title bar is then reckoned from the style, with a thin border.
QMargins FrameMargins(const QWidget& window) {
    if (const QWindow* handle = window.windowHandle(); handle && handle->isVisible()) {
        const QMargins known = handle->frameMargins();
        if (!known.isNull())
            return known;
    }
    const int title = window.style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, &window);
    return {4, title + 4, 4, 4};
}

}  // namespace

void KeepOnScreen(QWidget& window) {
    const QList<QScreen*> screens = QGuiApplication::screens();
    const QScreen* primary = QGuiApplication::primaryScreen();
    if (screens.isEmpty() || primary == nullptr)
        return;
    std::vector<ScreenRect> areas;
    std::size_t primaryIndex = 0;
    for (qsizetype i = 0; i < screens.size(); ++i) {
        areas.push_back(ToRect(screens[i]->geometry()));
        if (screens[i] == primary)
            primaryIndex = static_cast<std::size_t>(i);
    }

    // pos() is the frame's top-left corner; the frame adds the margins to size().
    const QMargins m = FrameMargins(window);
    const QSize extra(m.left() + m.right(), m.top() + m.bottom());
    const QRect frame(window.pos(), window.size() + extra);
    const QScreen* screen =
        screens[static_cast<qsizetype>(ScreenOfWindow(ToRect(frame), areas, primaryIndex))];
    const QRect available =
        screen->availableGeometry().isValid() ? screen->availableGeometry() : screen->geometry();
    const QSize least = window.minimumSize() + extra;
    const ScreenRect fitted =
        FitIntoWorkArea(ToRect(frame), ToRect(available), least.width(), least.height());
    if (fitted == ToRect(frame))
        return;
    const QSize size(fitted.width - extra.width(), fitted.height - extra.height());
    if (size != window.size())
        window.resize(size);
    window.move(fitted.left, fitted.top);
}

QSize RoomForClient(const QWidget& window) {
    const QScreen* primary = QGuiApplication::primaryScreen();
    if (primary == nullptr)
        return {QWIDGETSIZE_MAX, QWIDGETSIZE_MAX};
    const QRect available =
        primary->availableGeometry().isValid() ? primary->availableGeometry() : primary->geometry();
    const QMargins m = FrameMargins(window);
    return available.size() - QSize(m.left() + m.right(), m.top() + m.bottom());
}

}  // namespace tkv::platform
