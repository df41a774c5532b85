#include <QtTest>

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

}  // namespace tkv

QTEST_MAIN(tkv::SaveConflictTest)
#include "save_conflict_test.moc"
