#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSet>
#include <QTabWidget>
#include <QTextBrowser>
#include <QTimer>
#include <QVBoxLayout>
#include <QtTest>

#include "base/test_folder.h"
#include "base/version.h"
#include "help/about_box.h"
#include "help/help_controller.h"
#include "help/help_guide.h"
#include "help/help_viewer.h"
#include "platform/help_topic.h"
#include "platform/message_box.h"
#include "platform/qt_helpers.h"

namespace tkv::help {

using platform::HelpTopic;

namespace {

using test::U;

QString sourceGuide() {
    return QStringLiteral(TOKIVANE_SOURCE_HELP_DIR);
}

QString readGuide() {
    QFile f(sourceGuide() + "/index.html");
    if (!f.open(QIODevice::ReadOnly))
        qFatal("cannot read the guide");
    return QString::fromUtf8(f.readAll());
}

QSet<QString> anchorsOf(const QString& html) {
    QSet<QString> names;
    static const QRegularExpression anchor(QStringLiteral("<a name=\"([^\"]+)\""));
    for (const auto& m : anchor.globalMatch(html)) names.insert(m.captured(1));
    return names;
}

int topicNumber(HelpTopic t) {
    return static_cast<int>(t);
}

void writeFile(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly))
        qFatal("cannot write %s", qPrintable(path));
    f.write("<html><body>x</body></html>");
}

}  // namespace

class HelpTest final : public QObject {
    Q_OBJECT

private slots:
    void init() { platform::testing::ResetMessageHook(); }

    void guideHasEveryTopic_data();
    void guideHasEveryTopic();
    void guideLinksLeadSomewhere();
    void guideFolderIsTheFirstWithAnIndex_data();
    void guideFolderIsTheFirstWithAnIndex();
    void installedGuideIsBesideTheProgram();
    void topicFor_data();
    void topicFor();
    void viewerShowsTopicsWithHistory();
    void viewerSearchWrapsAndSaysWhenNothingIsFound();
    void viewerSaysWhereItLookedWhenTheGuideIsMissing();
    void f1OpensTheTopicOfTheWindowInFront();
    void f1InAModalDialogLeavesTheViewerUsable();
    void aboutBoxShowsVersionAndFolders();
    void aboutBoxOpensTheDataFolder();
};

void HelpTest::guideHasEveryTopic_data() {
    QTest::addColumn<int>("topic");
    for (HelpTopic t : platform::AllHelpTopics()) {
        if (t == HelpTopic::Contents)
            continue;
        QTest::newRow(qPrintable(QString::number(topicNumber(t)))) << topicNumber(t);
    }
}

// F1 lands on the topic's anchor; a topic without one would open the guide
// at its top and leave the user searching.
void HelpTest::guideHasEveryTopic() {
    QFETCH(int, topic);
    static const QSet<QString> anchors = anchorsOf(readGuide());
    QVERIFY2(anchors.contains(QString::number(topic)), qPrintable(QString::number(topic)));
    QVERIFY(anchors.contains(QStringLiteral("contents")));
}

void HelpTest::guideLinksLeadSomewhere() {
    const QString html = readGuide();
    const QSet<QString> anchors = anchorsOf(html);
    static const QRegularExpression link(QStringLiteral("href=\"#([^\"]+)\""));
    int links = 0;
    for (const auto& m : link.globalMatch(html)) {
        ++links;
        QVERIFY2(anchors.contains(m.captured(1)), qPrintable(m.captured(1)));
    }
    QVERIFY(links > 30);
}

void HelpTest::guideFolderIsTheFirstWithAnIndex_data() {
    QTest::addColumn<QList<bool>>("hasIndex");
    QTest::addColumn<int>("chosen");  // -1: none
    QTest::newRow("installed wins") << QList<bool>{true, true} << 0;
    QTest::newRow("source when not installed") << QList<bool>{false, true} << 1;
    QTest::newRow("none") << QList<bool>{false, false} << -1;
}

void HelpTest::guideFolderIsTheFirstWithAnIndex() {
    QFETCH(QList<bool>, hasIndex);
    QFETCH(int, chosen);
    tkv::test::TestFolder folder;
    QStringList candidates;
    for (qsizetype i = 0; i < hasIndex.size(); ++i) {
        const QString dir = QString::fromStdString(folder.path()) + "/c" + QString::number(i);
        QDir().mkpath(dir);
        if (hasIndex[i])
            writeFile(dir + "/index.html");
        candidates << dir;
    }
    candidates << QString::fromStdString(folder.path()) + "/missing";
    QCOMPARE(FindHelpGuide(candidates), chosen < 0 ? QString() : candidates[chosen]);
}

void HelpTest::installedGuideIsBesideTheProgram() {
    const QStringList c = HelpGuideCandidates(QStringLiteral("/opt/tk/bin"));
    QCOMPARE(c.size(), 2);
    QCOMPARE(c[0], QStringLiteral("/opt/tk/share/doc/tokivane/help"));
    QCOMPARE(c[1], sourceGuide());
    QCOMPARE(HelpTopicUrl(QStringLiteral("/g"), HelpTopic::SettingsWork),
             QUrl(QStringLiteral("file:///g/index.html#50")));
    QCOMPARE(HelpTopicUrl(QStringLiteral("/g"), HelpTopic::Contents),
             QUrl(QStringLiteral("file:///g/index.html")));
}

void HelpTest::topicFor_data() {
    QTest::addColumn<QString>("focus");  // objectName of the widget F1 is pressed on
    QTest::addColumn<int>("topic");
    QTest::newRow("field of a window") << "Field" << 40;
    QTest::newRow("field on a page with its own topic") << "PageField" << 60;
    QTest::newRow("button below the pages: the page in front") << "OkButton" << 60;
    QTest::newRow("window without a topic") << "Lonely" << 0;
}

void HelpTest::topicFor() {
    QFETCH(QString, focus);
    QFETCH(int, topic);
    QWidget plain;
    platform::SetHelpTopic(&plain, HelpTopic::YearTotal);
    (new QLineEdit(&plain))->setObjectName("Field");

    QWidget paged;  // a dialog with pages, like the settings dialog
    platform::SetHelpTopic(&paged, HelpTopic::SettingsWork);
    auto* column = new QVBoxLayout(&paged);
    auto* tabs = new QTabWidget(&paged);
    auto* first = new QWidget;
    auto* second = new QWidget;
    platform::SetHelpTopic(first, HelpTopic::SettingsWork);
    platform::SetHelpTopic(second, HelpTopic::SettingsTime);
    (new QLineEdit(second))->setObjectName("PageField");
    tabs->addTab(first, "a");
    tabs->addTab(second, "b");
    auto* ok = new QPushButton("OK", &paged);
    ok->setObjectName("OkButton");
    column->addWidget(tabs);
    column->addWidget(ok);
    paged.show();
    tabs->setCurrentIndex(1);

    QWidget lonely;
    (new QLineEdit(&lonely))->setObjectName("Lonely");

    QWidget* target = nullptr;
    for (QWidget* w : {&plain, &paged, &lonely})
        if (!target)
            target = w->findChild<QWidget*>(focus);
    QVERIFY(target);
    QCOMPARE(topicNumber(platform::HelpTopicFor(target)), topic);
}

void HelpTest::viewerShowsTopicsWithHistory() {
    THelpViewer viewer;
    viewer.setGuide(sourceGuide(), {sourceGuide()});
    viewer.show();
    auto* back = viewer.findChild<QPushButton*>("BackButton");
    auto* forward = viewer.findChild<QPushButton*>("ForwardButton");
    viewer.showTopic(HelpTopic::Contents);
    QCOMPARE(viewer.source().fileName(), QStringLiteral("index.html"));
    QVERIFY(!back->isEnabled());
    QCOMPARE(viewer.browser()->verticalScrollBar()->value(), 0);

    viewer.showTopic(HelpTopic::YearTotal);
    QCOMPARE(viewer.source().fragment(), QStringLiteral("40"));
    const int at40 = viewer.browser()->verticalScrollBar()->value();
    QVERIFY(at40 > 0);
    viewer.showTopic(HelpTopic::SettingsWork);
    QCOMPARE(viewer.source().fragment(), QStringLiteral("50"));
    QVERIFY(viewer.browser()->verticalScrollBar()->value() > at40);
    QVERIFY(back->isEnabled());
    QVERIFY(!forward->isEnabled());

    back->click();
    QCOMPARE(viewer.source().fragment(), QStringLiteral("40"));
    QVERIFY(forward->isEnabled());
    forward->click();
    QCOMPARE(viewer.source().fragment(), QStringLiteral("50"));

    // The same topic again scrolls back to it after the user scrolled away.
    viewer.browser()->verticalScrollBar()->setValue(0);
    viewer.showTopic(HelpTopic::SettingsWork);
    QVERIFY(viewer.browser()->verticalScrollBar()->value() > at40);
    viewer.findChild<QPushButton*>("ContentsButton")->click();
    QCOMPARE(viewer.browser()->verticalScrollBar()->value(), 0);
}

void HelpTest::viewerSearchWrapsAndSaysWhenNothingIsFound() {
    THelpViewer viewer;
    viewer.setGuide(sourceGuide(), {sourceGuide()});
    viewer.show();
    viewer.showTopic(HelpTopic::Contents);
    auto* note = viewer.findChild<QLabel*>("SearchNoteLabel");

    QVERIFY(viewer.find(U("締日")));
    QCOMPARE(viewer.browser()->textCursor().selectedText(), U("締日"));
    QVERIFY(!note->isVisible());
    // Found again and again: past the last one the search starts over.
    for (int i = 0; i < 60; ++i) QVERIFY(viewer.find(U("締日")));
    QVERIFY(viewer.find(U("締日"), true));

    QVERIFY(!viewer.find(U("存在しない語句ｘｙｚ")));
    QVERIFY(note->isVisible());
    QVERIFY(note->text().contains(U("見つかりません")));
    auto* search = viewer.findChild<QLineEdit*>("SearchEdit");
    search->setText(U("有給休暇"));
    QVERIFY(!note->isVisible());
    QTest::keyClick(search, Qt::Key_Return);
    QCOMPARE(viewer.browser()->textCursor().selectedText(), U("有給休暇"));
}

void HelpTest::viewerSaysWhereItLookedWhenTheGuideIsMissing() {
    THelpViewer viewer;
    viewer.setGuide(QString(), {QStringLiteral("/nowhere/help"), QStringLiteral("/else/help")});
    viewer.showTopic(HelpTopic::SettingsWork);  // nothing to show, nothing breaks
    QVERIFY(!viewer.hasGuide());
    const QString text = viewer.browser()->toPlainText();
    QVERIFY(text.contains(U("見つかりません")));
    QVERIFY(text.contains(QStringLiteral("/nowhere/help")));
    QVERIFY(text.contains(QStringLiteral("/else/help")));
}

void HelpTest::f1OpensTheTopicOfTheWindowInFront() {
    QWidget home;
    platform::SetHelpTopic(&home, HelpTopic::MainWindow);
    auto* field = new QLineEdit(&home);
    home.show();
    HelpController help(&home, {sourceGuide()});
    QVERIFY(help.viewer() == nullptr);  // made on first use

    QTest::keyClick(field, Qt::Key_F1);
    QVERIFY(help.viewer() && help.viewer()->isVisible());
    QCOMPARE(help.viewer()->source().fragment(), QStringLiteral("10"));
    QCOMPARE(help.viewer()->parentWidget(), &home);

    QTest::keyClick(field, Qt::Key_F1, Qt::ShiftModifier);  // not F1 alone: not help
    help.showContents();
    QCOMPARE(help.viewer()->source().fragment(), QString());
    help.closeViewer();
    QVERIFY(!help.viewer()->isVisible());
}

void HelpTest::f1InAModalDialogLeavesTheViewerUsable() {
    QWidget home;
    home.show();
    HelpController help(&home, {sourceGuide()});
    help.showContents();
    QDialog dialog(&home);
    platform::SetHelpTopic(&dialog, HelpTopic::Jump);
    auto* field = new QLineEdit(&dialog);
    bool checked = false;
    QTimer::singleShot(0, &dialog, [&] {
        QTest::keyClick(field, Qt::Key_F1);
        THelpViewer* viewer = help.viewer();
        QCOMPARE(viewer->source().fragment(), QStringLiteral("15"));
        // While the dialog blocks the other windows, the viewer still takes clicks.
        QCOMPARE(viewer->parentWidget(), &dialog);
        QTest::mouseClick(viewer->findChild<QPushButton*>("ContentsButton"), Qt::LeftButton);
        QCOMPARE(viewer->source().fragment(), QString());
        checked = true;
        dialog.reject();
    });
    dialog.exec();
    QVERIFY(checked);
    // The dialog has gone; the viewer stays open, back under the main window.
    QCOMPARE(help.viewer()->parentWidget(), &home);
    QVERIFY(help.viewer()->isVisible());
}

void HelpTest::aboutBoxShowsVersionAndFolders() {
    AboutFacts facts{QStringLiteral("/home/taro/.local/share/tokivane/taro"),
                     QStringLiteral("/home/taro/.config/tokivane/registry.ini"),
                     QStringLiteral("Software\\Varnholt\\Zangyo\\User\\taro")};
    TAboutBox box([&facts] { return facts; });
    box.show();
    QCOMPARE(box.objectName(), QStringLiteral("TAboutBox"));
    QVERIFY(box.findChild<QLabel*>("VersionLabel")->text().contains(QString(ProgramVersion)));
    QVERIFY(box.findChild<QLabel*>("QtVersionLabel")->text().contains(QString(qVersion())));
    QVERIFY(box.findChild<QLabel*>("LicenseLabel")->text().contains(QString(ProgramLicense)));
    QCOMPARE(box.findChild<QLineEdit*>("DataFolderEdit")->text(), facts.dataFolder);
    QCOMPARE(box.findChild<QLineEdit*>("SettingsFileEdit")->text(), facts.settingsFile);
    QCOMPARE(box.findChild<QLineEdit*>("SettingsKeyEdit")->text(), facts.settingsKey);
    QCOMPARE(topicNumber(platform::HelpTopicFor(&box)), 99);

    // Shown again after a user switch: the facts are read anew.
    box.hide();
    facts.dataFolder = QStringLiteral("/home/taro/.local/share/tokivane");
    box.show();
    QCOMPARE(box.findChild<QLineEdit*>("DataFolderEdit")->text(), facts.dataFolder);
}

void HelpTest::aboutBoxOpensTheDataFolder() {
    tkv::test::TestFolder folder;
    const QString data = QString::fromStdString(folder.path());
    TAboutBox box([&data] { return AboutFacts{data, {}, {}}; });
    QList<QUrl> opened;
    bool works = true;
    box.setFolderOpener([&](const QUrl& url) {
        opened << url;
        return works;
    });
    box.show();
    QCOMPARE(box.findChild<QLineEdit*>("SettingsFileEdit")->text(), U("(保存しない設定)"));
    box.findChild<QPushButton*>("OpenDataFolderButton")->click();
    QCOMPARE(opened, QList<QUrl>{QUrl::fromLocalFile(data)});
    QVERIFY(platform::testing::TakeMessageLog().empty());

    // No file manager to hand it to: the user is told, with the folder.
    works = false;
    platform::testing::QueueMessageAnswer(QMessageBox::Ok);
    box.findChild<QPushButton*>("OpenDataFolderButton")->click();
    const auto log = platform::testing::TakeMessageLog();
    QCOMPARE(log.size(), std::size_t{1});
    QVERIFY(log[0].text.contains(data));
}

}  // namespace tkv::help

QTEST_MAIN(tkv::help::HelpTest)
#include "help_test.moc"
