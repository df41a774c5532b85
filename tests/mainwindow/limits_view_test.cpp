// The overtime-agreement meter under the grid, the window "36協定チェック"
// from the menu and the pay window's 60-hour premium line, on the program's
// own windows.
#include "mainwindow/limits_view.h"

#include <algorithm>

#include <QAction>
#include <QLabel>
#include <QLineEdit>

#include "base/text_util.h"
#include "mainwindow/main_fixture.h"
#include "mainwindow/t_total.h"
#include "platform/text_convert.h"
#include "reports/ui/overtime_limits_meter.h"
#include "reports/ui/overtime_limits_window.h"
#include "reports/ui/toku_syukei_form.h"

namespace tkv::test {

using platform::ToUtf8;

class LimitsViewTest final : public QObject {
    Q_OBJECT

private slots:
    void init() { platform::testing::ResetMessageHook(); }

    void meterFollowsEditsAndSavedMonths();
    void checkWindowListsTheAgreementYear();
    void spanOfDaysShowsTheNamedMonthFromItsFile();
    void checkWindowEscapeIsTheProgramsEscape_data();
    void checkWindowEscapeIsTheProgramsEscape();
    void payWindowPremiumLine_data();
    void payWindowPremiumLine();
};

namespace {

constexpr DateTime kNow{2025, 5, 16, 18, 0, 0};

// Every ordinary day up to `through` worked from 8:00 to `leaving` (the
// standard hours end at 17:00 after an hour's break).
void work(TZangyoMain& w, const char* leaving, int through = 31) {
    WorkOrdinaryDays(w, " 8:00", leaving, through);
}

// April 2025 saved with 21 days of three hours' overtime (63:00), then May
// on display again.
void saveApril(MainFixture& f) {
    TZangyoMain& w = f.main();
    w.PreButtonClick();
    QCOMPARE(w.displayedMonth(), 4);
    work(w, "20:00");
    f.click("SaveButton");
    w.NextButtonClick();
    QCOMPARE(w.displayedMonth(), 5);
}

OvertimeLimitsMeter* meterOf(const MainFixture& f) {
    return f.main().findChild<OvertimeLimitsMeter*>("KyoteiMeterPanel");
}

QColor meterColour(OvertimeLimitsMeter& meter) {
    const QImage image = meter.grab().toImage();
    return image.pixelColor(meter.contentsRect().topLeft() + QPoint(1, 1));
}

}  // namespace

void LimitsViewTest::meterFollowsEditsAndSavedMonths() {
    MainFixture f(kNow);
    TZangyoMain& w = f.start();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    OvertimeLimitsMeter* meter = meterOf(f);
    QVERIFY(meter != nullptr);
    QVERIFY(meter->isVisible());
    QVERIFY(w.rect().contains(QRect(meter->mapTo(&w, QPoint(0, 0)), meter->size())));
    QCOMPARE(meter->text(), U("36協定 今月 0:00／45:00 ・ 年 0:00／360:00"));
    QCOMPARE(meterColour(*meter), OvertimeLimitsMeter::LevelColor(LimitLevel::Within));
    // The displayed month counts from memory; the months before it have no file.
    QCOMPARE(meter->limits()->missing,
             (std::vector<YearMonth>{{2024, 12}, {2025, 1}, {2025, 2}, {2025, 3}, {2025, 4}}));

    saveApril(f);
    QCOMPARE(meter->text(), U("36協定 今月 0:00／45:00 ・ 年 63:00／360:00"));
    // A month above 45 hours without a special clause fails the year.
    QCOMPARE(meterColour(*meter), OvertimeLimitsMeter::LevelColor(LimitLevel::Over));
    QCOMPARE(meter->limits()->missing.size(), std::size_t{4});

    // An edit shows after the recalculation, unsaved, as the summary does.
    work(w, "20:00", 15);
    QCOMPARE(meter->limits()->jikangai, 0);
    f.click("CalcButton");
    QCOMPARE(meter->limits()->jikangai, StrToMinutes(ToUtf8(f.field("KeiTMemo"))));
    QCOMPARE(meter->text(), U("36協定 今月 27:00／45:00 ・ 年 90:00／360:00"));
    QVERIFY(meter->toolTip().contains(U("2025-05-26")));  // the forecast's crossing
    QVERIFY(w.month().hasUnsavedChanges());
}

void LimitsViewTest::checkWindowListsTheAgreementYear() {
    MainFixture f(kNow);
    TZangyoMain& w = f.start();
    saveApril(f);
    TKyoteiCheck& check = f.windows->kyoteiCheck();
    QVERIFY(!check.isVisible());
    QAction* item = w.action("KyoteiMenuItem");
    QVERIFY(item != nullptr);
    QCOMPARE(item->text(), U("36協定チェック(&L)..."));
    item->trigger();
    QVERIFY(check.isVisible());
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
    QCOMPARE(check.windowTitle(), U("36協定チェック"));

    const auto row = [&check](int r) {
        return QStringList{check.cellText(r, TKyoteiCheck::MonthColumn),
                           check.cellText(r, TKyoteiCheck::JikangaiColumn),
                           check.cellText(r, TKyoteiCheck::YearColumn),
                           check.cellText(r, TKyoteiCheck::MonthCheckColumn),
                           check.cellText(r, TKyoteiCheck::MonthsOverColumn)};
    };
    QCOMPARE(row(0), (QStringList{"2025/04", "63:00", "63:00", U("×"), "1"}));
    QCOMPARE(row(1), (QStringList{"2025/05", "0:00", "63:00", U("○"), "1"}));
    QCOMPARE(row(2), (QStringList{"2025/06", "", "", "", ""}));  // not begun
    QCOMPARE(row(11), (QStringList{"2026/03", "", "", "", ""}));

    // Open, it follows the displayed month's recalculation...
    work(w, "20:00", 15);
    f.click("CalcButton");
    QCOMPARE(row(1), (QStringList{"2025/05", "27:00", "90:00", U("○"), "1"}));
    // ...and the agreement year of the month shown.
    f.click("SaveButton");
    w.PreButtonClick();
    QVERIFY(check.isVisible());
    w.PreButtonClick();
    QCOMPARE(w.displayedMonth(), 3);
    QCOMPARE(check.cellText(0, TKyoteiCheck::MonthColumn), QString("2024/04"));
    QCOMPARE(check.cellText(11, TKyoteiCheck::MonthColumn), QString("2025/03"));
    check.close();
}

void LimitsViewTest::spanOfDaysShowsTheNamedMonthFromItsFile() {
    MainFixture f(kNow);
    TZangyoMain& w = f.start();
    saveApril(f);
    work(w, "20:00", 15);
    f.click("SaveButton");
    OvertimeLimitsMeter* meter = meterOf(f);
    QCOMPARE(meter->text(), U("36協定 今月 27:00／45:00 ・ 年 90:00／360:00"));

    WhenShown<TTokuSyukeiForm>(w, [](TTokuSyukeiForm& d) {
        d.setSpan({{2025, 4, 25}, {2025, 5, 2}});
        d.OkButtonClick();
    });
    w.action("TokuSyukeiMenuItem")->trigger();
    QVERIFY(w.spanShown());
    // The grid holds eight days of two months; the meter keeps to May as saved.
    QCOMPARE(w.displayedMonth(), 5);
    QCOMPARE(meter->text(), U("36協定 今月 27:00／45:00 ・ 年 90:00／360:00"));
    w.action("KyoteiMenuItem")->trigger();
    QCOMPARE(f.windows->kyoteiCheck().cellText(1, TKyoteiCheck::JikangaiColumn), QString("27:00"));
    f.windows->kyoteiCheck().close();
}

void LimitsViewTest::checkWindowEscapeIsTheProgramsEscape_data() {
    QTest::addColumn<bool>("escKeyMin");
    QTest::newRow("EscKeyMin on: to the tray") << true;
    QTest::newRow("EscKeyMin off: nothing happens") << false;
}

void LimitsViewTest::checkWindowEscapeIsTheProgramsEscape() {
    QFETCH(bool, escKeyMin);
    MainFixture f(kNow, [escKeyMin](Settings& s) { s.EscKeyMin = escKeyMin; });
    f.commitSettings();
    TZangyoMain& w = f.start();
    w.action("KyoteiMenuItem")->trigger();
    TKyoteiCheck& check = f.windows->kyoteiCheck();
    QTest::keyClick(&check, Qt::Key_Escape);
    QCOMPARE(f.resident().inTray(), escKeyMin);
    QCOMPARE(w.isVisible(), !escKeyMin);
    QVERIFY(check.isVisible());
    QCOMPARE(check.isMinimized(), escKeyMin);
    if (escKeyMin) {
        emit f.tray.openRequested();
        QVERIFY(!check.isMinimized());
    }
    check.close();
}

void LimitsViewTest::payWindowPremiumLine_data() {
    QTest::addColumn<int>("rate");
    QTest::addColumn<QString>("leaving");
    QTest::addColumn<bool>("shown");
    QTest::addColumn<int>("over60");  // minutes
    // At 60 yen an hour the premium in yen is the minutes above 60 hours.
    QTest::newRow("no rate: no line") << 0 << "21:00" << false << 0;
    QTest::newRow("rate, 80 hours") << 60 << "21:00" << true << 20 * 60;
    QTest::newRow("rate, 60 hours or less") << 60 << "19:00" << true << 0;
}

void LimitsViewTest::payWindowPremiumLine() {
    QFETCH(int, rate);
    QFETCH(QString, leaving);
    QFETCH(bool, shown);
    QFETCH(int, over60);
    MainFixture f({2025, 5, 30, 18, 0, 0}, [rate](Settings& s) { s.Premium60Rate = rate; });
    TZangyoMain& w = f.start();
    work(w, leaving.toLatin1().constData());
    w.action("KingakuMenuItem")->trigger();
    TTotal& pay = f.windows->total();
    QVERIFY(pay.isVisible());
    QLineEdit* premium = pay.field("Premium60Memo");
    QVERIFY(premium != nullptr);
    QCOMPARE(premium->isVisible(), shown);
    if (shown) {
        QCOMPARE(std::max(0, StrToMinutes(ToUtf8(f.field("KeiTMemo"))) - 60 * 60), over60);
        QCOMPARE(premium->text(), QString::fromStdString(ThousandsStr(std::to_string(over60))));
        QVERIFY(premium->toolTip().contains(QString::fromStdString(LimitTimeText(over60))));
    }
    pay.hide();
}

}  // namespace tkv::test

QTEST_MAIN(tkv::test::LimitsViewTest)
#include "limits_view_test.moc"
