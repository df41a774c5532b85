#pragma once

#include <vector>

#include <QMessageBox>
#include <QString>

class QWidget;

namespace tkv::platform {

// Every message box of the program goes through here, so that tests can
// answer them without a window ever blocking.
QMessageBox::StandardButton ShowMessage(
    QWidget* parent, const QString& caption, const QString& text,
    QMessageBox::StandardButtons buttons, QMessageBox::Icon icon,
    QMessageBox::StandardButton defaultButton = QMessageBox::NoButton);

// While nobody can answer (the program ends on a signal), a message is
// written to the standard error output and answered with NoButton at once.
void SetMessagesUnattended(bool on);
bool MessagesUnattended();

namespace testing {

struct ShownMessage {
    QString caption;
    QString text;
    QMessageBox::StandardButtons buttons;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
};

// While answers are queued, ShowMessage shows nothing: it logs the message
// and returns the next answer (first in, first out).
void QueueMessageAnswer(QMessageBox::StandardButton answer);
// With this on, a message with no queued answer is logged and answered with
// NoButton instead of waiting for a click that never comes.
void NeverShowMessages(bool on);
// The messages answered from the queue since the last call, oldest first.
std::vector<ShownMessage> TakeMessageLog();
// Drops queued answers and the log, so one test cannot leak into the next.
void ResetMessageHook();

}  // namespace testing

}  // namespace tkv::platform
