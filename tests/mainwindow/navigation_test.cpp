#include <fstream>

#include <QAction>
#include <QLabel>

#include "base/atomic_file.h"
#include "base/paths.h"
#include "core/pay_window.h"
#include "leave/ledger.h"
#include "leave/ledger_file.h"
#include "mainwindow/jump.h"
#include "mainwindow/main_fixture.h"
#include "mainwindow/t_total.h"
#include "mainwindow/target_bar_panel.h"
#include "settings/ui/pass.h"

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
    void payWindowAsksForKinPass();
    void targetBarToggleKeepsTheHeight();
    void leaveIndicator();
    void closingDayChangeRebuildsTheMonth();
};

namespace {

void show(MainFixture& f, int year, int month) {
    f.main().LoadMonth(year, month, true);
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

void NavigationTest::payWindowAsksForKinPass() {
    MainFixture f({2025, 5, 12, 9, 0, 0}, [](Settings& s) { s.KinPass = "Money"; });
    TZangyoMain& w = f.start();
    TPass& prompt = f.windows->pass();
    WhenShown<TPass>(w, [](TPass& d) { d.reject(); });
    f.click("KingakuButton");
    QVERIFY(!f.windows->total().isVisible());
    QVERIFY(!prompt.isVisible());
    WhenShown<TPass>(w, [](TPass& d) {
        d.findChild<QLineEdit*>("PassEdit")->setText("MONEY");
        d.findChild<QPushButton*>("OkButton")->click();
    });
    f.main().action("KingakuMenuItem")->trigger();
    QVERIFY(f.windows->total().isVisible());
}

void NavigationTest::targetBarToggleKeepsTheHeight() {
    MainFixture f({2025, 5, 12, 9, 0, 0}, [](Settings& s) { s.MokuhyoBasShow = false; });
    TZangyoMain& w = f.start();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QAction* item = w.action("MokuhyoMenuItem");
    QVERIFY(!item->isChecked());
    QVERIFY(!w.targetBar()->isVisible());
    const int before = w.height();
    const int minBefore = w.minimumWindowSize().height();

    item->trigger();
    QVERIFY(item->isChecked());
    QVERIFY(w.targetBar()->isVisible());
    QCOMPARE(w.height(), before + w.targetBar()->height());
    QCOMPARE(w.minimumWindowSize().height(), minBefore + w.targetBar()->height());

    // A double click on the right panel switches it off again.
    QTest::mouseDClick(w.findChild<QWidget*>("RightPanel"), Qt::LeftButton, {}, QPoint(2, 2));
    QVERIFY(!item->isChecked());
    QCOMPARE(w.height(), before);
    // A single click on the left panel switches it on.
    QTest::mouseClick(w.findChild<QWidget*>("LeftPanel"), Qt::LeftButton, {}, QPoint(2, 20));
    QVERIFY(item->isChecked());

    // The state is kept for the start user when the window closes.
    QVERIFY(w.close());
    QCOMPARE(f.ctx.registry->readValue("Software\\Varnholt\\Zangyo\\System", "MokuhyoBasShow")
                 .value_or(""),
             std::string("1"));
}

void NavigationTest::leaveIndicator() {
    MainFixture f({2025, 5, 12, 9, 0, 0}, [](Settings& s) {
        s.YukyuMokuZanDisp = true;
        s.YukyuMokuZan = "5.0";
        s.MokuhyoBasShow = true;
    });
    Ledger ledger;
    ledger.setKuriZan("3.5");
    QVERIFY(SaveLedger(ledger, f.ctx.ledgerPath()).ok());
    TZangyoMain& w = f.start();
    QLabel* panel = w.targetBar()->yukyuPanel();
    QVERIFY(panel->isVisible());
    QCOMPARE(panel->text().trimmed(), U("-1.5"));
    QCOMPARE(panel->palette().color(QPalette::WindowText), QColor(Qt::red));

    // Taking a day of paid leave and saving refreshes it.
    w.month().day(13).cell(DayColumn::Kind) = "有";
    f.grid().refresh();
    f.click("SaveButton");
    QCOMPARE(panel->text().trimmed(), U("-2.5"));
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
