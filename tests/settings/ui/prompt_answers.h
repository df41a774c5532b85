#pragma once

#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QStringList>

#include "platform/qt_helpers.h"

namespace tkv::test {

struct PromptCount {
    int shown = 0;       // showings of the prompt
    int notCleared = 0;  // showings whose password field was not empty
};

// Types one entry per showing of the password prompt; a null entry presses
// Cancel. A showing beyond the list is cancelled, so a wrong try count fails
// instead of hanging.
inline void AnswerPrompts(QDialog& prompt, QStringList entries, PromptCount* count) {
    WhenModal(prompt, [entries, count](QDialog& dialog) mutable {
        ++count->shown;
        if (entries.isEmpty()) {
            dialog.reject();
            return;
        }
        const QString entry = entries.takeFirst();
        AnswerPrompts(dialog, entries, count);  // armed for the next showing
        auto* edit = Child<QLineEdit>(dialog, "PassEdit");
        if (!edit->text().isEmpty())
            ++count->notCleared;
        if (entry.isNull()) {
            Child<QPushButton>(dialog, "CancelButton")->click();
            return;
        }
        edit->setText(entry);
        Child<QPushButton>(dialog, "OkButton")->click();
    });
}

}  // namespace tkv::test
