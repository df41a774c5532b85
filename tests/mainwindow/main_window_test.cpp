#include <fstream>

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QScrollBar>

#include "base/atomic_file.h"
#include "base/text_util.h"
#include "core/day_kind.h"
#include "leave/ledger.h"
#include "leave/ledger_file.h"
#include "mainwindow/grid/day_grid_model.h"
#include "mainwindow/main_fixture.h"
#include "mainwindow/t_total.h"
#include "mainwindow/target_bar_panel.h"
#include "platform/text_convert.h"
#include "settings/ui/pass.h"
#include "settings/ui/prompt_answers.h"
#include "settings/ui/time_adjust.h"
#include "settings/ui/time_set.h"

namespace tkv::test {

using platform::ToUtf8;

class MainWindowTest final : public QObject {
    Q_OBJECT

private slots:
    void init() { platform::testing::ResetMessageHook(); }

    void passwordGate_data();
    void passwordGate();
    void firstShowOpensTodayScrolled_data();
    void firstShowOpensTodayScrolled();
    void typedTimesRecalculateSaveAndComeBack();
    void doubleClickOnArrival_data();
    void doubleClickOnArrival();
    void kindCyclesByDoubleClick();
    void handEnteredZeroSurvivesRecalculation();
    void statutoryHolidayRowIsRed();
    void closeAsksAboutUnsavedChanges_data();
    void closeAsksAboutUnsavedChanges();
    void damagedMonthFileShowsWhatCanBeRead();
    void sizeLimitsFitTheGrid();
    void payWindowAsksForKinPass();
    void targetBarToggleKeepsTheHeight();
    void leaveIndicatorFollowsTheLedger();
};

namespace {

QPoint centreOf(DayStringGrid& g, int row, DayColumn column) {
    return g.visualRect(g.dayModel()->indexOf(row, ColumnNumber(column))).center();
}

}  // namespace

void MainWindowTest::passwordGate_data() {
    QTest::addColumn<QString>("args");
    QTest::addColumn<bool>("skip");
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<QList<int>>("errorAnswers");  // QMessageBox buttons, in order
    QTest::addColumn<bool>("runs");
    QTest::addColumn<int>("prompts");

    const int ok = QMessageBox::Ok, cancel = QMessageBox::Cancel;
    QTest::newRow("other letter case")
        << "" << false << QStringList{"sECRET"} << QList<int>{} << true << 1;
    QTest::newRow("second try") << "" << false << QStringList{"nope", "Secret"} << QList<int>{ok}
                                << true << 2;
    QTest::newRow("three wrong") << "" << false << QStringList{"a", "b", "c"}
                                 << QList<int>{ok, ok, ok} << false << 3;
    QTest::newRow("cancel in the error box")
        << "" << false << QStringList{"a"} << QList<int>{cancel} << false << 1;
    QTest::newRow("cancel in the prompt")
        << "" << false << QStringList{QString()} << QList<int>{} << false << 1;
    QTest::newRow("/Down skips") << "/Down" << false << QStringList{} << QList<int>{} << true << 0;
    QTest::newRow("/Disp skips") << "/Disp" << false << QStringList{} << QList<int>{} << true << 0;
    QTest::newRow("/Disp not first")
        << "/M /Disp" << false << QStringList{"Secret"} << QList<int>{} << true << 1;
    QTest::newRow("StartPassSkip") << "" << true << QStringList{} << QList<int>{} << true << 0;
}

void MainWindowTest::passwordGate() {
    QFETCH(QString, args);
    QFETCH(bool, skip);
    QFETCH(QStringList, entries);
    QFETCH(QList<int>, errorAnswers);
    QFETCH(bool, runs);
    QFETCH(int, prompts);

    MainFixture f({2025, 5, 12, 9, 0, 0}, [&](Settings& s) {
        s.Pass = "Secret";
        s.StartPassSkip = skip;
    });
    for (const QString& a : args.split(' ', Qt::SkipEmptyParts))
        f.ctx.args.push_back(a.toStdString());
    for (int answer : errorAnswers)
        platform::testing::QueueMessageAnswer(static_cast<QMessageBox::StandardButton>(answer));
    f.windows = std::make_unique<ProgramWindows>(f.ctx);
    PromptCount count;
    AnswerPrompts(f.windows->pass(), entries, &count);
    QCOMPARE(PassStartGate(f.ctx, f.windows->pass()), runs);
    QCOMPARE(count.shown, prompts);
    const auto log = platform::testing::TakeMessageLog();
    QCOMPARE(int(log.size()), int(errorAnswers.size()));
    for (const auto& m : log) {
        QCOMPARE(m.caption, U("ﾊﾟｽﾜｰﾄﾞｴﾗｰ"));
        QCOMPARE(m.text, U("ﾊﾟｽﾜｰﾄﾞが違います。"));
    }
    QVERIFY(!f.main().isVisible());
}

void MainWindowTest::firstShowOpensTodayScrolled_data() {
    QTest::addColumn<int>("day");
    QTest::addColumn<int>("firstVisible");
    QTest::newRow("among the first ten") << 5 << 1;
    QTest::newRow("eleventh visible") << 18 << 8;
    QTest::newRow("never past the last page") << 31 << 0;  // 0: the scroll bar's end
}

void MainWindowTest::firstShowOpensTodayScrolled() {
    QFETCH(int, day);
    QFETCH(int, firstVisible);
    MainFixture f({2025, 3, day, 9, 0, 0}, [](Settings& s) { s.SimeDay = 31; });
    TZangyoMain& w = f.start();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QCOMPARE(f.field("YearMemo"), U("2025"));
    QCOMPARE(f.field("MonthMemo"), U("3"));
    QCOMPARE(f.grid().currentDayRow(), day);
    QCOMPARE(f.grid().currentColumn(), int(DayColumn::Arrival));
    QScrollBar* bar = f.grid().verticalScrollBar();
    if (firstVisible == 0) {
        QCOMPARE(bar->value(), bar->maximum());
        QVERIFY(bar->maximum() < day - 11);
    } else {
        QCOMPARE(bar->value() + 1, firstVisible);
    }
    QVERIFY(f.grid().hasFocus() || f.grid().cellEditor()->hasFocus());
}

void MainWindowTest::typedTimesRecalculateSaveAndComeBack() {
    MainFixture f({2025, 5, 12, 20, 0, 0});
    {
        TZangyoMain& w = f.start();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        // Today's arrival is current; type both times as a user would.
        QTest::keyClicks(f.grid().cellEditor(), "8:30");
        QTest::keyClick(f.grid().cellEditor(), Qt::Key_Tab);
        QCOMPARE(f.grid().currentColumn(), int(DayColumn::Leaving));
        QTest::keyClicks(f.grid().cellEditor(), "19:45");
        f.click("CalcButton");
        QCOMPARE(f.main().month().day(12).cell(DayColumn::Arrival), std::string(" 8:30"));
        QVERIFY(StrToMinutes(ToUtf8(f.field("ZanTMemo"))) > 0);
        QCOMPARE(
            f.field("ZanTMemo").trimmed(),
            QString::fromStdString(f.main().month().day(12).cell(DayColumn::Overtime)).trimmed());
        QVERIFY(!FileExists(f.monthFile(2025, 5)));
        f.click("SaveButton");
        QVERIFY(FileExists(f.monthFile(2025, 5)));
        QVERIFY(!f.main().month().hasUnsavedChanges());
    }
    const QString overtime = f.field("ZanTMemo").trimmed();
    f.windows.reset();
    // Starting again shows the same data.
    f.start();
    QCOMPARE(f.main().month().day(12).cell(DayColumn::Arrival), std::string(" 8:30"));
    QCOMPARE(f.main().month().day(12).cell(DayColumn::Leaving), std::string("19:45"));
    QCOMPARE(f.field("ZanTMemo").trimmed(), overtime);
}

void MainWindowTest::doubleClickOnArrival_data() {
    QTest::addColumn<int>("clickAutoSelect");
    QTest::addColumn<bool>("shift");
    QTest::addColumn<bool>("asks");
    QTest::newRow("standard start") << 0 << false << false;
    QTest::newRow("shift: current time") << 0 << true << true;
    QTest::newRow("reversed: current time") << 1 << false << true;
    QTest::newRow("reversed with shift: standard") << 1 << true << false;
}

void MainWindowTest::doubleClickOnArrival() {
    QFETCH(int, clickAutoSelect);
    QFETCH(bool, shift);
    QFETCH(bool, asks);
    MainFixture f({2025, 5, 12, 8, 7, 0}, [&](Settings& s) {
        s.ClickAutoSelect = static_cast<ClickTimeChoice>(clickAutoSelect);
    });
    TZangyoMain& w = f.start();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    f.modifiers = shift ? Qt::ShiftModifier : Qt::NoModifier;
    bool asked = false;
    if (asks) {
        WhenShown<TTimeAdjust>(w, [&](TTimeAdjust& d) {
            asked = true;
            QCOMPARE(d.findChild<QLineEdit*>("NowMemo")->text().trimmed(), U("8:07"));
            d.findChild<QLineEdit*>("TimeMemo")->setText(" 8:05");
            d.findChild<QPushButton*>("OkButton")->click();
        });
    }
    QTest::mouseDClick(f.grid().viewport(), Qt::LeftButton, {},
                       centreOf(f.grid(), 13, DayColumn::Arrival));
    QCOMPARE(asked, asks);
    QCOMPARE(f.main().month().day(13).cell(DayColumn::Arrival),
             std::string(asks ? " 8:05" : " 8:00"));

    // A filled cell takes no double click, unless Ctrl is held.
    f.modifiers = Qt::NoModifier;
    f.main().month().day(13).cell(DayColumn::Arrival) = " 9:10";
    f.grid().refresh();
    QTest::mouseDClick(f.grid().viewport(), Qt::LeftButton, {},
                       centreOf(f.grid(), 13, DayColumn::Arrival));
    QCOMPARE(f.main().month().day(13).cell(DayColumn::Arrival), std::string(" 9:10"));
}

void MainWindowTest::kindCyclesByDoubleClick() {
    MainFixture f({2025, 5, 12, 9, 0, 0});
    TZangyoMain& w = f.start();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    const char* cycle[] = {"○", "有", "前", "後", "代", "欠", "半", "  "};
    for (const char* expected : cycle) {
        QTest::mouseDClick(f.grid().viewport(), Qt::LeftButton, {},
                           centreOf(f.grid(), 14, DayColumn::Kind));
        QCOMPARE(QString::fromStdString(f.main().month().day(14).cell(DayColumn::Kind)),
                 U(expected));
    }
    f.main().month().day(14).cell(DayColumn::Kind) = "?";
    f.grid().refresh();
    QTest::mouseDClick(f.grid().viewport(), Qt::LeftButton, {},
                       centreOf(f.grid(), 14, DayColumn::Date));
    QCOMPARE(QString::fromStdString(f.main().month().day(14).cell(DayColumn::Kind)), U("  "));
}

void MainWindowTest::handEnteredZeroSurvivesRecalculation() {
    MainFixture f({2025, 5, 12, 9, 0, 0});
    TZangyoMain& w = f.start();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    MonthRecord& m = f.main().month();
    m.day(12).cell(DayColumn::Arrival) = " 8:00";
    m.day(12).cell(DayColumn::Leaving) = "20:00";
    f.grid().refresh();
    f.click("CalcButton");
    QVERIFY(StrToMinutes(m.day(12).cell(DayColumn::Overtime)) > 0);

    WhenShown<TTimeSet>(w, [](TTimeSet& d) {
        QCOMPARE(d.windowTitle(), U("普通残業時間入力"));
        QVERIFY(!d.findChild<QCheckBox*>("HouteiKyujituCheckBox")->isEnabled());
        d.findChild<QCheckBox*>("NoCalcCheckBox")->setChecked(true);
        auto* time = d.findChild<QLineEdit*>("ZanTimeMemo");
        time->setText("0:00");
        QTest::keyClick(time, Qt::Key_Return);
    });
    QTest::mouseDClick(f.grid().viewport(), Qt::LeftButton, {},
                       centreOf(f.grid(), 12, DayColumn::Overtime));
    QCOMPARE(m.day(12).ManualFlag[0], std::string("*"));
    QCOMPARE(m.day(12).cell(DayColumn::Overtime), std::string(" 0:00"));
    f.click("CalcButton");
    QCOMPARE(m.day(12).cell(DayColumn::Overtime), std::string(" 0:00"));
    f.click("SaveButton");
    f.windows.reset();
    f.start();
    QCOMPARE(f.main().month().day(12).cell(DayColumn::Overtime), std::string(" 0:00"));
    QCOMPARE(f.main().month().day(12).ManualFlag[0], std::string("*"));
}

void MainWindowTest::statutoryHolidayRowIsRed() {
    // 11 May 2025 is a Sunday: a holiday row.
    MainFixture f({2025, 5, 12, 9, 0, 0});
    TZangyoMain& w = f.start();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    MonthRecord& m = f.main().month();
    QCOMPARE(QString::fromStdString(m.day(11).cell(DayColumn::Kind)), U("○"));
    m.day(11).cell(DayColumn::Arrival) = "10:00";
    m.day(11).cell(DayColumn::Leaving) = "15:00";
    f.grid().refresh();
    f.click("CalcButton");
    WhenShown<TTimeSet>(w, [](TTimeSet& d) {
        auto* legal = d.findChild<QCheckBox*>("HouteiKyujituCheckBox");
        QVERIFY(legal->isEnabled());
        legal->setChecked(true);
        d.close();
    });
    QTest::mouseDClick(f.grid().viewport(), Qt::LeftButton, {},
                       centreOf(f.grid(), 11, DayColumn::Working));
    QCOMPARE(m.day(11).LegalHolidayFlag, std::string("*"));
    f.grid().selectDay(20, ColumnNumber(DayColumn::Memo));

    auto hasRed = [&](int column) {
        const QImage img = f.grid().viewport()->grab().toImage();
        const QRect r = f.grid().visualRect(f.grid().dayModel()->indexOf(11, column));
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x <= r.right(); ++x) {
                const QColor c(img.pixel(x, y));
                if (c.red() > 200 && c.green() < 80 && c.blue() < 80)
                    return true;
            }
        return false;
    };
    // Out of the selection, the row paints in its own colours.
    QTRY_VERIFY(hasRed(ColumnNumber(DayColumn::Kind)));
    for (int column : {int(DayColumn::Kind), int(DayColumn::Arrival), int(DayColumn::Leaving),
                       int(DayColumn::Working)})
        QVERIFY2(hasRed(column), qPrintable(QString("column %1").arg(column)));
    QVERIFY(!hasRed(ColumnNumber(DayColumn::Memo)));
}

void MainWindowTest::closeAsksAboutUnsavedChanges_data() {
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("closes");
    QTest::addColumn<bool>("saved");
    QTest::newRow("yes") << int(QMessageBox::Yes) << true << true;
    QTest::newRow("no") << int(QMessageBox::No) << true << false;
    QTest::newRow("cancel") << int(QMessageBox::Cancel) << false << false;
}

void MainWindowTest::closeAsksAboutUnsavedChanges() {
    QFETCH(int, answer);
    QFETCH(bool, closes);
    QFETCH(bool, saved);
    MainFixture f({2025, 5, 12, 9, 0, 0});
    TZangyoMain& w = f.start();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    w.month().day(12).cell(DayColumn::Memo) = "会議";
    f.grid().refresh();
    platform::testing::QueueMessageAnswer(static_cast<QMessageBox::StandardButton>(answer));
    QCOMPARE(w.close(), closes);
    const auto log = platform::testing::TakeMessageLog();
    QCOMPARE(int(log.size()), 1);
    QCOMPARE(log[0].caption, U("保存確認"));
    QCOMPARE(log[0].text, U("ﾃﾞｰﾀが変更されています。保存しますか？"));
    QCOMPARE(log[0].buttons, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    QCOMPARE(log[0].icon, QMessageBox::Question);
    QCOMPARE(FileExists(f.monthFile(2025, 5)), saved);
    QCOMPARE(w.isVisible(), !closes);
    QCOMPARE(w.month().day(12).cell(DayColumn::Memo),
             std::string("会議"));  // Cancel keeps the edit

    // Nothing changed: closing asks nothing.
    if (!closes) {
        w.month().takeSnapshot();
        QVERIFY(w.close());
        QCOMPARE(int(platform::testing::TakeMessageLog().size()), 0);
    }
}

void MainWindowTest::damagedMonthFileShowsWhatCanBeRead() {
    MainFixture f({2025, 5, 12, 9, 0, 0});
    {
        std::ofstream out(f.monthFile(2025, 5), std::ios::binary);
        out << "[System]\r\nLastDay=31\r\nZangyoTime=abc\r\n[DayData]\r\n"
               "12= 5/12,\x8c\x8e,  , 8:30,17:45,garbage\r\n"
               "13=\xff\xfe\x01,,,,,,,,,,,,99999999999999999999,\r\n"
               "99=x\r\nnonsense line\r\n"
               "14= 5/14,\x90\x85,  , 9:00\r\n";
    }
    TZangyoMain& w = f.start();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QCOMPARE(int(platform::testing::TakeMessageLog().size()), 0);
    QCOMPARE(w.month().rowCount(), 31);
    QCOMPARE(w.month().day(12).cell(DayColumn::Arrival), std::string(" 8:30"));
    QCOMPARE(w.month().day(14).cell(DayColumn::Arrival), std::string(" 9:00"));
    f.click("CalcButton");
    f.click("SaveButton");
    QVERIFY(!w.month().hasUnsavedChanges());
}

void MainWindowTest::sizeLimitsFitTheGrid() {
    MainFixture f({2025, 5, 12, 9, 0, 0});
    TZangyoMain& w = f.start();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    const QSize min = w.minimumWindowSize();
    const QSize max = w.maximumWindowSize();
    QVERIFY(min.height() < max.height());
    QVERIFY(min.width() < max.width());
    QCOMPARE(w.minimumSize(), min);
    // The minimum shows at least 22 day rows, the maximum all 31 at most
    // once more the title row.
    QVERIFY(f.grid().height() >= f.grid().heightForRows(23) - 1);
    QVERIFY(max.height() - min.height() <= f.grid().heightForRows(32) - f.grid().heightForRows(23));
    QVERIFY(f.grid().width() >= f.grid().designWidth());
}

void MainWindowTest::payWindowAsksForKinPass() {
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

void MainWindowTest::targetBarToggleKeepsTheHeight() {
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

void MainWindowTest::leaveIndicatorFollowsTheLedger() {
    MainFixture f({2025, 5, 12, 9, 0, 0}, [](Settings& s) {
        s.YukyuMokuZanDisp = true;
        s.YukyuMokuZan = "5.0";
        s.MokuhyoBasShow = true;
    });
    Ledger ledger;
    ledger.setKuriZan("3.5");
    QVERIFY(SaveLedger(ledger, f.ctx.paths().ledgerFile()).ok());
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

}  // namespace tkv::test

QTEST_MAIN(tkv::test::MainWindowTest)
#include "main_window_test.moc"
