#include "platform/message_box.h"

#include <cstdio>
#include <deque>

#include <QAbstractButton>
#include <QWidget>

namespace tkv::platform {

namespace {

struct MessageHook {
    std::deque<QMessageBox::StandardButton> answers;
    std::vector<testing::ShownMessage> log;
    bool neverShow = false;
    bool unattended = false;
};

MessageHook& Hook() {
    static MessageHook hook;
    return hook;
}

// The buttons read as on a Japanese desktop whatever translations are installed.
void LabelButtons(QMessageBox& box) {
    const struct {
        QMessageBox::StandardButton button;
        const char* text;
    } labels[] = {
        {QMessageBox::Ok, "OK"},           {QMessageBox::Cancel, "キャンセル"},
        {QMessageBox::Yes, "はい(&Y)"},    {QMessageBox::No, "いいえ(&N)"},
        {QMessageBox::Abort, "中止(&A)"},  {QMessageBox::Retry, "再試行(&R)"},
        {QMessageBox::Ignore, "無視(&I)"},
    };
    for (const auto& l : labels) {
        if (QAbstractButton* b = box.button(l.button))
            b->setText(QString::fromUtf8(l.text));
    }
}

}  // namespace

QMessageBox::StandardButton ShowMessage(QWidget* parent, const QString& caption,
                                        const QString& text, QMessageBox::StandardButtons buttons,
                                        QMessageBox::Icon icon,
                                        QMessageBox::StandardButton defaultButton) {
    MessageHook& hook = Hook();
    if (!hook.answers.empty()) {
        const QMessageBox::StandardButton answer = hook.answers.front();
        hook.answers.pop_front();
        hook.log.push_back({caption, text, buttons, icon});
        return answer;
    }
    if (hook.neverShow) {
        hook.log.push_back({caption, text, buttons, icon});
        return QMessageBox::NoButton;
    }
    if (hook.unattended) {
        std::fprintf(stderr, "tokivane: %s: %s\n", qUtf8Printable(caption),
                     qUtf8Printable(QString(text).replace('\n', ' ')));
        return QMessageBox::NoButton;
    }

    QMessageBox box(icon, caption, text, buttons, parent);
    LabelButtons(box);
    if (defaultButton != QMessageBox::NoButton)
        box.setDefaultButton(defaultButton);
    box.exec();
    // The close box answers with the escape button; a box without one has no answer.
    QAbstractButton* clicked = box.clickedButton();
    return clicked != nullptr ? box.standardButton(clicked) : QMessageBox::NoButton;
}

void SetMessagesUnattended(bool on) {
    Hook().unattended = on;
}

bool MessagesUnattended() {
    return Hook().unattended;
}

namespace testing {

void QueueMessageAnswer(QMessageBox::StandardButton answer) {
    Hook().answers.push_back(answer);
}

void NeverShowMessages(bool on) {
    Hook().neverShow = on;
}

std::vector<ShownMessage> TakeMessageLog() {
    std::vector<ShownMessage> log;
    log.swap(Hook().log);
    return log;
}

void ResetMessageHook() {
    Hook().answers.clear();
    Hook().log.clear();
}

}  // namespace testing

}  // namespace tkv::platform
