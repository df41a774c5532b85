#pragma once

#include <QDialog>

namespace tkv {

class SingleLineEdit;

// Enter a new password twice. OK closes only when both entries are the same;
// two empty entries remove the password.
class TPassChangeForm final : public QDialog {
    Q_OBJECT

public:
    explicit TPassChangeForm(QWidget* parent = nullptr);

    // Both entries start with the current password.
    void setCurrent(const QString& password);
    QString newPassword() const;

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void OkButtonClick();

    SingleLineEdit* m_first = nullptr;
    SingleLineEdit* m_second = nullptr;
};

}  // namespace tkv
