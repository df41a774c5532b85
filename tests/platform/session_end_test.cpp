#include "platform/session_end.h"

#include <csignal>

#include <QSignalSpy>
#include <QtTest>

#include "platform/test_classes.h"

void SessionEndTest::signalsArriveOnTheEventLoop() {
    tkv::platform::SessionEndWatcher watcher;
    QSignalSpy terminated(&watcher, &tkv::platform::SessionEndWatcher::terminated);
    ::raise(SIGTERM);  // handled: the test goes on
    ::raise(SIGHUP);
    QCOMPARE(terminated.count(), 0);  // not inside the handler
    QTRY_COMPARE(terminated.count(), 2);
    QCOMPARE(terminated.at(0).at(0).toInt(), SIGTERM);
    QCOMPARE(terminated.at(1).at(0).toInt(), SIGHUP);
}
