#pragma once

class QApplication;

namespace tkv {

// The program entry: switches, single instance, password gate, windows.
int RunProgram(QApplication& app);

}  // namespace tkv
