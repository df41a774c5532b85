#pragma once

class QApplication;

namespace tkv {

// What every window relies on, once, before the first one is made: the
// program's name and icon, the font substitutions, Qt's own dialogs in
// Japanese and a visible keyboard focus. Screenshots and tests use it too.
void SetUpApplication(QApplication& app);

// The program entry: switches, single instance, password gate, windows.
int RunProgram(QApplication& app);

}  // namespace tkv
