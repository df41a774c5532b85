#include "drowsel/drowsel.h"

#include <csignal>
#include <sys/stat.h>

#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

#include "base/test_folder.h"
#include "platform/fake_tray.h"
#include "platform/message_box.h"
#include "platform/single_instance.h"

namespace tkv::test {

using platform::SingleInstance;

// The idle tool in the test process: its commands, and the order of giving
// up its name and starting the program.
class DrowselTest final : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void commandsStartTheProgramWithTheNameGivenUp_data();
    void commandsStartTheProgramWithTheNameGivenUp();
    void failedStartTakesTheNameBack();
    void trayShowsTheChosenImage();
    void withoutATrayAWindowWithTheTwoCommands_data();
    void withoutATrayAWindowWithTheTwoCommands();

private:
    TestFolder m_runtime;
    std::unique_ptr<SingleInstance> m_name;
    std::vector<CommandLine> m_launched;
    std::vector<bool> m_nameFreeAtLaunch;
    bool m_launchSucceeds = true;

    std::unique_ptr<Drowsel> make(const QStringList& args);
};

namespace {

QStringList Joined(const CommandLine& c) {
    QStringList l{QString::fromStdString(c.program)};
    for (const std::string& a : c.args) l << QString::fromStdString(a);
    return l;
}

}  // namespace

void DrowselTest::initTestCase() {
    // Our own runtime folder: names of other programs on this machine never meet ours.
    qputenv("XDG_RUNTIME_DIR", QByteArray::fromStdString(m_runtime.path()));
    ::chmod(m_runtime.path().c_str(), 0700);
    platform::testing::NeverShowMessages(true);
}

void DrowselTest::init() {
    platform::testing::ResetMessageHook();
    m_name = std::make_unique<SingleInstance>("TDrowselForm");
    QVERIFY(m_name->take());
    m_launched.clear();
    m_nameFreeAtLaunch.clear();
    m_launchSucceeds = true;
}

void DrowselTest::cleanup() {
    m_name.reset();
}

std::unique_ptr<Drowsel> DrowselTest::make(const QStringList& args) {
    std::vector<std::string> a;
    for (const QString& s : args) a.push_back(s.toStdString());
    auto d = std::make_unique<Drowsel>(a, "/opt/tokivane/bin", *m_name);
    d->setLauncher([this](const CommandLine& c) {
        m_launched.push_back(c);
        m_nameFreeAtLaunch.push_back(!SingleInstance::isTaken("TDrowselForm"));
        return m_launchSucceeds;
    });
    return d;
}

void DrowselTest::commandsStartTheProgramWithTheNameGivenUp_data() {
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<bool>("open");  // else "終了"
    QTest::addColumn<QStringList>("command");
    const QString program = "/opt/tokivane/bin/tokivane";
    QTest::newRow("open /U:taro") << QStringList{"/Idle", "1", "/U:taro"} << true
                                  << QStringList{program, "/Disp", "/U:taro"};
    QTest::newRow("open /M") << QStringList{"/Idle", "0", "/M"} << true
                             << QStringList{program, "/Disp", "/M"};
    QTest::newRow("open, no switch")
        << QStringList{"/Idle", "0"} << true << QStringList{program, "/Disp"};
    QTest::newRow("exit /U:taro") << QStringList{"/Idle", "1", "/U:taro"} << false
                                  << QStringList{program, "/Down", "/U:taro"};
    QTest::newRow("exit /M") << QStringList{"/Idle", "0", "/M"} << false
                             << QStringList{program, "/Down", "/M"};
}

void DrowselTest::commandsStartTheProgramWithTheNameGivenUp() {
    QFETCH(QStringList, args);
    QFETCH(bool, open);
    QFETCH(QStringList, command);
    FakeTray tray;
    auto d = make(args);
    d->setTrayIcon(&tray);
    QSignalSpy ended(d.get(), &Drowsel::ended);
    d->show();
    QVERIFY(tray.shown);
    if (open)
        emit tray.openRequested();
    else
        emit tray.exitRequested();
    QCOMPARE(int(m_launched.size()), 1);
    QCOMPARE(Joined(m_launched[0]), command);
    // The program started never finds our name: it would end at once.
    QVERIFY(m_nameFreeAtLaunch[0]);
    QCOMPARE(ended.count(), 1);
    QVERIFY(!tray.shown);
    QVERIFY(platform::testing::TakeMessageLog().empty());
}

void DrowselTest::failedStartTakesTheNameBack() {
    FakeTray tray;
    auto d = make({"/Idle", "0"});
    d->setTrayIcon(&tray);
    QSignalSpy ended(d.get(), &Drowsel::ended);
    d->show();
    m_launchSucceeds = false;

    d->open();
    QVERIFY(m_name->isHeld());
    QVERIFY(SingleInstance::isTaken("TDrowselForm"));
    QCOMPARE(ended.count(), 0);
    QVERIFY(tray.shown);
    auto log = platform::testing::TakeMessageLog();
    QCOMPARE(int(log.size()), 1);
    QCOMPARE(log[0].caption, QString::fromUtf8("起動ｴﾗｰ"));
    QCOMPARE(log[0].text, QString::fromUtf8("tokivaneの起動に失敗しました。"));
    QCOMPARE(log[0].icon, QMessageBox::Critical);

    // At the end of the session nobody reads a message; the tool ends anyway.
    d->exit(false);
    QCOMPARE(ended.count(), 1);
    QVERIFY(platform::testing::TakeMessageLog().empty());
    QCOMPARE(int(m_launched.size()), 2);
}

void DrowselTest::trayShowsTheChosenImage() {
    for (int icon : {0, 1}) {
        FakeTray tray;
        auto d = make({"/Idle", QString::number(icon)});
        d->setTrayIcon(&tray);
        d->show();
        QCOMPARE(tray.image, icon);
        QVERIFY(d->window() == nullptr);
    }
}

void DrowselTest::withoutATrayAWindowWithTheTwoCommands_data() {
    QTest::addColumn<QString>("how");
    QTest::addColumn<QString>("startSwitch");
    QTest::newRow("開く") << "OpenButton"
                          << "/Disp";
    QTest::newRow("終了") << "ExitButton"
                          << "/Down";
    QTest::newRow("close box") << ""
                               << "/Down";
}

void DrowselTest::withoutATrayAWindowWithTheTwoCommands() {
    QFETCH(QString, how);
    QFETCH(QString, startSwitch);
    auto d = make({"/Idle", "1", "/M"});
    d->setTrayIcon(nullptr);
    QSignalSpy ended(d.get(), &Drowsel::ended);
    d->show();
    TDrowselForm* w = d->window();
    QVERIFY(w && w->isVisible());
    QCOMPARE(w->objectName(), QStringLiteral("TDrowselForm"));
    if (how.isEmpty())
        w->close();
    else
        w->findChild<QPushButton*>(how)->click();
    QCOMPARE(int(m_launched.size()), 1);
    QCOMPARE(QString::fromStdString(m_launched[0].args[0]), startSwitch);
    QCOMPARE(ended.count(), 1);
}

}  // namespace tkv::test

QTEST_MAIN(tkv::test::DrowselTest)
#include "drowsel_test.moc"
