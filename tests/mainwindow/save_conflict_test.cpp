#include <QtTest>

#include "base/atomic_file.h"
#include "mainwindow/main_fixture.h"
#include "session/month_session.h"

namespace tkv {

using test::MainFixture;

// The main window holds a month with an unsaved edit while another program
// (the command line) saves the same month.
class SaveConflictTest final : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { platform::testing::ResetMessageHook(); }
    void bothEditsSurviveOrThePersonChooses_data();
    void bothEditsSurviveOrThePersonChooses();
    void theWindowFollowsTheFileUnlessEdited_data();
    void theWindowFollowsTheFileUnlessEdited();
    void aDamagedDayCountIsToldOncePerFile();
};

void SaveConflictTest::bothEditsSurviveOrThePersonChooses_data() {
    QTest::addColumn<int>("otherDay");
    QTest::addColumn<int>("answer");  // to the conflict question; 0 when none is asked
    QTest::addColumn<QString>("day12");
    QTest::newRow("another day: no question") << 14 << 0 << "window";
    QTest::newRow("same day, keep the window's") << 12 << int(QMessageBox::Yes) << "window";
    QTest::newRow("same day, keep the file's") << 12 << int(QMessageBox::No) << "cli";
}

void SaveConflictTest::bothEditsSurviveOrThePersonChooses() {
    QFETCH(int, otherDay);
    QFETCH(int, answer);
    QFETCH(QString, day12);
    MainFixture f({2025, 5, 12, 9, 0, 0});
    TZangyoMain& w = f.start();
    f.click("SaveButton");  // the month file both start from
    w.month().day(12).cell(DayColumn::Memo) = "window";
    f.grid().refresh();

    MonthSession other(f.ctx.settings, f.ctx.holidays, f.ctx.paths());
    QVERIFY(other.load({2025, 5}).ok());
    other.month().day(otherDay).cell(DayColumn::Memo) = "cli";
    QVERIFY(other.save().ok());

    if (answer != 0)
        platform::testing::QueueMessageAnswer(static_cast<QMessageBox::StandardButton>(answer));
    platform::testing::TakeMessageLog();
    f.click("SaveButton");
    const auto log = platform::testing::TakeMessageLog();
    QCOMPARE(log.size(), std::size_t(answer != 0 ? 1 : 0));
    if (answer != 0) {
        QCOMPARE(log.front().caption, QString::fromUtf8("変更の競合"));
        QVERIFY(log.front().text.contains("window"));
        QVERIFY(log.front().text.contains("cli"));
    }
    QVERIFY(!w.month().hasUnsavedChanges());

    MonthSession check(f.ctx.settings, f.ctx.holidays, f.ctx.paths());
    QVERIFY(check.load({2025, 5}).ok());
    QCOMPARE(QString::fromStdString(check.month().day(12).cell(DayColumn::Memo)), day12);
    QCOMPARE(QString::fromStdString(w.month().day(12).cell(DayColumn::Memo)), day12);
    if (otherDay != 12)
        QCOMPARE(check.month().day(otherDay).cell(DayColumn::Memo), std::string("cli"));
}

// A punch from a login hook, or any other program's save, shows in an open
// window at once; an unsaved edit is never replaced (the save merges).
void SaveConflictTest::theWindowFollowsTheFileUnlessEdited_data() {
    QTest::addColumn<bool>("edited");
    QTest::newRow("no unsaved edit: the file is shown") << false;
    QTest::newRow("an unsaved edit: kept, merged at save") << true;
}

void SaveConflictTest::theWindowFollowsTheFileUnlessEdited() {
    QFETCH(bool, edited);
    MainFixture f({2025, 5, 12, 9, 0, 0});
    TZangyoMain& w = f.start();
    f.grid().selectDay(3, ColumnNumber(DayColumn::Memo));
    if (edited) {
        w.month().day(12).cell(DayColumn::Memo) = "window";
        f.grid().refresh();
    }
    // No month file yet: the other program creates it.
    MonthSession other(f.ctx.settings, f.ctx.holidays, f.ctx.paths());
    QVERIFY(other.load({2025, 5}).ok());
    other.month().day(14).cell(DayColumn::Memo) = "cli";
    QVERIFY(other.save().ok());

    if (!edited) {
        QTRY_COMPARE(QString::fromStdString(w.month().day(14).cell(DayColumn::Memo)),
                     QString("cli"));
        QCOMPARE(f.grid().currentDayRow(), 3);  // the cursor stays where it was
        QVERIFY(!w.month().hasUnsavedChanges());
        // And again when the file is replaced once more.
        other.month().day(15).cell(DayColumn::Memo) = "again";
        QVERIFY(other.save().ok());
        QTRY_COMPARE(QString::fromStdString(w.month().day(15).cell(DayColumn::Memo)),
                     QString("again"));
        return;
    }
    QTest::qWait(500);  // longer than the watch takes to settle
    QCOMPARE(w.month().day(14).cell(DayColumn::Memo), std::string());
    QCOMPARE(w.month().day(12).cell(DayColumn::Memo), std::string("window"));
    f.click("SaveButton");
    QCOMPARE(w.month().day(14).cell(DayColumn::Memo), std::string("cli"));
    QCOMPARE(w.month().day(12).cell(DayColumn::Memo), std::string("window"));
}

// A month file whose header lost its day count shows the calendar's days
// with a notice, once per file and run, not at every visit.
void SaveConflictTest::aDamagedDayCountIsToldOncePerFile() {
    MainFixture f({2025, 5, 12, 9, 0, 0});
    {
        MonthSession other(f.ctx.settings, f.ctx.holidays, f.ctx.paths());
        QVERIFY(other.load({2025, 4}).ok());
        other.month().day(3).cell(DayColumn::Memo) = "kept";
        QVERIFY(other.save().ok());
    }
    const std::string april = f.ctx.paths().monthFile({2025, 4});
    std::string bytes;
    QVERIFY(ReadWholeFile(april, bytes).ok());
    const std::size_t at = bytes.find("LastDay=");
    QVERIFY(at != std::string::npos);
    bytes.replace(at, 8, "LastDay=x");
    QVERIFY(WriteFileAtomically(april, bytes).ok());

    TZangyoMain& w = f.start();
    platform::testing::TakeMessageLog();
    f.click("PreButton");
    QCOMPARE(w.month().LastDay, 30);
    QCOMPARE(w.month().day(3).cell(DayColumn::Memo), std::string("kept"));
    f.click("NextButton");
    f.click("PreButton");
    const auto log = platform::testing::TakeMessageLog();
    QCOMPARE(log.size(), std::size_t(1));
    QVERIFY(log.front().text.contains("LastDay"));
}

}  // namespace tkv

QTEST_MAIN(tkv::SaveConflictTest)
#include "save_conflict_test.moc"
