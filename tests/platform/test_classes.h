#pragma once

#include <QObject>

// The QtTest classes of this program share one main(), which gives them a
// runtime folder of their own: names of other programs never meet theirs.
class SingleInstanceTest final : public QObject {
    Q_OBJECT

private slots:
    void nameIsTakenOnce();
    void nameLetGoWhenTheHolderEnds();
    void laterCopyAsksTheRunningOneToComeForward();
    void withoutRuntimeFolderAPrivateOneIsMade();
    void aPrivateFolderOthersCanEnterIsRefused_data();
    void aPrivateFolderOthersCanEnterIsRefused();
    void squattedNamesNeitherStopNorFoolUs_data();
    void squattedNamesNeitherStopNorFoolUs();
};

class SessionEndTest final : public QObject {
    Q_OBJECT

private slots:
    void signalsArriveOnTheEventLoop();
};

class TrayIconTest final : public QObject {
    Q_OBJECT

private slots:
    void twoImagesInEverySize();
};
