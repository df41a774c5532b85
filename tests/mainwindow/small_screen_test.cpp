// The windows on a small, high-scale desktop: a 1280x900 screen at scale 2
// (640x450 to the program), and a second monitor to its left. The offscreen platform is given these
// screens before the application starts.
#include <QApplication>
#include <QFile>
#include <QScreen>
#include <QScrollBar>
#include <QTableWidget>
#include <QTemporaryDir>

#include "leave/ui/yuu_kyu.h"
#include "mainwindow/main_fixture.h"
#include "mainwindow/t_total.h"
#include "reports/ui/overtime_limits_window.h"
#include "reports/ui/year_total.h"
#include "settings/window_placement.h"

namespace tkv::test {

class SmallScreenTest final : public QObject {
    Q_OBJECT

private slots:
    void init() { platform::testing::ResetMessageHook(); }

    void mainWindowFitsWithEveryButton_data();
    void mainWindowFitsWithEveryButton();
    void payWindowFits();
    void checkWindowFits();
    void windowOfAGoneMonitorOpensOnThePrimary();
    void windowOnTheOtherMonitorStaysThere();
};

namespace {

constexpr DateTime kNow{2025, 5, 23, 9, 0, 0};

QRect primaryWork() {
    return QGuiApplication::primaryScreen()->availableGeometry();
}

void storePlace(MainFixture& f, const char* className, QPoint at, QSize size = {}) {
    WindowPlacementStore places(*f.ctx.registry, f.ctx.startUser);
    places.savePosition(className, {at.y(), at.x()});
    if (size.isValid())
        places.saveSize(className, {size.width(), size.height()});
}

}  // namespace

void SmallScreenTest::mainWindowFitsWithEveryButton_data() {
    QTest::addColumn<QPoint>("storedAt");
    QTest::addColumn<QSize>("storedSize");
    QTest::addColumn<bool>("targetBar");
    QTest::newRow("fresh start") << QPoint(-1, -1) << QSize() << false;
    QTest::newRow("stored at scale 1") << QPoint(300, 200) << QSize(700, 620) << false;
    QTest::newRow("with the target bar") << QPoint(300, 200) << QSize(700, 620) << true;
}

void SmallScreenTest::mainWindowFitsWithEveryButton() {
    QFETCH(QPoint, storedAt);
    QFETCH(QSize, storedSize);
    QFETCH(bool, targetBar);
    MainFixture f(kNow, [&](Settings& s) { s.MokuhyoBasShow = targetBar; });
    if (storedAt != QPoint(-1, -1))
        storePlace(f, "TZangyoMain", storedAt, storedSize);
    TZangyoMain& w = f.start();
    QCoreApplication::processEvents();
    const QRect work = primaryWork();
    QVERIFY2(work.contains(w.frameGeometry()),
             qPrintable(QString("frame (%1,%2) %3x%4, work area %5x%6")
                            .arg(w.frameGeometry().x())
                            .arg(w.frameGeometry().y())
                            .arg(w.frameGeometry().width())
                            .arg(w.frameGeometry().height())
                            .arg(work.width())
                            .arg(work.height())));
    // Every button is drawn inside the window, the last ones included, and
    // the overtime-agreement meter in the line below them.
    for (const char* name : {"CalcButton", "SaveButton", "EndButton", "KyoteiMeterPanel"}) {
        auto* b = w.findChild<QWidget*>(name);
        const QRect inWindow(b->mapTo(&w, QPoint(0, 0)), b->size());
        QVERIFY2(w.rect().contains(inWindow), name);
    }
}

void SmallScreenTest::payWindowFits() {
    MainFixture f(kNow);
    storePlace(f, "TTotal", {200, 150});
    f.create();
    TTotal& pay = f.windows->total();
    pay.show();
    QCoreApplication::processEvents();
    QVERIFY2(
        primaryWork().contains(pay.frameGeometry()),
        qPrintable(
            QString("%1x%2").arg(pay.frameGeometry().width()).arg(pay.frameGeometry().height())));
    pay.hide();
}

void SmallScreenTest::checkWindowFits() {
    MainFixture f(kNow);
    f.start();
    f.main().action("KyoteiMenuItem")->trigger();
    TKyoteiCheck& check = f.windows->kyoteiCheck();
    QVERIFY(check.isVisible());
    QCoreApplication::processEvents();
    QVERIFY2(primaryWork().contains(check.frameGeometry()),
             qPrintable(QString("%1x%2 at (%3,%4)")
                            .arg(check.frameGeometry().width())
                            .arg(check.frameGeometry().height())
                            .arg(check.frameGeometry().x())
                            .arg(check.frameGeometry().y())));
    // The rows it cannot show are reached by scrolling.
    QVERIFY(check.grid()->horizontalScrollBar()->maximum() > 0);
    check.close();
}

void SmallScreenTest::windowOfAGoneMonitorOpensOnThePrimary() {
    MainFixture f(kNow);
    // Where a third monitor to the right used to be.
    storePlace(f, "TYuuKyu", {1500, 100});
    f.create();
    const QWidget& w = f.windows->yuuKyu();
    QVERIFY(primaryWork().contains(QRect(w.pos(), w.size())));
}

void SmallScreenTest::windowOnTheOtherMonitorStaysThere() {
    MainFixture f(kNow);
    storePlace(f, "TYearTotal", {-900, 50});
    f.create();
    QCOMPARE(f.windows->yearTotal().pos(), QPoint(-900, 50));
}

}  // namespace tkv::test

int main(int argc, char** argv) {
    QTemporaryDir folder;
    const QString config = folder.filePath("screens.json");
    QFile file(config);
    if (!file.open(QIODevice::WriteOnly))
        return 1;
    // The offscreen platform orders its screens by name; the first is the primary one.
    file.write(R"({"screens": [
        {"name": "a-small", "x": 0, "y": 0, "width": 640, "height": 450, "dpr": 2,
         "logicalDpi": 96, "logicalBaseDpi": 96},
        {"name": "b-left", "x": -1024, "y": 0, "width": 1024, "height": 768, "dpr": 1,
         "logicalDpi": 96, "logicalBaseDpi": 96}]})");
    file.close();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + QFile::encodeName(config));
    QApplication app(argc, argv);
    tkv::test::SmallScreenTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "small_screen_test.moc"
