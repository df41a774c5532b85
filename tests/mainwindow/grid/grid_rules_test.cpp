#include "mainwindow/grid/grid_rules.h"

#include <QtTest>

#include "mainwindow/grid/cell_style.h"
#include "mainwindow/grid/grid_layout.h"
#include "settings/settings.h"

Q_DECLARE_METATYPE(tkv::CellInk)
Q_DECLARE_METATYPE(tkv::DayRow)

namespace tkv {
namespace {

DayRow makeRow(const char* date, const char* weekday, const char* kind) {
    DayRow r;
    r.cell(DayColumn::Date) = date;
    r.cell(DayColumn::Weekday) = weekday;
    r.cell(DayColumn::Kind) = kind;
    return r;
}

}  // namespace

class GridRulesTest final : public QObject {
    Q_OBJECT
private slots:
    void columnWidthsGiveTheRestToTheMemo();
    void titlesAreCentred();
    void tabTargets_data();
    void tabTargets();
    void textInk_data();
    void textInk();
    void backgroundsAndWeekLine();
    void nextKind_data();
    void nextKind();
    void rowDateLabelAndCaptions();
};

void GridRulesTest::columnWidthsGiveTheRestToTheMemo() {
    const auto narrow = ColumnWidths(6, 0);
    const std::array<int, 9> design{34, 16, 16, 34, 34, 34, 34, 34, 64};
    QCOMPARE(narrow, design);
    // Eight other columns of 236 pixels and nine lines leave the rest to the memo.
    QCOMPARE(ColumnWidths(6, 600)[ColumnIndex(DayColumn::Memo)], 600 - 236 - 9);
    QCOMPARE(RowHeight(12), 14);
}

void GridRulesTest::titlesAreCentred() {
    QCOMPARE(TitleTextLeft(34, 30), 2);
    QCOMPARE(TitleTextLeft(34, 12), 11);
    QCOMPARE(TitleTextLeft(10, 30), 2);  // never left of the edge
    QCOMPARE(ColumnTitle(DayColumn::Memo), std::string_view("  メ  モ  "));
}

void GridRulesTest::tabTargets_data() {
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("column");
    QTest::addColumn<bool>("backward");
    QTest::addColumn<bool>("ctrl");
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("toRow");
    QTest::addColumn<int>("toColumn");
    QTest::newRow("shift-tab arrival of row 1")
        << 1 << 3 << true << false << int(TabMove::ExitButton) << 0 << 0;
    QTest::newRow("shift-tab arrival") << 5 << 3 << true << false << int(TabMove::Cell) << 4 << 8;
    QTest::newRow("shift-tab memo") << 5 << 8 << true << false << int(TabMove::Cell) << 5 << 4;
    QTest::newRow("shift-tab leaving") << 5 << 4 << true << false << int(TabMove::Cell) << 5 << 3;
    QTest::newRow("tab arrival") << 5 << 3 << false << false << int(TabMove::Cell) << 5 << 4;
    QTest::newRow("tab from overtime") << 5 << 6 << false << false << int(TabMove::Cell) << 5 << 8;
    QTest::newRow("tab memo") << 5 << 8 << false << false << int(TabMove::Cell) << 6 << 3;
    QTest::newRow("tab memo of last row")
        << 31 << 8 << false << false << int(TabMove::PreviousButton) << 0 << 0;
    QTest::newRow("ctrl-tab") << 5 << 4 << false << true << int(TabMove::PreviousButton) << 0 << 0;
}

void GridRulesTest::tabTargets() {
    QFETCH(int, row);
    QFETCH(int, column);
    QFETCH(bool, backward);
    QFETCH(bool, ctrl);
    QFETCH(int, kind);
    const TabMove m = TabTarget(row, ColumnAt(column), 31, backward, ctrl);
    QCOMPARE(int(m.kind), kind);
    if (m.kind == TabMove::Cell) {
        QTEST(m.row, "toRow");
        QTEST(ColumnNumber(m.column), "toColumn");
    }
}

void GridRulesTest::textInk_data() {
    QTest::addColumn<DayRow>("row");
    QTest::addColumn<int>("column");
    QTest::addColumn<bool>("flex");
    QTest::addColumn<CellInk>("ink");
    QTest::addColumn<bool>("underline");

    DayRow manualZero = makeRow(" 5/12", "月", "  ");
    manualZero.cell(DayColumn::Overtime) = " 0:00";
    manualZero.ManualFlag[0] = "*";
    QTest::newRow("hand-entered 0:00") << manualZero << 5 << false << CellInk::Normal << true;
    DayRow negative = makeRow(" 5/12", "月", "  ");
    negative.cell(DayColumn::Working) = " -1:15";
    QTest::newRow("negative value") << negative << 7 << false << CellInk::Red << false;

    DayRow statutory = makeRow(" 5/ 4", "日", "○");
    statutory.LegalHolidayFlag = "*";
    for (int c = 2; c <= 7; ++c) {
        QTest::addRow("statutory holiday column %d", c)
            << statutory << c << false << CellInk::Red << false;
    }
    QTest::newRow("statutory holiday memo") << statutory << 8 << false << CellInk::Normal << false;

    QTest::newRow("saturday holiday weekday")
        << makeRow(" 5/ 3", "土", "○") << 1 << false << CellInk::Blue << false;
    QTest::newRow("sunday weekday")
        << makeRow(" 5/ 4", "日", "  ") << 1 << false << CellInk::Red << false;
    QTest::newRow("holiday weekday")
        << makeRow(" 5/ 5", "月", "○") << 1 << false << CellInk::Red << false;
    QTest::newRow("holiday kind column")
        << makeRow(" 5/ 5", "月", "○") << 2 << false << CellInk::Normal << false;

    DayRow late = makeRow(" 5/12", "月", "  ");
    late.cell(DayColumn::Arrival) = " 8:31";
    late.cell(DayColumn::Leaving) = "17:29";
    QTest::newRow("late arrival") << late << 3 << false << CellInk::Red << false;
    QTest::newRow("early leaving") << late << 4 << false << CellInk::Red << false;
    QTest::newRow("late arrival, flexible time") << late << 3 << true << CellInk::Normal << false;
    DayRow leave = late;
    leave.cell(DayColumn::Kind) = "前";
    QTest::newRow("late arrival on morning leave")
        << leave << 3 << false << CellInk::Normal << false;
    DayRow shortDay = late;
    shortDay.cell(DayColumn::Kind) = "半";
    shortDay.cell(DayColumn::Leaving) = "12:30";
    QTest::newRow("short day leaves at its own end")
        << shortDay << 4 << false << CellInk::Normal << false;
    QTest::newRow("short day arrives late") << shortDay << 3 << false << CellInk::Red << false;
}

void GridRulesTest::textInk() {
    QFETCH(DayRow, row);
    QFETCH(int, column);
    QFETCH(bool, flex);
    Settings s;
    s.times.standardStart = " 8:30";
    s.times.standardEnd = "17:30";
    s.times.shortDayStart = " 8:30";
    s.times.shortDayEnd = "12:30";
    s.FlexTime = flex;
    const CellStyle st = StyleFor(row, ColumnAt(column), s);
    QTEST(st.ink, "ink");
    QTEST(st.underline, "underline");
}

void GridRulesTest::backgroundsAndWeekLine() {
    Settings s;
    const DayRow satHoliday = makeRow(" 5/ 3", "土", "○");
    const DayRow sunday = makeRow(" 5/ 4", "日", "  ");
    QCOMPARE(StyleFor(satHoliday, DayColumn::Arrival, s).cellColor, -1);
    s.CellColorCheck[6] = true;
    QCOMPARE(StyleFor(satHoliday, DayColumn::Arrival, s).cellColor, 6);
    s.CellColorCheck[0] = true;
    QCOMPARE(StyleFor(satHoliday, DayColumn::Arrival, s).cellColor,
             0);  // the kind wins over the weekday
    QCOMPARE(StyleFor(satHoliday, DayColumn::Weekday, s).cellColor,
             -1);  // fixed cells keep the fixed colour
    QVERIFY(StyleFor(satHoliday, DayColumn::Weekday, s).fixed);
    QCOMPARE(StyleFor(makeRow(" 5/ 7", "水", "半"), DayColumn::Leaving, s).cellColor, -1);
    s.CellColorCheck[8] = true;
    QCOMPARE(StyleFor(makeRow(" 5/ 7", "水", "半"), DayColumn::Leaving, s).cellColor, 8);

    s.GridLineSelect = WeekSeparator::AtMonday;
    QVERIFY(StyleFor(sunday, DayColumn::Date, s).weekLine);
    QVERIFY(StyleFor(sunday, DayColumn::Memo, s).weekLine);
    QVERIFY(!StyleFor(satHoliday, DayColumn::Arrival, s).weekLine);
    s.GridLineSelect = WeekSeparator::AtSunday;
    QVERIFY(StyleFor(satHoliday, DayColumn::Arrival, s).weekLine);
    QVERIFY(!StyleFor(sunday, DayColumn::Arrival, s).weekLine);
    s.GridLineSelect = WeekSeparator::None;
    QVERIFY(!StyleFor(satHoliday, DayColumn::Arrival, s).weekLine);

    DayRow coloured = sunday;
    coloured.MemoColor = 0x00FF0000;
    QCOMPARE(StyleFor(coloured, DayColumn::Memo, s).ink, CellInk::Memo);
    QCOMPARE(StyleFor(coloured, DayColumn::Memo, s).memoColor, 0x00FF0000);
}

void GridRulesTest::nextKind_data() {
    QTest::addColumn<QString>("from");
    QTest::addColumn<int>("to");
    QTest::newRow("ordinary") << "  " << 1;
    QTest::newRow("empty") << "" << 1;
    QTest::newRow("holiday") << "○" << 2;
    QTest::newRow("absence") << "欠" << 7;
    QTest::newRow("short day wraps") << "半" << 0;
    QTest::newRow("unknown mark") << "X" << 0;
    QTest::newRow("long name is no mark") << "有給" << 0;
}

void GridRulesTest::nextKind() {
    QFETCH(QString, from);
    QTEST(int(NextDayKind(from.toStdString())), "to");
}

void GridRulesTest::rowDateLabelAndCaptions() {
    QCOMPARE(RowDateLabel(makeRow(" 5/ 4", "日", "")), std::string("5月4日(日)"));
    QCOMPARE(RowDateLabel(makeRow("12/31", "水", "")), std::string("12月31日(水)"));
    QCOMPARE(RowDateLabel(DayRow{}), std::string("0月0日()"));  // never throws on a blank row

    Settings s;
    s.UseTime[0] = "8:00";
    s.UseTime[3] = "  ";
    QCOMPARE(UseTimeCaption(s, 1), std::string(" 8:00 を貼り付け"));
    QCOMPARE(UseTimeCaption(s, 4), std::string());
    QCOMPARE(UseTimeCaption(s, 7), std::string());
    QCOMPARE(ManualValueText("0:00", true), std::string(" 0:00"));
    QCOMPARE(ManualValueText("0:00", false), std::string());
    QCOMPARE(ManualValueText("abc", true), std::string(" 0:00"));
}

}  // namespace tkv

int RunGridRulesTest(int argc, char** argv) {
    tkv::GridRulesTest t;
    return QTest::qExec(&t, argc, argv);
}

#include "grid_rules_test.moc"
