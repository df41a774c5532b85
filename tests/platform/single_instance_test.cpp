#include "platform/single_instance.h"

#include <csignal>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QtTest>

#include "platform/activation_channel.h"
#include "platform/test_classes.h"

using tkv::platform::ActivationChannel;
using tkv::platform::SingleInstance;

void SingleInstanceTest::nameIsTakenOnce() {
    SingleInstance first("TDrowselForm");
    QVERIFY(!SingleInstance::isTaken("TDrowselForm"));
    QVERIFY(first.take());
    QVERIFY(SingleInstance::isTaken("TDrowselForm"));
    QVERIFY(!SingleInstance::isTaken("TZangyoMain"));
    SingleInstance second("TDrowselForm");
    QVERIFY(!second.take());
    // In the runtime folder, readable and writable by its owner only.
    const QString lock = SingleInstance::lockPath("TDrowselForm");
    QVERIFY(lock.startsWith(qEnvironmentVariable("XDG_RUNTIME_DIR") + "/"));
    struct stat st = {};
    QCOMPARE(::stat(lock.toLocal8Bit().constData(), &st), 0);
    QCOMPARE(st.st_mode & 0777, 0600u);
    first.release();
    QVERIFY(!SingleInstance::isTaken("TDrowselForm"));
    QVERIFY(second.take());
}

// A copy that dies without a word (kill -9, a crash) leaves a lock file but
// no lock: the next copy starts.
void SingleInstanceTest::nameLetGoWhenTheHolderEnds() {
    int ready[2];
    QCOMPARE(::pipe(ready), 0);
    const pid_t child = ::fork();
    if (child == 0) {
        SingleInstance held("TZangyoMain");
        const char ok = held.take() ? 'y' : 'n';
        [[maybe_unused]] const ssize_t n = ::write(ready[1], &ok, 1);
        ::pause();
        ::_exit(0);
    }
    char ok = 0;
    QCOMPARE(::read(ready[0], &ok, 1), ssize_t(1));
    QCOMPARE(ok, 'y');
    QVERIFY(SingleInstance::isTaken("TZangyoMain"));
    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);
    ::close(ready[0]);
    ::close(ready[1]);
    QVERIFY(!SingleInstance::isTaken("TZangyoMain"));
    SingleInstance next("TZangyoMain");
    QVERIFY(next.take());
}

void SingleInstanceTest::laterCopyAsksTheRunningOneToComeForward() {
    SingleInstance first("TZangyoMain");
    QVERIFY(first.take());
    ActivationChannel channel;
    int knocks = 0;
    QVERIFY(channel.listen("TZangyoMain", [&knocks] { ++knocks; }));
    SingleInstance later("TZangyoMain");
    QVERIFY(!later.take());
    QVERIFY(ActivationChannel::knock("TZangyoMain"));
    QTRY_COMPARE(knocks, 1);
    channel.close();
    first.release();
    QVERIFY(!ActivationChannel::knock("TZangyoMain"));  // nobody listens now
    QVERIFY(later.take());
}

namespace {

// Runs `check` with no $XDG_RUNTIME_DIR and the temporary folder in `tmp`,
// then puts both back.
template <class Check>
void WithoutRuntimeFolder(const QString& tmp, Check check) {
    const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
    const QByteArray oldTmp = qgetenv("TMPDIR");
    qunsetenv("XDG_RUNTIME_DIR");
    qputenv("TMPDIR", QFile::encodeName(tmp));
    check();
    qputenv("XDG_RUNTIME_DIR", runtime);
    if (oldTmp.isNull())
        qunsetenv("TMPDIR");
    else
        qputenv("TMPDIR", oldTmp);
}

}  // namespace

// Under cron or su there is no session runtime folder: the program makes its
// own, closed to others, and says nothing about it.
void SingleInstanceTest::withoutRuntimeFolderAPrivateOneIsMade() {
    QTemporaryDir tmp;
    const QString own = tmp.path() + "/tokivane-runtime-" + QString::number(::getuid());
    WithoutRuntimeFolder(tmp.path(), [&] {
        tkv::platform::ProvideRuntimeFolder();
        QCOMPARE(qEnvironmentVariable("XDG_RUNTIME_DIR"), own);
        QCOMPARE(SingleInstance::runtimeFolder(), own);
    });
    struct stat st = {};
    QCOMPARE(::lstat(QFile::encodeName(own).constData(), &st), 0);
    QVERIFY(S_ISDIR(st.st_mode));
    QCOMPARE(st.st_mode & 0777, 0700u);
}

// A folder of that name that others can enter, or another user's (laid out
// by someone else to catch our names), is never used: a private folder in
// the user's own cache stands in, never the shared temporary folder.
void SingleInstanceTest::aPrivateFolderOthersCanEnterIsRefused_data() {
    QTest::addColumn<bool>("otherOwner");
    QTest::newRow("open to others") << false;
    QTest::newRow("another user's") << true;
}

void SingleInstanceTest::aPrivateFolderOthersCanEnterIsRefused() {
    QFETCH(bool, otherOwner);
    if (otherOwner && ::getuid() != 0)
        QSKIP("only root can give a folder to another user");
    QTemporaryDir tmp;
    const QString squatted = tmp.path() + "/tokivane-runtime-" + QString::number(::getuid());
    QVERIFY(QDir().mkdir(squatted));
    const QByteArray name = QFile::encodeName(squatted);
    QVERIFY(::chmod(name.constData(), otherOwner ? 0700 : 0755) == 0);
    if (otherOwner)
        QVERIFY(::chown(name.constData(), 65534, 65534) == 0);
    const QString cache = tmp.path() + "/cache";
    const QByteArray oldCache = qgetenv("XDG_CACHE_HOME");
    qputenv("XDG_CACHE_HOME", QFile::encodeName(cache));
    WithoutRuntimeFolder(tmp.path(), [&] {
        tkv::platform::ProvideRuntimeFolder();
        QCOMPARE(qEnvironmentVariable("XDG_RUNTIME_DIR"), cache + "/tokivane-runtime");
    });
    qputenv("XDG_CACHE_HOME", oldCache);
    struct stat st = {};
    QCOMPARE(::lstat(QFile::encodeName(cache + "/tokivane-runtime").constData(), &st), 0);
    QCOMPARE(st.st_mode & 0777, 0700u);
    QCOMPARE(QDir(squatted).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), QStringList());
}

namespace {

// Another process (a squatter) holding an flock on `path` until killed.
pid_t HoldLockIn(const QString& path) {
    int ready[2];
    if (::pipe(ready) != 0)
        return -1;
    const pid_t child = ::fork();
    if (child == 0) {
        const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY);
        const char ok = fd >= 0 && ::flock(fd, LOCK_EX) == 0 ? 'y' : 'n';
        [[maybe_unused]] const ssize_t n = ::write(ready[1], &ok, 1);
        ::pause();
        ::_exit(0);
    }
    char ok = 0;
    [[maybe_unused]] const ssize_t n = ::read(ready[0], &ok, 1);
    ::close(ready[0]);
    ::close(ready[1]);
    return ok == 'y' ? child : -1;
}

}  // namespace

// Names in the runtime folder that we did not make there (a link to a file
// elsewhere, a file of another user), even locked by someone: the program
// still takes its name and listens, a later copy still finds it, and the
// file a link points to is left as it was.
void SingleInstanceTest::squattedNamesNeitherStopNorFoolUs_data() {
    QTest::addColumn<bool>("otherOwner");
    QTest::newRow("links to a file elsewhere") << false;
    QTest::newRow("files of another user") << true;
}

void SingleInstanceTest::squattedNamesNeitherStopNorFoolUs() {
    QFETCH(bool, otherOwner);
    if (otherOwner && ::getuid() != 0)
        QSKIP("only root can make a file of another user");
    // Each name its own file elsewhere, each held by its own squatter.
    QTemporaryDir elsewhere;
    struct Squatters {
        std::vector<pid_t> pids;
        ~Squatters() {  // also when a check above failed
            for (const pid_t p : pids) {
                ::kill(p, SIGKILL);
                ::waitpid(p, nullptr, 0);
            }
        }
    } squatters;
    QStringList targets;
    for (const QString& name :
         {SingleInstance::lockPath("TZangyoMain"), SingleInstance::lockPath("TDrowselForm"),
          ActivationChannel::socketPath("TZangyoMain")}) {
        const QString target = elsewhere.path() + "/target" + QString::number(targets.size());
        targets << target;
        {
            QFile f(target);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("untouched");
        }
        QFile::remove(name);
        if (otherOwner) {
            QVERIFY(QFile::copy(target, name));
            QVERIFY(::chown(QFile::encodeName(name).constData(), 65534, 65534) == 0);
        } else {
            QVERIFY(QFile::link(target, name));
        }
        if (!name.endsWith(".socket"))
            squatters.pids.push_back(HoldLockIn(name));
    }
    for (const pid_t p : squatters.pids) QVERIFY(p > 0);

    QVERIFY(!SingleInstance::isTaken("TDrowselForm"));
    SingleInstance first("TZangyoMain");
    QVERIFY(first.take());
    ActivationChannel channel;
    int knocks = 0;
    QVERIFY(channel.listen("TZangyoMain", [&knocks] { ++knocks; }));
    SingleInstance later("TZangyoMain");
    QVERIFY(!later.take());
    QVERIFY(ActivationChannel::knock("TZangyoMain"));
    QTRY_COMPARE(knocks, 1);

    for (const QString& target : targets) {
        QFile f(target);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), QByteArray("untouched"));
    }
    channel.close();
    first.release();
    QFile::remove(SingleInstance::lockPath("TDrowselForm"));
}
