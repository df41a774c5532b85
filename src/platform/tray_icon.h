#pragma once

#include <memory>

#include <QIcon>
#include <QObject>

namespace tkv::platform {

// The notification-area icon as resident operation needs it: one of the two
// tray images, the tooltip "Tokivane", the popup "開く(&O)" / "終了(&X)" and
// the clicks. The desktop program and the idle tool show the system's; tests
// give a fake.
class TrayIcon : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    virtual void setImage(int iconSelect) = 0;
    virtual void setShown(bool shown) = 0;
    virtual bool isShown() const = 0;
    // "終了(&X)" is greyed while a window must not be ended from the tray.
    virtual void setExitEnabled(bool enabled) = 0;

signals:
    void openRequested();  // "開く(&O)" or a double click
    void clicked();        // a single click
    void exitRequested();  // "終了(&X)"
};

// Tray image `iconSelect`: 0 the overtime clock, 1 the plain computer; any
// other value the clock.
QIcon TrayImage(int iconSelect);

// The system's notification-area icon, or nothing when the desktop has no
// notification area.
std::unique_ptr<TrayIcon> MakeSystemTrayIcon(QObject* parent = nullptr);

}  // namespace tkv::platform
