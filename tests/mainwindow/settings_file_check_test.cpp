#include "mainwindow/settings_file_check.h"

#include <cerrno>
#include <filesystem>

#include <QtTest>

#include "base/atomic_file.h"
#include "base/clock.h"
#include "base/registry_store.h"
#include "base/test_folder.h"
#include "platform/message_box.h"

namespace tkv {

// registry.ini that cannot be read, or reads as damaged: the program asks,
// and the file is never written over.
class SettingsFileCheckTest final : public QObject {
    Q_OBJECT
private slots:
    void cleanup() {
        platform::testing::ResetMessageHook();
        ClearFileFault();
    }
    void unreadableFileIsKeptOrSetAside_data();
    void unreadableFileIsKeptOrSetAside();
    void goodFileOpensWithoutAQuestion();
};

void SettingsFileCheckTest::unreadableFileIsKeptOrSetAside_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("unreadable");
    QTest::addColumn<bool>("startOnDefaults");
    const QByteArray good = "[Software\\Varnholt\\Zangyo\\System]\r\nSimeDay=20\r\n";
    const QByteArray nul("[S]\r\nA=\0\r\n", 10);
    QTest::newRow("unreadable, quit") << good << true << false;
    QTest::newRow("unreadable, start on defaults") << good << true << true;
    QTest::newRow("NUL byte, quit") << nul << false << false;
    QTest::newRow("NUL byte, start on defaults") << nul << false << true;
    QTest::newRow("line outside a section, quit")
        << QByteArray("garbage\r\n" + good) << false << false;
    QTest::newRow("cut header, start on defaults")
        << QByteArray("[Software\\Varn") << false << true;
}

void SettingsFileCheckTest::unreadableFileIsKeptOrSetAside() {
    QFETCH(QByteArray, bytes);
    QFETCH(bool, unreadable);
    QFETCH(bool, startOnDefaults);
    test::TestFolder dir;
    const std::string path = dir.file("registry.ini");
    QVERIFY(WriteFileAtomically(path, bytes.toStdString()).ok());
    if (unreadable)
        InjectFileFault({FileStep::Read, 1, EACCES});
    platform::testing::QueueMessageAnswer(startOnDefaults ? QMessageBox::Yes : QMessageBox::No);
    platform::testing::QueueMessageAnswer(QMessageBox::Ok);
    const FixedClock clock({2024, 5, 6, 7, 8, 9});

    const auto registry = OpenSettingsFile(dir.path(), clock);
    const auto log = platform::testing::TakeMessageLog();
    QVERIFY(!log.empty());
    QVERIFY(log.front().text.contains("registry.ini"));

    const std::string kept = path + ".broken-20240506-070809";
    std::string now;
    if (!startOnDefaults) {
        QVERIFY(!registry);
        QCOMPARE(log.size(), std::size_t{1});
        QVERIFY(ReadWholeFile(path, now).ok());
        QCOMPARE(QByteArray::fromStdString(now), bytes);
        QVERIFY(!FileExists(kept));
        return;
    }
    QVERIFY(registry);
    QVERIFY(registry->loadResult().ok());
    QVERIFY(!FileExists(path));
    QVERIFY(ReadWholeFile(kept, now).ok());
    QCOMPARE(QByteArray::fromStdString(now), bytes);
    QCOMPARE(log.size(), std::size_t{2});
    QVERIFY(log.back().text.contains(QString::fromStdString(kept)));
}

void SettingsFileCheckTest::goodFileOpensWithoutAQuestion() {
    test::TestFolder dir;
    QVERIFY(WriteFileAtomically(dir.file("registry.ini"), "[S]\r\nA=1\r\n; note\r\n\r\n").ok());
    platform::testing::NeverShowMessages(true);
    const auto registry = OpenSettingsFile(dir.path(), FixedClock({2024, 1, 1, 0, 0, 0}));
    platform::testing::NeverShowMessages(false);
    QVERIFY(registry);
    QCOMPARE(registry->readValue("S", "A").value_or(""), std::string("1"));
    QVERIFY(platform::testing::TakeMessageLog().empty());
}

}  // namespace tkv

QTEST_MAIN(tkv::SettingsFileCheckTest)
#include "settings_file_check_test.moc"
