// Draws the span-of-days dialog for the documentation:
//   span_dialog_screenshot docs/screenshots/span-dialog.png
#include <QApplication>
#include <QTest>

#include "base/clock.h"
#include "platform/fonts.h"
#include "reports/ui/toku_syukei_form.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    tkv::platform::InstallFontSubstitutions();
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString("span-dialog.png");
    const tkv::FixedClock clock({2024, 1, 8, 9, 0, 0});
    tkv::TTokuSyukeiForm dialog(clock);
    dialog.setSpan({{2023, 12, 25}, {2024, 1, 10}});
    dialog.show();
    QTest::qWait(100);
    return dialog.grab().save(out) ? 0 : 1;
}
