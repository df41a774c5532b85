#pragma once

#include <QDialog>

class QTimer;

namespace tkv {

class SingleLineEdit;

// The password prompt. It stays on top, and a moment after it appears it
// pulls itself to the front and takes the focus, so the password can be typed
// at once even when the program was started or restored in the background.
// The rule of the prompt is AskPassword's.
class TPass final : public QDialog {
    Q_OBJECT

public:
    explicit TPass(QWidget* parent = nullptr);

    void clearEntry();
    QString entry() const;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FocusTimerTimer();

    SingleLineEdit* m_passEdit = nullptr;
    QTimer* m_focusTimer = nullptr;
};

}  // namespace tkv
