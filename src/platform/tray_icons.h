#pragma once

#include <QPixmap>

namespace tkv::platform {

// The notification-area icons, 16 x 16: 0 the overtime icon (a clock), 1 the
// inconspicuous computer icon. Any other choice shows the overtime icon.
QPixmap TrayIconImage(int iconSelect);

}  // namespace tkv::platform
