#pragma once

#include <QtGlobal>

namespace tkv::test {

// The screenshot programs draw off screen: they need no display, and use
// one only when QT_QPA_PLATFORM names it. Call before the application is made.
inline void UseOffscreenPlatform() {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}

}  // namespace tkv::test
