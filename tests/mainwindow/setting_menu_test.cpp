#include <QAction>
#include <QCheckBox>
#include <QLabel>

#include "base/atomic_file.h"
#include "base/cp932.h"
#include "base/ini_file.h"
#include "base/text_util.h"
#include "mainwindow/main_fixture.h"
#include "mainwindow/target_bar_panel.h"
#include "settings/holiday_list.h"
#include "settings/ui/holiday_grid.h"
#include "settings/ui/pass.h"
#include "settings/ui/setting_dialog.h"

namespace tkv::test {

// "環境設定(&E)..." as the running program wires it: the password before
// it, and what the main window takes over after "登 録".
class SettingMenuTest final : public QObject {
    Q_OBJECT

private slots:
    void init() { platform::testing::ResetMessageHook(); }

    void opensBehindTheAmountPassword();
    void holidayListEditMarksTheMonth();
    void closingDayChangeRebuildsTheMonth();
    void escapeWithEscKeyMinOff();
    void mainWindowFollowsTheCommit();
};

namespace {

constexpr DateTime kNow{2025, 5, 23, 9, 0, 0};

template <typename W = QLineEdit>
W* In(QWidget& dialog, const char* name) {
    return dialog.findChild<W*>(QString::fromLatin1(name));
}

}  // namespace

void SettingMenuTest::opensBehindTheAmountPassword() {
    MainFixture f(kNow, [](Settings& s) { s.KinPass = "Money"; });
    TZangyoMain& w = f.start();
    QAction* item = w.action("SettingMenuItem");
    QVERIFY(item->isEnabled());

    bool dialogShown = false;
    WhenShown<TPass>(w, [](TPass& d) { d.reject(); });
    QTimer::singleShot(1, &w, [&] { dialogShown = f.windows->setting().isVisible(); });
    item->trigger();
    QVERIFY(!dialogShown);
    QVERIFY(!f.windows->setting().isVisible());

    WhenShown<TPass>(w, [&](TPass& d) {
        d.findChild<QLineEdit*>("PassEdit")->setText("money");
        WhenShown<TSetting>(w, [&](TSetting& s) {
            dialogShown = true;
            s.reject();
        });
        d.findChild<QPushButton*>("OkButton")->click();
    });
    item->trigger();
    QVERIFY(dialogShown);
}

// A day added to the holiday list reaches Holiday.dat and the month shown.
void SettingMenuTest::holidayListEditMarksTheMonth() {
    MainFixture f(kNow);
    TZangyoMain& w = f.start();
    QVERIFY(Trim(w.month().day(20).cell(DayColumn::Kind)).empty());
    const int row = HolidayRow(5, 20);
    WhenShown<TSetting>(w, [&](TSetting& d) {
        auto* grid = In<YearHolidayStringGrid>(d, "YearHolidayStringGrid");
        grid->toggleMark(row);
        grid->setCell(row, 2, U("創立記念日"));
        In<QPushButton>(d, "OkButton")->click();
    });
    w.action("SettingMenuItem")->trigger();

    IniFile ini;
    QVERIFY(ini.load(f.ctx.paths().holidayFile()).ok());
    QCOMPARE(QString::fromStdString(ini.readString("HolidayData", std::to_string(row))),
             U("5月20日, ○ ,創立記念日,"));
    QCOMPARE(w.month().day(20).cell(DayColumn::Kind), std::string("○"));
    QCOMPARE(w.month().day(20).cell(DayColumn::Memo), std::string("創立記念日"));
    QCOMPARE(f.grid().model()->index(19, ColumnNumber(DayColumn::Memo)).data().toString(),
             U("創立記念日"));
    QVERIFY(w.month().hasUnsavedChanges());
}

void SettingMenuTest::closingDayChangeRebuildsTheMonth() {
    MainFixture f(kNow);
    TZangyoMain& w = f.start();
    QCOMPARE(w.displayedMonth(), 5);
    platform::testing::QueueMessageAnswer(QMessageBox::Yes);
    WhenShown<TSetting>(w, [](TSetting& d) {
        In(d, "SimeDayMemo")->setText("20");
        In<QPushButton>(d, "OkButton")->click();
    });
    w.action("SettingMenuItem")->trigger();
    // 23 May lies after the 20th: the accounting month is June, from 21 May.
    QCOMPARE(f.ctx.settings.SimeDay, 20);
    QCOMPARE(w.displayedMonth(), 6);
    QCOMPARE(w.month().day(1).cell(DayColumn::Date), GridDateText(5, 21));
}

void SettingMenuTest::escapeWithEscKeyMinOff() {
    MainFixture f(kNow);
    TZangyoMain& w = f.start();
    bool stayed = false;
    WhenShown<TSetting>(w, [&](TSetting& d) {
        QTest::keyClick(In(d, "KihonMemo"), Qt::Key_Escape);
        QTest::keyClick(&d, Qt::Key_Escape);
        stayed = d.isVisible() && !w.isMinimized();
        d.reject();
    });
    w.action("SettingMenuItem")->trigger();
    QVERIFY(stayed);
    QVERIFY(!w.isMinimized());
}

void SettingMenuTest::mainWindowFollowsTheCommit() {
    MainFixture f(kNow);
    TZangyoMain& w = f.start();
    QLabel* leave = w.targetBar()->yukyuPanel();
    QVERIFY(!leave->isVisibleTo(w.targetBar()));
    WhenShown<TSetting>(w, [&](TSetting& d) {
        In<QCheckBox>(d, "YukyuMokuZanDispCheckBox")->click();
        In(d, "YukyuMokuZanMemo")->setText("5.0");
        f.ctx.settings.PrivateNameDisp = true;  // as the personal dialog leaves it
        f.ctx.settings.PrivateName = "山田 太郎";
        In<QPushButton>(d, "OkButton")->click();
    });
    w.action("SettingMenuItem")->trigger();
    QCOMPARE(w.windowTitle(), U("Tokivane - 山田 太郎"));
    QVERIFY(leave->isVisibleTo(w.targetBar()));
    QCOMPARE(leave->text(), QStringLiteral(" -5.0"));  // an empty ledger, 5 days kept
    QVERIFY(f.ctx.registry->readValue("Software\\Varnholt\\Zangyo\\System", "PrivateName") ==
            std::optional<std::string>(cp932::fromUtf8("山田 太郎")));
}

}  // namespace tkv::test

QTEST_MAIN(tkv::test::SettingMenuTest)
#include "setting_menu_test.moc"
