#include <QApplication>

#include "mainwindow/program.h"
#include "platform/single_instance.h"

int main(int argc, char** argv) {
    tkv::platform::ProvideRuntimeFolder();
    QApplication app(argc, argv);
    return tkv::RunProgram(app);
}
