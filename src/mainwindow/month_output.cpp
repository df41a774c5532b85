#include "mainwindow/month_output.h"

#include <cstring>
#include <memory>
#include <sstream>

#include <QFileInfo>

#include "base/atomic_file.h"
#include "mainwindow/app_context.h"
#include "platform/file_dialog.h"
#include "platform/message_box.h"
#include "platform/text_convert.h"
#include "reports/month_csv.h"
#include "reports/ui/month_list_report.h"
#include "reports/ui/preview_form.h"

namespace tkv {

using platform::Q;
using platform::S;

void PrintMonthList(const MonthRecord& month, const AppContext& app, TPreviewForm& preview,
                    QWidget* issuer) {
    preview.preview(std::make_unique<TZanPrintForm>(month, app.settings, *app.clock), issuer);
}

void ExportMonthCsv(const MonthRecord& month, AppContext& app, QWidget* parent) {
    const QString path = platform::AskSaveFileName(
        parent, {"CSVﾌｧｲﾙ出力", Q(app.settings.SaveInitialDir),
                 Q(MonthCsvFileName(month.year, month.month, app.settings)), "CSVﾌｧｲﾙ (*.csv)"});
    if (path.isEmpty())
        return;

    app.settings.SaveInitialDir = S(QFileInfo(path).absolutePath());
    const SettingsSaveResult saved = app.store->SaveSettings(app.settings);
    for (const IoResult* io : {&saved.registry, &saved.setFile}) {
        if (!io->ok())
            platform::ShowMessage(parent, "設定エラー",
                                  "設定を保存できませんでした。\n" + Q(io->path), QMessageBox::Ok,
                                  QMessageBox::Warning);
    }

    std::ostringstream csv;
    WriteMonthCsv(csv, month, app.settings);
    const IoResult r = WriteFileAtomically(S(path), csv.str(), 0600);
    if (r.ok())
        return;
    QString text = "ファイルに書き込めませんでした。\n" + path;
    if (r.sysErrno != 0)
        text += "\n" + QString::fromLocal8Bit(std::strerror(r.sysErrno));
    platform::ShowMessage(parent, "ファイルエラー", text, QMessageBox::Ok, QMessageBox::Critical);
}

}  // namespace tkv
