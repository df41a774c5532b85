#include "platform/tray_icon.h"

#include <QtTest>

#include "platform/test_classes.h"

void TrayIconTest::twoImagesInEverySize() {
    for (int icon : {0, 1}) {
        const QIcon image = tkv::platform::TrayImage(icon);
        QCOMPARE(image.availableSizes().size(), 6);
        for (int size : {16, 22, 24, 32, 48, 64})
            QCOMPARE(image.pixmap(size, size).size(), QSize(size, size));
    }
    const QImage clock = tkv::platform::TrayImage(0).pixmap(16, 16).toImage();
    QVERIFY(clock != tkv::platform::TrayImage(1).pixmap(16, 16).toImage());
    // An unknown choice shows the clock.
    QCOMPARE(tkv::platform::TrayImage(7).pixmap(16, 16).toImage(), clock);
}
