#include <filesystem>
#include <map>
#include <optional>

#include <QAction>
#include <QFileInfo>
#include <QMenu>

#include "base/atomic_file.h"
#include "base/cp932.h"
#include "mainwindow/grid/day_grid_model.h"
#include "mainwindow/main_fixture.h"
#include "platform/file_dialog.h"
#include "reports/ui/toku_syukei_form.h"

namespace tkv::test {

class SpanModeTest final : public QObject {
    Q_OBJECT

private slots:
    void init() { platform::testing::ResetMessageHook(); }
    void cleanup() { platform::testing::ResetFileHook(); }

    void enterChooseAgainAndLeave();
    void unsavedChangesCancelKeepsTheMonth();
    void nothingIsSavedInTheMode_data();
    void nothingIsSavedInTheMode();
    void csvCarriesTheRealDates();
};

namespace {

// 15 January 2025, month-end closing: the accounting month is January.
const DateTime kNow{2025, 1, 15, 10, 0, 0};

// The controls the mode greys out, and some it must leave alone.
const char* const kDisabledInTheMode[] = {
    "PreButton",     "TodayButton",     "NextButton",         "JumpButton",     "CalcButton",
    "SaveButton",    "SyukeiButton",    "SaveMenuItem",       "PreMenuItem",    "TodayMenuItem",
    "NextMenuItem",  "JumpMenuItem",    "CalcMenuItem",       "SyukeiMenuItem", "MokuhyoMenuItem",
    "MultiUserMenu", "SettingMenuItem", "HolidayReadMenuItem"};
const char* const kUsableInTheMode[] = {
    "PrintMenuItem",  "CsvMenuItem", "KingakuButton", "KingakuMenuItem", "YuukyuButton",
    "YuukyuMenuItem", "EndButton",   "ExitMenuItem",  "HelpMenuItem",    "TokuSyukeiMenuItem"};

// A menu counts by its title in the menu bar (which reads as disabled while
// hidden, as the users menu is without /M); none when there is no such control.
std::optional<bool> isEnabled(const TZangyoMain& w, const char* name) {
    QObject* control = w.findChild<QObject*>(QString::fromLatin1(name));
    if (auto* menu = qobject_cast<QMenu*>(control))
        return menu->menuAction()->isEnabled();
    if (auto* action = qobject_cast<QAction*>(control))
        return action->isEnabled();
    if (auto* widget = qobject_cast<QWidget*>(control))
        return widget->isEnabled();
    return std::nullopt;
}

QString shown(const MainFixture& f) {
    return f.field("YearMemo") + "/" + f.field("MonthMemo");
}

// Chooses the span in the dialog ("OK") or cancels it.
void chooseSpan(MainFixture& f, DaySpan span, bool ok = true) {
    WhenShown<TTokuSyukeiForm>(f.main(), [span, ok](TTokuSyukeiForm& d) {
        d.setSpan(span);
        if (ok)
            d.OkButtonClick();
        else
            d.findChild<QPushButton*>("CancelButton")->click();
    });
    f.main().action("TokuSyukeiMenuItem")->trigger();
}

void checkModeControls(const MainFixture& f, bool on) {
    const TZangyoMain& w = f.main();
    QCOMPARE(w.spanShown(), on);
    QCOMPARE(w.action("TokuSyukeiMenuItem")->isChecked(), on);
    QCOMPARE(w.action("TokuKaijoMenuItem")->isEnabled(), on);
    for (const char* name : kDisabledInTheMode) QVERIFY2(isEnabled(w, name) == !on, name);
    for (const char* name : kUsableInTheMode) QVERIFY2(isEnabled(w, name) == true, name);
}

// Saved through the window: December with overtime on the 26th, January
// with a day of paid leave (so Vacation.dat exists).
void saveSampleMonths(MainFixture& f) {
    TZangyoMain& w = f.main();
    w.showMonth(2024, 12, true);
    w.month().day(26).cell(DayColumn::Arrival) = " 8:00";
    w.month().day(26).cell(DayColumn::Leaving) = "19:00";
    w.month().day(27).cell(DayColumn::Memo) = "仕事納め";
    QVERIFY(w.saveShownMonth());
    w.showMonth(2025, 1, true);
    w.month().day(6).cell(DayColumn::Kind) = "有";
    w.month().day(6).cell(DayColumn::Memo) = "休暇";
    QVERIFY(w.saveShownMonth());
}

std::string cellText(TZangyoMain& w, int row, DayColumn c) {
    return w.month().day(row).cell(c);
}

}  // namespace

void SpanModeTest::enterChooseAgainAndLeave() {
    MainFixture f(kNow, {}, {"/M"});  // with the users menu
    TZangyoMain& w = f.start();
    saveSampleMonths(f);
    w.showMonth(2024, 11, true);
    checkModeControls(f, false);

    chooseSpan(f, {{2024, 12, 25}, {2025, 1, 10}});
    checkModeControls(f, true);
    QCOMPARE(shown(f), QString("2025/1"));
    QCOMPARE(w.month().rowCount(), 17);
    QCOMPARE(f.grid().dayModel()->rowCount(), 17);
    QCOMPARE(cellText(w, 1, DayColumn::Date), std::string("12/25"));
    QCOMPARE(cellText(w, 17, DayColumn::Date), std::string(" 1/10"));
    QCOMPARE(cellText(w, 3, DayColumn::Memo), std::string("仕事納め"));
    QCOMPARE(cellText(w, 13, DayColumn::Kind), std::string("有"));
    // Recalculated over the span: the overtime of 26 December.
    QCOMPARE(cellText(w, 2, DayColumn::Overtime), std::string(" 2:00"));
    QCOMPARE(f.field("ZanTMemo").trimmed(), QString("2:00"));

    // Choosing again picks another span and keeps the month to return to.
    chooseSpan(f, {{2025, 2, 1}, {2025, 2, 3}});
    checkModeControls(f, true);
    QCOMPARE(shown(f), QString("2025/2"));
    QCOMPARE(w.month().rowCount(), 3);
    QCOMPARE(cellText(w, 1, DayColumn::Date), std::string(" 2/ 1"));
    QCOMPARE(cellText(w, 1, DayColumn::Weekday), std::string("土"));
    QVERIFY(f.field("ZanTMemo").trimmed() != QString("2:00"));

    // A cancelled dialog changes nothing.
    chooseSpan(f, {{2025, 3, 1}, {2025, 3, 2}}, false);
    QCOMPARE(w.month().rowCount(), 3);
    checkModeControls(f, true);

    w.action("TokuKaijoMenuItem")->trigger();
    checkModeControls(f, false);
    QCOMPARE(shown(f), QString("2024/11"));
    QCOMPARE(w.month().rowCount(), 30);
    QCOMPARE(cellText(w, 1, DayColumn::Date), std::string("11/ 1"));
    QVERIFY(platform::testing::TakeMessageLog().empty());
}

void SpanModeTest::unsavedChangesCancelKeepsTheMonth() {
    MainFixture f(kNow, [](Settings& s) { s.AutoSave = false; }, {"/M"});
    TZangyoMain& w = f.start();
    w.month().day(3).cell(DayColumn::Memo) = "未保存";
    platform::testing::QueueMessageAnswer(QMessageBox::Cancel);
    chooseSpan(f, {{2024, 12, 25}, {2025, 1, 10}});
    const auto asked = platform::testing::TakeMessageLog();
    QCOMPARE(asked.size(), std::size_t{1});
    QCOMPARE(asked[0].caption, QString("保存確認"));
    checkModeControls(f, false);
    QCOMPARE(shown(f), QString("2025/1"));
    QCOMPARE(cellText(w, 3, DayColumn::Memo), std::string("未保存"));
    QVERIFY(w.month().hasUnsavedChanges());
    QVERIFY(!FileExists(f.monthFile(2025, 1)));
}

// With AutoSave every way out of the mode would save silently: none may
// write the span's edits anywhere, and each returns to the month shown before.
void SpanModeTest::nothingIsSavedInTheMode_data() {
    QTest::addColumn<QString>("way");
    QTest::addColumn<QString>("after");
    QTest::newRow("任意期間解除") << "leave"
                                  << "2024/11";
    QTest::newRow("next month starts from the month shown before") << "next"
                                                                   << "2024/12";
    QTest::newRow("previous month likewise") << "previous"
                                             << "2024/10";
    QTest::newRow("close") << "close"
                           << "2024/11";
    QTest::newRow("session end") << "session end"
                                 << "2024/11";
    QTest::newRow("signal") << "signal"
                            << "2024/11";
}

void SpanModeTest::nothingIsSavedInTheMode() {
    QFETCH(QString, way);
    QFETCH(QString, after);
    MainFixture f(kNow, [](Settings& s) { s.AutoSave = true; });
    TZangyoMain& w = f.start();
    saveSampleMonths(f);
    w.showMonth(2024, 11, true);
    const std::string ledger = f.ctx.paths().ledgerFile();
    const std::string watched[] = {f.monthFile(2024, 12), f.monthFile(2025, 1), ledger};
    std::map<std::string, std::pair<std::string, std::filesystem::file_time_type>> before;
    for (const std::string& path : watched) {
        std::string bytes;
        QVERIFY(ReadWholeFile(path, bytes).ok());
        before[path] = {bytes, std::filesystem::last_write_time(path)};
    }

    chooseSpan(f, {{2024, 12, 25}, {2025, 1, 10}});
    QVERIFY(w.spanShown());
    // Edits in the span (the popup menus still work on it).
    f.grid().selectDay(1, ColumnNumber(DayColumn::Kind));
    f.grid().KubunMenuClick(2);  // paid leave
    w.month().day(3).cell(DayColumn::Memo) = "見るだけ";
    w.month().day(13).cell(DayColumn::Kind) = "  ";
    QVERIFY(w.month().hasUnsavedChanges());
    QVERIFY(w.saveShownMonth());  // nothing to do, and no error
    w.action("SaveMenuItem")->trigger();

    if (way == "leave")
        w.action("TokuKaijoMenuItem")->trigger();
    else if (way == "next")
        w.NextButtonClick();
    else if (way == "previous")
        w.PreButtonClick();
    else if (way == "close")
        QVERIFY(w.close());
    else if (way == "session end")
        QVERIFY(f.resident().sessionMayEnd(true));
    else if (way == "signal")
        f.resident().terminate();

    QVERIFY(!w.spanShown());
    QCOMPARE(shown(f), after);
    QVERIFY(!w.month().hasUnsavedChanges());
    QVERIFY(platform::testing::TakeMessageLog().empty());
    for (const std::string& path : watched) {
        std::string bytes;
        QVERIFY(ReadWholeFile(path, bytes).ok());
        QVERIFY2(bytes == before[path].first, path.c_str());
        QVERIFY2(std::filesystem::last_write_time(path) == before[path].second, path.c_str());
    }
    for (const YearMonth ym : {YearMonth{2024, 10}, YearMonth{2024, 11}, YearMonth{2025, 2}})
        QVERIFY(!FileExists(f.monthFile(ym.year, ym.month)));
}

// A span from 10 to 31 December is shown as December; its rows still carry
// their own year in the CSV file, whose name is that of the shown month.
void SpanModeTest::csvCarriesTheRealDates() {
    MainFixture f(kNow);
    TZangyoMain& w = f.start();
    saveSampleMonths(f);
    chooseSpan(f, {{2024, 12, 10}, {2024, 12, 31}});
    QCOMPARE(shown(f), QString("2024/12"));
    const QString path = QString::fromStdString(f.folder.file("span.csv"));
    platform::testing::QueueFileAnswer(path);
    w.action("CsvMenuItem")->trigger();
    const auto asked = platform::testing::TakeFileLog();
    QCOMPARE(asked.size(), std::size_t{1});
    QCOMPARE(asked[0].fileName, QString("2024年12月.csv"));
    std::string bytes;
    QVERIFY(ReadWholeFile(path.toStdString(), bytes).ok());
    const QStringList lines = QString::fromStdString(cp932::toUtf8(bytes)).split("\r\n");
    QCOMPARE(lines.value(1), QString("2024/12/10,火,,,,,,,,"));
    QCOMPARE(lines.value(17), QString("2024/12/26,木,,8:00,19:00,2:00,,2:00,10:00,"));
    QCOMPARE(lines.value(22), QString("2024/12/31,火,,,,,,,,"));
    QVERIFY(w.spanShown());
}

}  // namespace tkv::test

QTEST_MAIN(tkv::test::SpanModeTest)
#include "span_mode_test.moc"
