#pragma once

#include <optional>

#include <QString>

class QWidget;

namespace tkv {

class TPass;
class TPassChangeForm;

// Asks for `expected` with the prompt: yes when a matching entry is given
// within three tries. An empty `expected` is yes without showing anything.
bool AskPassword(QWidget* parent, TPass& prompt, const QString& expected);

// Runs the change dialog starting from `current`; the new password when it was
// confirmed (possibly empty: no password), nothing when cancelled.
std::optional<QString> ChangePassword(TPassChangeForm& form, const QString& current);

}  // namespace tkv
