// Renders the paid-leave window over a ledger of two grant years for the
// documentation, and with more arguments the two delete dialogs:
//   leave_screenshot docs/screenshots/leave-window.png [count.png date.png]
#include <QApplication>
#include <QTest>

#include "base/atomic_file.h"
#include "base/cp932.h"
#include "leave/ui/vac_del.h"
#include "leave/ui/vac_string_grid.h"
#include "leave/ui/yuu_kyu.h"
#include "mainwindow/main_fixture.h"
#include "offscreen_platform.h"
#include "platform/fonts.h"

int main(int argc, char** argv) {
    tkv::test::UseOffscreenPlatform();
    QApplication app(argc, argv);
    tkv::platform::InstallFontSubstitutions();
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString("leave-window.png");

    tkv::test::MainFixture f({2025, 3, 28, 19, 30, 0}, [](tkv::Settings& s) {
        s.YukyuMonth = 4;
        s.CellColorCheck[6] = true;  // Saturdays
        s.CellColor[6] = 0xFFE0E0;
        s.CellColorCheck[7] = true;  // Sundays
        s.CellColor[7] = 0xE0E0FF;
    });
    // Two grant years: the grants, days and half days taken, a correction.
    const std::string ledger =
        "[System]\r\nKuriZan=4.5\r\nNowZan=0.0\r\n[VacationData]\r\n"
        "1=2023/04/01,,増加,20.0,,年次付与,,\r\n"
        "2=2023/05/02,,有給,-1.0,,連休,,\r\n"
        "3=2023/08/14,,有給,-1.0,,夏季休暇,$FF0000,\r\n"
        "4=2023/08/15,,有給,-1.0,,夏季休暇,$FF0000,\r\n"
        "5=2023/11/24,,午前,-0.5,,通院,,\r\n"
        "6=2024/02/10,,ｿﾉ他,-1.0,,土曜出勤の振替,,\r\n"
        "7=2024/03/29,,有給,-1.0,,,,\r\n"
        "8=2024/04/01,,増加,20.0,,年次付与,,\r\n"
        "9=2024/04/05,,午後,-0.5,,銀行,,\r\n"
        "10=2024/07/21,,減少,-2.0,,時効,$0000FF,\r\n"
        "11=2024/12/27,,有給,-1.0,,年末,,\r\n"
        "12=2025/03/14,,有給,-1.0,,引越し,,\r\n";
    tkv::WriteFileAtomically(f.ctx.paths().ledgerFile(), tkv::cp932::fromUtf8(ledger), 0600);
    f.start();
    tkv::TYuuKyu& w = f.windows->yuuKyu();
    w.open();
    w.resize(w.widthFor(16), w.heightForRows(17));
    w.grid()->setTopSlot(1);
    w.grid()->selectCell(9, tkv::LedgerColumn::Memo);
    QTest::qWait(100);
    bool saved = w.grab().save(out);
    if (argc > 3) {
        for (QDialog* d :
             {static_cast<QDialog*>(w.deleteByCount()), static_cast<QDialog*>(w.deleteByDate())}) {
            d->show();
            QTest::qWait(50);
            saved = saved &&
                    d->grab().save(QString::fromLocal8Bit(argv[d == w.deleteByCount() ? 2 : 3]));
            d->hide();
        }
    }
    w.ledger().takeSnapshot();
    w.close();
    return saved ? 0 : 1;
}
