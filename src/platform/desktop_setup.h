#pragma once

class QApplication;
class QCoreApplication;

namespace tkv::platform {

// Loads Qt's own Japanese texts, so that the colour, font, file and printer
// dialogs and the standard buttons speak the language of the rest of the
// program, whatever the locale. False when the translations are not
// installed (Debian package qt6-translations-l10n); Qt then stays English.
bool InstallQtTranslations(QCoreApplication& app);

// Every control with the keyboard focus shows it, also when the focus came
// there by a program's move (the grid's Shift+Tab to "終  了") rather than by
// the Tab key itself, and push buttons get a clear dotted frame.
void InstallFocusFrameStyle(QApplication& app);

}  // namespace tkv::platform
