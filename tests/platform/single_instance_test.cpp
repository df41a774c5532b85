#include "platform/single_instance.h"

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

// A folder of that name that others can enter (or a link to one) may have
// been laid out by someone else: it is never used for the locks.
void SingleInstanceTest::aPrivateFolderOthersCanEnterIsRefused() {
    QTemporaryDir tmp;
    const QString own = tmp.path() + "/tokivane-runtime-" + QString::number(::getuid());
    QVERIFY(QDir().mkdir(own));
    QVERIFY(::chmod(QFile::encodeName(own).constData(), 0755) == 0);
    WithoutRuntimeFolder(tmp.path(), [&] {
        tkv::platform::ProvideRuntimeFolder();
        QVERIFY(qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR"));
    });
}
