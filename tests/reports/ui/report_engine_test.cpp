#include "platform/report_engine.h"

#include <QPdfWriter>
#include <QtTest>

#include "base/clock.h"
#include "core/month_record.h"
#include "platform/fonts.h"
#include "reports/ui/fake_list.h"
#include "reports/ui/month_list_report.h"
#include "reports/ui/report_pages.h"
#include "settings/settings.h"

namespace tkv {

using platform::BandKind;
using platform::PlacedBand;
using platform::ReportPage;
using test::bandsOf;
using test::FakeList;
using test::textOf;

namespace {

const PlacedBand* footer(const ReportPage& page) {
    const auto f = bandsOf(page, BandKind::PageFooter);
    return f.size() == 1 ? f.front() : nullptr;
}

}  // namespace

class ReportEngineTest final : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { platform::InstallFontSubstitutions(); }
    void linesPerPageByHand_data();
    void linesPerPageByHand();
    void secondToLastFillingAPageGetsNoBottomRule();
    void aLineBeforeTheLastTwoFillingAPageBreaks();
    void narrowHeaderNarrowsTheFrame();
    void wideHeaderCutsTheMemo();
    void fortyLinesGiveTwoPages();
    void leftPlacedItemsLineUpWithTheTable();
    void monthListPagesAndShading();
    void pdfDocument();
    void marginsFromTheSettings_data();
    void marginsFromTheSettings();

private:
    FixedClock m_clock{{2004, 4, 2, 9, 0, 0}};
};

void ReportEngineTest::linesPerPageByHand_data() {
    QTest::addColumn<int>("listFontSize");
    QTest::addColumn<double>("lineHeight");  // measured height of the list font, mm
    QTest::addColumn<int>("firstPage");
    QTest::addColumn<int>("otherPages");
    // IPAGothic measures 1.0758 em high: 7 pt 2.664, 9 pt 3.415, 10 pt 3.802,
    // 12 pt 4.554, 20 pt 7.582 mm.
    // Page header: 0.35 + title 12 pt 4.554 + name 10 pt 3.802 + 1.41 = 10.116.
    // Footer: 0.35 + 7 pt 2.664 + 1.41 = 4.424. Closing rule 1.06.
    // Detail = 1.41 + line height + 1.06; the column header is as high.
    // Room = 297 - 20 - 20 - 10.116 - 4.424 - 1.06 - column header.
    //  9 pt: detail 5.885; room 235.515 -> 40 lines; the first page less four
    //        lines and the 2.12 space band, 25.660: 209.855 -> 35.
    // 20 pt: detail 10.052; room 231.348 -> 23; first page less 42.328:
    //        189.020 -> 18.
    QTest::newRow("9pt") << 9 << 3.415 << 35 << 40;
    QTest::newRow("20pt") << 20 << 7.582 << 18 << 23;
}

void ReportEngineTest::linesPerPageByHand() {
    QFETCH(int, listFontSize);
    QFETCH(double, lineHeight);
    QFETCH(int, firstPage);
    QFETCH(int, otherPages);
    Settings s;
    s.ListFontSize = listFontSize;
    s.PageTopMargin = s.PageBottomMargin = "20.0";
    FakeList list(s, m_clock, 200, 4);
    const auto pages = list.generate();
    QVERIFY(pages.size() > 2);
    // The hand figures rest on the font's height: IPAGothic is one em high.
    QVERIFY(qAbs(list.engine().detail.height - (1.41 + lineHeight + 1.06)) < 0.01);
    QCOMPARE(static_cast<int>(bandsOf(pages[0], BandKind::Detail).size()), firstPage);
    QCOMPARE(static_cast<int>(bandsOf(pages[1], BandKind::Detail).size()), otherPages);
    QCOMPARE(list.linesPerPage(), otherPages);
}

void ReportEngineTest::secondToLastFillingAPageGetsNoBottomRule() {
    Settings s;
    // Without first-page lines a page takes 40 lines with 0.115 mm to spare;
    // with a top margin 4.8 mm smaller the 41st still finds room below the
    // 40th (it needs 5.885 less the 1.06 kept for the closing rule).
    s.PageTopMargin = "15.2";
    FakeList list(s, m_clock, 41);
    const auto pages = list.generate();
    QCOMPARE(list.linesPerPage(), 40);
    QCOMPARE(pages.size(), std::size_t{1});
    const auto details = bandsOf(pages[0], BandKind::Detail);
    QCOMPARE(details.size(), std::size_t{41});
    QVERIFY(!details[39]->rules.bottom);  // the second-to-last, filling the page
    QVERIFY(details[39]->rules.top);
    QVERIFY(!details[40]->rules.bottom);  // the closing rule is the summary's
    QCOMPARE(bandsOf(pages[0], BandKind::Summary).size(), std::size_t{1});

    // Where the last line finds no room the engine moves it on and closes
    // the table above.
    s.PageTopMargin = "20.0";
    const auto moved = FakeList(s, m_clock, 41).generate();
    QCOMPARE(moved.size(), std::size_t{2});
    QCOMPARE(bandsOf(moved[0], BandKind::Detail).size(), std::size_t{40});
    QVERIFY(bandsOf(moved[0], BandKind::Detail).back()->rules.bottom);
    QCOMPARE(bandsOf(moved[1], BandKind::Detail).size(), std::size_t{1});
}

void ReportEngineTest::aLineBeforeTheLastTwoFillingAPageBreaks() {
    Settings s;
    s.PageTopMargin = "15.2";
    const auto pages = FakeList(s, m_clock, 42).generate();
    QCOMPARE(pages.size(), std::size_t{2});
    const auto first = bandsOf(pages[0], BandKind::Detail);
    QCOMPARE(first.size(), std::size_t{40});
    QVERIFY(first.back()->rules.bottom);
    QCOMPARE(bandsOf(pages[1], BandKind::Detail).size(), std::size_t{2});
    QCOMPARE(textOf(*bandsOf(pages[1], BandKind::Detail).front()).trimmed().left(2), QString("41"));
}

void ReportEngineTest::narrowHeaderNarrowsTheFrame() {
    Settings s;
    s.PrintDate = true;
    s.DatePosition = PrintAlignment::Right;
    FakeList list(s, m_clock, 3);
    list.header = std::string(40, ' ');
    const auto pages = list.generate();
    const platform::BandedReport& r = list.engine();
    const double headerWidth =
        platform::MeasureText(QString(40, ' '), r.columnHeader.texts()[0]->font).width();
    QVERIFY(qAbs(r.bandWidth() - (headerWidth + 2 * ListReport::LineInset)) < 1e-6);
    QVERIFY(r.page.right > 15.0 + 50.0);
    QCOMPARE(list.memoCut(), 0);

    // The date, placed on the right, ends 1 mm inside the narrowed frame.
    const PlacedBand* f = footer(pages[0]);
    QVERIFY(f != nullptr);
    QCOMPARE(f->rect.width(), r.bandWidth());
    const platform::PlacedText* date = nullptr;
    for (const auto& t : f->texts)
        if (t.text.startsWith("Date"))
            date = &t;
    QVERIFY(date != nullptr);
    QCOMPARE(date->text, QString("Date 2004/04/02"));
    const double right = date->topLeft.x() + platform::MeasureText(date->text, date->font).width();
    QVERIFY(qAbs(right - (r.page.left + r.bandWidth() - 1.0)) < 1e-6);
    // The table's rules follow the frame.
    for (const PlacedBand& b : pages[0].bands) QCOMPARE(b.rect.width(), r.bandWidth());
}

void ReportEngineTest::wideHeaderCutsTheMemo() {
    Settings s;
    FakeList list(s, m_clock, 3);
    list.header = std::string(150, 'x');
    list.generate();
    const platform::BandedReport& r = list.engine();
    // Half-width glyphs of the list font: 9 pt / 2 = 1.5875 mm each. The
    // band is 170 mm; 150 bytes and two insets need 244.485 mm, 74.485 too
    // many: ceil(150 x 74.485 / 238.125) = 47 bytes.
    QCOMPARE(list.memoCut(), 47);
    QCOMPARE(r.columnHeader.texts()[0]->text.size(), 150 - 47);
    QCOMPARE(r.page.right, 15.0);
}

void ReportEngineTest::fortyLinesGiveTwoPages() {
    Settings s;
    s.PrintPage = true;
    FakeList list(s, m_clock, 40, 4);
    const auto pages = list.generate();
    QCOMPARE(pages.size(), std::size_t{2});
    for (const ReportPage& p : pages) {
        const auto header = bandsOf(p, BandKind::ColumnHeader);
        QCOMPARE(header.size(), std::size_t{1});
        QCOMPARE(textOf(*header.front()), QString::fromStdString(list.header));
        QCOMPARE(bandsOf(p, BandKind::PageHeader).size(), std::size_t{1});
        // The column header follows the page header (and the first page's lines).
        QVERIFY(header.front()->rect.top() > bandsOf(p, BandKind::PageHeader).front()->rect.top());
    }
    QCOMPARE(bandsOf(pages[0], BandKind::Title).size(), std::size_t{5});
    QCOMPARE(bandsOf(pages[1], BandKind::Title).size(), std::size_t{0});
    QCOMPARE(
        bandsOf(pages[0], BandKind::Detail).size() + bandsOf(pages[1], BandKind::Detail).size(),
        std::size_t{40});
    QCOMPARE(bandsOf(pages[1], BandKind::Summary).size(), std::size_t{1});
    QCOMPARE(textOf(*footer(pages[1])).trimmed(), QString("Page 2"));
}

void ReportEngineTest::leftPlacedItemsLineUpWithTheTable() {
    Settings s;
    s.TitlePosition = s.NamePosition = s.MonthPosition = PrintAlignment::Left;
    s.PrintName = true;
    FakeList list(s, m_clock, 1);
    const auto pages = list.generate();
    const PlacedBand* header = bandsOf(pages[0], BandKind::PageHeader).front();
    QCOMPARE(header->texts.size(), std::size_t{3});
    for (const auto& t : header->texts)
        QCOMPARE(t.topLeft.x(), list.engine().page.left + ListReport::LineInset);
    // Each gets the header line's two leading blanks, the name its own prefix too.
    QCOMPARE(header->texts[0].text, QString("  Title"));
    QCOMPARE(header->texts[1].text, "    " + QString::fromStdString(s.NameTitle));
    QCOMPARE(header->texts[2].text, QString("  2004/03"));
    // Hidden name: two items only.
    s.PrintName = false;
    const auto hidden = FakeList(s, m_clock, 1).generate();
    QCOMPARE(bandsOf(hidden[0], BandKind::PageHeader).front()->texts.size(), std::size_t{2});
}

void ReportEngineTest::monthListPagesAndShading() {
    MonthRecord m;
    m.year = 2004;
    m.month = 3;
    m.LastDay = 31;
    for (int d = 1; d <= 31; ++d) {
        DayRow& row = m.day(d);
        row.cell(DayColumn::Date) = (d < 10 ? " 3/ " : " 3/") + std::to_string(d);
        row.cell(DayColumn::Weekday) = "月";
        row.cell(DayColumn::Kind) = d % 7 == 0 ? "○" : "  ";
    }
    Settings s;
    s.PrintGary = true;
    TZanPrintForm report(m, s, m_clock);
    const auto pages = report.generate();
    QCOMPARE(pages.size(), std::size_t{1});
    QCOMPARE(QString::fromStdString(report.jobTitle()), QString("2004年 3月分 残業一覧"));
    const auto titles = bandsOf(pages[0], BandKind::Title);
    QCOMPARE(titles.size(), std::size_t{5});
    QCOMPARE(titles[0]->background, QColor(192, 192, 192));  // captions are silver
    QCOMPARE(titles[1]->background, QColor(Qt::white));
    const auto details = bandsOf(pages[0], BandKind::Detail);
    QCOMPARE(details.size(), std::size_t{31});
    QCOMPARE(details[6]->background, QColor(224, 224, 224));  // 3/7 is a holiday
    QCOMPARE(details[5]->background, QColor(Qt::white));
    QVERIFY(!details[5]->rules.left);

    s.PrintForm = ReportForm::RuledOnly;
    const auto ruled = TZanPrintForm(m, s, m_clock).generate();
    const auto ruledDetails = bandsOf(ruled[0], BandKind::Detail);
    QCOMPARE(ruledDetails[6]->background, QColor(Qt::white));
    QCOMPARE(ruledDetails[6]->texts.front().color, QColor(128, 128, 128));
    QCOMPARE(ruledDetails[5]->texts.front().color, QColor(Qt::black));
    QVERIFY(ruledDetails[5]->rules.left && ruledDetails[5]->rules.right);
}

void ReportEngineTest::pdfDocument() {
    Settings s;
    const auto pages = FakeList(s, m_clock, 60).generate();
    QCOMPARE(pages.size(), std::size_t{2});
    const QByteArray pdf = platform::PdfDocument(pages, "fake");
    QVERIFY(pdf.startsWith("%PDF-"));
    QVERIFY(pdf.contains("/Count 2"));
}

void ReportEngineTest::marginsFromTheSettings_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("top");
    QTest::newRow("number") << "12.0" << 12.0;
    QTest::newRow("one decimal") << "12.34" << 12.3;
    QTest::newRow("not a number") << "abc" << 10.0;
    QTest::newRow("empty") << "" << 10.0;
    QTest::newRow("negative") << "-5" << 0.0;
    QTest::newRow("full width") << "１５" << 15.0;
}

void ReportEngineTest::marginsFromTheSettings() {
    QFETCH(QString, text);
    QFETCH(double, top);
    Settings s;
    s.PageTopMargin = text.toStdString();
    FakeList list(s, m_clock, 1);
    const auto pages = list.generate();
    QCOMPARE(list.engine().page.top, top);
    QCOMPARE(bandsOf(pages[0], BandKind::PageHeader).front()->rect.top(), top);

    // Margins that leave no page fall back to 10 mm.
    s.PageLeftMargin = s.PageRightMargin = "150";
    FakeList wide(s, m_clock, 1);
    wide.generate();
    QCOMPARE(wide.engine().page.left, 10.0);
}

}  // namespace tkv

QTEST_MAIN(tkv::ReportEngineTest)
#include "report_engine_test.moc"
