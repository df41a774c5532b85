#include <QApplication>

#include "mainwindow/program.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    return tkv::RunProgram(app);
}
