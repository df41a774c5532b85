#include <QAction>
#include <QImage>
#include <QMenu>
#include <QSignalSpy>
#include <QtTest>

#include "mainwindow/grid/day_grid_delegate.h"
#include "mainwindow/grid/grid_fixture.h"
#include "mainwindow/grid/grid_rules.h"
#include "platform/colors.h"

namespace tkv {

using test::GridFixture;

class DayStringGridTest final : public QObject {
    Q_OBJECT
private slots:
    void doubleClickOnTimeCell_data();
    void doubleClickOnTimeCell();
    void doubleClickOnTheOpenEditor();
    void kindCommands_data();
    void kindCommands();
    void zanTimeIn_data();
    void zanTimeIn();
    void timeCommands();
    void commandsOutsideTheirCellsDoNothing();
    void useTimeCaptions();
    void editorWritesThroughAndRefusesUnstorable();
    void keyboardLeavesTheGrid();
    void autoCalcRequests();
    void rendersColoursAndWeekLines();
};

void DayStringGridTest::doubleClickOnTimeCell_data() {
    QTest::addColumn<int>("clickAutoSelect");
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("before");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<bool>("asks");
    QTest::addColumn<QString>("after");
    const int shift = Qt::ShiftModifier;
    const int ctrl = Qt::ControlModifier;
    QTest::newRow("empty arrival: standard start") << 0 << 3 << "" << 0 << false << " 8:30";
    QTest::newRow("empty leaving: standard end") << 0 << 4 << "" << 0 << false << "17:30";
    QTest::newRow("empty arrival + shift: asks") << 0 << 3 << "" << shift << true << " 8:12";
    QTest::newRow("filled arrival: nothing") << 0 << 3 << " 9:00" << 0 << false << " 9:00";
    QTest::newRow("filled + shift: nothing") << 0 << 3 << " 9:00" << shift << false << " 9:00";
    QTest::newRow("filled + ctrl: again") << 0 << 3 << " 9:00" << ctrl << false << " 8:30";
    QTest::newRow("now first: asks") << 1 << 3 << "  " << 0 << true << " 8:12";
    QTest::newRow("now first + shift: standard") << 1 << 4 << "" << shift << false << "17:30";
}

void DayStringGridTest::doubleClickOnTimeCell() {
    QFETCH(int, clickAutoSelect);
    QFETCH(int, column);
    QFETCH(QString, before);
    QFETCH(int, modifiers);
    GridFixture f;
    f.settings.ClickAutoSelect = static_cast<ClickTimeChoice>(clickAutoSelect);
    f.settings.StartTeijiIn = StandardStartUse::Always;  // must not apply to the command
    f.services.modifiers = Qt::KeyboardModifiers(modifiers);
    f.services.confirmAnswer = QString(" 8:12");
    f.cell(12, column) = before.toStdString();
    f.grid.refresh();
    QVERIFY(f.show());

    QTest::mouseDClick(f.grid.viewport(), Qt::LeftButton, {}, f.centre(12, column));
    QTEST(QString::fromStdString(f.cell(12, column)), "after");
    QFETCH(bool, asks);
    QCOMPARE(f.services.confirmAsked.size(), asks ? 1u : 0u);
    if (asks) {
        const TimeConfirmRequest& r = f.services.confirmAsked.front();
        QCOMPARE(r.mode, column == 3 ? 0 : 1);
        QCOMPARE(r.dateLabel, QString("5月12日(月)"));
        QCOMPARE(r.nowText, QString("8:10"));
        QCOMPARE(r.timeText, QString(" 8:10"));
    }
}

void DayStringGridTest::doubleClickOnTheOpenEditor() {
    // The second click of a double click lands on the editor of the current cell.
    GridFixture f;
    QVERIFY(f.show());
    f.grid.selectDay(12, 4);
    QVERIFY(f.grid.cellEditor());
    QTest::mouseDClick(f.grid.cellEditor(), Qt::LeftButton, {}, QPoint(5, 5));
    QCOMPARE(f.cell(12, 4), std::string("17:30"));
    QCOMPARE(f.grid.cellEditor()->text(), QString("17:30"));

    // The leaving time before the standard start of a short day: "半" uses Time21.
    f.cell(13, 2) = "半";
    f.grid.selectDay(13, 4);
    f.grid.TeijiTimeIn();
    QCOMPARE(f.cell(13, 4), std::string("12:30"));
}

void DayStringGridTest::kindCommands_data() {
    QTest::addColumn<QString>("before");
    QTest::addColumn<int>("menuCode");  // -1: KubunChange
    QTest::addColumn<QString>("after");
    QTest::newRow("ordinary steps to holiday") << "  " << -1 << "○";
    QTest::newRow("short day steps to ordinary") << "半" << -1 << "  ";
    QTest::newRow("unknown mark becomes ordinary") << "?" << -1 << "  ";
    QTest::newRow("menu paid leave") << "  " << 2 << "有";
    QTest::newRow("menu none") << "有" << 0 << "  ";
    QTest::newRow("menu code out of range") << "有" << 8 << "有";
}

void DayStringGridTest::kindCommands() {
    QFETCH(QString, before);
    QFETCH(int, menuCode);
    GridFixture f;
    f.settings.AutoCalc = true;
    f.cell(12, 2) = before.toStdString();
    f.grid.selectDay(12, 2);
    QSignalSpy recalc(&f.grid, &DayStringGrid::recalculateRequested);
    if (menuCode < 0) {
        f.grid.KubunChange();
    } else {
        f.grid.KubunMenuClick(menuCode);
    }
    QTEST(QString::fromStdString(f.cell(12, 2)), "after");
    QCOMPARE(recalc.count(), menuCode >= 8 ? 0 : 1);
}

void DayStringGridTest::zanTimeIn_data() {
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("column");
    QTest::addColumn<bool>("noCalc");
    QTest::addColumn<bool>("legal");
    QTest::addColumn<QString>("time");
    QTest::addColumn<bool>("legalOffered");
    QTest::addColumn<QString>("cell");
    QTest::addColumn<QString>("legalFlag");
    // The 4th is a Sunday holiday, the 12th an ordinary Monday.
    QTest::newRow("hand-set zero on a holiday")
        << 4 << 5 << true << true << "0:00" << true << " 0:00"
        << "*";
    QTest::newRow("computed zero stays blank") << 4 << 6 << false << false << "0:00" << true << ""
                                               << "";
    QTest::newRow("statutory mark refused on a working day")
        << 12 << 7 << true << true << "7:45" << false << " 7:45"
        << "";
}

void DayStringGridTest::zanTimeIn() {
    QFETCH(int, row);
    QFETCH(int, column);
    QFETCH(bool, noCalc);
    QFETCH(bool, legal);
    QFETCH(QString, time);
    GridFixture f;
    QCOMPARE(f.cell(4, 2), std::string("○"));
    f.cell(row, column) = " 1:30";
    f.services.manualAnswer = {noCalc, legal, time};
    QVERIFY(f.show());
    QSignalSpy edited(&f.grid, &DayStringGrid::monthEdited);
    QTest::mouseDClick(f.grid.viewport(), Qt::LeftButton, {}, f.centre(row, column));

    QCOMPARE(f.services.manualAsked.size(), 1u);
    const ManualTimeRequest& r = f.services.manualAsked.front();
    const QString name = column == 5 ? "普通残業時間" : column == 6 ? "深夜残業時間" : "勤務時間";
    QCOMPARE(r.name, name);
    QCOMPARE(r.label, QString::fromStdString(RowDateLabel(f.month.day(row))) + "の" + name);
    QCOMPARE(r.time, QString(" 1:30"));
    QCOMPARE(r.noCalc, false);
    QTEST(r.legalHolidayEnabled, "legalOffered");

    QTEST(QString::fromStdString(f.cell(row, column)), "cell");
    QCOMPARE(f.month.day(row).ManualFlag[static_cast<std::size_t>(column - 5)],
             std::string(noCalc ? "*" : ""));
    QTEST(QString::fromStdString(f.month.day(row).LegalHolidayFlag), "legalFlag");
    QVERIFY(edited.count() >= 1);
}

void DayStringGridTest::timeCommands() {
    GridFixture f;
    f.settings.UseTime[2] = "19:15";
    f.settings.UseMemo[0] = "会議";
    // Row 1 has no row above: nothing.
    f.grid.selectDay(1, 3);
    f.grid.TopTimeInItemClick();
    QCOMPARE(f.cell(1, 3), std::string());
    // The nearest filled row above gives its text, made half-width.
    f.cell(8, 3) = " 8:05";
    f.cell(10, 3) = "９：１０";
    f.grid.selectDay(12, 3);
    f.grid.TopTimeInItemClick();
    QCOMPARE(f.cell(12, 3), std::string("9:10"));
    f.grid.UseTimeClick(3);
    QCOMPARE(f.cell(12, 3), std::string("19:15"));
    f.grid.UseTimeClick(4);  // not set
    QCOMPARE(f.cell(12, 3), std::string("19:15"));
    f.grid.TimeClear();
    QCOMPARE(f.cell(12, 3), std::string());

    // A fixed memo goes in at the caret.
    f.cell(12, 8) = "abcd";
    f.grid.refresh();
    f.grid.selectDay(12, 8);
    QVERIFY(f.grid.cellEditor());
    QCOMPARE(f.grid.cellEditor()->text(), QString("abcd"));
    f.grid.cellEditor()->setCursorPosition(2);
    f.grid.UseMemoClick(1);
    QCOMPARE(f.cell(12, 8), std::string("ab会議cd"));
    f.grid.UndoItemClick();
    QCOMPARE(f.cell(12, 8), std::string("abcd"));

    f.services.colorAnswer = 0x0000FF;
    f.grid.MemoColorItemClick();
    QCOMPARE(f.month.day(12).MemoColor, 0x0000FF);
    f.grid.MemoColorResetItemClick();
    QCOMPARE(f.month.day(12).MemoColor, 0);
}

void DayStringGridTest::commandsOutsideTheirCellsDoNothing() {
    GridFixture f;
    f.settings.UseTime[0] = "8:00";
    f.settings.UseMemo[0] = "memo";
    f.services.confirmAnswer = QString("9:00");
    f.services.colorAnswer = 0xFF;
    f.month.day(12).cell(DayColumn::Overtime) = " 1:00";
    f.month.takeSnapshot();
    auto runAll = [&] {
        f.grid.KubunChange();
        f.grid.KubunMenuClick(2);
        f.grid.NowTimeIn();
        f.grid.TeijiTimeIn();
        f.grid.TopTimeInItemClick();
        f.grid.UseTimeClick(1);
        f.grid.UseMemoClick(1);
        f.grid.ZanTimeIn();
        f.grid.MemoColorItemClick();
        f.grid.MemoColorResetItemClick();
    };
    runAll();  // no current cell at all
    QVERIFY(!f.month.hasUnsavedChanges());
    QCOMPARE(f.services.calls(), 0);

    // The memo column runs neither time, kind nor overtime commands.
    f.grid.selectDay(12, 8);
    f.grid.KubunChange();
    f.grid.TeijiTimeIn();
    f.grid.NowTimeIn();
    f.grid.ZanTimeIn();
    f.grid.TimeClear();
    f.grid.UseTimeClick(1);
    // Arrival runs no memo or overtime command.
    f.grid.selectDay(12, 3);
    f.grid.UseMemoClick(1);
    f.grid.ZanTimeIn();
    f.grid.MemoColorItemClick();
    QVERIFY(!f.month.hasUnsavedChanges());
    QCOMPARE(f.services.calls(), 0);

    // A month without days: nothing to select, nothing to crash.
    MonthRecord empty;
    f.grid.setMonth(&empty);
    f.grid.selectDay(1, 3);
    runAll();
    QCOMPARE(f.grid.currentDayRow(), 0);
}

void DayStringGridTest::useTimeCaptions() {
    GridFixture f;
    f.settings.UseTime[0] = "8:00";
    f.settings.UseTime[5] = "22:30";
    f.grid.updateUseTimeItems();
    const QList<QAction*> items = f.grid.useTimeMenu()->actions();
    QCOMPARE(items.at(0)->text(), QString(" 8:00 を貼り付け"));
    QVERIFY(items.at(0)->isEnabled());
    QCOMPARE(items.at(1)->text(), QString("未設定"));
    QVERIFY(!items.at(1)->isEnabled());
    QCOMPARE(items.at(5)->text(), QString("22:30 を貼り付け"));

    QCOMPARE(f.grid.popupMenuFor(1)->objectName(), QString("KubunPopupMenu"));
    QCOMPARE(f.grid.popupMenuFor(4)->objectName(), QString("TimePopupMenu"));
    QCOMPARE(f.grid.popupMenuFor(6)->objectName(), QString("ZanPopupMenu"));
    QCOMPARE(f.grid.popupMenuFor(7)->objectName(), QString("KinmuPopupMenu"));
    QCOMPARE(f.grid.popupMenuFor(8)->objectName(), QString("MemoPopupMenu"));
    auto* now = f.grid.findChild<QAction*>("NowTimeInItem");
    QVERIFY(now);
    QCOMPARE(now->shortcut(), QKeySequence("Ctrl+G"));
}

void DayStringGridTest::editorWritesThroughAndRefusesUnstorable() {
    GridFixture f;
    QVERIFY(f.show());
    f.grid.setFocus();
    f.grid.selectDay(12, 8);
    QLineEdit* edit = f.grid.cellEditor();
    QVERIFY(edit);
    QSignalSpy edited(&f.grid, &DayStringGrid::monthEdited);
    QTest::keyClicks(edit, "ab");
    QCOMPARE(f.cell(12, 8), std::string("ab"));
    QVERIFY(edited.count() >= 1);

    QSignalSpy refused(f.grid.dayDelegate(), &DayGridDelegate::inputRefused);
    edit->insert(QString::fromUtf8("☃"));  // no Shift-JIS code
    QCOMPARE(edit->text(), QString("ab"));
    QCOMPARE(f.cell(12, 8), std::string("ab"));
    QCOMPARE(refused.count(), 1);
    edit->insert(QString::fromUtf8("x\ty"));  // a control character would split the line
    QCOMPARE(f.cell(12, 8), std::string("ab"));
    QCOMPARE(refused.count(), 2);
    edit->insert(QString::fromUtf8("①髙"));  // CP932 holds both
    QCOMPARE(f.cell(12, 8), std::string("ab①髙"));

    // A recalculation rewriting the record shows in the open editor.
    f.cell(12, 8) = "new";
    f.grid.refresh();
    QCOMPARE(edit->text(), QString("new"));
}

void DayStringGridTest::keyboardLeavesTheGrid() {
    GridFixture f;
    QVERIFY(f.show());
    QSignalSpy exitButton(&f.grid, &DayStringGrid::focusExitButton);
    QSignalSpy previousButton(&f.grid, &DayStringGrid::focusPreviousButton);

    f.grid.selectDay(1, 3);
    QTest::keyClick(f.grid.cellEditor(), Qt::Key_Backtab, Qt::ShiftModifier);
    QCOMPARE(exitButton.count(), 1);

    f.grid.selectDay(5, 3);
    QTest::keyClick(f.grid.cellEditor(), Qt::Key_Backtab, Qt::ShiftModifier);
    QCOMPARE(f.grid.currentDayRow(), 4);
    QCOMPARE(f.grid.currentColumn(), 8);
    QTest::keyClick(f.grid.cellEditor(), Qt::Key_Tab);
    QCOMPARE(f.grid.currentDayRow(), 5);
    QCOMPARE(f.grid.currentColumn(), 3);
    QTest::keyClick(f.grid.cellEditor(), Qt::Key_Tab);
    QCOMPARE(f.grid.currentColumn(), 4);
    QTest::keyClick(f.grid.cellEditor(), Qt::Key_Down);
    QCOMPARE(f.grid.currentDayRow(), 6);

    f.grid.selectDay(31, 8);
    QTest::keyClick(f.grid.cellEditor(), Qt::Key_Tab);
    QCOMPARE(previousButton.count(), 1);
    QTest::keyClick(f.grid.cellEditor(), Qt::Key_Tab, Qt::ControlModifier);
    QCOMPARE(previousButton.count(), 2);
    QTest::keyClick(f.grid.cellEditor(), Qt::Key_Escape);
    QCOMPARE(f.services.escapes, 1);

    // Keys never lead into the fixed columns.
    f.grid.selectDay(6, 2);
    QTest::keyClick(f.grid.cellEditor(), Qt::Key_Left);
    QCOMPARE(f.grid.currentColumn(), 2);

    // Ctrl+T reaches the command through the open editor.
    f.grid.selectDay(6, 3);
    f.grid.cellEditor()->setFocus();
    QTest::keyClick(f.grid.cellEditor(), Qt::Key_T, Qt::ControlModifier);
    QCOMPARE(f.cell(6, 3), std::string(" 8:30"));
}

void DayStringGridTest::autoCalcRequests() {
    GridFixture f;
    QVERIFY(f.show());
    QSignalSpy recalc(&f.grid, &DayStringGrid::recalculateRequested);
    f.grid.selectDay(3, 3);
    QCOMPARE(recalc.count(), 0);  // AutoCalc off
    f.settings.AutoCalc = true;
    f.grid.selectDay(3, 4);
    QCOMPARE(recalc.count(), 1);
    f.grid.setPeriodListShown(true);
    f.grid.selectDay(3, 8);
    QCOMPARE(recalc.count(), 1);
}

void DayStringGridTest::rendersColoursAndWeekLines() {
    GridFixture f;
    f.settings.GridLineSelect = WeekSeparator::AtMonday;
    f.settings.CellColorCheck[0] = true;
    f.settings.CellColor[0] = 0x00C0C0FF;  // pink holidays
    f.settings.CellColorCheck[1] = true;
    f.settings.CellColor[1] = 0x00C0FFC0;  // green paid leave
    f.settings.UseTime[0] = "8:00";
    f.cell(7, 2) = "有";
    for (int d : {12, 13, 14}) {
        f.cell(d, 3) = " 8:25";
        f.cell(d, 4) = "19:10";
        f.cell(d, 5) = " 1:40";
        f.cell(d, 7) = " 9:40";
    }
    f.cell(13, 3) = " 8:45";  // late: red
    f.cell(14, 6) = " 0:00";
    f.month.day(14).ManualFlag[1] = "*";
    f.cell(15, 5) = " -0:30";
    f.cell(15, 8) = "打合せ（本社）";
    f.month.day(15).MemoColor = 0x00FF0000;
    f.month.day(4).LegalHolidayFlag = "*";
    f.grid.refresh();
    QVERIFY(f.show());
    f.grid.selectDay(20, 8);

    QImage img;
    auto pixel = [&](QPoint p) { return QColor(img.pixel(p)); };
    const QRect sun = f.cellRect(4, 3);
    // Grabbed until the view has settled on the new selection.
    auto painted = [&] {
        img = f.grid.viewport()->grab().toImage();
        return pixel({sun.center().x(), sun.bottom()}) == QColor(Qt::black);
    };
    QTRY_VERIFY(painted());
    f.grid.grab().save("/tmp/tokivane-grid.png");

    // The line under Sunday the 4th, none under Saturday the 3rd.
    QCOMPARE(pixel({sun.center().x(), sun.bottom()}), QColor(Qt::black));
    const QRect sat = f.cellRect(3, 3);
    QVERIFY(pixel({sat.center().x(), sat.bottom()}) != QColor(Qt::black));
    // Backgrounds from the cell colours; the weekday stays a fixed cell.
    QCOMPARE(pixel(sat.topLeft() + QPoint(1, 1)), QColor(0xFF, 0xC0, 0xC0));
    QCOMPARE(pixel(f.cellRect(7, 4).topRight() + QPoint(-1, 1)), QColor(0xC0, 0xFF, 0xC0));
    QCOMPARE(pixel(f.cellRect(3, 1).topRight() + QPoint(-1, 2)),
             f.grid.palette().color(QPalette::Button));

    // The colours the delegate paints with, for the decisions above.
    const QPalette pal = f.grid.palette();
    auto textOf = [&](int row, int column) {
        return ColorsFor(StyleFor(f.month.day(row), ColumnAt(column), f.settings), f.settings, pal,
                         false)
            .text;
    };
    QCOMPARE(textOf(13, 3), QColor(Qt::red));
    QCOMPARE(textOf(15, 5), QColor(Qt::red));
    QCOMPARE(textOf(4, 6), QColor(Qt::red));
    QCOMPARE(textOf(3, 1), QColor(Qt::blue));
    QCOMPARE(textOf(15, 8), QColor(Qt::blue));
    QCOMPARE(textOf(12, 3), pal.color(QPalette::Text));
}

}  // namespace tkv

int RunDayStringGridTest(int argc, char** argv) {
    tkv::DayStringGridTest t;
    return QTest::qExec(&t, argc, argv);
}

#include "day_string_grid_test.moc"
