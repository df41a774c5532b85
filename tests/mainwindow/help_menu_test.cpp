#include <QAction>
#include <QTextBrowser>

#include "help/about_box.h"
#include "help/help_controller.h"
#include "help/help_viewer.h"
#include "mainwindow/jump.h"
#include "mainwindow/main_fixture.h"
#include "settings/ui/setting_dialog.h"

namespace tkv::test {

// The help menu, F1 and the about box as the running program wires them.
class HelpMenuTest final : public QObject {
    Q_OBJECT

private slots:
    void init() { platform::testing::ResetMessageHook(); }

    void helpMenuOpensTheContents();
    void f1OnTheMainWindowOpensItsTopic();
    void f1InTheGoToMonthDialogOpensItsTopic();
    void f1InTheSettingsDialogOpensTopic50();
    void viewerClosesWhenTheProgramEnds();
    void aboutBoxShowsTheRealDataFolder_data();
    void aboutBoxShowsTheRealDataFolder();
};

namespace {

constexpr DateTime kNow{2025, 5, 23, 9, 0, 0};

help::THelpViewer* viewerOf(MainFixture& f) {
    return f.windows->help().viewer();
}

}  // namespace

void HelpMenuTest::helpMenuOpensTheContents() {
    MainFixture f(kNow);
    f.start();
    QAction* item = f.main().action("HelpMenuItem");
    QVERIFY(item->isEnabled());
    item->trigger();
    help::THelpViewer* viewer = viewerOf(f);
    QVERIFY(viewer && viewer->isVisible());
    QVERIFY(viewer->hasGuide());
    QCOMPARE(viewer->source().fileName(), QStringLiteral("index.html"));
    QCOMPARE(viewer->source().fragment(), QString());
    QVERIFY(viewer->browser()->toPlainText().contains(U("目次")));
}

void HelpMenuTest::f1OnTheMainWindowOpensItsTopic() {
    MainFixture f(kNow);
    f.start();
    QTest::keyClick(&f.grid(), Qt::Key_F1);
    QVERIFY(viewerOf(f) && viewerOf(f)->isVisible());
    QCOMPARE(viewerOf(f)->source().fragment(), QStringLiteral("10"));
}

void HelpMenuTest::f1InTheGoToMonthDialogOpensItsTopic() {
    MainFixture f(kNow);
    f.start();
    bool pressed = false;
    WhenShown<TJump>(f.main(), [&](TJump& jump) {
        QTest::keyClick(jump.findChild<QLineEdit*>("YearMemo"), Qt::Key_F1);
        pressed = true;
        QVERIFY(viewerOf(f) && viewerOf(f)->isVisible());
        QCOMPARE(viewerOf(f)->source().fragment(), QStringLiteral("15"));
        QVERIFY(jump.isVisible());  // F1 does not close the dialog
        jump.reject();
    });
    f.main().JumpButtonClick();
    QVERIFY(pressed);
    QVERIFY(viewerOf(f)->isVisible());
}

// Each page of the settings dialog has its topic; F1 on a field opens the
// page's, and on a button below the pages the page in front.
void HelpMenuTest::f1InTheSettingsDialogOpensTopic50() {
    MainFixture f(kNow);
    f.start();
    QStringList opened;
    WhenShown<TSetting>(f.main(), [&](TSetting& d) {
        auto fragment = [&] { return viewerOf(f) ? viewerOf(f)->source().fragment() : QString(); };
        QTest::keyClick(d.findChild<QLineEdit*>("KihonMemo"), Qt::Key_F1);
        opened << fragment();
        d.pages()->setCurrentIndex(1);
        QTest::keyClick(d.findChild<QPushButton*>("OkButton"), Qt::Key_F1);
        opened << fragment();
        d.pages()->setCurrentIndex(2);
        QTest::keyClick(d.findChild<QLineEdit*>("HanDayAMMemo"), Qt::Key_F1);
        opened << fragment();
        d.pages()->setCurrentIndex(3);
        QTest::keyClick(d.findChild<QPushButton*>("CancelButton"), Qt::Key_F1);
        opened << fragment();
        QVERIFY(d.isVisible());  // F1 does not close the dialog
        d.reject();
    });
    f.main().action("SettingMenuItem")->trigger();
    QCOMPARE(opened, (QStringList{"50", "60", "65", "70"}));
}

void HelpMenuTest::viewerClosesWhenTheProgramEnds() {
    MainFixture f(kNow);
    f.start();
    f.main().action("HelpMenuItem")->trigger();
    QPointer<help::THelpViewer> viewer = viewerOf(f);
    QVERIFY(viewer && viewer->isVisible());
    QVERIFY(f.main().close());
    QVERIFY(viewer && !viewer->isVisible());
    f.windows.reset();
    QVERIFY(viewer.isNull());
}

void HelpMenuTest::aboutBoxShowsTheRealDataFolder_data() {
    QTest::addColumn<QString>("user");
    QTest::newRow("main user") << QString();
    QTest::newRow("named user") << QStringLiteral("taro");
}

void HelpMenuTest::aboutBoxShowsTheRealDataFolder() {
    QFETCH(QString, user);
    MainFixture f(kNow);
    f.ctx.currentUser = user.toStdString();
    f.ctx.settingsFile = f.folder.file("config/registry.ini");
    f.start();
    const QString data = QString::fromStdString(f.folder.path()) +
                         (user.isEmpty() ? QString() : QStringLiteral("/") + user);
    QList<QUrl> opened;
    f.windows->about().setFolderOpener([&opened](const QUrl& url) {
        opened << url;
        return true;
    });
    bool shown = false;
    WhenShown<help::TAboutBox>(f.main(), [&](help::TAboutBox& box) {
        shown = true;
        QCOMPARE(box.findChild<QLineEdit*>("DataFolderEdit")->text(), data);
        QCOMPARE(box.findChild<QLineEdit*>("SettingsFileEdit")->text(),
                 QString::fromStdString(f.ctx.settingsFile));
        QCOMPARE(box.findChild<QLineEdit*>("SettingsKeyEdit")->text(),
                 user.isEmpty() ? QStringLiteral("Software\\Varnholt\\Zangyo")
                                : QStringLiteral("Software\\Varnholt\\Zangyo\\User\\") + user);
        box.findChild<QPushButton*>("OpenDataFolderButton")->click();
        box.accept();
    });
    QAction* item = f.main().action("AboutMenuItem");
    QVERIFY(item->isEnabled());
    item->trigger();
    QVERIFY(shown);
    QCOMPARE(opened, QList<QUrl>{QUrl::fromLocalFile(data)});
}

}  // namespace tkv::test

QTEST_MAIN(tkv::test::HelpMenuTest)
#include "help_menu_test.moc"
