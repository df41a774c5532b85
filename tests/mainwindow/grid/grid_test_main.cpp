#include <QApplication>
#include <QtTest>

#include "platform/fonts.h"

int RunGridRulesTest(int argc, char** argv);
int RunDayStringGridTest(int argc, char** argv);

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    tkv::platform::InstallFontSubstitutions();
    int failed = RunGridRulesTest(argc, argv);
    failed += RunDayStringGridTest(argc, argv);
    return failed;
}
