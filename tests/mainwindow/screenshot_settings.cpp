// Renders the settings dialog's four pages and its two layout dialogs to PNG
// files for the documentation:
//   settings_screenshot docs/screenshots
// writes settings-work.png, settings-time.png, settings-holiday.png,
// settings-print.png, print-setting.png, private-info.png and kyotei-setting.png there.
#include <QApplication>
#include <QDir>
#include <QTabWidget>
#include <QTest>

#include "mainwindow/main_fixture.h"
#include "offscreen_platform.h"
#include "platform/fonts.h"
#include "settings/ui/kyotei_setting_form.h"
#include "settings/ui/print_setting_form.h"
#include "settings/ui/private_info_form.h"
#include "settings/ui/setting_dialog.h"

namespace {

bool Save(QWidget& w, const QDir& dir, const char* name) {
    QTest::qWait(50);
    return w.grab().save(dir.filePath(QString::fromLatin1(name)));
}

}  // namespace

int main(int argc, char** argv) {
    tkv::test::UseOffscreenPlatform();
    QApplication app(argc, argv);
    tkv::platform::InstallFontSubstitutions();
    const QDir dir(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("."));

    tkv::test::MainFixture f({2025, 5, 23, 19, 50, 0});
    f.start();
    {
        tkv::Settings& s = f.ctx.settings;
        s.SimeDay = 20;
        s.KinPass = "secret";
        s.StartAutoIn = tkv::AutoTimeMode::Confirm;
        s.StartAdjustSelect = tkv::RoundMethod::Up;
        s.StartTime2 = 3;
        s.EndAdjustSelect = tkv::RoundMethod::Down;
        s.EndTime2 = 3;
        s.times.breaks[1] = {"15:00", "15:10"};
        s.CellColorCheck[0] = true;
        s.CellColor[0] = 0x00E0E0FF;
        s.YukyuMokuZanDisp = true;
        s.YukyuMokuZan = "5.0";
        s.PrintName = true;
        s.PrintPage = true;
        s.PrintDate = true;
        s.PrivateNameDisp = true;
        s.PrivateName = "山田 太郎";
        s.CSVNameAdd = true;
        s.CSVFileName = "yamada";
        s.KyoteiSpecial = true;
        s.Premium60Rate = 1875;
    }
    tkv::TSetting& dialog = f.windows->setting();
    dialog.show();
    bool ok = true;
    const char* pages[] = {"settings-work.png", "settings-time.png", "settings-holiday.png",
                           "settings-print.png"};
    for (int i = 0; i < 4; ++i) {
        dialog.pages()->setCurrentIndex(i);
        ok = Save(dialog, dir, pages[i]) && ok;
    }
    tkv::TPrintSettingForm& layout = dialog.printSetting();
    layout.setPrintedItems(true, true, true);
    layout.show();
    ok = Save(layout, dir, "print-setting.png") && ok;
    layout.hide();
    tkv::TPrivateInfoForm& info = dialog.privateInfo();
    info.show();
    ok = Save(info, dir, "private-info.png") && ok;
    info.hide();
    tkv::TKyoteiSettingForm& kyotei = dialog.kyoteiSetting();
    kyotei.show();
    ok = Save(kyotei, dir, "kyotei-setting.png") && ok;
    kyotei.hide();
    dialog.hide();
    return ok ? 0 : 1;
}
