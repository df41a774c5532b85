#include "reports/ui/csv_export.h"

#include <cstring>

#include <QFileInfo>

#include "base/atomic_file.h"
#include "platform/file_dialog.h"
#include "platform/message_box.h"
#include "platform/text_convert.h"
#include "settings/settings.h"
#include "settings/settings_store.h"

namespace tkv {

using platform::ToQString;
using platform::ToUtf8;

bool SaveCsvFile(QWidget* parent, Settings& settings, SettingsStore& store,
                 const std::string& fileName, const std::string& bytes) {
    const QString path =
        platform::AskSaveFileName(parent, {"CSVﾌｧｲﾙ出力", ToQString(settings.SaveInitialDir),
                                           ToQString(fileName), "CSVﾌｧｲﾙ (*.csv)"});
    if (path.isEmpty())
        return false;

    settings.SaveInitialDir = ToUtf8(QFileInfo(path).absolutePath());
    const SettingsSaveResult saved = store.SaveSettings(settings);
    for (const IoResult* io : {&saved.registry, &saved.setFile}) {
        if (!io->ok())
            platform::ShowMessage(parent, "設定エラー",
                                  "設定を保存できませんでした。\n" + ToQString(io->path),
                                  QMessageBox::Ok, QMessageBox::Warning);
    }

    const IoResult r = WriteFileAtomically(ToUtf8(path), bytes, 0600);
    if (r.ok())
        return true;
    QString text = "ファイルに書き込めませんでした。\n" + path;
    if (r.sysErrno != 0)
        text += "\n" + QString::fromLocal8Bit(std::strerror(r.sysErrno));
    platform::ShowMessage(parent, "ファイルエラー", text, QMessageBox::Ok, QMessageBox::Critical);
    return false;
}

}  // namespace tkv
