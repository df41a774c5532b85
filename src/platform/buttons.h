#pragma once

#include <QString>

class QPushButton;
class QWidget;

namespace tkv::platform {

// A push button with the object name `name` and an optional hint. It never
// becomes a dialog's default button on taking the focus, so Return keeps the
// meaning its window gives it.
QPushButton* MakeButton(QWidget* parent, const char* name, const QString& caption,
                        const QString& hint = {});

}  // namespace tkv::platform
