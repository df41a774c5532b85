// The overtime-agreement meter and the window "36協定チェック".
#include <map>

#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QtTest>

#include "core/calendar.h"
#include "core/month_builders.h"
#include "core/overtime_limits.h"
#include "platform/colors.h"
#include "platform/fonts.h"
#include "reports/ui/overtime_limits_meter.h"
#include "reports/ui/overtime_limits_window.h"
#include "settings/holiday_list.h"
#include "settings/settings.h"

namespace tkv {
namespace {

QString U8(const char* s) {
    return QString::fromUtf8(s);
}

// Calendar months with their 時間外 on day 1 and the statutory-holiday work
// on their first holiday after it.
struct Months {
    std::map<YearMonth, MonthRecord> months;

    void add(YearMonth ym, const char* jikangai, const char* holidayWork = "") {
        MonthRecord m;
        NewMonth(m, ym, test::DefaultSettings(), AnnualHolidayTable::Defaults());
        m.day(1).cell(DayColumn::Overtime) = jikangai;
        for (int d = 2; d <= m.rowCount(); ++d) {
            if (m.day(d).kind() == DayKind::Holiday) {
                m.day(d).LegalHolidayFlag = "*";
                m.day(d).cell(DayColumn::Working) = holidayWork;
                break;
            }
        }
        months[ym] = m;
    }
    MonthLoader loader() const {
        return [this](int year, int month) -> std::optional<MonthRecord> {
            const auto it = months.find({year, month});
            return it == months.end() ? std::nullopt : std::optional<MonthRecord>(it->second);
        };
    }
};

// The colour in the meter's own area, left of its text.
QColor Background(OvertimeLimitsMeter& meter) {
    const QImage image = meter.grab().toImage();
    return image.pixelColor(meter.frameWidth() + 2, image.height() / 2);
}

}  // namespace

class OvertimeLimitsWidgetsTest final : public QObject {
    Q_OBJECT

private slots:
    void meterColours_data();
    void meterColours();
    void meterWithoutAMonth();
    void meterToolTip();
    void checkWindowRows();
    void checkWindowPremiumColumn();
};

void OvertimeLimitsWidgetsTest::meterColours_data() {
    QTest::addColumn<QString>("jikangai");
    QTest::addColumn<int>("warnPercent");
    QTest::addColumn<int>("level");
    QTest::addColumn<QString>("text");
    QTest::newRow("green below the warning share")
        << "32:15" << 80 << int(LimitLevel::Within)
        << U8("36協定 今月 32:15／45:00 ・ 年 32:15／360:00");
    QTest::newRow("amber at the warning share")
        << "36:00" << 80 << int(LimitLevel::Warning)
        << U8("36協定 今月 36:00／45:00 ・ 年 36:00／360:00");
    QTest::newRow("amber from another share") << "22:30" << 50 << int(LimitLevel::Warning)
                                              << U8("36協定 今月 22:30／45:00 ・ 年 22:30／360:00");
    QTest::newRow("red over the monthly limit")
        << "45:01" << 80 << int(LimitLevel::Over)
        << U8("36協定 今月 45:01／45:00 ・ 年 45:01／360:00");
}

void OvertimeLimitsWidgetsTest::meterColours() {
    QFETCH(QString, jikangai);
    QFETCH(int, warnPercent);
    QFETCH(int, level);
    QFETCH(QString, text);
    Settings s = test::DefaultSettings();
    s.KyoteiWarnPercent = warnPercent;
    Months months;
    months.add({2025, 5}, jikangai.toUtf8().constData());
    const OvertimeLimits r = CheckOvertimeLimits({2025, 5}, months.loader(), s, {2025, 5, 20});
    QCOMPARE(int(r.level), level);

    OvertimeLimitsMeter meter;
    meter.setLimits(r);
    meter.resize(meter.sizeHint());
    QCOMPARE(meter.text(), text);
    const QColor expected = OvertimeLimitsMeter::LevelColor(LimitLevel(level));
    QCOMPARE(Background(meter), expected);
    // The three colours are told apart at a glance: green, amber, red.
    const int hue = expected.hue();
    switch (LimitLevel(level)) {
        case LimitLevel::Within:
            QVERIFY(hue >= 90 && hue <= 150);
            break;
        case LimitLevel::Warning:
            QVERIFY(hue >= 30 && hue <= 50);
            break;
        case LimitLevel::Over:
            QVERIFY(hue <= 10 || hue >= 350);
            break;
    }
    // The whole text fits.
    QVERIFY(meter.fontMetrics().horizontalAdvance(text) < meter.contentsRect().width());
}

void OvertimeLimitsWidgetsTest::meterWithoutAMonth() {
    OvertimeLimitsMeter meter;
    meter.setLimits(std::nullopt);
    meter.resize(meter.sizeHint());
    QCOMPARE(meter.text(), U8("36協定 --"));
    QCOMPARE(Background(meter), meter.palette().color(QPalette::Button));
    QVERIFY(meter.toolTip().contains(U8("目安")));
}

void OvertimeLimitsWidgetsTest::meterToolTip() {
    Settings s = test::DefaultSettings();
    s.Premium60Rate = 1500;
    Months months;
    months.add({2025, 5}, "62:00", "8:00");
    const OvertimeLimits r = CheckOvertimeLimits({2025, 5}, months.loader(), s, {2025, 5, 20});
    OvertimeLimitsMeter meter;
    meter.setLimits(r);
    const QString tip = meter.toolTip();
    for (const char* part :
         {"時間外 62:00 ／ 月の上限 45:00（残り -17:00）", "休日労働 8:00、合計 70:00",
          "年の累計（2025/04から） 62:00 ／ 360:00", "60時間超 2:00、割増 3000円",
          "予測：月末 62:00、45:00 を超える日 2025-05-01", "ファイルのない月（0時間として計算）",
          "2024/12、2025/01", "法定の数え方（1日8時間・週40時間を超える時間）とは異なる"})
        QVERIFY2(tip.contains(U8(part)), part);
}

void OvertimeLimitsWidgetsTest::checkWindowRows() {
    Settings s = test::DefaultSettings();
    s.KyoteiSpecial = true;
    Months months;
    months.add({2025, 3}, "80:00");
    months.add({2025, 4}, "80:01");  // the average of March and April is over 80:00
    months.add({2025, 5}, "30:00", "4:00");
    const AgreementYearLimits y = CheckAgreementYear({2025, 5}, months.loader(), s, {2025, 6, 10});
    TKyoteiCheck window;
    window.setYear(y);
    window.show();
    QTableWidget* grid = window.grid();
    QCOMPARE(grid->rowCount(), 12);
    QCOMPARE(window.cellText(0, TKyoteiCheck::MonthColumn), U8("2025/04"));
    QCOMPARE(window.cellText(11, TKyoteiCheck::MonthColumn), U8("2026/03"));

    // April: over the monthly limit (allowed once by the special clause),
    // over the two-month average.
    QCOMPARE(window.cellText(0, TKyoteiCheck::JikangaiColumn), U8("80:01"));
    QCOMPARE(window.cellText(0, TKyoteiCheck::Average2Column), U8("80:01"));
    QCOMPARE(window.cellText(0, TKyoteiCheck::MonthCheckColumn), U8("○"));
    QCOMPARE(window.cellText(0, TKyoteiCheck::MonthsOverColumn), U8("1/6"));
    QCOMPARE(window.cellText(0, TKyoteiCheck::AverageCheckColumn), U8("×"));
    const QColor red = platform::ToQColor(platform::RedColor, window.palette());
    QCOMPARE(grid->item(0, TKyoteiCheck::AverageCheckColumn)->foreground().color(), red);
    QCOMPARE(window.cellText(0, TKyoteiCheck::Over60Column), U8("20:01"));

    // May: within every limit, with its statutory-holiday work.
    QCOMPARE(window.cellText(1, TKyoteiCheck::KyujitsuColumn), U8("4:00"));
    QCOMPARE(window.cellText(1, TKyoteiCheck::TotalColumn), U8("34:00"));
    QCOMPARE(window.cellText(1, TKyoteiCheck::YearColumn), U8("110:01"));
    for (int c = TKyoteiCheck::MonthCheckColumn; c <= TKyoteiCheck::AverageCheckColumn; ++c)
        if (c != TKyoteiCheck::MonthsOverColumn)
            QCOMPARE(window.cellText(1, c), U8("○"));

    // June holds today: zeros, and the forecast below the grid.
    QCOMPARE(window.cellText(2, TKyoteiCheck::JikangaiColumn), U8("0:00"));
    const QLabel* forecast = window.findChild<QLabel*>("ForecastLabel");
    QVERIFY(forecast->text().startsWith(U8("2025/06 の予測：月末 0:00")));
    // July on has not begun: no figures that would read as facts.
    for (int row = 3; row < 12; ++row)
        QCOMPARE(window.cellText(row, TKyoteiCheck::JikangaiColumn), QString());

    const QLabel* missing = window.findChild<QLabel*>("MissingLabel");
    QVERIFY(missing->isVisible());
    QVERIFY(missing->text().contains(U8("2024/11、2024/12、2025/01、2025/02、2025/06")));
    QVERIFY(window.findChild<QLabel*>("NoteLabel")->text().contains(U8("目安")));
    QCOMPARE(window.windowTitle(), U8("36協定チェック"));
    QVERIFY(grid->isColumnHidden(TKyoteiCheck::PremiumColumn));
    // Every column can be read without scrolling.
    QVERIFY(grid->viewport()->width() >= grid->horizontalHeader()->length());
}

void OvertimeLimitsWidgetsTest::checkWindowPremiumColumn() {
    Settings s = test::DefaultSettings();
    s.Premium60Rate = 2000;
    s.KyoteiStartMonth = 1;
    Months months;
    for (int m = 1; m <= 12; ++m) months.add({2024, m}, "61:00");
    const AgreementYearLimits y = CheckAgreementYear({2024, 7}, months.loader(), s, {2025, 1, 5});
    TKyoteiCheck window;
    window.setYear(y);
    QVERIFY(!window.grid()->isColumnHidden(TKyoteiCheck::PremiumColumn));
    QCOMPARE(window.cellText(11, TKyoteiCheck::PremiumColumn), U8("2000"));
    QCOMPARE(window.cellText(11, TKyoteiCheck::YearColumn), U8("732:00"));
    QCOMPARE(window.cellText(11, TKyoteiCheck::YearCheckColumn), U8("×"));
    QCOMPARE(window.cellText(11, TKyoteiCheck::MonthsOverColumn), U8("12"));
    QVERIFY(window.findChild<QLabel*>("ForecastLabel")->text().contains(U8("ありません")));
    QVERIFY(window.findChild<QLabel*>("MissingLabel")->text().contains(U8("2023/08")));
}

}  // namespace tkv

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    tkv::platform::InstallFontSubstitutions();
    tkv::OvertimeLimitsWidgetsTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "overtime_limits_widgets_test.moc"
