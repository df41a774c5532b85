#include <fstream>

#include <QAction>

#include "base/atomic_file.h"
#include "base/paths.h"
#include "core/pay_window.h"
#include "mainwindow/jump.h"
#include "mainwindow/main_fixture.h"
#include "mainwindow/t_total.h"

namespace tkv::test {

class NavigationTest final : public QObject {
    Q_OBJECT

private slots:
    void init() { platform::testing::ResetMessageHook(); }

    void moves_data();
    void moves();
    void todayWhenShownAsksNothing();
    void jumpClamps_data();
    void jumpClamps();
    void answersToTheQuestion_data();
    void answersToTheQuestion();
    void browsingAYearWithUnsavedEdits_data();
    void browsingAYearWithUnsavedEdits();
    void payWindowFollowsTheMonth();
    void closingDayChangeRebuildsTheMonth();
};

namespace {

void show(MainFixture& f, int year, int month) {
    f.main().showMonth(year, month, true);
}

std::string PayWindowText(const MainFixture& f, const std::string& name) {
    for (const PayField& p : PayWindowFields(f.main().calculation(), f.ctx.settings))
        if (p.name == name)
            return p.text;
    return "?";
}

QString shown(const MainFixture& f) {
    return f.field("YearMemo") + "/" + f.field("MonthMemo");
}

void typeMemo(MainFixture& f, int day, const char* text) {
    f.main().month().day(day).cell(DayColumn::Memo) = text;
    f.grid().refresh();
}

}  // namespace

void NavigationTest::moves_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<bool>("ctrl");
    QTest::addColumn<int>("fromYear");
    QTest::addColumn<int>("fromMonth");
    QTest::addColumn<QString>("expected");
    QTest::newRow("previous from January") << "PreButton" << false << 2025 << 1 << "2024/12";
    QTest::newRow("Ctrl+previous from January") << "PreButton" << true << 2025 << 1 << "2024/1";
    QTest::newRow("next from December") << "NextButton" << false << 2024 << 12 << "2025/1";
    QTest::newRow("Ctrl+next") << "NextButton" << true << 2024 << 12 << "2025/12";
    QTest::newRow("menu: previous") << "PreMenuItem" << false << 2025 << 6 << "2025/5";
    QTest::newRow("menu: next") << "NextMenuItem" << false << 2025 << 6 << "2025/7";
    // With the closing day 20, on 25 March 2025 the current month is April.
    QTest::newRow("this month after the closing day")
        << "TodayButton" << false << 2024 << 2 << "2025/4";
    QTest::newRow("menu: this month") << "TodayMenuItem" << false << 2024 << 2 << "2025/4";
}

void NavigationTest::moves() {
    QFETCH(QString, button);
    QFETCH(bool, ctrl);
    QFETCH(int, fromYear);
    QFETCH(int, fromMonth);
    QFETCH(QString, expected);
    MainFixture f({2025, 3, 25, 9, 0, 0}, [](Settings& s) { s.SimeDay = 20; });
    f.start();
    show(f, fromYear, fromMonth);
    f.modifiers = ctrl ? Qt::ControlModifier : Qt::NoModifier;
    if (button.endsWith("MenuItem"))
        f.main().action(button)->trigger();
    else
        f.click(button.toLatin1().constData());
    QCOMPARE(shown(f), expected);
    QCOMPARE(f.main().month().year * 100 + f.main().month().month,
             expected.section('/', 0, 0).toInt() * 100 + expected.section('/', 1).toInt());
    QCOMPARE(int(platform::testing::TakeMessageLog().size()), 0);
}

void NavigationTest::todayWhenShownAsksNothing() {
    MainFixture f({2025, 5, 12, 9, 0, 0});
    f.start();
    typeMemo(f, 12, "未保存");
    f.click("TodayButton");  // no answer queued: a question would fail the log check
    QCOMPARE(int(platform::testing::TakeMessageLog().size()), 0);
    QCOMPARE(f.main().month().day(12).cell(DayColumn::Memo), std::string("未保存"));
    QVERIFY(f.main().month().hasUnsavedChanges());
}

void NavigationTest::jumpClamps_data() {
    QTest::addColumn<QString>("year");
    QTest::addColumn<QString>("month");
    QTest::addColumn<QString>("expected");
    QTest::newRow("year 1985") << "1985"
                               << "6"
                               << "1990/6";
    QTest::newRow("month 13") << "2024"
                              << "13"
                              << "2024/12";
    QTest::newRow("month x") << "2024"
                             << "x"
                             << "2024/1";
    QTest::newRow("year 2100") << "2100"
                               << "0"
                               << "2090/1";
    QTest::newRow("the same month again") << "2025"
                                          << "5"
                                          << "2025/5";
}

void NavigationTest::jumpClamps() {
    QFETCH(QString, year);
    QFETCH(QString, month);
    QFETCH(QString, expected);
    MainFixture f({2025, 5, 12, 9, 0, 0});
    TZangyoMain& w = f.start();
    TJump& jump = f.windows->jump();
    QCOMPARE(jump.findChild<QLineEdit*>("YearMemo")->text(), U("2025"));
    QCOMPARE(jump.findChild<QLineEdit*>("MonthMemo")->text(), U("5"));
    WhenShown<TJump>(w, [&](TJump& d) {
        d.findChild<QLineEdit*>("YearMemo")->setText(year);
        d.findChild<QLineEdit*>("MonthMemo")->setText(month);
        d.findChild<QPushButton*>("OkButton")->click();
    });
    f.click("JumpButton");
    QCOMPARE(shown(f), expected);
    // The dialog keeps the clamped values for next time.
    QCOMPARE(jump.findChild<QLineEdit*>("YearMemo")->text() + "/" +
                 jump.findChild<QLineEdit*>("MonthMemo")->text(),
             expected);

    // Cancel goes nowhere.
    WhenShown<TJump>(w, [](TJump& d) { d.findChild<QPushButton*>("CancelButton")->click(); });
    f.main().action("JumpMenuItem")->trigger();
    QCOMPARE(shown(f), expected);
}

void NavigationTest::answersToTheQuestion_data() {
    QTest::addColumn<int>("answer");
    QTest::addColumn<QString>("after");
    QTest::addColumn<QString>("memoOnReturn");
    QTest::newRow("yes saves") << int(QMessageBox::Yes) << "2025/6"
                               << "編集";
    QTest::newRow("no discards") << int(QMessageBox::No) << "2025/6"
                                 << "保存済";
    QTest::newRow("cancel stays") << int(QMessageBox::Cancel) << "2025/5"
                                  << "編集";
}

void NavigationTest::answersToTheQuestion() {
    QFETCH(int, answer);
    QFETCH(QString, after);
    QFETCH(QString, memoOnReturn);
    MainFixture f({2025, 5, 12, 9, 0, 0});
    f.start();
    typeMemo(f, 12, "保存済");
    f.click("SaveButton");
    typeMemo(f, 12, "編集");
    platform::testing::QueueMessageAnswer(static_cast<QMessageBox::StandardButton>(answer));
    f.click("NextButton");
    QCOMPARE(int(platform::testing::TakeMessageLog().size()), 1);
    QCOMPARE(shown(f), after);
    if (after != "2025/5") {
        f.click("PreButton");  // nothing unsaved now: no question
        QCOMPARE(int(platform::testing::TakeMessageLog().size()), 0);
    }
    QCOMPARE(shown(f), U("2025/5"));
    QCOMPARE(QString::fromStdString(f.main().month().day(12).cell(DayColumn::Memo)), memoOnReturn);
}

void NavigationTest::browsingAYearWithUnsavedEdits_data() {
    QTest::addColumn<bool>("autoSave");
    QTest::addColumn<bool>("shift");
    QTest::addColumn<bool>("asks");
    QTest::newRow("asks without AutoSave") << false << false << true;
    QTest::newRow("saves silently with AutoSave") << true << false << false;
    QTest::newRow("Shift brings the question back") << true << true << true;
}

void NavigationTest::browsingAYearWithUnsavedEdits() {
    QFETCH(bool, autoSave);
    QFETCH(bool, shift);
    QFETCH(bool, asks);
    MainFixture f({2025, 5, 12, 9, 0, 0}, [&](Settings& s) { s.AutoSave = autoSave; });
    f.start();
    f.modifiers = shift ? Qt::ShiftModifier : Qt::NoModifier;
    for (int i = 0; i < 12; ++i) {
        typeMemo(f, 1, qPrintable(QString("memo %1").arg(i)));
        if (asks)
            platform::testing::QueueMessageAnswer(QMessageBox::Yes);
        f.click(i < 6 ? "PreButton" : "NextButton");
        QCOMPARE(int(platform::testing::TakeMessageLog().size()), asks ? 1 : 0);
    }
    QCOMPARE(shown(f), U("2025/5"));
    // Every month visited was saved (by the answer or silently).
    for (YearMonth ym{2024, 11}; ym.year * 100 + ym.month <= 202505; ym = NextMonth(ym))
        QVERIFY2(FileExists(f.monthFile(ym.year, ym.month)), qPrintable(QString::number(ym.month)));
}

void NavigationTest::payWindowFollowsTheMonth() {
    MainFixture f({2025, 5, 12, 9, 0, 0});
    f.start();
    f.click("KingakuButton");
    TTotal& total = f.windows->total();
    QVERIFY(total.isVisible());
    QCOMPARE(total.windowTitle(), U("給与金額"));
    QCOMPARE(total.field("GeeKeiMemo")->text().trimmed(), U("31"));
    f.click("NextButton");  // June has 30 days
    QCOMPARE(total.field("GeeKeiMemo")->text().trimmed(), U("30"));
    QCOMPARE(total.field("HeijituMemo")->text(),
             QString::fromStdString(PayWindowText(f, "HeijituMemo")));
}

void NavigationTest::closingDayChangeRebuildsTheMonth() {
    MainFixture f({2025, 3, 25, 9, 0, 0});
    TZangyoMain& w = f.start();
    QCOMPARE(shown(f), U("2025/3"));
    QCOMPARE(w.month().day(1).cell(DayColumn::Date), std::string(" 3/ 1"));
    f.ctx.settings.SimeDay = 20;
    { std::ofstream(f.monthFile(2025, 4)) << "[System]\r\nLastDay=1\r\n"; }
    w.SimeDayChanged();
    QCOMPARE(shown(f), U("2025/4"));
    QVERIFY(!FileExists(f.monthFile(2025, 4)));
    QCOMPARE(w.month().rowCount(), 31);
    QCOMPARE(w.month().day(1).cell(DayColumn::Date), std::string(" 3/21"));
}

}  // namespace tkv::test

QTEST_MAIN(tkv::test::NavigationTest)
#include "navigation_test.moc"
