#pragma once

#include "platform/tray_icon.h"

namespace tkv::test {

// A notification-area icon that shows nothing: the test reads its state and
// clicks it by emitting its signals.
class FakeTray final : public platform::TrayIcon {
public:
    void setImage(int iconSelect) override { image = iconSelect; }
    void setShown(bool on) override { shown = on; }
    bool isShown() const override { return shown; }
    void setExitEnabled(bool enabled) override { exitEnabled = enabled; }

    int image = -1;
    bool shown = false;
    bool exitEnabled = true;
};

}  // namespace tkv::test
