#include "mainwindow/users.h"

#include <fstream>

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>

#include "base/atomic_file.h"
#include "mainwindow/main_fixture.h"
#include "mainwindow/t_total.h"
#include "settings/ui/pass.h"
#include "settings/ui/prompt_answers.h"

namespace tkv::test {

// Several users: the menu "切り替え(&C)", the switch, the title and the
// start-user copies.
class UsersTest final : public QObject {
    Q_OBJECT

private slots:
    void init() { platform::testing::ResetMessageHook(); }

    void menuListsUsersWithAKeyInOrder();
    void refusedSwitchKeepsTheCheckOnTheOpenUser();
    void switchOpensTheUsersDataAndSettingsAndBack();
    void title_data();
    void title();
    void startUserCopiesFollowTheStartUser();
};

namespace {

constexpr DateTime kNow{2025, 5, 12, 9, 0, 0};

void AddUser(MainFixture& f, const std::string& name, bool folder = true,
             const std::vector<std::pair<const char*, const char*>>& values = {}) {
    if (folder)
        std::filesystem::create_directory(f.folder.file(name));
    const std::string key = UserRegKey(name) + "\\System";
    f.ctx.registry->writeValue(key, "SimeDay", "31");
    for (const auto& [value, text] : values) f.ctx.registry->writeValue(key, value, text);
}

QMenu* UserMenuOf(MainFixture& f) {
    return f.main().findChild<QMenu*>("MultiUserMenu");
}

QStringList Captions(MainFixture& f) {
    QStringList captions;
    for (QAction* a : f.windows->users()->group()->actions()) captions << a->text();
    return captions;
}

QString Checked(MainFixture& f) {
    QAction* a = f.windows->users()->group()->checkedAction();
    return a ? a->text() : QString();
}

void Choose(MainFixture& f, int item) {
    f.windows->users()->group()->actions().at(item)->trigger();
}

}  // namespace

void UsersTest::menuListsUsersWithAKeyInOrder() {
    MainFixture f(kNow, {}, {"/M"});
    AddUser(f, "taro");
    AddUser(f, "hanako");
    std::filesystem::create_directory(f.folder.file("old"));  // a folder without a key
    AddUser(f, "Zfile", false);                               // a file with a key
    std::ofstream(f.folder.file("Zfile")) << "x";
    f.start();
    QVERIFY(UserMenuOf(f)->menuAction()->isVisible());
    QCOMPARE(Captions(f), (QStringList{U("&0 (ｶﾚﾝﾄ)"), "&1 hanako", "&2 taro", "&3 Zfile"}));
    QCOMPARE(Checked(f), U("&0 (ｶﾚﾝﾄ)"));
    QCOMPARE(f.main().windowTitle(), U("Tokivane - (ｶﾚﾝﾄ)"));
}

void UsersTest::refusedSwitchKeepsTheCheckOnTheOpenUser() {
    MainFixture f(kNow, [](Settings& s) { s.AutoSave = false; }, {"/M"});
    AddUser(f, "taro");
    f.start();
    f.main().month().day(12).cell(DayColumn::Memo) = "会議";
    platform::testing::QueueMessageAnswer(QMessageBox::Cancel);
    Choose(f, 1);
    QCOMPARE(int(platform::testing::TakeMessageLog().size()), 1);
    QCOMPARE(f.ctx.currentUser, std::string());
    QCOMPARE(Checked(f), U("&0 (ｶﾚﾝﾄ)"));
    QCOMPARE(f.main().month().day(12).cell(DayColumn::Memo), std::string("会議"));
    QCOMPARE(f.main().windowTitle(), U("Tokivane - (ｶﾚﾝﾄ)"));
}

void UsersTest::switchOpensTheUsersDataAndSettingsAndBack() {
    MainFixture f(kNow, [](Settings& s) { s.AutoSave = true; }, {"/M"});
    AddUser(f, "taro", true, {{"AutoSave", "1"}, {"YukyuMonth", "7"}});
    TZangyoMain& w = f.start();
    w.month().day(12).cell(DayColumn::Memo) = "共有";
    f.windows->total().show();  // the pay window follows the switch

    Choose(f, 1);
    QCOMPARE(f.ctx.currentUser, std::string("taro"));
    QCOMPARE(f.ctx.settings.YukyuMonth, 7);
    QCOMPARE(Checked(f), U("&1 taro"));
    QCOMPARE(w.windowTitle(), U("Tokivane - taro"));
    QVERIFY(FileExists(f.folder.file("202505.dat")));  // saved on the way (AutoSave)
    QCOMPARE(w.month().day(12).cell(DayColumn::Memo), std::string());
    w.month().day(12).cell(DayColumn::Memo) = "太郎";
    QVERIFY(w.saveShownMonth());
    QVERIFY(FileExists(f.folder.file("taro/202505.dat")));

    Choose(f, 0);
    QCOMPARE(f.ctx.currentUser, std::string());
    QCOMPARE(f.ctx.settings.YukyuMonth, 4);
    QCOMPARE(Checked(f), U("&0 (ｶﾚﾝﾄ)"));
    QCOMPARE(w.month().day(12).cell(DayColumn::Memo), std::string("共有"));
    QCOMPARE(w.windowTitle(), U("Tokivane - (ｶﾚﾝﾄ)"));
}

void UsersTest::title_data() {
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<bool>("ownName");   // PrivateNameDisp on with 山田 at start
    QTest::addColumn<bool>("taroName");  // the same in taro's settings
    QTest::addColumn<QString>("atStart");
    QTest::addColumn<QString>("asTaro");  // after switching to taro; empty: no switch

    QTest::newRow("plain") << QStringList{} << false << false << "Tokivane"
                           << "";
    QTest::newRow("named user") << QStringList{"/U:taro"} << false << false << "Tokivane - taro"
                                << "";
    QTest::newRow("own name before the user")
        << QStringList{"/U:taro"} << true << false << U("Tokivane - 山田") << "";
    QTest::newRow("own name in both settings stays")
        << QStringList{"/M"} << true << true << U("Tokivane - 山田") << U("Tokivane - 山田");
    QTest::newRow("the title follows the settings of the open user")
        << QStringList{"/M"} << true << false << U("Tokivane - 山田") << "Tokivane - taro";
}

void UsersTest::title() {
    QFETCH(QStringList, args);
    QFETCH(bool, ownName);
    QFETCH(bool, taroName);
    QFETCH(QString, atStart);
    QFETCH(QString, asTaro);
    std::vector<std::string> switches;
    for (const QString& a : args) switches.push_back(a.toStdString());
    MainFixture f(
        kNow,
        [ownName](Settings& s) {
            s.PrivateNameDisp = ownName;
            s.PrivateName = ownName ? "山田" : "";
        },
        switches);
    if (taroName || !asTaro.isEmpty())
        AddUser(f, "taro", true,
                {{"PrivateNameDisp", taroName ? "1" : "0"},
                 {"PrivateName", taroName ? "\x8e\x52\x93\x63" : ""}});  // 山田 in CP932
    f.start();
    f.main().updateTitle();
    QCOMPARE(f.main().windowTitle(), atStart);
    if (asTaro.isEmpty())
        return;
    Choose(f, 1);
    QCOMPARE(f.main().windowTitle(), asTaro);
}

void UsersTest::startUserCopiesFollowTheStartUser() {
    MainFixture f(kNow,
                  [](Settings& s) {
                      s.EscKeyMin = true;
                      s.ReOpenPassIn = true;
                      s.Pass = "Secret";
                  },
                  {"/M"});
    f.commitSettings();
    AddUser(f, "taro", true, {{"EscKeyMin", "0"}, {"ReOpenPassIn", "0"}, {"Pass", ""}});
    TZangyoMain& w = f.start();
    Choose(f, 1);
    QVERIFY(!f.ctx.settings.EscKeyMin);

    QTest::keyClick(&f.grid(), Qt::Key_Escape);
    QVERIFY(f.resident().inTray());
    QVERIFY(!w.isVisible());
    PromptCount count;
    AnswerPrompts(f.windows->pass(), {"wrong", "secret"}, &count);
    platform::testing::QueueMessageAnswer(QMessageBox::Cancel);
    emit f.tray.openRequested();
    QCOMPARE(count.shown, 1);  // the start user's password is asked
    QVERIFY(!w.isVisible());
    emit f.tray.openRequested();
    QCOMPARE(count.shown, 2);
    QVERIFY(w.isVisible());
}

}  // namespace tkv::test

QTEST_MAIN(tkv::test::UsersTest)
#include "users_test.moc"
