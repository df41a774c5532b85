#include <QAction>
#include <QApplication>
#include <QColorDialog>
#include <QFile>
#include <QLabel>
#include <QLibraryInfo>
#include <QMenu>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>

#include "help/about_box.h"
#include "leave/ui/yuu_kyu.h"
#include "mainwindow/jump.h"
#include "mainwindow/main_fixture.h"
#include "mainwindow/pending_features.h"
#include "mainwindow/program.h"
#include "mainwindow/t_total.h"
#include "reports/ui/preview_form.h"
#include "reports/ui/year_total.h"
#include "settings/ui/pass.h"
#include "settings/ui/pass_change_form.h"
#include "settings/ui/setting_dialog.h"
#include "settings/ui/use_memo_set_form.h"
#include "settings/ui/use_time_set_form.h"
#include "settings/window_placement.h"

namespace tkv::test {

// What a new user meets on the first day: windows on screen, the keyboard,
// the dialogs' own titles and language, and honest menus. The application is
// set up as the program sets it up.
class FirstUseTest final : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { SetUpApplication(*qApp); }
    void init() { platform::testing::ResetMessageHook(); }

    void restoredWindowsLandOnTheScreen_data();
    void restoredWindowsLandOnTheScreen();
    void aWindowThatFitsKeepsItsStoredPlace();
    void payWindowShowsEverythingWhereItFits();
    void tabRunsOverTheRightHandButtons();
    void shiftTabRunsBackOverThem();
    void focusIsVisibleOnAButtonReachedByTheGrid();
    void dialogTitlesAreTheirCaptions();
    void noDisplayNameIsAppendedToTitles();
    void colourDialogSpeaksJapanese();
    void landedFeaturesAreReady();
};

namespace {

constexpr DateTime kNow{2025, 5, 23, 9, 0, 0};

QRect workArea() {
    return QGuiApplication::primaryScreen()->availableGeometry();
}

// Stores a place for `className` as a previous run would have.
void storePlace(MainFixture& f, const char* className, QPoint at, QSize size = {}) {
    WindowPlacementStore places(*f.ctx.registry, f.ctx.startUser);
    places.savePosition(className, {at.y(), at.x()});
    if (size.isValid())
        places.saveSize(className, {size.width(), size.height()});
}

QWidget* windowOf(MainFixture& f, const QString& className) {
    if (className == "TZangyoMain")
        return &f.main();
    if (className == "TTotal")
        return &f.windows->total();
    if (className == "TYuuKyu")
        return &f.windows->yuuKyu();
    if (className == "TYearTotal")
        return &f.windows->yearTotal();
    return &f.windows->preview();
}

QStringList focusWalk(QWidget& from, Qt::Key key, Qt::KeyboardModifiers modifiers, int steps) {
    QStringList names;
    from.window()->activateWindow();
    if (!QTest::qWaitForWindowActive(from.window()))
        return {"(window not active)"};
    from.setFocus(Qt::OtherFocusReason);
    for (int i = 0; i < steps; ++i) {
        QWidget* now = QApplication::focusWidget();
        QTest::keyClick(now, key, modifiers);
        now = QApplication::focusWidget();
        names << (now ? now->objectName() : QString("(none)"));
    }
    return names;
}

}  // namespace

void FirstUseTest::restoredWindowsLandOnTheScreen_data() {
    QTest::addColumn<QString>("className");
    QTest::addColumn<QPoint>("storedAt");
    QTest::addColumn<QSize>("storedSize");
    const QRect work = workArea();
    // Places a larger scale or screen left behind: low enough that the
    // bottom hangs out, yet not so low that the placement rules centre it.
    const QPoint low(40, work.bottom() - 120);
    QTest::newRow("main window hangs below") << "TZangyoMain" << low << QSize();
    QTest::newRow("main window larger than the screen")
        << "TZangyoMain" << QPoint(10, 10) << QSize(work.width() + 400, work.height() + 300);
    QTest::newRow("pay window hangs right")
        << "TTotal" << QPoint(work.right() - 100, 20) << QSize();
    QTest::newRow("leave window hangs below") << "TYuuKyu" << low << QSize();
    QTest::newRow("period window above the screen") << "TYearTotal" << QPoint(30, -500) << QSize();
    QTest::newRow("preview on a monitor that is gone")
        << "TPreviewForm" << QPoint(-3000, 40) << QSize(500, 400);
}

void FirstUseTest::restoredWindowsLandOnTheScreen() {
    QFETCH(QString, className);
    QFETCH(QPoint, storedAt);
    QFETCH(QSize, storedSize);
    MainFixture f(kNow);
    storePlace(f, className.toLatin1().constData(), storedAt, storedSize);
    f.create();
    QWidget* w = windowOf(f, className);
    const QRect work = workArea();
    // The frame the window manager adds is not known off screen; the window
    // keeps room for a title bar above its client area.
    QVERIFY2(work.contains(QRect(w->pos(), w->size())), qPrintable(QString("(%1,%2) %3x%4 in %5x%6")
                                                                       .arg(w->x())
                                                                       .arg(w->y())
                                                                       .arg(w->width())
                                                                       .arg(w->height())
                                                                       .arg(work.width())
                                                                       .arg(work.height())));
}

void FirstUseTest::aWindowThatFitsKeepsItsStoredPlace() {
    MainFixture f(kNow);
    storePlace(f, "TYuuKyu", {30, 20});
    f.create();
    QCOMPARE(f.windows->yuuKyu().pos(), QPoint(30, 20));
}

// The pay window scrolls only on a screen too small for it.
void FirstUseTest::payWindowShowsEverythingWhereItFits() {
    MainFixture f(kNow);
    f.create();
    TTotal& pay = f.windows->total();
    pay.show();
    QCoreApplication::processEvents();
    auto* scroll = pay.findChild<QScrollArea*>("TotalScrollArea");
    QVERIFY(scroll != nullptr);
    QVERIFY(!scroll->horizontalScrollBar()->isVisible());
    QVERIFY(!scroll->verticalScrollBar()->isVisible());
    QVERIFY(scroll->widget()->size().expandedTo(scroll->widget()->sizeHint()) ==
            scroll->widget()->size());
    pay.hide();
}

void FirstUseTest::tabRunsOverTheRightHandButtons() {
    MainFixture f(kNow);
    f.start();
    auto* jump = f.main().findChild<QPushButton*>("JumpButton");
    const QStringList walk = focusWalk(*jump, Qt::Key_Tab, Qt::NoModifier, 7);
    QCOMPARE(walk.mid(0, 6), QStringList({"CalcButton", "KingakuButton", "SyukeiButton",
                                          "YuukyuButton", "SaveButton", "EndButton"}));
    // After "終  了" the focus goes into the grid.
    QVERIFY(f.grid().isAncestorOf(QApplication::focusWidget()) ||
            QApplication::focusWidget() == &f.grid());
}

void FirstUseTest::shiftTabRunsBackOverThem() {
    MainFixture f(kNow);
    f.start();
    auto* end = f.main().findChild<QPushButton*>("EndButton");
    QCOMPARE(focusWalk(*end, Qt::Key_Backtab, Qt::ShiftModifier, 6),
             QStringList({"SaveButton", "YuukyuButton", "SyukeiButton", "KingakuButton",
                          "CalcButton", "JumpButton"}));
}

void FirstUseTest::focusIsVisibleOnAButtonReachedByTheGrid() {
    MainFixture f(kNow);
    f.start();
    auto* end = f.main().findChild<QPushButton*>("EndButton");
    auto* save = f.main().findChild<QPushButton*>("SaveButton");
    f.main().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&f.main()));
    save->setFocus(Qt::OtherFocusReason);
    const QImage unfocused = end->grab().toImage();
    // The grid's Shift+Tab from its first cell moves the focus by program.
    f.grid().selectDay(1, 3);
    f.grid().setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
    QCOMPARE(QApplication::focusWidget(), end);
    QVERIFY2(end->grab().toImage() != unfocused, "the focused button looks unfocused");
}

void FirstUseTest::dialogTitlesAreTheirCaptions() {
    MainFixture f(kNow);
    f.create();
    ProgramWindows& w = *f.windows;
    const std::pair<QWidget*, const char*> captions[] = {
        {&w.jump(), "指定月へ移動"},
        {&w.total(), "給与金額"},
        {&w.pass(), "ﾊﾟｽﾜｰﾄﾞ入力"},
        {&w.passChange(), "ﾊﾟｽﾜｰﾄﾞ変更"},
        {&w.useTimes(), "良く使う時刻を設定"},
        {&w.useMemos(), "定型メモを設定"},
        {&w.setting(), "環境設定"},
        {&w.about(), "バージョン情報"},
        {&w.yuuKyu(), "有給休暇"},
        {&w.yearTotal(), "期間集計"},
        {&w.preview(), "印刷 - ﾌﾟﾚﾋﾞｭｰ"},
    };
    for (const auto& [window, caption] : captions) {
        QCOMPARE(window->windowTitle(), QString::fromUtf8(caption));
        window->show();
        QVERIFY(window->windowHandle() != nullptr);
        QCOMPARE(window->windowHandle()->title(), QString::fromUtf8(caption));
        window->hide();
    }
}

// On X11 Qt appends an explicitly set display name to every window title
// ("良く使う時… — Tokivane"); the program sets none. An unset display name
// follows the application name, which tells the two apart.
void FirstUseTest::noDisplayNameIsAppendedToTitles() {
    const QString name = QCoreApplication::applicationName();
    QCOMPARE(name, QString("Tokivane"));
    QCoreApplication::setApplicationName("probe");
    const QString shown = QGuiApplication::applicationDisplayName();
    QCoreApplication::setApplicationName(name);
    QCOMPARE(shown, QString("probe"));
}

void FirstUseTest::colourDialogSpeaksJapanese() {
    const QString qm = QLibraryInfo::path(QLibraryInfo::TranslationsPath) + "/qtbase_ja.qm";
    if (!QFile::exists(qm))
        QSKIP("Qt's Japanese translations are not installed (package qt6-translations-l10n)");
    QColorDialog dialog;
    dialog.setOption(QColorDialog::DontUseNativeDialog);
    QStringList texts;
    for (const QLabel* label : dialog.findChildren<QLabel*>()) texts << label->text();
    for (const QPushButton* button : dialog.findChildren<QPushButton*>()) texts << button->text();
    const QString all = texts.join('|');
    QVERIFY2(all.contains(QString::fromUtf8("基本カラー")), qPrintable(all));
    QVERIFY2(all.contains(QString::fromUtf8("キャンセル")), qPrintable(all));
    QVERIFY2(!all.contains("Basic colors"), qPrintable(all));
}

void FirstUseTest::landedFeaturesAreReady() {
    MainFixture f(kNow);
    f.create();
    // The arbitrary-period list has landed: no item says it is being built.
    for (const char* name : {"TokuSyukeiMenuItem", "TokuKaijoMenuItem"}) {
        auto* item = f.main().findChild<QAction*>(name);
        QVERIFY(item != nullptr);
        QVERIFY(item->toolTip() != QString::fromUtf8(kPendingFeatureTip));
        QVERIFY(item->statusTip() != QString::fromUtf8(kPendingFeatureTip));
    }
    // "任意期間解除" waits for a span to be shown.
    QVERIFY(!f.main().findChild<QAction*>("TokuKaijoMenuItem")->isEnabled());
    // Everything that has landed is usable.
    for (const char* name :
         {"PrintMenuItem", "CsvMenuItem", "KingakuMenuItem", "SyukeiMenuItem", "YuukyuMenuItem",
          "SettingMenuItem", "HelpMenuItem", "TokuSyukeiMenuItem"})
        QVERIFY2(f.main().findChild<QAction*>(name)->isEnabled(), name);
}

}  // namespace tkv::test

QTEST_MAIN(tkv::test::FirstUseTest)
#include "first_use_test.moc"
