#include <QApplication>
#include <QTest>

#include "platform/fonts.h"
#include "settings/ui/test_classes.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    tkv::platform::InstallFontSubstitutions();
    DialogsTest dialogs;
    PasswordTest passwords;
    int failed = QTest::qExec(&dialogs, argc, argv);
    failed += QTest::qExec(&passwords, argc, argv);
    return failed;
}
