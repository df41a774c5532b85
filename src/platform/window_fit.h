#pragma once

#include <QSize>

class QWidget;

namespace tkv::platform {

// Brings a top-level window whose stored place and size have just been
// applied fully onto a screen: the screen it mostly lies on, or the primary
// screen when it lies on none. It is moved, and shrunk where it is larger
// than that screen's work area (never below its minimum size). A window that
// already fits is left where the placement rules put it.
void KeepOnScreen(QWidget& window);

// The client size a window can have on the primary screen's work area, its
// frame allowed for: what a window that can scroll its contents limits its
// size to.
QSize RoomForClient(const QWidget& window);

}  // namespace tkv::platform
