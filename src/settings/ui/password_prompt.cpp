#include "settings/ui/password_prompt.h"

#include "platform/message_box.h"
#include "platform/text_convert.h"
#include "settings/ui/pass.h"
#include "settings/ui/pass_change_form.h"
#include "settings/ui/password_rule.h"

namespace tkv {

namespace {
constexpr int MaxTries = 3;
}  // namespace

bool AskPassword(QWidget* parent, TPass& prompt, const QString& expected) {
    if (expected.isEmpty())
        return true;
    for (int wrong = 0; wrong < MaxTries;) {
        prompt.clearEntry();
        if (prompt.exec() != QDialog::Accepted)
            return false;
        if (PasswordMatches(platform::ToUtf8(prompt.entry()), platform::ToUtf8(expected))) {
            prompt.clearEntry();
            return true;
        }
        ++wrong;
        const auto answer = platform::ShowMessage(
            parent, QString::fromUtf8("ﾊﾟｽﾜｰﾄﾞｴﾗｰ"), QString::fromUtf8("ﾊﾟｽﾜｰﾄﾞが違います。"),
            QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Warning);
        if (answer != QMessageBox::Ok)
            return false;
    }
    return false;
}

std::optional<QString> ChangePassword(TPassChangeForm& form, const QString& current) {
    form.setCurrent(current);
    const bool accepted = form.exec() == QDialog::Accepted;
    const QString chosen = form.newPassword();
    form.setCurrent(QString());  // no password waits in a hidden window
    if (!accepted)
        return std::nullopt;
    return chosen;
}

}  // namespace tkv
