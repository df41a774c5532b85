#include <QApplication>
#include <QScopeGuard>

#include "base/atomic_file.h"
#include "core/month_file.h"
#include "mainwindow/jump.h"
#include "mainwindow/main_fixture.h"
#include "settings/ui/pass.h"
#include "settings/ui/prompt_answers.h"
#include "settings/ui/time_adjust.h"

namespace tkv::test {

// Resident operation: the tray, the idle tool, the start switches, the
// session end and the signals, with a fake tray and no process ever started.
class ResidentTest final : public QObject {
    Q_OBJECT

private slots:
    void init() { platform::testing::ResetMessageHook(); }

    void minimiseGoesToTheTrayAndBack_data();
    void minimiseGoesToTheTrayAndBack();
    void maximisedWindowComesBackMaximised();
    void minimiseHandsOverToTheIdleTool_data();
    void minimiseHandsOverToTheIdleTool();
    void idleToolThatCannotStartLeavesTheProgramInTheTray();
    void escapeInADialog_data();
    void escapeInADialog();
    void trayPassword_data();
    void trayPassword();
    void openRequestWhilePromptIsOpenDoesNothing();
    void restoringFromTheTaskbarAsksThePassword();
    void downSwitchRecordsBothTimesAndEnds();
    void displaySwitchComesBackFromTheTray();
    void startAutoMinimizeHandsOverAtOnce();
    void trayExitIsGreyedWhileTimeAdjustIsOpen();
    void sessionEnd_data();
    void sessionEnd();
    void sessionEndWithTimeAdjustOpenIsRefused();
    void signalSavesEditsAndWritesTheLeavingTime();
    void signalTakesAnOpenTimeAdjustAsCancelled();
    void signalDuringTheSaveQuestion();
};

namespace {

constexpr DateTime kNow{2025, 5, 12, 9, 0, 0};  // a Monday

MonthRecord SavedMonth(const MainFixture& f) {
    MonthRecord m;
    LoadMonth(m, {2025, 5}, f.monthFile(2025, 5), f.ctx.settings, f.ctx.holidays);
    return m;
}

QString Cell(const MonthRecord& m, DayColumn column) {
    return QString::fromStdString(m.rowCount() >= 12 ? m.day(12).cell(column) : "").trimmed();
}

// The window's own minimise command, once the window is up.
void Minimise(MainFixture& f) {
    QVERIFY(QTest::qWaitForWindowExposed(&f.main()));
    f.main().showMinimized();
}

void TypeMemo(MainFixture& f, const char* memo) {
    f.main().month().day(12).cell(DayColumn::Memo) = memo;
    f.grid().refresh();
}

// Shows the dialog, runs `act` while it waits and closes it afterwards if
// `act` did not.
template <class T>
void WhileOpen(MainFixture& f, T& dialog, std::function<void(T&)> act) {
    WhenShown<T>(f.main(), [act](T& d) {
        act(d);
        if (d.isVisible())
            d.reject();
    });
    dialog.exec();
}

}  // namespace

void ResidentTest::minimiseGoesToTheTrayAndBack_data() {
    QTest::addColumn<bool>("tray");
    QTest::newRow("notification area") << true;
    QTest::newRow("no notification area: an ordinary minimise") << false;
}

void ResidentTest::minimiseGoesToTheTrayAndBack() {
    QFETCH(bool, tray);
    MainFixture f(kNow, [](Settings& s) { s.IconSelect = TrayIconChoice::Computer; });
    f.useTray = tray;
    TZangyoMain& w = f.start();
    QVERIFY(!f.tray.shown);

    Minimise(f);
    QTRY_VERIFY(f.resident().inTray());
    QVERIFY(f.launched.empty());
    if (tray) {
        // Out of the taskbar, into the tray with the chosen image.
        QVERIFY(!w.isVisible());
        QVERIFY(f.tray.shown);
        QCOMPARE(f.tray.image, 1);
        emit f.tray.openRequested();  // the double click
        QVERIFY(w.isVisible() && !w.isMinimized());
        QVERIFY(!f.tray.shown);
    } else {
        // The window keeps its taskbar entry and can never be lost.
        QVERIFY(w.isVisible() && w.isMinimized());
        QVERIFY(!f.tray.shown);
        f.resident().activate();  // a second start of the program
        QVERIFY(w.isVisible() && !w.isMinimized());
    }
    QVERIFY(!f.resident().inTray());
    QVERIFY(f.endings.empty());
}

void ResidentTest::maximisedWindowComesBackMaximised() {
    MainFixture f(kNow);
    TZangyoMain& w = f.start();
    w.showMaximized();
    Minimise(f);
    QTRY_VERIFY(f.tray.shown);
    emit f.tray.openRequested();
    QVERIFY(w.isVisible());
    QCOMPARE(w.windowState() & (Qt::WindowMaximized | Qt::WindowMinimized), Qt::WindowMaximized);
}

void ResidentTest::minimiseHandsOverToTheIdleTool_data() {
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("icon");
    QTest::addColumn<QStringList>("command");
    QTest::newRow("/U:taro") << QStringList{"/U:taro"} << 1
                             << QStringList{"/opt/tokivane/bin/drowsel", "/Idle", "1", "/U:taro"};
    QTest::newRow("/M") << QStringList{"/M", "/U:taro"} << 0
                        << QStringList{"/opt/tokivane/bin/drowsel", "/Idle", "0", "/M"};
    QTest::newRow("no switch") << QStringList{} << 0
                               << QStringList{"/opt/tokivane/bin/drowsel", "/Idle", "0"};
}

void ResidentTest::minimiseHandsOverToTheIdleTool() {
    QFETCH(QStringList, args);
    QFETCH(int, icon);
    QFETCH(QStringList, command);
    std::vector<std::string> switches;
    for (const QString& a : args) switches.push_back(a.toStdString());
    MainFixture f(
        kNow,
        [icon](Settings& s) {
            s.IdleProcess = true;
            s.IconSelect = static_cast<TrayIconChoice>(icon);
            s.EndAutoIn = AutoTimeMode::Automatic;
            s.AutoSave = false;
        },
        switches);
    TZangyoMain& w = f.start();
    TypeMemo(f, "会議");

    Minimise(f);
    QTRY_COMPARE(int(f.launched.size()), 1);
    QStringList started{QString::fromStdString(f.launched[0].program)};
    for (const std::string& a : f.launched[0].args) started << QString::fromStdString(a);
    QCOMPARE(started, command);
    // The program ends after saving without a question and without a
    // leaving time.
    QVERIFY(f.resident().idleToolStarted());
    QVERIFY(!w.isVisible());
    QCOMPARE(f.endings, std::vector<int>{0});
    QVERIFY(platform::testing::TakeMessageLog().empty());
    const MonthRecord saved = SavedMonth(f);
    QCOMPARE(Cell(saved, DayColumn::Memo), U("会議"));
    QCOMPARE(Cell(saved, DayColumn::Leaving), QString());
}

void ResidentTest::idleToolThatCannotStartLeavesTheProgramInTheTray() {
    MainFixture f(kNow, [](Settings& s) { s.IdleProcess = true; });
    f.launchSucceeds = false;
    f.start();
    Minimise(f);
    QTRY_VERIFY(f.resident().inTray());
    const auto log = platform::testing::TakeMessageLog();
    QCOMPARE(int(log.size()), 1);
    QCOMPARE(log[0].caption, U("起動ｴﾗｰ"));
    QCOMPARE(log[0].text, U("drowselの起動に失敗しました。"));
    QCOMPARE(log[0].icon, QMessageBox::Critical);
    QVERIFY(f.tray.shown);
    QVERIFY(f.endings.empty());
    QVERIFY(!f.resident().idleToolStarted());
}

void ResidentTest::escapeInADialog_data() {
    QTest::addColumn<bool>("escKeyMin");
    QTest::newRow("EscKeyMin on: the whole program goes") << true;
    QTest::newRow("EscKeyMin off: nothing happens") << false;
}

void ResidentTest::escapeInADialog() {
    QFETCH(bool, escKeyMin);
    MainFixture f(kNow, [escKeyMin](Settings& s) { s.EscKeyMin = escKeyMin; });
    f.commitSettings();
    TZangyoMain& w = f.start();
    bool checked = false;
    WhileOpen<TJump>(f, f.windows->jump(), [&](TJump& d) {
        QTest::keyClick(&d, Qt::Key_Escape);
        QCOMPARE(f.resident().inTray(), escKeyMin);
        QCOMPARE(f.tray.shown, escKeyMin);
        QCOMPARE(w.isVisible(), !escKeyMin);
        // The dialog stays open, out of sight with the program.
        QVERIFY(d.isVisible());
        QCOMPARE(d.isMinimized(), escKeyMin);
        if (escKeyMin) {
            emit f.tray.openRequested();
            QVERIFY(w.isVisible());
            QVERIFY(!d.isMinimized());
        }
        checked = true;
    });
    QVERIFY(checked);
    QVERIFY(w.isVisible());
}

void ResidentTest::trayPassword_data() {
    QTest::addColumn<bool>("reOpenPassIn");
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<QList<int>>("errorAnswers");
    QTest::addColumn<int>("prompts");
    QTest::addColumn<bool>("restored");

    const int ok = QMessageBox::Ok, cancel = QMessageBox::Cancel;
    QTest::newRow("other letter case")
        << true << QStringList{"sECRET"} << QList<int>{} << 1 << true;
    QTest::newRow("second try") << true << QStringList{"x", "Secret"} << QList<int>{ok} << 2
                                << true;
    QTest::newRow("three wrong stay in the tray")
        << true << QStringList{"a", "b", "c", "Secret"} << QList<int>{ok, ok, ok} << 3 << false;
    QTest::newRow("cancel in the error box")
        << true << QStringList{"a", "Secret"} << QList<int>{cancel} << 1 << false;
    QTest::newRow("cancel in the prompt")
        << true << QStringList{QString()} << QList<int>{} << 1 << false;
    QTest::newRow("ReOpenPassIn off") << false << QStringList{} << QList<int>{} << 0 << true;
}

void ResidentTest::trayPassword() {
    QFETCH(bool, reOpenPassIn);
    QFETCH(QStringList, entries);
    QFETCH(QList<int>, errorAnswers);
    QFETCH(int, prompts);
    QFETCH(bool, restored);
    MainFixture f(kNow, [reOpenPassIn](Settings& s) {
        s.Pass = "Secret";
        s.ReOpenPassIn = reOpenPassIn;
    });
    f.commitSettings();
    TZangyoMain& w = f.start();
    Minimise(f);
    QTRY_VERIFY(f.tray.shown);

    for (int answer : errorAnswers)
        platform::testing::QueueMessageAnswer(static_cast<QMessageBox::StandardButton>(answer));
    PromptCount count;
    AnswerPrompts(f.windows->pass(), entries, &count);
    emit f.tray.openRequested();
    QCOMPARE(count.shown, prompts);
    QCOMPARE(count.notCleared, 0);
    QCOMPARE(int(platform::testing::TakeMessageLog().size()), int(errorAnswers.size()));
    QCOMPARE(w.isVisible(), restored);
    QCOMPARE(f.tray.shown, !restored);
    QCOMPARE(f.resident().inTray(), !restored);
    QVERIFY(!f.resident().passwordPromptOpen());
}

void ResidentTest::openRequestWhilePromptIsOpenDoesNothing() {
    MainFixture f(kNow, [](Settings& s) {
        s.Pass = "Secret";
        s.ReOpenPassIn = true;
    });
    f.commitSettings();
    TZangyoMain& w = f.start();
    Minimise(f);
    QTRY_VERIFY(f.tray.shown);
    TPass& prompt = f.windows->pass();
    bool wasOpen = false;
    QTimer::singleShot(0, &prompt, [&] {
        wasOpen = f.resident().passwordPromptOpen();
        emit f.tray.openRequested();  // a second request: no second prompt
        emit f.tray.clicked();        // a single click brings the open prompt up
    });
    PromptCount count;
    AnswerPrompts(prompt, {"Secret"}, &count);
    emit f.tray.openRequested();
    QVERIFY(wasOpen);
    QCOMPARE(count.shown, 1);
    QVERIFY(w.isVisible());
}

void ResidentTest::restoringFromTheTaskbarAsksThePassword() {
    // Without a notification area the taskbar entry stands in for the tray,
    // and the tray's password still holds.
    MainFixture f(kNow, [](Settings& s) {
        s.Pass = "Secret";
        s.ReOpenPassIn = true;
    });
    f.commitSettings();
    f.useTray = false;
    TZangyoMain& w = f.start();
    Minimise(f);
    QTRY_VERIFY(f.resident().inTray());
    // The window manager restores the window (it tells us; we asked for nothing).
    w.overrideWindowState(Qt::WindowNoState);
    PromptCount count;
    AnswerPrompts(f.windows->pass(), {QString()}, &count);  // due once the prompt is up
    QTRY_COMPARE(count.shown, 1);
    QTRY_VERIFY(w.isMinimized());
    QVERIFY(f.resident().inTray());
    w.overrideWindowState(Qt::WindowNoState);
    AnswerPrompts(f.windows->pass(), {"secret"}, &count);
    QTRY_COMPARE(count.shown, 2);
    QTRY_VERIFY(!w.isMinimized());
    QVERIFY(!f.resident().inTray());
}

void ResidentTest::downSwitchRecordsBothTimesAndEnds() {
    MainFixture f(kNow,
                  [](Settings& s) {
                      s.StartAutoIn = AutoTimeMode::Automatic;
                      s.EndAutoIn = AutoTimeMode::Automatic;
                      s.IdleProcess = true;  // not for a start switch
                  },
                  {"/Down"});
    f.commitSettings();
    f.start();
    QCOMPARE(Cell(SavedMonth(f), DayColumn::Arrival), U("9:00"));
    f.clock->set({2025, 5, 12, 18, 30, 0});
    f.resident().startUp();
    QTRY_COMPARE(f.endings, std::vector<int>{0});
    QVERIFY(f.launched.empty());
    QVERIFY(!f.main().isVisible());
    const MonthRecord saved = SavedMonth(f);
    QCOMPARE(Cell(saved, DayColumn::Arrival), U("9:00"));
    QCOMPARE(Cell(saved, DayColumn::Leaving), U("18:30"));
    QVERIFY(platform::testing::TakeMessageLog().empty());
}

void ResidentTest::displaySwitchComesBackFromTheTray() {
    MainFixture f(kNow,
                  [](Settings& s) {
                      s.IdleProcess = true;
                      s.Pass = "Secret";
                      s.ReOpenPassIn = true;
                  },
                  {"/Disp"});
    f.commitSettings();
    TZangyoMain& w = f.start();
    PromptCount count;
    AnswerPrompts(f.windows->pass(), {"Secret"}, &count);
    f.resident().MinimizeTimerTimer();  // what the start-up timer runs
    QCOMPARE(count.shown, 1);
    QVERIFY(w.isVisible() && !w.isMinimized());
    QVERIFY(!f.tray.shown);
    QVERIFY(f.launched.empty());
    QVERIFY(f.endings.empty());
}

void ResidentTest::startAutoMinimizeHandsOverAtOnce() {
    MainFixture f(kNow, [](Settings& s) {
        s.StartAutoMinimize = true;
        s.StartAutoIn = AutoTimeMode::Automatic;
        s.IdleProcess = true;
    });
    f.start();
    f.resident().startUp();
    QTRY_COMPARE(int(f.launched.size()), 1);
    QCOMPARE(f.endings, std::vector<int>{0});
    QCOMPARE(Cell(SavedMonth(f), DayColumn::Arrival), U("9:00"));
}

void ResidentTest::trayExitIsGreyedWhileTimeAdjustIsOpen() {
    MainFixture f(kNow, [](Settings& s) { s.StartAutoIn = AutoTimeMode::Confirm; });
    bool greyed = false;
    f.create();
    WhenShown<TTimeAdjust>(f.main(), [&](TTimeAdjust& d) {
        greyed = !f.tray.exitEnabled;
        d.reject();
    });
    f.main().show();
    f.main().firstShow();
    QVERIFY(greyed);
    QVERIFY(f.tray.exitEnabled);
}

void ResidentTest::sessionEnd_data() {
    QTest::addColumn<int>("endAutoIn");
    QTest::addColumn<bool>("person");
    QTest::addColumn<int>("answer");  // to the save question, when it is asked
    QTest::addColumn<bool>("mayEnd");
    QTest::addColumn<bool>("closed");
    QTest::addColumn<QString>("leaving");  // in the saved month; null: the memo is not saved

    const int yes = QMessageBox::Yes, cancel = QMessageBox::Cancel;
    QTest::newRow("EndAutoIn 1: edits saved, leaving written, still running")
        << 1 << true << 0 << true << false << U("9:00");
    QTest::newRow("EndAutoIn 2 without a person: written without the window")
        << 2 << false << 0 << true << false << U("9:00");
    QTest::newRow("EndAutoIn 0: closes after the question")
        << 0 << true << yes << true << true << QString("");
    QTest::newRow("EndAutoIn 0: cancel keeps the session")
        << 0 << true << cancel << false << false << QString();
    QTest::newRow("EndAutoIn 0 without a person: saved and closed")
        << 0 << false << 0 << true << true << QString("");
}

void ResidentTest::sessionEnd() {
    QFETCH(int, endAutoIn);
    QFETCH(bool, person);
    QFETCH(int, answer);
    QFETCH(bool, mayEnd);
    QFETCH(bool, closed);
    QFETCH(QString, leaving);
    MainFixture f(kNow, [endAutoIn](Settings& s) {
        s.EndAutoIn = static_cast<AutoTimeMode>(endAutoIn);
        s.AutoSave = false;
    });
    TZangyoMain& w = f.start();
    TypeMemo(f, "会議");
    if (answer != 0)
        platform::testing::QueueMessageAnswer(static_cast<QMessageBox::StandardButton>(answer));

    QCOMPARE(f.resident().sessionMayEnd(person), mayEnd);
    QCOMPARE(w.isVisible(), !closed);
    QCOMPARE(int(f.endings.size()), closed ? 1 : 0);
    QCOMPARE(int(platform::testing::TakeMessageLog().size()), answer != 0 ? 1 : 0);
    const MonthRecord saved = SavedMonth(f);
    if (leaving.isNull()) {
        QVERIFY(!FileExists(f.monthFile(2025, 5)));
        QVERIFY(w.month().hasUnsavedChanges());
    } else {
        QCOMPARE(Cell(saved, DayColumn::Memo), U("会議"));
        QCOMPARE(Cell(saved, DayColumn::Leaving), leaving);
    }
    QCOMPARE(w.attendance(), Attendance::Person);
}

void ResidentTest::sessionEndWithTimeAdjustOpenIsRefused() {
    MainFixture f(kNow, [](Settings& s) {
        s.StartAutoIn = AutoTimeMode::Confirm;
        s.EndAutoIn = AutoTimeMode::Automatic;
    });
    f.create();
    bool refused = false, broughtBack = false;
    WhenShown<TTimeAdjust>(f.main(), [&](TTimeAdjust& d) {
        const auto close = qScopeGuard([&d] { d.reject(); });
        Minimise(f);
        QTRY_VERIFY(f.resident().inTray());
        refused = !f.resident().sessionMayEnd(true);
        broughtBack =
            f.main().isVisible() && !f.main().isMinimized() && d.isVisible() && !d.isMinimized();
    });
    f.main().show();
    f.main().firstShow();
    QVERIFY(refused);
    QVERIFY(broughtBack);
    QVERIFY(!FileExists(f.monthFile(2025, 5)));  // nothing written meanwhile
}

void ResidentTest::signalSavesEditsAndWritesTheLeavingTime() {
    MainFixture f(kNow, [](Settings& s) {
        s.EndAutoIn = AutoTimeMode::Confirm;  // no window on a signal: written at once
        s.AutoSave = false;
    });
    TZangyoMain& w = f.start();
    TypeMemo(f, "会議");
    f.resident().terminate();
    QTRY_COMPARE(f.endings, std::vector<int>{0});
    QVERIFY(!w.isVisible());
    QVERIFY(platform::testing::TakeMessageLog().empty());
    const MonthRecord saved = SavedMonth(f);
    QCOMPARE(Cell(saved, DayColumn::Memo), U("会議"));
    QCOMPARE(Cell(saved, DayColumn::Leaving), U("9:00"));
}

void ResidentTest::signalTakesAnOpenTimeAdjustAsCancelled() {
    MainFixture f(kNow, [](Settings& s) {
        s.StartAutoIn = AutoTimeMode::Confirm;
        s.EndAutoIn = AutoTimeMode::Automatic;
    });
    f.create();
    WhenShown<TTimeAdjust>(f.main(), [&](TTimeAdjust&) { f.resident().terminate(); });
    f.main().show();
    f.main().firstShow();  // returns once the dialog is gone
    QTRY_COMPARE(f.endings, std::vector<int>{0});
    const MonthRecord saved = SavedMonth(f);
    QCOMPARE(Cell(saved, DayColumn::Arrival), QString());
    QCOMPARE(Cell(saved, DayColumn::Leaving), U("9:00"));
}

void ResidentTest::signalDuringTheSaveQuestion() {
    // A real message box, waiting in its own loop when the signal comes.
    MainFixture f(kNow, [](Settings& s) { s.AutoSave = false; });
    TZangyoMain& w = f.start();
    TypeMemo(f, "会議");
    platform::testing::NeverShowMessages(false);
    bool asked = false;
    QTimer::singleShot(0, &w, [&] {
        asked = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()) != nullptr;
        f.resident().terminate();
    });
    QVERIFY(!w.close());  // the question was taken as cancelled
    QVERIFY(asked);
    QTRY_COMPARE(f.endings, std::vector<int>{0});
    QCOMPARE(Cell(SavedMonth(f), DayColumn::Memo), U("会議"));
}

}  // namespace tkv::test

QTEST_MAIN(tkv::test::ResidentTest)
#include "resident_test.moc"
