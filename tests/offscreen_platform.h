#pragma once

#include <QtGlobal>

#include "platform/single_instance.h"

namespace tkv::test {

// The screenshot programs draw off screen: they need no display, and use
// one only when QT_QPA_PLATFORM names it, and print nothing on the way. Call
// before the application is made.
inline void UseOffscreenPlatform() {
    platform::ProvideRuntimeFolder();
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}

}  // namespace tkv::test
