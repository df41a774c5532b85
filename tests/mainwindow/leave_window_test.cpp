// The paid-leave window in the running program: opening and closing with
// the unsaved-changes rules, the grid's double clicks and drawing, the
// delete dialogs, the jump, the CSV file, printing, Esc, size and place.
#include <unistd.h>

#include <QAction>
#include <QDateEdit>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QLabel>

#include "base/atomic_file.h"
#include "base/cp932.h"
#include "core/month_file.h"
#include "leave/ui/vac_del.h"
#include "leave/ui/vac_grid_model.h"
#include "leave/ui/vac_string_grid.h"
#include "leave/ui/yuu_kyu.h"
#include "mainwindow/main_fixture.h"
#include "mainwindow/target_bar_panel.h"
#include "platform/file_dialog.h"
#include "platform/fonts.h"
#include "platform/help_topic.h"
#include "reports/ui/leave_list_report.h"
#include "reports/ui/preview_form.h"
#include "settings/window_placement.h"

namespace tkv {

using test::MainFixture;
using test::U;
using test::WhenShown;

namespace {

// Three entries around the grant month April, out of order as hand edits
// may leave them.
const char* const kLedger =
    "[System]\r\nKuriZan=11.0\r\nNowZan=0.0\r\n[VacationData]\r\n"
    "  1=2024/04/01,,増加,1.0,,付与,,\r\n"
    "  2=2024/03/31,,有給,-1.0,,,,\r\n"
    "  3=2024/04/05,,午前,-0.5,,memo text,,\r\n"
    "  4=2024/05/10,,有給,-1.0,,,,\r\n";

std::string ledgerFile(const MainFixture& f) {
    return f.folder.file("Vacation.dat");
}

void writeLedger(const MainFixture& f, const std::string& utf8) {
    QVERIFY(WriteFileAtomically(ledgerFile(f), cp932::fromUtf8(utf8), 0600).ok());
}

std::string readLedger(const MainFixture& f) {
    std::string bytes;
    ReadWholeFile(ledgerFile(f), bytes);
    return bytes;
}

void writeMonth(const MainFixture& f, YearMonth ym) {
    MonthRecord m;
    NewMonth(m, ym, f.ctx.settings, f.ctx.holidays);
    QVERIFY(SaveMonth(m, f.monthFile(ym.year, ym.month), f.ctx.settings).io.ok());
}

TYuuKyu& openLeave(MainFixture& f) {
    f.click("YuukyuButton");
    return f.windows->yuuKyu();
}

QString cell(const TYuuKyu& w, int slot, LedgerColumn column) {
    return w.grid()->model()->index(slot - 1, LedgerColumnNumber(column)).data().toString();
}

void doubleClick(TYuuKyu& w, int slot, LedgerColumn column) {
    VacStringGrid& grid = *w.grid();
    const QRect r = grid.visualRect(grid.model()->index(slot - 1, LedgerColumnNumber(column)));
    QTest::mouseDClick(grid.viewport(), Qt::LeftButton, {}, r.center());
}

QString text(const TYuuKyu& w, const char* name) {
    return w.findChild<QLineEdit*>(name)->text();
}

}  // namespace

class LeaveWindowTest final : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { platform::InstallFontSubstitutions(); }
    void cleanup() {
        platform::testing::ResetFileHook();
        platform::testing::ResetMessageHook();
        platform::testing::NeverShowMessages(true);
    }
    void opensFromTheMainWindowAndGivesItBack();
    void monthIsSavedBeforeOpening_data();
    void monthIsSavedBeforeOpening();
    void doubleClickFillsTheDateAndCyclesTheKind();
    void grantYearLineIsPainted();
    void cursorMovesTabAndMemoMenu();
    void memoRefusesWhatWouldSplitALine_data();
    void memoRefusesWhatWouldSplitALine();
    void csvIsWrittenWhereTheUserSays();
    void closeWithUnsavedEdits_data();
    void closeWithUnsavedEdits();
    void deletionsAreGivenUpWithTheEdits();
    void closingTheProgramAsksForTheLedgerFirst();
    void jumpFindsTheDayInTheFollowingMonth();
    void jumpThatFindsNothingStays();
    void printPreviewsTheLedger();
    void escapeKey_data();
    void escapeKey();
    void sizeLimitsAndPlace();
};

void LeaveWindowTest::opensFromTheMainWindowAndGivesItBack() {
    MainFixture f({2025, 3, 28, 12, 0, 0}, [](Settings& s) {
        s.YukyuMokuZanDisp = true;
        s.YukyuMokuZan = DecimalText("5.0");
    });
    writeLedger(f, kLedger);
    TZangyoMain& main = f.start();
    // 9.5 days left, 5.0 of them kept in reserve.
    QCOMPARE(main.findChild<TargetBarPanel*>()->yukyuPanel()->text().trimmed(), QString("4.5"));
    QVERIFY(main.action("YuukyuMenuItem")->isEnabled());
    main.action("YuukyuMenuItem")->trigger();
    TYuuKyu& w = f.windows->yuuKyu();
    QVERIFY(w.isVisible());
    QVERIFY(!main.isEnabled());
    QCOMPARE(w.windowTitle(), U("有給休暇"));
    QCOMPARE(platform::HelpTopicFor(w.grid()), platform::HelpTopic::LeaveWindow);
    QCOMPARE(platform::HelpTopicFor(w.deleteByDate()->picker()), platform::HelpTopic::LeaveDelete);
    QCOMPARE(w.focusWidget(), w.findChild<QPushButton*>("CancelButton"));
    // Read afresh, sorted, with the balance running and the cursor on the first free line.
    QCOMPARE(cell(w, 1, LedgerColumn::Date), QString("2024/03/31"));
    QCOMPARE(cell(w, 4, LedgerColumn::Remaining), QString("  9.5"));
    QCOMPARE(cell(w, 7, LedgerColumn::No), QString("  7"));
    QCOMPARE(text(w, "KuriZanMemo"), QString("11.0"));
    QCOMPARE(text(w, "NowZanMemo"), QString("9.5"));
    QCOMPARE(w.grid()->currentSlot(), 5);
    QCOMPARE(w.grid()->currentColumn(), LedgerColumnNumber(LedgerColumn::Date));

    // A new carry-over, saved; the indicator follows when the window closes.
    auto* kuriZan = w.findChild<QLineEdit*>("KuriZanMemo");
    QVERIFY(QTest::qWaitForWindowActive(&w));
    kuriZan->setFocus();
    QTRY_COMPARE(kuriZan->selectedText(), kuriZan->text());
    QTest::keyClicks(kuriZan, "3");  // the whole text was selected on entry
    w.findChild<QPushButton*>("CalcButton")->setFocus();
    QCOMPARE(kuriZan->text(), QString("3.0"));
    w.findChild<QPushButton*>("SaveButton")->click();
    QCOMPARE(text(w, "NowZanMemo"), QString("1.5"));
    w.findChild<QPushButton*>("CancelButton")->click();
    QVERIFY(!w.isVisible());
    QVERIFY(main.isEnabled());
    QCOMPARE(main.findChild<TargetBarPanel*>()->yukyuPanel()->text().trimmed(), QString("-3.5"));
}

void LeaveWindowTest::monthIsSavedBeforeOpening_data() {
    QTest::addColumn<bool>("autoSave");
    QTest::addColumn<bool>("shift");
    QTest::addColumn<bool>("saved");
    QTest::newRow("AutoSave") << true << false << true;
    QTest::newRow("AutoSave with Shift") << true << true << false;
    QTest::newRow("no AutoSave") << false << false << false;
}

void LeaveWindowTest::monthIsSavedBeforeOpening() {
    QFETCH(bool, autoSave);
    QFETCH(bool, shift);
    QFETCH(bool, saved);
    MainFixture f({2024, 4, 10, 12, 0, 0}, [&](Settings& s) { s.AutoSave = autoSave; });
    TZangyoMain& main = f.start();
    main.month().day(3).cell(DayColumn::Kind) = "有";
    f.modifiers = shift ? Qt::ShiftModifier : Qt::NoModifier;
    TYuuKyu& w = openLeave(f);
    QVERIFY(platform::testing::TakeMessageLog().empty());  // opening never asks
    QCOMPARE(main.month().hasUnsavedChanges(), !saved);
    // The saved month brought its day of leave into the ledger shown.
    QCOMPARE(cell(w, 1, LedgerColumn::Date), saved ? QString("2024/04/03") : QString());
    f.modifiers = Qt::NoModifier;
    w.close();
}

void LeaveWindowTest::doubleClickFillsTheDateAndCyclesTheKind() {
    MainFixture f({2025, 3, 28, 12, 0, 0}, [](Settings& s) {
        s.HanDayAM = DecimalText("-0.4");
        s.AutoCalc = true;
    });
    writeLedger(f, kLedger);
    f.start();
    TYuuKyu& w = openLeave(f);
    // The kind of a line without a date: nothing but the (empty) date.
    doubleClick(w, 6, LedgerColumn::Kind);
    QCOMPARE(cell(w, 6, LedgerColumn::Kind), QString());
    QVERIFY(!w.ledger().HasUnsavedChanges());

    // The date of an empty line: today, its weekday, and on to the kind.
    doubleClick(w, 5, LedgerColumn::Date);
    QCOMPARE(cell(w, 5, LedgerColumn::Date), QString("2025/03/28"));
    QCOMPARE(cell(w, 5, LedgerColumn::Weekday), U("金"));
    QCOMPARE(w.grid()->currentSlot(), 5);
    QCOMPARE(w.grid()->currentColumn(), LedgerColumnNumber(LedgerColumn::Kind));

    const std::pair<const char*, const char*> cycle[] = {{"有給", " -1.0"}, {"午前", " -0.4"},
                                                         {"午後", " -0.5"}, {"増加", " -0.5"},
                                                         {"減少", " -0.5"}, {"ｿﾉ他", " -0.5"}};
    for (const auto& [kind, days] : cycle) {
        doubleClick(w, 5, LedgerColumn::Kind);
        QCOMPARE(cell(w, 5, LedgerColumn::Kind), U(kind));
        QCOMPARE(cell(w, 5, LedgerColumn::Days), QString(days));
    }
    // "ｿﾉ他" wraps to "有給", which writes its whole day again.
    w.grid()->vacModel()->setCellText(5, LedgerColumn::Days, "3.0");
    doubleClick(w, 5, LedgerColumn::Kind);
    QCOMPARE(cell(w, 5, LedgerColumn::Kind), U("有給"));
    QCOMPARE(cell(w, 5, LedgerColumn::Days), QString(" -1.0"));
    // With AutoCalc the balance follows at once.
    QCOMPARE(cell(w, 5, LedgerColumn::Remaining), QString("  8.5"));
    QCOMPARE(text(w, "NowZanMemo"), QString("8.5"));

    // The kind menu sets a kind directly.
    w.grid()->findChild<QAction*>("KindItem6")->trigger();
    QCOMPARE(cell(w, 5, LedgerColumn::Kind), U("ｿﾉ他"));
    QCOMPARE(cell(w, 5, LedgerColumn::Days), QString(" -1.0"));
    w.ledger().takeSnapshot();
    w.close();
}

void LeaveWindowTest::grantYearLineIsPainted() {
    MainFixture f({2025, 3, 28, 12, 0, 0}, [](Settings& s) { s.YukyuMonth = 4; });
    writeLedger(f, kLedger);
    f.start();
    TYuuKyu& w = openLeave(f);
    VacStringGrid& grid = *w.grid();
    grid.setTopSlot(1);
    grid.selectCell(8, LedgerColumn::Memo);  // out of the way
    QApplication::processEvents();
    const QImage image = grid.viewport()->grab().toImage();
    const auto bottom = [&](int slot, LedgerColumn c) {
        const QRect r = grid.visualRect(grid.model()->index(slot - 1, LedgerColumnNumber(c)));
        return image.pixelColor(r.center().x(), r.bottom());
    };
    const QColor black(0, 0, 0);
    for (const LedgerColumn c : {LedgerColumn::No, LedgerColumn::Kind, LedgerColumn::Memo}) {
        // Under 2024/03/31, before 2024/04/01: across the row.
        QCOMPARE(bottom(1, c), black);
        // Not between 2024/04/01 and 2024/04/05, nor 2024/04/05 and 2024/05/10.
        QVERIFY(bottom(2, c) != black);
        QVERIFY(bottom(3, c) != black);
    }
    w.close();
}

void LeaveWindowTest::cursorMovesTabAndMemoMenu() {
    MainFixture f({2025, 3, 28, 12, 0, 0}, [](Settings& s) { s.AutoCalc = true; });
    writeLedger(f, kLedger);
    f.start();
    TYuuKyu& w = openLeave(f);
    QVERIFY(QTest::qWaitForWindowActive(&w));
    VacStringGrid& grid = *w.grid();
    grid.setFocus();
    grid.selectCell(4, LedgerColumn::Days);
    QTRY_VERIFY(grid.cellEditor() && grid.cellEditor()->hasFocus());
    QTest::keyClicks(grid.cellEditor(), "-2");
    QCOMPARE(text(w, "NowZanMemo"), QString("9.5"));  // not before the cursor moves
    // Tab goes on to the memo; with AutoCalc the ledger is recalculated.
    QTest::keyClick(grid.cellEditor(), Qt::Key_Tab);
    QCOMPARE(grid.currentColumn(), LedgerColumnNumber(LedgerColumn::Memo));
    QCOMPARE(cell(w, 4, LedgerColumn::Days), QString(" -2.0"));
    QCOMPARE(text(w, "NowZanMemo"), QString("8.5"));

    // The memo menu colours the memo of the cursor row, and resets it.
    w.setColorChooser([](int current) -> std::optional<int> {
        return current == 0 ? std::optional<int>(0x0000FF) : std::nullopt;
    });
    grid.findChild<QAction*>("MemoColorItem")->trigger();
    QCOMPARE(w.ledger().entry(4).color, 0x0000FF);
    grid.findChild<QAction*>("MemoColorResetItem")->trigger();
    QCOMPARE(w.ledger().entry(4).color, 0);

    // Tab from the last memo, Shift+Tab from the first date: out to the buttons.
    grid.selectCell(500, LedgerColumn::Memo);
    QTest::keyClick(grid.cellEditor(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), w.findChild<QPushButton*>("CalcButton"));
    grid.setFocus();
    grid.selectCell(1, LedgerColumn::Date);
    QTest::keyClick(grid.cellEditor(), Qt::Key_Backtab, Qt::ShiftModifier);
    QCOMPARE(QApplication::focusWidget(), w.findChild<QPushButton*>("CancelButton"));
    w.ledger().takeSnapshot();
    w.close();
}

// A pasted line break or tab would split the ledger line; characters
// Shift-JIS has no code for would change on saving. Both are refused.
void LeaveWindowTest::memoRefusesWhatWouldSplitALine_data() {
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<QString>("memo");
    QTest::newRow("line break") << QString("a\r\n 5=x") << QString("memo text");
    QTest::newRow("tab") << QString("a\tb") << QString("memo text");
    QTest::newRow("delete character") << QString("a\x7f") << QString("memo text");
    QTest::newRow("storable text") << QString::fromUtf8("①髙") << QString::fromUtf8("memo text①髙");
}

void LeaveWindowTest::memoRefusesWhatWouldSplitALine() {
    QFETCH(QString, pasted);
    QFETCH(QString, memo);
    MainFixture f({2025, 3, 28, 12, 0, 0});
    writeLedger(f, kLedger);
    f.start();
    TYuuKyu& w = openLeave(f);
    VacStringGrid& grid = *w.grid();
    grid.setFocus();
    grid.selectCell(3, LedgerColumn::Memo);
    QTRY_VERIFY(grid.cellEditor() != nullptr);
    grid.cellEditor()->end(false);
    grid.cellEditor()->insert(pasted);
    QCOMPARE(cell(w, 3, LedgerColumn::Memo), memo);
    w.ledger().takeSnapshot();
    w.close();
}

void LeaveWindowTest::csvIsWrittenWhereTheUserSays() {
    MainFixture f({2025, 3, 28, 12, 0, 0});
    writeLedger(f, kLedger);
    f.start();
    TYuuKyu& w = openLeave(f);
    const QString path = QString::fromStdString(f.folder.file("leave.csv"));
    platform::testing::QueueFileAnswer(path);
    w.findChild<QAction*>("CsvMenuItem")->trigger();
    const auto asked = platform::testing::TakeFileLog();
    QCOMPARE(asked.size(), std::size_t{1});
    QCOMPARE(asked[0].fileName, U("有給休暇.csv"));
    QCOMPARE(QString::fromStdString(f.ctx.settings.SaveInitialDir), QFileInfo(path).absolutePath());
    std::string bytes;
    QVERIFY(ReadWholeFile(f.folder.file("leave.csv"), bytes).ok());
    QCOMPARE(QString::fromStdString(cp932::toUtf8(bytes)),
             U("No,日付,曜日,区分,日数,残数,メモ\r\n"
               "1,2024/3/31,日,有給,-1.0,10.0,\r\n"
               "2,2024/4/1,月,増加,1.0,11.0,付与\r\n"
               "3,2024/4/5,金,午前,-0.5,10.5,memo text\r\n"
               "4,2024/5/10,金,有給,-1.0,9.5,\r\n"));
    // The export saves nothing of the ledger.
    QCOMPARE(readLedger(f), cp932::fromUtf8(kLedger));

    // A disk that fills up: the old file stays, the message says which file and why.
    platform::testing::TakeMessageLog();
    platform::testing::QueueFileAnswer(path);
    {
        // The remembered folder goes to the settings first (tokivane.SET), then the CSV.
        test::ScopedFileFault diskFull({FileStep::Write, 2, ENOSPC});
        w.findChild<QAction*>("CsvMenuItem")->trigger();
    }
    const auto messages = platform::testing::TakeMessageLog();
    QCOMPARE(messages.size(), std::size_t{1});
    QCOMPARE(messages[0].caption, U("ファイルエラー"));
    QVERIFY(messages[0].text.contains(path));
    QVERIFY(messages[0].text.contains(QString::fromLocal8Bit(std::strerror(ENOSPC))));
    std::string after;
    QVERIFY(ReadWholeFile(f.folder.file("leave.csv"), after).ok());
    QCOMPARE(after, bytes);
    w.close();
}

void LeaveWindowTest::closeWithUnsavedEdits_data() {
    QTest::addColumn<bool>("autoSave");
    QTest::addColumn<bool>("shift");
    QTest::addColumn<int>("answer");  // queued for the question; NoButton: none asked
    QTest::addColumn<bool>("saved");
    QTest::addColumn<bool>("closed");
    QTest::newRow("AutoSave saves without asking")
        << true << false << int(QMessageBox::NoButton) << true << true;
    QTest::newRow("AutoSave with Shift asks: Yes")
        << true << true << int(QMessageBox::Yes) << true << true;
    QTest::newRow("AutoSave with Shift asks: No")
        << true << true << int(QMessageBox::No) << false << true;
    QTest::newRow("no AutoSave asks: Cancel")
        << false << false << int(QMessageBox::Cancel) << false << false;
}

void LeaveWindowTest::closeWithUnsavedEdits() {
    QFETCH(bool, autoSave);
    QFETCH(bool, shift);
    QFETCH(int, answer);
    QFETCH(bool, saved);
    QFETCH(bool, closed);
    MainFixture f({2025, 3, 28, 12, 0, 0}, [&](Settings& s) { s.AutoSave = autoSave; });
    writeLedger(f, kLedger);
    TZangyoMain& main = f.start();
    TYuuKyu& w = openLeave(f);
    w.grid()->vacModel()->setCellText(2, LedgerColumn::Memo, "編集");
    f.modifiers = shift ? Qt::ShiftModifier : Qt::NoModifier;
    platform::testing::TakeMessageLog();
    if (answer != QMessageBox::NoButton)
        platform::testing::QueueMessageAnswer(QMessageBox::StandardButton(answer));
    w.close();
    f.modifiers = Qt::NoModifier;
    const auto asked = platform::testing::TakeMessageLog();
    QCOMPARE(asked.size(), answer != QMessageBox::NoButton ? std::size_t{1} : std::size_t{0});
    if (!asked.empty()) {
        QCOMPARE(asked[0].caption, U("保存確認"));
        QCOMPARE(asked[0].text, U("ﾃﾞｰﾀが変更されています。保存しますか？"));
        QCOMPARE(asked[0].buttons, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        QCOMPARE(asked[0].icon, QMessageBox::Question);
    }
    QCOMPARE(w.isVisible(), !closed);
    QCOMPARE(main.isEnabled(), closed);
    const bool changed = readLedger(f) != cp932::fromUtf8(kLedger);
    QCOMPARE(changed, saved);
    if (saved)
        QVERIFY(cp932::toUtf8(readLedger(f)).find("編集") != std::string::npos);
    w.ledger().takeSnapshot();
    w.close();
}

void LeaveWindowTest::deletionsAreGivenUpWithTheEdits() {
    MainFixture f({2025, 3, 28, 12, 0, 0});
    writeLedger(f, kLedger);
    f.start();
    TYuuKyu& w = openLeave(f);
    // The picker starts on the last day of the month two years and one month back.
    QCOMPARE(w.deleteByDate()->picker()->date(), QDate(2023, 2, 28));

    // By count: the two oldest fold into the carry-over, the balance stays.
    WhenShown<TVacDel>(w, [](TVacDel& d) {
        QCOMPARE(d.windowTitle(), U("有給休暇 - 削除(件数指定)"));
        auto* count = d.findChild<QLineEdit*>("DelNoMemo");
        QCOMPARE(count->text(), QString("1"));
        count->setText("2");
        QTest::keyClick(count, Qt::Key_Return);  // swallowed: nothing is deleted yet
        QVERIFY(d.isVisible());
        d.findChild<QPushButton*>("DeleteButton")->click();
    });
    w.findChild<QAction*>("DeleteCountMenuItem")->trigger();
    QCOMPARE(cell(w, 1, LedgerColumn::Date), QString("2024/04/05"));
    QCOMPARE(cell(w, 3, LedgerColumn::Date), QString());
    QCOMPARE(text(w, "KuriZanMemo"), QString("11.0"));  // 11.0 - 1.0 + 1.0
    QCOMPARE(text(w, "NowZanMemo"), QString("9.5"));

    // By date: up to and including the picked day.
    WhenShown<TVacDel2>(w, [](TVacDel2& d) {
        QCOMPARE(d.windowTitle(), U("有給休暇 - 削除(日付指定)"));
        QCOMPARE(d.focusWidget(), d.picker());
        d.picker()->setDate(QDate(2024, 4, 5));
        d.findChild<QPushButton*>("DeleteButton")->click();
    });
    w.findChild<QAction*>("DeleteDateMenuItem")->trigger();
    QCOMPARE(cell(w, 1, LedgerColumn::Date), QString("2024/05/10"));
    QCOMPARE(text(w, "KuriZanMemo"), QString("10.5"));
    QCOMPARE(text(w, "NowZanMemo"), QString("9.5"));

    // Neither saved: Cancel keeps the window, No gives everything up.
    platform::testing::QueueMessageAnswer(QMessageBox::Cancel);
    w.close();
    QVERIFY(w.isVisible());
    platform::testing::QueueMessageAnswer(QMessageBox::No);
    w.close();
    QVERIFY(!w.isVisible());
    QCOMPARE(readLedger(f), cp932::fromUtf8(kLedger));
}

void LeaveWindowTest::closingTheProgramAsksForTheLedgerFirst() {
    MainFixture f({2025, 3, 28, 12, 0, 0});
    writeLedger(f, kLedger);
    TZangyoMain& main = f.start();
    TYuuKyu& w = openLeave(f);
    w.grid()->vacModel()->setCellText(1, LedgerColumn::Memo, "編集");
    platform::testing::TakeMessageLog();
    platform::testing::QueueMessageAnswer(QMessageBox::Cancel);
    QVERIFY(!main.close());
    QCOMPARE(platform::testing::TakeMessageLog().size(), std::size_t{1});
    QVERIFY(w.isVisible());
    QVERIFY(main.isVisible());
    platform::testing::QueueMessageAnswer(QMessageBox::Yes);
    QVERIFY(main.close());
    QVERIFY(!w.isVisible());
    QVERIFY(cp932::toUtf8(readLedger(f)).find("編集") != std::string::npos);
}

void LeaveWindowTest::jumpFindsTheDayInTheFollowingMonth() {
    MainFixture f({2024, 4, 10, 12, 0, 0}, [](Settings& s) { s.SimeDay = 20; });
    writeMonth(f, {2024, 4});  // 3/21 .. 4/20
    writeMonth(f, {2024, 5});  // 4/21 .. 5/20
    writeLedger(f,
                "[System]\r\nKuriZan=1.0\r\n[VacationData]\r\n"
                "1=2024/04/25,,有給,-1.0,,,,\r\n");
    TZangyoMain& main = f.start();
    QCOMPARE(main.displayedMonth(), 4);
    TYuuKyu& w = openLeave(f);
    w.grid()->selectCell(1, LedgerColumn::Kind);
    w.findChild<QPushButton*>("JumpButton")->click();
    QVERIFY(!w.isVisible());
    QVERIFY(main.isEnabled());
    QCOMPARE(main.displayedYear(), 2024);
    QCOMPARE(main.displayedMonth(), 5);
    QCOMPARE(f.grid().currentDayRow(), 5);
    QCOMPARE(f.grid().currentColumn(), ColumnNumber(DayColumn::Memo));
    QCOMPARE(QString::fromStdString(main.month().day(5).cell(DayColumn::Date)), QString(" 4/25"));
}

void LeaveWindowTest::jumpThatFindsNothingStays() {
    MainFixture f({2024, 4, 10, 12, 0, 0});
    writeLedger(f,
                "[System]\r\nKuriZan=1.0\r\n[VacationData]\r\n"
                "1=2024/08/01,,有給,-1.0,,,,\r\n");
    TZangyoMain& main = f.start();
    main.month().day(2).cell(DayColumn::Memo) = "未保存";
    TYuuKyu& w = openLeave(f);
    w.grid()->selectCell(1, LedgerColumn::Date);
    // The month's own question comes first; Cancel stops the jump.
    platform::testing::TakeMessageLog();
    platform::testing::QueueMessageAnswer(QMessageBox::Cancel);
    w.findChild<QAction*>("JumpMenuItem")->trigger();
    auto asked = platform::testing::TakeMessageLog();
    QCOMPARE(asked.size(), std::size_t{1});
    QCOMPARE(asked[0].caption, U("保存確認"));
    QVERIFY(w.isVisible());

    platform::testing::QueueMessageAnswer(QMessageBox::No);
    platform::testing::QueueMessageAnswer(QMessageBox::Ok);
    w.findChild<QPushButton*>("JumpButton")->click();
    asked = platform::testing::TakeMessageLog();
    QCOMPARE(asked.size(), std::size_t{2});
    QCOMPARE(asked[1].caption, U("日付指定ｴﾗｰ"));
    QCOMPARE(asked[1].text, U("指定の日付のﾃﾞｰﾀが見つかりません。"));
    QCOMPARE(asked[1].icon, QMessageBox::Critical);
    QVERIFY(w.isVisible());
    QVERIFY(!main.isEnabled());
    QCOMPARE(main.displayedMonth(), 4);
    w.close();
}

void LeaveWindowTest::printPreviewsTheLedger() {
    MainFixture f({2025, 3, 28, 12, 0, 0});
    f.start();
    TYuuKyu& w = openLeave(f);
    // An empty ledger has nothing to print.
    platform::testing::TakeMessageLog();
    w.findChild<QAction*>("PrintMenuItem")->trigger();
    QCOMPARE(platform::testing::TakeMessageLog().size(), std::size_t{1});
    TPreviewForm& preview = f.windows->preview();
    QVERIFY(!preview.isVisible());

    w.close();
    writeLedger(f, kLedger);
    w.open();
    w.findChild<QAction*>("PrintMenuItem")->trigger();
    QVERIFY(preview.isVisible());
    QVERIFY(!w.isEnabled());
    QVERIFY(dynamic_cast<TYukyuPrintForm*>(preview.report()) != nullptr);
    preview.close();
    QVERIFY(w.isEnabled());
    w.close();
}

void LeaveWindowTest::escapeKey_data() {
    QTest::addColumn<bool>("escKeyMin");
    QTest::newRow("EscKeyMin on") << true;
    QTest::newRow("EscKeyMin off") << false;
}

void LeaveWindowTest::escapeKey() {
    QFETCH(bool, escKeyMin);
    MainFixture f({2025, 3, 28, 12, 0, 0}, [&](Settings& s) { s.EscKeyMin = escKeyMin; });
    f.commitSettings();  // the Esc action reads the start user's stored choice
    writeLedger(f, kLedger);
    TZangyoMain& main = f.start();
    TYuuKyu& w = openLeave(f);
    QVERIFY(QTest::qWaitForWindowActive(&w));
    w.grid()->setFocus();
    QTest::keyClick(w.grid()->cellEditor(), Qt::Key_Escape);
    // The program's Esc action (to the tray); the window itself stays open either way.
    QCOMPARE(f.resident().inTray(), escKeyMin);
    QVERIFY(w.isVisible());
    if (escKeyMin)
        emit f.tray.openRequested();
    QVERIFY(main.isVisible());

    // In a delete dialog too: the dialog stays until it is cancelled.
    WhenShown<TVacDel>(w, [&](TVacDel& d) {
        QVERIFY(QTest::qWaitForWindowActive(&d));
        QTest::keyClick(d.findChild<QLineEdit*>("DelNoMemo"), Qt::Key_Escape);
        QCOMPARE(f.resident().inTray(), escKeyMin);
        QVERIFY(d.isVisible());
        if (escKeyMin)
            emit f.tray.openRequested();
        d.findChild<QPushButton*>("CancelButton")->click();
    });
    w.DeleteCountMenuItemClick();
    QCOMPARE(cell(w, 1, LedgerColumn::Date), QString("2024/03/31"));  // nothing deleted
    w.close();
}

void LeaveWindowTest::sizeLimitsAndPlace() {
    MainFixture f({2025, 3, 28, 12, 0, 0});
    f.start();
    TYuuKyu& w = openLeave(f);
    const QRect work = QGuiApplication::primaryScreen()->availableGeometry();
    QCOMPARE(w.minimumHeight(), std::min(w.heightForRows(11), work.height()));
    QCOMPARE(w.maximumHeight(), std::min(w.heightForRows(501), work.height()));
    QCOMPARE(w.minimumWidth(), std::min(w.widthFor(0), work.width()));
    QCOMPARE(w.maximumWidth(), std::min(w.widthFor(50), work.width()));
    // The memo column takes the extra width.
    const int memo = LedgerColumnNumber(LedgerColumn::Memo);
    const int before = w.grid()->columnWidth(memo);
    w.resize(w.width() + 40, w.height());
    QTRY_COMPARE(w.grid()->columnWidth(memo), before + 40);

    // Maximised, the window keeps its corner and grows to its largest size.
    w.move(work.left() + 10, work.top() + 20);
    const QPoint corner = w.pos();
    w.showMaximized();
    QTRY_VERIFY(!w.isMaximized());
    QCOMPARE(w.size(), w.maximumSize());
    QCOMPARE(w.pos(), QPoint(std::min(corner.x(), work.right() + 1 - w.width()),
                             std::min(corner.y(), work.bottom() + 1 - w.height())));

    w.resize(w.minimumWidth() + 10, w.minimumHeight() + 10);
    w.close();
    const WindowPlacementStore placement(*f.ctx.registry, f.ctx.startUser);
    QCOMPARE(placement.read("Width.TYuuKyu").value_or(0), w.minimumWidth() + 10);
    QVERIFY(placement.read("Top.TYuuKyu").has_value());
}

}  // namespace tkv

QTEST_MAIN(tkv::LeaveWindowTest)
#include "leave_window_test.moc"
