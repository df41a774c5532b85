#pragma once

#include <QDialog>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QRect>
#include <QScreen>
#include <QString>

#include "platform/fonts.h"
#include "platform/text_convert.h"

// Small pieces the fixed-layout dialogs of this folder share.
namespace tkv::dialog_parts {

// A dialog with a fixed client size, a title bar with only the close box,
// and the program's proportional dialog font.
inline void MakeFixedDialog(QDialog& dialog, const char* className, int clientWidth,
                            int clientHeight, Qt::WindowFlags extra = {}) {
    dialog.setObjectName(QString::fromLatin1(className));
    dialog.setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint | extra);
    dialog.setFont(platform::FontFor(platform::ToQString(platform::ProportionalFontName), 9));
    dialog.setFixedSize(clientWidth, clientHeight);
}

inline QPushButton* MakeButton(QWidget* parent, const char* name, const QString& text,
                               const QRect& geometry, const QString& hint = {}) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(geometry);
    if (!hint.isEmpty())
        button->setToolTip(hint);
    return button;
}

// Password fields show one "*" per character, not the style's dot.
inline void MaskWithAsterisks(QLineEdit& edit) {
    edit.setEchoMode(QLineEdit::Password);
    edit.setStyleSheet(QStringLiteral("QLineEdit { lineedit-password-character: 42; }"));
}

// Centre on the screen the dialog will appear on (the parent's, else the primary one).
inline void CentreOnScreen(QWidget& window) {
    QScreen* screen = window.parentWidget() != nullptr ? window.parentWidget()->screen()
                                                       : QGuiApplication::primaryScreen();
    if (screen == nullptr)
        return;
    const QRect area = screen->availableGeometry();
    window.move(area.center() - QPoint(window.width() / 2, window.height() / 2));
}

}  // namespace tkv::dialog_parts
