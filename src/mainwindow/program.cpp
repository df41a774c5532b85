#include "mainwindow/program.h"

#include <QApplication>

#include "platform/fonts.h"

namespace tkv {

int RunProgram(QApplication& app) {
    app.setApplicationName("Tokivane");
    platform::InstallFontSubstitutions();
    return 0;
}

}  // namespace tkv
