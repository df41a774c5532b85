// Draws the help viewer and the about box for the documentation:
//   help_screenshots docs/screenshots
#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QTextBrowser>

#include "help/about_box.h"
#include "help/help_viewer.h"
#include "offscreen_platform.h"
#include "platform/fonts.h"

int main(int argc, char** argv) {
    tkv::test::UseOffscreenPlatform();
    QApplication app(argc, argv);
    tkv::platform::InstallFontSubstitutions();
    app.setWindowIcon(tkv::help::ApplicationIcon());
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");

    tkv::help::THelpViewer viewer;
    viewer.setGuide(QStringLiteral(TOKIVANE_SOURCE_HELP_DIR), {});
    viewer.show();
    viewer.showTopic(tkv::platform::HelpTopic::Contents);
    viewer.showTopic(tkv::platform::HelpTopic::MainWindow);
    viewer.findChild<QLineEdit*>("SearchEdit")->setText(QString::fromUtf8("締日"));
    QTest::qWait(50);
    bool ok = viewer.grab().save(folder + "/help-viewer.png");

    tkv::help::TAboutBox about([] {
        return tkv::help::AboutFacts{QStringLiteral("/home/taro/.local/share/tokivane"),
                                     QStringLiteral("/home/taro/.config/tokivane/registry.ini"),
                                     QStringLiteral("Software\\Varnholt\\Zangyo")};
    });
    about.show();
    QTest::qWait(50);
    ok = about.grab().save(folder + "/about-box.png") && ok;
    return ok ? 0 : 1;
}
