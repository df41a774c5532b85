#include <csignal>
#include <sys/stat.h>

#include <QDate>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QtTest>

#include "base/test_folder.h"
#include "core/calendar.h"
#include "core/month_file.h"
#include "platform/single_instance.h"
#include "settings/holiday_list.h"
#include "settings/settings.h"

namespace tkv::test {

// Black-box: the real tokivane and drowsel on temporary folders, offscreen,
// with a runtime folder of their own, ended by signals as a logout ends them.
class ResidentProgramsTest final : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void sigtermRecordsTheLeavingTimeAndExits();
    void downSwitchRecordsBothTimesAndEnds();
    void drowselHoldsItsNameAndHandsOverOnSigterm();
    void aSettingSetMeanwhileSurvivesTheClose();
    void twoQuickStartsGiveOneProgram_data();
    void twoQuickStartsGiveOneProgram();

private:
    std::unique_ptr<TestFolder> m_folder;
    QProcessEnvironment m_env;
    std::vector<std::unique_ptr<QProcess>> m_processes;

    QString path(const char* name) const { return QString::fromStdString(m_folder->file(name)); }
    QProcess& start(const QString& program, const QStringList& args);
    void setting(const char* name, const char* value);
    // Today's arrival and leaving cells in the month file ("" when empty).
    std::pair<QString, QString> todaysTimes() const;
    // Whether a process holds the single-instance name of `className`.
    bool isHeld(const char* className) const;
};

namespace {

const QString kBin = QStringLiteral(TOKIVANE_BIN_DIR);

}  // namespace

void ResidentProgramsTest::init() {
    m_folder = std::make_unique<TestFolder>();
    for (const char* dir : {"data", "config", "runtime", "home"}) QDir().mkdir(path(dir));
    ::chmod(m_folder->file("runtime").c_str(), 0700);
    // The test looks at the programs' names in their runtime folder.
    qputenv("XDG_RUNTIME_DIR", path("runtime").toLocal8Bit());
    m_env = QProcessEnvironment::systemEnvironment();
    m_env.insert("QT_QPA_PLATFORM", "offscreen");
    m_env.insert("TZ", "Asia/Tokyo");
    m_env.insert("LANG", "C.UTF-8");
    m_env.insert("HOME", path("home"));
    m_env.insert("XDG_RUNTIME_DIR", path("runtime"));
    m_env.insert("XDG_CONFIG_HOME", path("home") + "/.config");
    m_env.insert("XDG_DATA_HOME", path("home") + "/.local/share");
    m_env.insert("TOKIVANE_DATA_DIR", path("data"));
    m_env.insert("TOKIVANE_CONFIG_DIR", path("config"));
    // Arrival and leaving land on today's row whatever the hour of the test.
    setting("Time11", " 0:00,17:00");
}

void ResidentProgramsTest::cleanup() {
    for (auto& p : m_processes) {
        if (p->state() != QProcess::NotRunning) {
            p->kill();
            p->waitForFinished(3000);
        }
    }
    m_processes.clear();
    // A program that drowsel started on its own is ours to wait for too.
    QTRY_VERIFY_WITH_TIMEOUT(!isHeld("TZangyoMain"), 10000);
    m_folder.reset();
}

QProcess& ResidentProgramsTest::start(const QString& program, const QStringList& args) {
    auto p = std::make_unique<QProcess>();
    p->setProcessEnvironment(m_env);
    p->setWorkingDirectory(path("home"));
    p->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    p->start(kBin + "/" + program, args);
    p->waitForStarted(5000);
    m_processes.push_back(std::move(p));
    return *m_processes.back();
}

void ResidentProgramsTest::setting(const char* name, const char* value) {
    QProcess cli;
    cli.setProcessEnvironment(m_env);
    cli.start(kBin + "/tokivane-cli", {"settings", "set", name, value});
    QVERIFY(cli.waitForFinished(10000));
    QCOMPARE(cli.exitCode(), 0);
}

std::pair<QString, QString> ResidentProgramsTest::todaysTimes() const {
    const QDate today = QDate::currentDate();
    MonthRecord m;
    Settings s;
    AnnualHolidayTable holidays;
    const std::string file =
        m_folder->file("data") + "/" + today.toString("yyyyMM").toStdString() + ".dat";
    if (!LoadMonth(m, {today.year(), today.month()}, file, s, holidays).fromFile)
        return {};
    const std::string date = GridDateText(today.month(), today.day());
    for (int d = 1; d <= m.rowCount(); ++d) {
        if (m.day(d).cell(DayColumn::Date) == date)
            return {QString::fromStdString(m.day(d).cell(DayColumn::Arrival)).trimmed(),
                    QString::fromStdString(m.day(d).cell(DayColumn::Leaving)).trimmed()};
    }
    return {};
}

bool ResidentProgramsTest::isHeld(const char* className) const {
    return platform::SingleInstance::isTaken(className);
}

void ResidentProgramsTest::sigtermRecordsTheLeavingTimeAndExits() {
    setting("EndAutoIn", "1");
    QProcess& p = start("tokivane", {});
    // Up once it listens for later copies; a signal during the first show
    // would be handled as well.
    QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(path("runtime") + "/tokivane-TZangyoMain.socket"),
                             20000);
    // A second copy asks the first to come forward and ends.
    QProcess& second = start("tokivane", {});
    QVERIFY(second.waitForFinished(5000));
    QCOMPARE(second.exitCode(), 0);
    QCOMPARE(p.state(), QProcess::Running);

    QElapsedTimer t;
    t.start();
    ::kill(static_cast<pid_t>(p.processId()), SIGTERM);
    QVERIFY(p.waitForFinished(5000));
    QVERIFY(t.elapsed() < 5000);
    QCOMPARE(p.exitStatus(), QProcess::NormalExit);
    QCOMPARE(p.exitCode(), 0);
    const auto [arrival, leaving] = todaysTimes();
    QCOMPARE(arrival, QString());
    QVERIFY2(!leaving.isEmpty(), "no leaving time in today's row");
}

void ResidentProgramsTest::downSwitchRecordsBothTimesAndEnds() {
    setting("StartAutoIn", "1");
    setting("EndAutoIn", "1");
    setting("IdleProcess", "1");  // no idle tool for a start switch
    QProcess& p = start("tokivane", {"/Down"});
    QVERIFY(p.waitForFinished(10000));
    QCOMPARE(p.exitCode(), 0);
    const auto [arrival, leaving] = todaysTimes();
    QVERIFY2(!arrival.isEmpty(), "no arrival time in today's row");
    QVERIFY2(!leaving.isEmpty(), "no leaving time in today's row");
    QVERIFY(!isHeld("TDrowselForm"));
}

void ResidentProgramsTest::drowselHoldsItsNameAndHandsOverOnSigterm() {
    setting("StartAutoIn", "1");
    setting("EndAutoIn", "1");
    QProcess& idle = start("drowsel", {"/Idle", "0"});
    QTRY_VERIFY_WITH_TIMEOUT(isHeld("TDrowselForm"), 20000);

    // A second idle tool ends at once, and so does the program.
    QProcess& second = start("drowsel", {"/Idle", "1"});
    QVERIFY(second.waitForFinished(5000));
    QCOMPARE(second.exitCode(), 0);
    QProcess& program = start("tokivane", {});
    QVERIFY(program.waitForFinished(5000));
    QCOMPARE(program.exitCode(), 0);
    QCOMPARE(todaysTimes().first, QString());  // it did not get as far as the arrival
    QCOMPARE(idle.state(), QProcess::Running);

    // The end of the session: drowsel starts tokivane /Down, which is not
    // turned away, records both times and ends.
    ::kill(static_cast<pid_t>(idle.processId()), SIGTERM);
    QVERIFY(idle.waitForFinished(5000));
    QCOMPARE(idle.exitCode(), 0);
    QTRY_VERIFY_WITH_TIMEOUT(!todaysTimes().second.isEmpty(), 10000);
    QVERIFY(!todaysTimes().first.isEmpty());
    QTRY_VERIFY_WITH_TIMEOUT(!isHeld("TZangyoMain"), 10000);
}

// The program holds its settings for as long as it runs and writes them
// (window places and all) when it ends; a value set with the command line
// meanwhile is still there afterwards.
void ResidentProgramsTest::aSettingSetMeanwhileSurvivesTheClose() {
    QProcess& p = start("tokivane", {});
    QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(path("runtime") + "/tokivane-TZangyoMain.socket"),
                             20000);
    setting("UseMemo01", "set meanwhile");
    ::kill(static_cast<pid_t>(p.processId()), SIGTERM);
    QVERIFY(p.waitForFinished(5000));
    QCOMPARE(p.exitCode(), 0);
    QProcess cli;
    cli.setProcessEnvironment(m_env);
    cli.start(kBin + "/tokivane-cli", {"settings", "get", "UseMemo01"});
    QVERIFY(cli.waitForFinished(10000));
    QCOMPARE(cli.exitCode(), 0);
    QCOMPARE(QString::fromUtf8(cli.readAllStandardOutput()).trimmed(), QString("set meanwhile"));
    // The program did write on its way out: its window's place is stored.
    QFile registry(path("config") + "/registry.ini");
    QVERIFY(registry.open(QIODevice::ReadOnly));
    QVERIFY(registry.readAll().contains("Left.TZangyoMain"));
}

// Two starts a tenth of a second apart (a double click on the launcher, a
// login hook and autostart) give one running program; names squatted in the
// runtime folder beforehand change nothing.
void ResidentProgramsTest::twoQuickStartsGiveOneProgram_data() {
    QTest::addColumn<bool>("squatted");
    QTest::newRow("clean runtime folder") << false;
    QTest::newRow("socket and lock squatted") << true;
}

void ResidentProgramsTest::twoQuickStartsGiveOneProgram() {
    QFETCH(bool, squatted);
    const QString socket = path("runtime") + "/tokivane-TZangyoMain.socket";
    if (squatted) {
        for (const QString& name : {socket, path("runtime") + "/tokivane-TZangyoMain.lock"}) {
            QFile f(name);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.close();
            // A file of another user where one can make it; a file that is
            // no socket (and no lock of ours) otherwise.
            if (::getuid() == 0)
                QVERIFY(::chown(QFile::encodeName(name).constData(), 65534, 65534) == 0);
        }
    }
    QProcess& first = start("tokivane", {});
    QTest::qWait(100);
    QProcess& second = start("tokivane", {});
    // One of the two ends on its own; the other stays and answers knocks.
    QTRY_VERIFY_WITH_TIMEOUT(
        first.state() == QProcess::NotRunning || second.state() == QProcess::NotRunning, 20000);
    QProcess& ended = first.state() == QProcess::NotRunning ? first : second;
    QProcess& running = &ended == &first ? second : first;
    QCOMPARE(ended.exitStatus(), QProcess::NormalExit);
    QCOMPARE(ended.exitCode(), 0);
    const auto listening = [&socket] {
        struct stat st = {};
        return ::lstat(QFile::encodeName(socket).constData(), &st) == 0 && S_ISSOCK(st.st_mode);
    };
    QTRY_VERIFY_WITH_TIMEOUT(listening() && isHeld("TZangyoMain"), 20000);
    QTest::qWait(500);
    QCOMPARE(running.state(), QProcess::Running);
    QProcess& third = start("tokivane", {});
    QVERIFY(third.waitForFinished(5000));
    QCOMPARE(third.exitCode(), 0);
    QCOMPARE(running.state(), QProcess::Running);

    ::kill(static_cast<pid_t>(running.processId()), SIGTERM);
    QVERIFY(running.waitForFinished(5000));
    QCOMPARE(running.exitCode(), 0);
}

}  // namespace tkv::test

QTEST_GUILESS_MAIN(tkv::test::ResidentProgramsTest)
#include "resident_programs_test.moc"
