#include <optional>

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "platform/message_box.h"
#include "platform/qt_helpers.h"
#include "platform/text_convert.h"
#include "settings/ui/pass.h"
#include "settings/ui/pass_change_form.h"
#include "settings/ui/password_prompt.h"
#include "settings/ui/password_rule.h"
#include "settings/ui/prompt_answers.h"
#include "settings/ui/test_classes.h"

using namespace tkv;

using test::AnswerPrompts;
using test::PromptCount;
using test::U;
using test::WhenModal;

void PasswordTest::init() {
    platform::testing::ResetMessageHook();
}

void PasswordTest::rule_data() {
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<bool>("matches");
    QTest::newRow("same") << "Secret"
                          << "Secret" << true;
    QTest::newRow("ASCII case ignored") << "sEcReT1"
                                        << "SecRet1" << true;
    QTest::newRow("trailing blank counts") << "Secret "
                                           << "Secret" << false;
    QTest::newRow("full-width case counts") << U("ａｂｃ") << U("ＡＢＣ") << false;
    QTest::newRow("full-width vs ASCII") << U("ＡＢＣ") << "ABC" << false;
    QTest::newRow("kana with ASCII case") << U("ぱすwd") << U("ぱすWD") << true;
    QTest::newRow("half vs full-width kana") << U("ｶﾅ") << U("カナ") << false;
    QTest::newRow("prefix only") << "Sec"
                                 << "Secret" << false;
    QTest::newRow("signs are not letters") << "["
                                           << "{" << false;
}

void PasswordTest::rule() {
    QFETCH(QString, entry);
    QFETCH(QString, expected);
    QFETCH(bool, matches);
    QCOMPARE(PasswordMatches(platform::ToUtf8(entry), platform::ToUtf8(expected)), matches);
    QCOMPARE(PasswordMatches(platform::ToUtf8(expected), platform::ToUtf8(entry)), matches);
}

void PasswordTest::prompt_data() {
    QTest::addColumn<QString>("expected");
    QTest::addColumn<QStringList>("entries");  // a null string presses Cancel
    QTest::addColumn<QList<int>>("errorAnswers");
    QTest::addColumn<bool>("accepted");

    const QList<int> none;
    const int ok = QMessageBox::Ok;
    const int cancel = QMessageBox::Cancel;
    QTest::newRow("no password: no prompt") << "" << QStringList{} << none << true;
    QTest::newRow("ASCII case ignored") << "Secret" << QStringList{"SECRET"} << none << true;
    QTest::newRow("Cancel in the prompt") << "Secret" << QStringList{QString()} << none << false;
    QTest::newRow("Cancel in the error box")
        << "Secret" << QStringList{"Secret "} << QList<int>{cancel} << false;
    QTest::newRow("right at the third try")
        << "Secret" << QStringList{"a", "b", "secret"} << QList<int>{ok, ok} << true;
    QTest::newRow("three wrong") << "Secret" << QStringList{"a", "b", "c"} << QList<int>{ok, ok, ok}
                                 << false;
    QTest::newRow("Cancel on the second showing")
        << U("ＡＢＣ") << QStringList{U("ａｂｃ"), QString()} << QList<int>{ok} << false;
}

void PasswordTest::prompt() {
    QFETCH(QString, expected);
    QFETCH(QStringList, entries);
    QFETCH(QList<int>, errorAnswers);
    QFETCH(bool, accepted);

    TPass prompt;
    for (int a : errorAnswers)
        platform::testing::QueueMessageAnswer(static_cast<QMessageBox::StandardButton>(a));
    int shown = 0;
    struct ShowCounter final : QObject {
        int* count;
        explicit ShowCounter(int* c) : count(c) {}
        bool eventFilter(QObject*, QEvent* e) override {
            if (e->type() == QEvent::Show)
                ++*count;
            return false;
        }
    } counter(&shown);
    prompt.installEventFilter(&counter);

    PromptCount count;
    AnswerPrompts(prompt, entries, &count);
    QCOMPARE(AskPassword(nullptr, prompt, expected), accepted);
    QCOMPARE(shown, int(entries.size()));
    QCOMPARE(count.notCleared, 0);
    const auto log = platform::testing::TakeMessageLog();
    QCOMPARE(int(log.size()), int(errorAnswers.size()));
    for (const auto& m : log) {
        QCOMPARE(m.caption, U("ﾊﾟｽﾜｰﾄﾞｴﾗｰ"));
        QCOMPARE(m.text, U("ﾊﾟｽﾜｰﾄﾞが違います。"));
        QCOMPARE(m.buttons, QMessageBox::Ok | QMessageBox::Cancel);
    }
}

void PasswordTest::focusTimerTakesFocus() {
    TPass prompt;
    auto* timer = prompt.findChild<QTimer*>("FocusTimer");
    QCOMPARE(timer->interval(), 100);
    QVERIFY(!timer->isActive());
    QVERIFY(prompt.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    prompt.show();
    QVERIFY(timer->isActive());
    QTRY_VERIFY_WITH_TIMEOUT(!timer->isActive(), 1000);
    QTRY_COMPARE(QApplication::focusWidget(), prompt.findChild<QLineEdit*>("PassEdit"));
}

void PasswordTest::change_data() {
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::addColumn<bool>("mismatch");
    QTest::addColumn<std::optional<QString>>("result");
    QTest::newRow("same entries") << "newPw"
                                  << "newPw" << false << std::optional<QString>(QString("newPw"));
    QTest::newRow("both empty remove it") << ""
                                          << "" << false << std::optional<QString>(QString(""));
    QTest::newRow("case counts here") << "abc"
                                      << "ABC" << true << std::optional<QString>();
}

void PasswordTest::change() {
    QFETCH(QString, first);
    QFETCH(QString, second);
    QFETCH(bool, mismatch);
    QFETCH(std::optional<QString>, result);

    TPassChangeForm form;
    if (mismatch)
        platform::testing::QueueMessageAnswer(QMessageBox::Ok);
    QStringList startedWith;
    bool openAfterMismatch = false;
    WhenModal(form, [&](QDialog& dialog) {
        auto* edit1 = dialog.findChild<QLineEdit*>("PassEdit1");
        auto* edit2 = dialog.findChild<QLineEdit*>("PassEdit2");
        startedWith = {edit1->text(), edit2->text()};
        edit1->setText(first);
        edit2->setText(second);
        dialog.findChild<QPushButton*>("OkButton")->click();
        if (mismatch) {
            openAfterMismatch = dialog.isVisible();
            dialog.findChild<QPushButton*>("CancelButton")->click();
        }
    });
    const std::optional<QString> changed = ChangePassword(form, U("old"));
    QCOMPARE(startedWith, (QStringList{"old", "old"}));
    QCOMPARE(openAfterMismatch, mismatch);
    QCOMPARE(changed.has_value(), result.has_value());
    if (result)
        QCOMPARE(*changed, *result);
    const auto log = platform::testing::TakeMessageLog();
    QCOMPARE(int(log.size()), mismatch ? 1 : 0);
    if (mismatch) {
        QCOMPARE(log[0].text, U("入力された2つのﾊﾟｽﾜｰﾄﾞが異なります。"));
        QCOMPARE(log[0].icon, QMessageBox::Critical);
    }
}
