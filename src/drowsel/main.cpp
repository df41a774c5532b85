#include <QApplication>
#include <QSessionManager>

#include "drowsel/drowsel.h"
#include "platform/session_end.h"
#include "platform/single_instance.h"
#include "platform/tray_icon.h"

int main(int argc, char** argv) {
    tkv::platform::ProvideRuntimeFolder();
    QApplication app(argc, argv);
    app.setApplicationName("drowsel");
    app.setApplicationDisplayName("Tokivane");
    // In the tray there is no window whose closing would end us.
    app.setQuitOnLastWindowClosed(false);

    tkv::platform::SingleInstance name("TDrowselForm");
    if (!name.take())
        return 0;  // one idle tool is enough

    std::vector<std::string> args;
    const QStringList all = app.arguments();
    for (qsizetype i = 1; i < all.size(); ++i) args.push_back(all[i].toStdString());
    tkv::Drowsel drowsel(std::move(args), QCoreApplication::applicationDirPath().toStdString(),
                         name);
    const std::unique_ptr<tkv::platform::TrayIcon> tray = tkv::platform::MakeSystemTrayIcon();
    drowsel.setTrayIcon(tray.get());
    app.setWindowIcon(tkv::platform::TrayImage(drowsel.iconSelect()));

    tkv::platform::SessionEndWatcher sessionEnd;
    QObject::connect(&sessionEnd, &tkv::platform::SessionEndWatcher::terminated, &drowsel,
                     [&drowsel] { drowsel.exit(false); });
    // Nothing here needs keeping: the session may end, after the leaving time.
    QObject::connect(&sessionEnd, &tkv::platform::SessionEndWatcher::sessionEndQuery, &drowsel,
                     [&drowsel](QSessionManager&) { drowsel.exit(false); });
    QObject::connect(&drowsel, &tkv::Drowsel::ended, &app, [] { QCoreApplication::exit(0); });

    drowsel.show();
    return app.exec();
}
