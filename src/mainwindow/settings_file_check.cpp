#include "mainwindow/settings_file_check.h"

#include <cstring>

#include "base/clock.h"
#include "base/registry_store.h"
#include "platform/message_box.h"
#include "platform/text_convert.h"
#include "session/startup.h"

namespace tkv {
namespace {

QString reasonOf(const IoResult& r) {
    if (r.error == IoError::Damaged)
        return QString::fromUtf8("内容が壊れています。");
    return QString::fromUtf8("読み込めません（%1）。")
        .arg(QString::fromLocal8Bit(std::strerror(r.sysErrno)));
}

}  // namespace

std::unique_ptr<IniRegistryStore> OpenSettingsFile(const std::string& configDir,
                                                   const Clock& clock) {
    std::unique_ptr<IniRegistryStore> registry = OpenRegistry(configDir);
    const IoResult read = registry->loadResult();
    if (read.ok())
        return registry;

    const QString path = platform::ToQString(read.path);
    const auto answer = platform::ShowMessage(
        nullptr, QString::fromUtf8("設定エラー"),
        QString::fromUtf8("設定ファイルが%1\n%2\n\n"
                          "このファイルを別名で残し、初期設定で起動しますか？\n"
                          "「いいえ」を選ぶと、何も変更せずに終了します。")
            .arg(reasonOf(read), path),
        QMessageBox::Yes | QMessageBox::No, QMessageBox::Warning, QMessageBox::No);
    if (answer != QMessageBox::Yes)
        return nullptr;

    std::string keptAs;
    const IoResult moved = SetAsideRegistryFile(configDir, clock.now(), keptAs);
    if (!moved.ok()) {
        platform::ShowMessage(
            nullptr, QString::fromUtf8("設定エラー"),
            QString::fromUtf8("設定ファイルを別名で残せませんでした。終了します。\n%1")
                .arg(platform::ToQString(describe(moved))),
            QMessageBox::Ok, QMessageBox::Critical);
        return nullptr;
    }
    registry = OpenRegistry(configDir);
    platform::ShowMessage(nullptr, QString::fromUtf8("設定エラー"),
                          QString::fromUtf8("元の設定ファイルは次の名前で残しました。\n%1")
                              .arg(platform::ToQString(keptAs)),
                          QMessageBox::Ok, QMessageBox::Information);
    return registry->loadResult().ok() ? std::move(registry) : nullptr;
}

}  // namespace tkv
