#include "mainwindow/program.h"

#include <QApplication>
#include <QSessionManager>

#include "base/paths.h"
#include "base/registry_store.h"
#include "base/version.h"
#include "help/about_box.h"
#include "mainwindow/app_context.h"
#include "mainwindow/program_windows.h"
#include "mainwindow/resident.h"
#include "mainwindow/settings_file_check.h"
#include "mainwindow/zangyo_main.h"
#include "os/environment.h"
#include "os/system_clock.h"
#include "platform/activation_channel.h"
#include "platform/desktop_setup.h"
#include "platform/fonts.h"
#include "platform/message_box.h"
#include "platform/session_end.h"
#include "platform/single_instance.h"
#include "platform/text_convert.h"
#include "session/startup.h"
#include "settings/ui/pass.h"

namespace tkv {
namespace {

std::vector<std::string> argumentsOf(const QApplication& app) {
    std::vector<std::string> args;
    const QStringList all = app.arguments();
    for (qsizetype i = 1; i < all.size(); ++i) args.push_back(platform::ToUtf8(all[i]));
    return args;
}

void reportSettingsError(const IoResult& r) {
    if (r.ok())
        return;
    platform::ShowMessage(nullptr, "設定エラー",
                          "設定を保存できませんでした。\n" + platform::ToQString(r.path),
                          QMessageBox::Ok, QMessageBox::Warning);
}

}  // namespace

void SetUpApplication(QApplication& app) {
    // No display name: on X11 Qt appends it to every window title, and the
    // small dialogs' captions were cut to "良… ne". The application name alone
    // names the program to the desktop.
    app.setApplicationName("Tokivane");
    app.setDesktopFileName(QString::fromLatin1(ProgramAppId));
    app.setWindowIcon(help::ApplicationIcon());
    platform::InstallFontSubstitutions();
    platform::InstallQtTranslations(app);
    platform::InstallFocusFrameStyle(app);
}

int RunProgram(QApplication& app) {
    SetUpApplication(app);

    AppContext ctx;
    ctx.args = argumentsOf(app);
    ctx.multiUser = MultiUserSwitch(ctx.args);
    ctx.currentUser = ctx.multiUser ? std::string() : UserSwitch(ctx.args);
    if (!IsValidUserName(ctx.currentUser))
        ctx.currentUser.clear();
    ctx.startUser = ctx.currentUser;

    // The idle tool stands in for us while it runs; a second copy of us
    // brings the first to the front instead.
    if (platform::SingleInstance::isTaken("TDrowselForm"))
        return 0;
    platform::SingleInstance single("TZangyoMain");
    if (!single.take()) {
        platform::ActivationChannel::knock("TZangyoMain");
        return 0;
    }

    RunFolders folders = PrepareFolders(os::ReadFolderInputs(), ctx.currentUser);
    if (!folders.io.ok()) {
        platform::ShowMessage(nullptr, "起動ｴﾗｰ",
                              "フォルダを作成できません。\n" + platform::ToQString(folders.io.path),
                              QMessageBox::Ok, QMessageBox::Critical);
        return 1;
    }
    ctx.dataDir = std::move(folders.dataDir);
    ctx.settingsFile = RegistryFile(folders.configDir);
    ctx.clock = std::make_unique<os::SystemClock>();
    ctx.registry = OpenSettingsFile(folders.configDir, *ctx.clock);
    if (!ctx.registry)
        return 1;
    ctx.store = std::make_unique<SettingsStore>(*ctx.registry, ctx.dataDir, os::CurrentDir(),
                                                ctx.startUser);
    const SettingsLoadResult loaded = ctx.store->LoadSettings(ctx.settings);
    reportSettingsError(loaded.registry);
    reportSettingsError(loaded.setFile);

    ProgramWindows windows(ctx);
    if (!PassStartGate(ctx, windows.pass()))
        return 0;

    TZangyoMain& main = windows.main();
    Resident& resident = windows.resident();
    // The program ends when its main window has closed, not when the last
    // window goes out of sight (in the tray there is none).
    app.setQuitOnLastWindowClosed(false);
    platform::ActivationChannel activation;
    QObject::connect(&resident, &Resident::ended, &app, [&single, &activation](int code) {
        activation.close();
        single.release();  // a program started right now is not turned away
        QCoreApplication::exit(code);
    });
    platform::SessionEndWatcher sessionEnd;
    QObject::connect(&sessionEnd, &platform::SessionEndWatcher::terminated, &resident,
                     &Resident::terminate);
    QObject::connect(&sessionEnd, &platform::SessionEndWatcher::sessionEndQuery, &resident,
                     [&resident](QSessionManager& manager) {
                         if (!resident.sessionMayEnd(manager.allowsInteraction()))
                             manager.cancel();
                     });

    activation.listen("TZangyoMain", [&resident] { resident.activate(); });
    main.show();
    main.firstShow();
    resident.startUp();
    resident.setBaseLoopLevel(1);
    return app.exec();
}

}  // namespace tkv
