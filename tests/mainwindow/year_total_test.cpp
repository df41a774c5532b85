// The period totals window in the running program: span commands, the
// calculation, its colours as painted, the jump to a month, printing, CSV
// and the start month kept across a restart.
#include "reports/ui/year_total.h"

#include <QAction>
#include <QFileInfo>
#include <QImage>
#include <QPrinter>

#include "base/atomic_file.h"
#include "base/cp932.h"
#include "mainwindow/main_fixture.h"
#include "platform/file_dialog.h"
#include "platform/fonts.h"
#include "platform/waiting_form.h"
#include "reports/period_builders.h"
#include "reports/ui/period_grid.h"
#include "reports/ui/period_list_report.h"
#include "reports/ui/preview_form.h"

namespace tkv {

using test::MainFixture;
using test::U;

namespace {

void writeMonth(const MainFixture& f, YearMonth ym, std::string syukin, std::string zangyo,
                std::vector<std::string> marks = {}) {
    test::MonthFigures m;
    m.syukin = std::move(syukin);
    m.zangyo = std::move(zangyo);
    m.marks = std::move(marks);
    QVERIFY(WriteFileAtomically(f.monthFile(ym.year, ym.month), test::MonthFileText(m), 0600).ok());
}

QString fieldText(const TYearTotal& w, const char* name) {
    return w.findChild<QLineEdit*>(name)->text();
}

QString spanText(const TYearTotal& w) {
    return fieldText(w, "StartYearMemo") + "/" + fieldText(w, "StartMonthMemo") + "-" +
           fieldText(w, "EndYearMemo") + "/" + fieldText(w, "EndMonthMemo");
}

void typeSpan(TYearTotal& w, const char* sy, const char* sm, const char* ey, const char* em) {
    w.findChild<QLineEdit*>("StartYearMemo")->setText(sy);
    w.findChild<QLineEdit*>("StartMonthMemo")->setText(sm);
    w.findChild<QLineEdit*>("EndYearMemo")->setText(ey);
    w.findChild<QLineEdit*>("EndMonthMemo")->setText(em);
}

// Whether some pixel inside `cell` (its rules left out) has about colour `ink`.
bool hasInk(const QImage& image, const QRect& cell, const QColor& ink) {
    const QRect inner = cell.adjusted(1, 1, -2, -2);
    for (int y = inner.top(); y <= inner.bottom(); ++y) {
        for (int x = inner.left(); x <= inner.right(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (std::abs(c.red() - ink.red()) + std::abs(c.green() - ink.green()) +
                    std::abs(c.blue() - ink.blue()) <
                90)
                return true;
        }
    }
    return false;
}

}  // namespace

class YearTotalTest final : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { platform::InstallFontSubstitutions(); }
    void cleanup() {
        platform::testing::ResetFileHook();
        platform::testing::ResetMessageHook();
        platform::testing::NeverShowMessages(true);
    }
    void opensFromTheMainWindowAndDisablesIt();
    void spanCommands_data();
    void spanCommands();
    void fieldsAreClampedAndAReversedSpanRefused();
    void allMonthsTakesTheMonthsWithData();
    void coloursAndRulesAsPainted();
    void heightFollowsTheMonthRows();
    void selectionKeepsItsRow();
    void jumpCancelledByTheSaveQuestionStays();
    void jumpShowsTheMonthAndCloses();
    void printPreviewsThePeriodList();
    void csvIsWrittenWhereTheUserSays();
    void startMonthIsKeptAcrossARestart();
};

void YearTotalTest::opensFromTheMainWindowAndDisablesIt() {
    MainFixture f({2025, 3, 28, 12, 0, 0}, [](Settings& s) { s.SyukeiMonth = 4; });
    writeMonth(f, {2024, 6}, "20.0", "10:00");
    TZangyoMain& main = f.start();
    QVERIFY(main.action("SyukeiMenuItem")->isEnabled());
    f.click("SyukeiButton");
    TYearTotal& w = f.windows->yearTotal();
    QVERIFY(w.isVisible());
    QVERIFY(!main.isEnabled());
    QCOMPARE(w.windowTitle(), U("期間集計"));
    // The twelve months that hold today, from the remembered start month.
    QCOMPARE(spanText(w), QString("2024/4-2025/3"));
    QCOMPARE(w.grid()->grid().rowCount(), 16);
    QCOMPARE(QString::fromStdString(w.grid()->grid().row(3)[6]), QString("   10:00"));
    // The please-wait window ran over the months and went away.
    QCOMPARE(f.windows->waiting().steps(), 11);
    QVERIFY(!f.windows->waiting().isVisible());
    QCOMPARE(w.focusWidget(), w.findChild<QPushButton*>("CancelButton"));
    w.findChild<QPushButton*>("CancelButton")->click();
    QVERIFY(!w.isVisible());
    QVERIFY(main.isEnabled());
}

void YearTotalTest::spanCommands_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("span");
    QTest::newRow("前年") << "PreYearButton"
                          << "2023/4-2024/3";
    QTest::newRow("前月") << "PreMonthButton"
                          << "2024/3-2025/2";
    QTest::newRow("次月") << "NextMonthButton"
                          << "2024/5-2025/4";
    QTest::newRow("次年") << "NextYearButton"
                          << "2025/4-2026/3";
    QTest::newRow("当年") << "TodayButton"
                          << "2024/4-2025/3";
}

void YearTotalTest::spanCommands() {
    QFETCH(QString, button);
    QFETCH(QString, span);
    MainFixture f({2025, 3, 28, 12, 0, 0}, [](Settings& s) { s.SyukeiMonth = 4; });
    f.start();
    TYearTotal& w = f.windows->yearTotal();
    w.open();
    // Any span typed before: the moves start from its start month.
    typeSpan(w, "2024", "4", "2024", "6");
    w.findChild<QPushButton*>(button)->click();
    QCOMPARE(spanText(w), span);
    QCOMPARE(w.grid()->grid().monthRows, 12);
    w.close();
}

void YearTotalTest::fieldsAreClampedAndAReversedSpanRefused() {
    MainFixture f({2025, 3, 28, 12, 0, 0});
    f.start();
    TYearTotal& w = f.windows->yearTotal();
    w.open();
    typeSpan(w, "1985", "0", "2100", "１３");
    QVERIFY(w.CalcButtonClick());
    QCOMPARE(spanText(w), QString("1990/1-2090/12"));
    QCOMPARE(w.grid()->grid().monthRows, 101 * 12);

    typeSpan(w, "2024", "5", "2024", "4");
    platform::testing::TakeMessageLog();
    QVERIFY(!w.CalcButtonClick());
    const auto shown = platform::testing::TakeMessageLog();
    QCOMPARE(shown.size(), std::size_t{1});
    QCOMPARE(shown[0].caption, U("集計期間ｴﾗｰ"));
    QCOMPARE(shown[0].text, U("集計期間の設定が異常です。"));
    QCOMPARE(shown[0].icon, QMessageBox::Critical);
    QCOMPARE(w.grid()->grid().monthRows, 101 * 12);  // the grid keeps its rows

    // Start = end is one month and the summary rows.
    typeSpan(w, "2024", "5", "2024", "5");
    QVERIFY(w.CalcButtonClick());
    QCOMPARE(w.grid()->grid().rowCount(), 5);
    w.close();
}

void YearTotalTest::allMonthsTakesTheMonthsWithData() {
    MainFixture f({2025, 3, 28, 12, 0, 0});
    f.start();
    TYearTotal& w = f.windows->yearTotal();
    w.open();
    const QString before = spanText(w);
    w.findChild<QPushButton*>("AllCalcButton")->click();
    QCOMPARE(spanText(w), before);  // no month with data: nothing changes

    writeMonth(f, {1998, 11}, "20.0", "1:00");
    writeMonth(f, {2003, 2}, "3.0", "1:00");
    w.findChild<QPushButton*>("AllCalcButton")->click();
    QCOMPARE(spanText(w), QString("1998/11-2003/2"));
    QCOMPARE(w.grid()->grid().monthRows, 52);
    w.close();
}

void YearTotalTest::coloursAndRulesAsPainted() {
    MainFixture f({2025, 3, 28, 12, 0, 0});
    writeMonth(f, {2024, 4}, "22.0", "20:00");
    writeMonth(f, {2024, 5}, "14.0", "30:00");  // shown, not counted: blue
    writeMonth(f, {2024, 6}, "18.0", "10:00");
    for (int m = 7; m <= 12; ++m) writeMonth(f, {2024, m}, "18.0", "10:00");
    for (int m = 1; m <= 3; ++m) writeMonth(f, {2025, m}, "18.0", "10:00");
    f.start();
    TYearTotal& w = f.windows->yearTotal();
    w.open();
    typeSpan(w, "2024", "4", "2025", "5");
    QVERIFY(w.CalcButtonClick());
    w.resize(w.width(), w.heightForRows(19));
    MonthStringGrid& grid = *w.grid();
    grid.selectGridRow(16);  // out of the way
    grid.scrollToTop();
    QApplication::processEvents();
    const QImage image = grid.viewport()->grab().toImage();
    const auto cell = [&](int row, int column) {
        return grid.visualRect(grid.model()->index(row - 1, column));
    };
    const QColor red(255, 0, 0), blue(0, 0, 255), black(0, 0, 0);
    // April is above the average in days and overtime, June is not.
    QVERIFY(hasInk(image, cell(1, 1), red));
    QVERIFY(hasInk(image, cell(1, 6), red));
    QVERIFY(!hasInk(image, cell(1, 0), red));  // never the month label
    QVERIFY(hasInk(image, cell(3, 1), black));
    QVERIFY(!hasInk(image, cell(3, 1), red));
    // May is blue whatever its values, its label stays black.
    QVERIFY(hasInk(image, cell(2, 6), blue));
    QVERIFY(!hasInk(image, cell(2, 6), red));
    QVERIFY(hasInk(image, cell(2, 0), black));

    // Black rules under month row 12 (not 11), and after columns 5 and 8.
    const auto pixel = [&](int x, int y) { return image.pixelColor(x, y); };
    const QRect r11 = cell(11, 3), r12 = cell(12, 3);
    QCOMPARE(pixel(r12.center().x(), r12.bottom()), black);
    QVERIFY(pixel(r11.center().x(), r11.bottom()) != black);
    QCOMPARE(pixel(cell(3, 5).right(), cell(3, 5).center().y()), black);
    QCOMPARE(pixel(cell(3, 8).right(), cell(3, 8).center().y()), black);
    QVERIFY(pixel(cell(3, 4).right(), cell(3, 4).center().y()) != black);
    QCOMPARE(grid.toolTip(), U("赤色=平均以上。青色=平均計算対象外。"));
    w.close();
}

void YearTotalTest::heightFollowsTheMonthRows() {
    MainFixture f({2025, 3, 28, 12, 0, 0});
    f.start();
    TYearTotal& w = f.windows->yearTotal();
    QCOMPARE(w.height(), w.heightForRows(17));  // twelve months before any calculation
    w.open();
    typeSpan(w, "2024", "4", "2024", "5");
    QVERIFY(w.CalcButtonClick());
    // Two months need seven rows, but never fewer than six are shown.
    QCOMPARE(w.maximumHeight(), w.heightForRows(7));
    QCOMPARE(w.minimumHeight(), w.heightForRows(6));
    QVERIFY(w.height() <= w.heightForRows(7));
    w.close();
}

void YearTotalTest::selectionKeepsItsRow() {
    MainFixture f({2025, 3, 28, 12, 0, 0});
    f.start();
    TYearTotal& w = f.windows->yearTotal();
    w.open();
    w.grid()->selectGridRow(10);
    w.findChild<QPushButton*>("NextMonthButton")->click();
    QCOMPARE(w.grid()->selectedRow(), 10);
    // Two months have six rows: the selection goes to the last.
    typeSpan(w, "2024", "4", "2024", "5");
    QVERIFY(w.CalcButtonClick());
    QCOMPARE(w.grid()->selectedRow(), 6);
    w.close();
}

void YearTotalTest::jumpCancelledByTheSaveQuestionStays() {
    MainFixture f({2025, 3, 28, 12, 0, 0});
    writeMonth(f, {2024, 6}, "20.0", "10:00");
    TZangyoMain& main = f.start();
    main.month().day(3).cell(DayColumn::Memo) = "未保存";
    TYearTotal& w = f.windows->yearTotal();
    w.open();
    typeSpan(w, "2024", "4", "2024", "6");
    QVERIFY(w.CalcButtonClick());
    w.grid()->selectGridRow(3);
    platform::testing::QueueMessageAnswer(QMessageBox::Cancel);
    w.findChild<QPushButton*>("JumpButton")->click();
    const auto asked = platform::testing::TakeMessageLog();
    QCOMPARE(asked.size(), std::size_t{1});
    QCOMPARE(asked[0].caption, U("保存確認"));
    QVERIFY(w.isVisible());
    QVERIFY(!main.isEnabled());
    QCOMPARE(main.displayedYear(), 2025);
    QCOMPARE(main.displayedMonth(), 3);
    QVERIFY(main.month().hasUnsavedChanges());
    w.close();
}

void YearTotalTest::jumpShowsTheMonthAndCloses() {
    MainFixture f({2025, 3, 28, 12, 0, 0});
    writeMonth(f, {2024, 6}, "20.0", "10:00");
    TZangyoMain& main = f.start();
    TYearTotal& w = f.windows->yearTotal();
    w.open();
    typeSpan(w, "2024", "4", "2024", "6");
    QVERIFY(w.CalcButtonClick());
    // A summary row is no month to go to.
    w.grid()->selectGridRow(4);
    w.findChild<QPushButton*>("JumpButton")->click();
    QVERIFY(w.isVisible());
    // A double click on June goes there.
    const QRect june = w.grid()->visualRect(w.grid()->model()->index(2, 1));
    QTest::mouseDClick(w.grid()->viewport(), Qt::LeftButton, {}, june.center());
    QVERIFY(!w.isVisible());
    QVERIFY(main.isEnabled());
    QCOMPARE(main.displayedYear(), 2024);
    QCOMPARE(main.displayedMonth(), 6);
}

void YearTotalTest::printPreviewsThePeriodList() {
    MainFixture f({2025, 3, 28, 12, 0, 0});
    writeMonth(f, {2024, 6}, "20.0", "10:00");
    f.start();
    TYearTotal& w = f.windows->yearTotal();
    w.open();
    typeSpan(w, "2024", "4", "2025", "3");
    w.findChild<QAction*>("PrintMenuItem")->trigger();
    TPreviewForm& preview = f.windows->preview();
    QVERIFY(preview.isVisible());
    QVERIFY(!w.isEnabled());
    QVERIFY(dynamic_cast<TYearPrintForm*>(preview.report()) != nullptr);
    QCOMPARE(preview.printer().docName(), U("2024年 4月～2025年 3月 残業一覧"));
    preview.close();
    QVERIFY(w.isEnabled());
    w.close();
}

void YearTotalTest::csvIsWrittenWhereTheUserSays() {
    MainFixture f({2025, 3, 28, 12, 0, 0});
    writeMonth(f, {2024, 6}, "20.0", "10:00");
    f.start();
    TYearTotal& w = f.windows->yearTotal();
    w.open();
    typeSpan(w, "2024", "6", "2024", "7");
    const QString path = QString::fromStdString(f.folder.file("period.csv"));
    platform::testing::QueueFileAnswer(path);
    w.findChild<QAction*>("CsvMenuItem")->trigger();
    const auto asked = platform::testing::TakeFileLog();
    QCOMPARE(asked.size(), std::size_t{1});
    QCOMPARE(asked[0].fileName, U("2024年6月～2024年7月.csv"));
    QCOMPARE(QString::fromStdString(f.ctx.settings.SaveInitialDir), QFileInfo(path).absolutePath());
    std::string bytes;
    QVERIFY(ReadWholeFile(f.folder.file("period.csv"), bytes).ok());
    const QString text = QString::fromStdString(cp932::toUtf8(bytes));
    QVERIFY(
        text.contains("\r\n2024/6,20,0.0,20,0.0,0.0,0.0,10:00,0:00,10:00,160:00\r\n"
                      "2024/7,,,,,,,,,,\r\n"));
    w.close();
}

void YearTotalTest::startMonthIsKeptAcrossARestart() {
    MainFixture f({2025, 3, 28, 12, 0, 0});
    f.start();
    TYearTotal* w = &f.windows->yearTotal();
    QCOMPARE(fieldText(*w, "StartMonthMemo"), QString("1"));  // the default
    w->open();
    typeSpan(*w, "2024", "7", "2025", "6");
    QVERIFY(w->CalcButtonClick());
    w->close();
    const std::string key = f.ctx.store->userKey() + "\\System";
    QCOMPARE(QString::fromStdString(f.ctx.registry->readValue(key, "SyukeiMonth").value_or("")),
             QString("7"));

    // The next run reads the settings afresh and starts there.
    f.main().month().takeSnapshot();
    f.windows.reset();
    Settings fresh;
    f.ctx.store->LoadSettings(fresh);
    f.ctx.settings = fresh;
    f.windows = std::make_unique<ProgramWindows>(f.ctx);
    w = &f.windows->yearTotal();
    QCOMPARE(fieldText(*w, "StartMonthMemo"), QString("7"));
    QCOMPARE(spanText(*w), QString("2024/7-2025/6"));
}

}  // namespace tkv

QTEST_MAIN(tkv::YearTotalTest)
#include "year_total_test.moc"
