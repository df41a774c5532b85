// The period totals list and the paid-leave list on the page frame.
#include <QWidget>
#include <QtTest>

#include "base/clock.h"
#include "base/cp932.h"
#include "leave/ledger.h"
#include "platform/fonts.h"
#include "platform/message_box.h"
#include "platform/text_convert.h"
#include "reports/leave_list_lines.h"
#include "reports/period_builders.h"
#include "reports/period_list_lines.h"
#include "reports/ui/leave_list_report.h"
#include "reports/ui/period_list_report.h"
#include "reports/ui/preview_form.h"
#include "reports/ui/report_pages.h"
#include "settings/settings.h"

namespace tkv {

using platform::BandKind;
using platform::PlacedBand;
using platform::ReportPage;
using test::bandsOf;
using test::textOf;

namespace {

QString U8(const char* s) {
    return QString::fromUtf8(s);
}

const QColor kWhite(Qt::white), kGray(224, 224, 224), kSilver(192, 192, 192);

// Forty-eight months of 20 days from April 2021, one file each.
void fillFourYears(const test::MonthFolder& folder) {
    YearMonth ym{2021, 4};
    for (int i = 0; i < 48; ++i, ym = AddMonths(ym, 1)) {
        test::MonthFigures m;
        m.zangyo = MinutesToStr(600 + i * 7, 2, true);
        folder.write(ym, m);
    }
}

Ledger ledgerOf(int entries, const std::string& memo) {
    Ledger l;
    l.setKuriZan("40.0");
    for (int i = 1; i <= entries; ++i) {
        LeaveEntry& e = l.entry(i);
        e.date = "2024/04/" + std::string(i < 10 ? "0" : "") + std::to_string(i);
        e.kind = "有給";
        e.days = "-1.0";
        e.memo = memo;
    }
    l.RecalcLedger();
    return l;
}

}  // namespace

class PeriodLeaveReportTest final : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { platform::InstallFontSubstitutions(); }
    void periodListOfFortyEightMonthsTakesTwoPages();
    void periodListShading_data();
    void periodListShading();
    void periodListTextsAndNoCut();
    void leaveListHeaderFollowsPrintMemo_data();
    void leaveListHeaderFollowsPrintMemo();
    void leaveListWiderThanThePageCutsEveryMemo();
    void leaveListWithoutNameIsOnlyAsTallAsTheTitle();
    void printLeaveListOfAnEmptyLedgerSaysSo();
    void printLeaveListShowsThePreview();

private:
    FixedClock m_clock{{2025, 3, 28, 9, 0, 0}};
};

void PeriodLeaveReportTest::periodListOfFortyEightMonthsTakesTwoPages() {
    test::MonthFolder folder;
    fillFourYears(folder);
    const Settings s;
    TYearPrintForm report({{2021, 4}, {2025, 3}}, folder.paths(), s, m_clock);
    const auto pages = report.generate();
    // Portrait A4 with the default fonts takes 40 lines a page (see the
    // engine tests); 48 months and four summary lines give 40 + 12.
    QCOMPARE(report.recordCount(), 52);
    QCOMPARE(report.linesPerPage(), 40);
    QCOMPARE(pages.size(), std::size_t{2});
    const auto first = bandsOf(pages[0], BandKind::Detail);
    const auto second = bandsOf(pages[1], BandKind::Detail);
    QCOMPARE(first.size(), std::size_t{40});
    QCOMPARE(second.size(), std::size_t{12});
    QVERIFY(first.back()->rules.bottom);  // the full page closes its table
    QVERIFY(textOf(*first.front()).startsWith("  2021/04"));
    QVERIFY(textOf(*second.front()).startsWith("  2024/08"));
    const char* summary[] = {"   合 計", "   平 均", "   最 高", "   最 低"};
    for (int i = 0; i < 4; ++i)
        QVERIFY2(textOf(*second[static_cast<std::size_t>(8 + i)]).startsWith(U8(summary[i])),
                 qPrintable(textOf(*second[static_cast<std::size_t>(8 + i)])));
    // The column header starts the second page too.
    QCOMPARE(bandsOf(pages[1], BandKind::ColumnHeader).size(), std::size_t{1});
    QCOMPARE(bandsOf(pages[1], BandKind::Summary).size(), std::size_t{1});
}

void PeriodLeaveReportTest::periodListShading_data() {
    QTest::addColumn<int>("form");
    QTest::addColumn<QList<QColor>>("colours");  // months 1..3, total, average, highest, lowest
    QTest::newRow("halftone") << 0 << QList<QColor>{kWhite, kGray,   kWhite, kSilver,
                                                    kGray,  kSilver, kGray};
    QTest::newRow("ruled") << 1
                           << QList<QColor>{kWhite, kWhite, kWhite, kWhite, kWhite, kWhite, kWhite};
}

void PeriodLeaveReportTest::periodListShading() {
    QFETCH(int, form);
    QFETCH(QList<QColor>, colours);
    test::MonthFolder folder;
    fillFourYears(folder);
    Settings s;
    s.PrintForm = static_cast<ReportForm>(form);
    const auto pages =
        TYearPrintForm({{2021, 4}, {2021, 6}}, folder.paths(), s, m_clock).generate();
    const auto details = bandsOf(pages.at(0), BandKind::Detail);
    QCOMPARE(details.size(), std::size_t{7});
    for (qsizetype i = 0; i < colours.size(); ++i) {
        QCOMPARE(details[static_cast<std::size_t>(i)]->background, colours[i]);
        QVERIFY(details[static_cast<std::size_t>(i)]->rules.top);
        QCOMPARE(details[static_cast<std::size_t>(i)]->rules.left, form == 1);
    }
}

void PeriodLeaveReportTest::periodListTextsAndNoCut() {
    test::MonthFolder folder;
    Settings s;
    s.PrintName = true;
    s.NameTitle = "営業部 山田";
    s.YearTitle = "期間の残業";
    s.YearPrintMuki = PageOrientation::Landscape;
    s.NamePosition = PrintAlignment::Right;
    TYearPrintForm report({{2024, 4}, {2025, 3}}, folder.paths(), s, m_clock);
    QCOMPARE(report.orientationSetting(), PageOrientation::Landscape);
    QCOMPARE(QString::fromStdString(report.jobTitle()), U8("2024年 4月～2025年 3月 残業一覧"));
    const auto pages = report.generate();
    const auto header = bandsOf(pages.at(0), BandKind::PageHeader).at(0);
    QStringList texts;
    for (const auto& t : header->texts) texts << t.text;
    QVERIFY2(texts.contains(U8("期間の残業")), qPrintable(texts.join('|')));
    QVERIFY2(texts.contains(U8("   営業部 山田")), qPrintable(texts.join('|')));
    QVERIFY2(texts.contains(U8("2024年 4月～2025年 3月")), qPrintable(texts.join('|')));

    // A list font too wide for the page: the period list has no memo to give up.
    s.ListFontSize = 14;
    TYearPrintForm wide({{2024, 4}, {2025, 3}}, folder.paths(), s, m_clock);
    const auto widePages = wide.generate(platform::A4Portrait);
    QCOMPARE(wide.memoCut(), 0);
    const QString line = textOf(*bandsOf(widePages.at(0), BandKind::ColumnHeader).at(0));
    QCOMPARE(line, platform::ToQString(PeriodListHeader()));
}

void PeriodLeaveReportTest::leaveListHeaderFollowsPrintMemo_data() {
    QTest::addColumn<int>("printMemo");
    QTest::addColumn<int>("bytes");
    QTest::newRow("10") << 10 << 64;
    QTest::newRow("15") << 15 << 74;
}

void PeriodLeaveReportTest::leaveListHeaderFollowsPrintMemo() {
    QFETCH(int, printMemo);
    QFETCH(int, bytes);
    Settings s;
    s.PrintMemo = printMemo;
    TYukyuPrintForm report(ledgerOf(3, "通院"), s, m_clock);
    const auto pages = report.generate();
    QCOMPARE(report.memoCut(), 0);
    const QString header = textOf(*bandsOf(pages.at(0), BandKind::ColumnHeader).at(0));
    QCOMPARE(cp932::byteLength(platform::ToUtf8(header)), bytes);
    const auto details = bandsOf(pages.at(0), BandKind::Detail);
    QCOMPARE(details.size(), std::size_t{3});
    QCOMPARE(cp932::byteLength(platform::ToUtf8(textOf(*details[0]))), bytes);
    QVERIFY(textOf(*details[2]).startsWith(U8("   3  2024/04/03  水  有給   -1.0   37.0  通院")));
    // Alternate lines shaded.
    QCOMPARE(details[0]->background, kWhite);
    QCOMPARE(details[1]->background, kGray);
    QCOMPARE(QString::fromStdString(report.jobTitle()), U8("有給休暇一覧"));
    QCOMPARE(report.orientationSetting(), s.YukyuPrintMuki);
}

void PeriodLeaveReportTest::leaveListWiderThanThePageCutsEveryMemo() {
    Settings s;
    s.PrintMemo = 30;
    s.ListFontSize = 14;
    const std::string memo(60, 'm');
    TYukyuPrintForm report(ledgerOf(4, memo), s, m_clock);
    const auto pages = report.generate();
    QVERIFY(report.memoCut() > 0);
    const int headerBytes = cp932::byteLength(
        platform::ToUtf8(textOf(*bandsOf(pages.at(0), BandKind::ColumnHeader)[0])));
    QCOMPARE(headerBytes, cp932::byteLength(LeaveListHeader(s)) - report.memoCut());
    for (const PlacedBand* d : bandsOf(pages.at(0), BandKind::Detail))
        QCOMPARE(cp932::byteLength(platform::ToUtf8(textOf(*d))), headerBytes);
}

void PeriodLeaveReportTest::leaveListWithoutNameIsOnlyAsTallAsTheTitle() {
    Settings s;
    s.PrintName = true;
    TYukyuPrintForm named(ledgerOf(1, ""), s, m_clock);
    const double withName =
        bandsOf(named.generate().at(0), BandKind::PageHeader).at(0)->rect.height();
    s.PrintName = false;
    TYukyuPrintForm plain(ledgerOf(1, ""), s, m_clock);
    const auto pages = plain.generate();
    const auto header = bandsOf(pages.at(0), BandKind::PageHeader).at(0);
    // Title top 0.35, the title (12 pt IPAGothic, 4.554 mm) and the 1.41 gap.
    QVERIFY2(std::abs(header->rect.height() - (0.35 + 4.554 + 1.41)) < 0.01,
             qPrintable(QString::number(header->rect.height())));
    QVERIFY(withName > header->rect.height() + 3.0);
    for (const auto& t : header->texts) QVERIFY(!t.text.startsWith("  " + U8("所属")));
}

void PeriodLeaveReportTest::printLeaveListOfAnEmptyLedgerSaysSo() {
    platform::testing::NeverShowMessages(true);
    TPreviewForm preview;
    QWidget issuer;
    issuer.show();
    const Settings s;
    QVERIFY(!PrintLeaveList(Ledger{}, s, m_clock, preview, &issuer));
    QVERIFY(!preview.isVisible());
    QVERIFY(issuer.isEnabled());
    const auto shown = platform::testing::TakeMessageLog();
    QCOMPARE(shown.size(), std::size_t{1});
    QCOMPARE(shown[0].text, U8("印刷する有給休暇がありません。"));
    platform::testing::ResetMessageHook();
}

void PeriodLeaveReportTest::printLeaveListShowsThePreview() {
    TPreviewForm preview;
    QWidget issuer;
    issuer.show();
    const Settings s;
    QVERIFY(PrintLeaveList(ledgerOf(2, "通院"), s, m_clock, preview, &issuer));
    QVERIFY(preview.isVisible());
    QVERIFY(!issuer.isEnabled());
    QVERIFY(dynamic_cast<TYukyuPrintForm*>(preview.report()) != nullptr);
    QCOMPARE(preview.pageCount(), 1);
    preview.close();
    QVERIFY(issuer.isEnabled());
}

}  // namespace tkv

QTEST_MAIN(tkv::PeriodLeaveReportTest)
#include "period_leave_report_test.moc"
