#pragma once

#include <QObject>

// The two QtTest classes of this program share one main().
class DialogsTest final : public QObject {
    Q_OBJECT

private slots:
    void init();

    void timeAdjustSteps_data();
    void timeAdjustSteps();
    void timeAdjustOkNormalises_data();
    void timeAdjustOkNormalises();
    void timeAdjustTextsAndExitItem();
    void timeAdjustEscape_data();
    void timeAdjustEscape();

    void timeSetClosing_data();
    void timeSetClosing();
    void timeSetEscapeStaysOpen();

    void useTimeSetForm();
    void useMemoSetForm();

    void fieldsRefuseWhatCannotBeStored_data();
    void fieldsRefuseWhatCannotBeStored();

    void waitingForm();
    void messageHookAnswersInOrder();
};

class PasswordTest final : public QObject {
    Q_OBJECT

private slots:
    void init();

    void rule_data();
    void rule();
    void prompt_data();
    void prompt();
    void focusTimerTakesFocus();
    void change_data();
    void change();
};
