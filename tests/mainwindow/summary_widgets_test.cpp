#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QtTest>

#include "core/month_record.h"
#include "core/recalculate.h"
#include "mainwindow/t_total.h"
#include "mainwindow/target_bar_panel.h"
#include "settings/settings.h"

namespace tkv {

class SummaryWidgetsTest final : public QObject {
    Q_OBJECT
private slots:
    void barPaintsSegmentsInTheirColours_data();
    void barPaintsSegmentsInTheirColours();
    void barWithoutTarget();
    void leaveIndicator();
    void payWindowShowsEveryField();
};

void SummaryWidgetsTest::barPaintsSegmentsInTheirColours_data() {
    QTest::addColumn<QString>("achieved");
    QTest::addColumn<QString>("percent");
    QTest::addColumn<int>("filled");
    QTest::addColumn<QColor>("lastFilled");
    QTest::newRow("half") << " 10:00"
                          << "50%" << 15 << QColor(0, 255, 255);
    QTest::newRow("over") << " 25:00"
                          << "125%" << 37 << QColor(255, 255, 0);
    QTest::newRow("short") << " -2:00"
                           << "-10%" << 9 << QColor(255, 0, 0);
}

void SummaryWidgetsTest::barPaintsSegmentsInTheirColours() {
    QFETCH(QString, achieved);
    QFETCH(QString, percent);
    QFETCH(int, filled);
    QFETCH(QColor, lastFilled);
    Settings s;
    s.MokuhyoTime = true;
    s.times.targetOvertime = "20:00";
    MonthRecord m;
    m.summary.KeiTMemo = achieved.toStdString();
    TargetBarPanel bar;
    bar.resize(600, TargetBarPanel::DesignedHeight + 4);
    bar.setState(ComputeTargetBar(m, s));
    bar.show();
    QVERIFY(QTest::qWaitForWindowExposed(&bar));
    QCOMPARE(bar.parPanel()->text(), percent);

    QWidget* box = bar.paintBox();
    const QImage img = box->grab().toImage();
    const int s45 = box->width() / 45;
    const int y = img.height() / 2 + 1;
    QCOMPARE(QColor(img.pixel((filled - 1) * s45 + s45 / 2, y)), lastFilled);
    // The next segment is only outlined: its middle shows the background.
    QVERIFY(QColor(img.pixel(filled * s45 + s45 / 2, y)) != lastFilled);
    img.save(QString("/tmp/tokivane-bar-%1.png").arg(QTest::currentDataTag()));
}

void SummaryWidgetsTest::barWithoutTarget() {
    Settings s;
    MonthRecord m;
    TargetBarPanel bar;
    bar.setState(ComputeTargetBar(m, s));
    QCOMPARE(bar.parPanel()->text(), QString("---%"));
    QCOMPARE(bar.mokuZanPanel()->text(), QString("--:--"));
}

void SummaryWidgetsTest::leaveIndicator() {
    TargetBarPanel bar;
    bar.show();
    bar.setLeave(true, -1.5);
    QCOMPARE(bar.yukyuPanel()->text(), QString(" -1.5"));
    QCOMPARE(bar.yukyuPanel()->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    bar.setLeave(false, 0);
    QVERIFY(!bar.yukyuPanel()->isVisible());
}

void SummaryWidgetsTest::payWindowShowsEveryField() {
    Settings s;
    s.pay = {200000, 20000, 15000, 1500, 1750, 230000, 80, 1500, 1750, 0, 1750, 2000};
    s.FlexTime = true;
    MonthCalculation c;
    c.grossPay = 241375;
    c.takeHome = 193100;
    c.lateEarlyCounted = false;
    c.payWindow.MokuTMemo = "-30:45";
    TTotal t;
    t.showFigures(c, s);
    QCOMPARE(t.windowTitle(), QString("給与金額"));
    QCOMPARE(t.field("KihonMemo")->text(), QString("200,000"));
    QCOMPARE(t.field("TedoriMemo")->text(), QString("193,100"));
    QVERIFY(!t.field("ChikokuMemo")->isEnabled());
    QVERIFY(!t.field("MokuTimeMemo")->isEnabled());
    QCOMPARE(t.field("MokuTMemo")->palette().color(QPalette::Text), QColor(255, 0, 0));
    t.show();
    t.grab().save("/tmp/tokivane-ttotal.png");
}

}  // namespace tkv

QTEST_MAIN(tkv::SummaryWidgetsTest)
#include "summary_widgets_test.moc"
