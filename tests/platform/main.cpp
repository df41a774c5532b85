#include <sys/stat.h>

#include <QApplication>
#include <QTest>

#include "base/test_folder.h"
#include "platform/test_classes.h"

int main(int argc, char** argv) {
    tkv::test::TestFolder runtime;
    ::chmod(runtime.path().c_str(), 0700);
    qputenv("XDG_RUNTIME_DIR", QByteArray::fromStdString(runtime.path()));
    QApplication app(argc, argv);
    SingleInstanceTest single;
    SessionEndTest sessionEnd;
    TrayIconTest tray;
    int failed = QTest::qExec(&single, argc, argv);
    failed += QTest::qExec(&sessionEnd, argc, argv);
    failed += QTest::qExec(&tray, argc, argv);
    return failed;
}
