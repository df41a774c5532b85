#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

#include "platform/message_box.h"
#include "platform/qt_helpers.h"
#include "platform/waiting_form.h"
#include "settings/settings.h"
#include "settings/ui/single_line_edit.h"
#include "settings/ui/test_classes.h"
#include "settings/ui/time_adjust.h"
#include "settings/ui/time_set.h"
#include "settings/ui/use_memo_set_form.h"
#include "settings/ui/use_time_set_form.h"

using namespace tkv;

using test::Child;
using test::U;

void DialogsTest::init() {
    platform::testing::ResetMessageHook();
}

void DialogsTest::timeAdjustSteps_data() {
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("adjustSelect");
    QTest::addColumn<int>("unitIndex");
    QTest::addColumn<QString>("start");
    QTest::addColumn<bool>("up");
    QTest::addColumn<QString>("expected");

    QTest::newRow("15-minute unit forward") << 0 << 1 << 3 << " 8:07" << true << " 8:22";
    QTest::newRow("no rounding: one minute whatever the unit")
        << 0 << 0 << 6 << " 8:07" << true << " 8:08";
    QTest::newRow("never below zero") << 1 << 2 << 0 << " 0:03" << false << " 0:00";
    QTest::newRow("leaving uses the leaving unit") << 1 << 3 << 6 << "17:10" << true << "18:10";
    QTest::newRow("past midnight keeps counting") << 1 << 1 << 5 << "23:45" << true << "24:15";
    QTest::newRow("stops at two days") << 0 << 1 << 6 << "2879:30" << true << "2880:00";
    QTest::newRow("unreadable counts as zero") << 0 << 1 << 0 << "abc" << true << " 0:05";
}

void DialogsTest::timeAdjustSteps() {
    QFETCH(int, mode);
    QFETCH(int, adjustSelect);
    QFETCH(int, unitIndex);
    QFETCH(QString, start);
    QFETCH(bool, up);
    QFETCH(QString, expected);

    // The other mode's unit is set differently, so a mix-up shows.
    Settings settings;
    settings.StartAdjustSelect = static_cast<RoundMethod>(mode == 0 ? adjustSelect : 1);
    settings.StartTime2 = mode == 0 ? unitIndex : 1;
    settings.EndAdjustSelect = static_cast<RoundMethod>(mode == 1 ? adjustSelect : 1);
    settings.EndTime2 = mode == 1 ? unitIndex : 1;
    TTimeAdjust dialog(settings);
    dialog.setMode(mode);
    dialog.setTimeText(start);
    dialog.show();
    Child<QToolButton>(dialog, up ? "SpeedButtonUp" : "DownSpeedButton")->click();
    QCOMPARE(dialog.timeText(), expected);
}

void DialogsTest::timeAdjustOkNormalises_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("byEnter");
    QTest::addColumn<QString>("expected");
    QTest::newRow("digits only") << "830" << false << " 8:30";
    QTest::newRow("unreadable") << "abc" << false << " 0:00";
    QTest::newRow("empty") << "" << false << " 0:00";
    QTest::newRow("Enter in the field is OK") << "1745" << true << "17:45";
}

void DialogsTest::timeAdjustOkNormalises() {
    QFETCH(QString, typed);
    QFETCH(bool, byEnter);
    QFETCH(QString, expected);
    Settings settings;
    TTimeAdjust dialog(settings);
    dialog.setMode(1);
    dialog.show();
    auto* field = Child<QLineEdit>(dialog, "TimeMemo");
    field->setText(typed);
    if (byEnter) {
        QTest::keyClick(field, Qt::Key_Return);
    } else {
        Child<QPushButton>(dialog, "OkButton")->click();
    }
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.timeText(), expected);
}

void DialogsTest::timeAdjustTextsAndExitItem() {
    Settings settings;
    TTimeAdjust dialog(settings);
    std::vector<bool> exitItem;
    dialog.setExitCommandEnabler([&](bool on) { exitItem.push_back(on); });
    dialog.setDateLabel(U("5月12日(月)"));
    dialog.setNowText(U(" 8:07"));
    dialog.setTimeText(U(" 8:10"));

    dialog.setMode(1);
    dialog.show();
    QCOMPARE(dialog.windowTitle(), U("退社時刻自動入力"));
    QCOMPARE(Child<QGroupBox>(dialog, "AdjustGroupBox")->title(), U("退社時刻"));
    QCOMPARE(Child<QLabel>(dialog, "HelpLabel")->text(),
             U("5月12日(月)の退社時刻を自動入力します。"));
    QCOMPARE(exitItem, (std::vector<bool>{false}));
    Child<QPushButton>(dialog, "CancelButton")->click();
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QCOMPARE(exitItem, (std::vector<bool>{false, true}));

    dialog.setMode(0);
    dialog.show();
    QCOMPARE(dialog.windowTitle(), U("出社時刻自動入力"));
    QCOMPARE(Child<QLabel>(dialog, "HelpLabel")->text(),
             U("5月12日(月)の出社時刻を自動入力します。"));
    QCOMPARE(Child<QLineEdit>(dialog, "NowMemo")->text(), U(" 8:07"));
    QVERIFY(Child<QLineEdit>(dialog, "NowMemo")->isReadOnly());
}

void DialogsTest::timeAdjustEscape_data() {
    QTest::addColumn<int>("mode");
    QTest::addColumn<bool>("staysOpen");
    QTest::newRow("arrival: the program's Esc action") << 0 << true;
    QTest::newRow("leaving: cancels") << 1 << false;
}

void DialogsTest::timeAdjustEscape() {
    QFETCH(int, mode);
    QFETCH(bool, staysOpen);
    Settings settings;
    TTimeAdjust dialog(settings);
    int escapes = 0;
    dialog.setEscapeAction([&] { ++escapes; });
    dialog.setMode(mode);
    dialog.show();
    QTest::keyClick(Child<QLineEdit>(dialog, "TimeMemo"), Qt::Key_Escape);
    QCOMPARE(dialog.isVisible(), staysOpen);
    QCOMPARE(escapes, staysOpen ? 1 : 0);
}

void DialogsTest::timeSetClosing_data() {
    QTest::addColumn<bool>("byCloseBox");
    QTest::newRow("Enter in the field") << false;
    QTest::newRow("close box") << true;
}

void DialogsTest::timeSetClosing() {
    QFETCH(bool, byCloseBox);
    TTimeSet dialog;
    dialog.setColumn(U("深夜残業時間"), U("5月12日(月)"));
    QCOMPARE(dialog.windowTitle(), U("深夜残業時間入力"));
    QCOMPARE(Child<QCheckBox>(dialog, "NoCalcCheckBox")->text(),
             U("深夜残業時間を[再計算]の対象外とする"));
    QCOMPARE(Child<QCheckBox>(dialog, "NoCalcCheckBox")->toolTip(),
             U("ﾁｪｯｸすると深夜残業時間が[再計算]の対象外となります。"));
    QCOMPARE(Child<QLabel>(dialog, "ZanTimeLabel")->text(), U("5月12日(月)の深夜残業時間"));
    dialog.setTimeText(U(" 1:00"));
    dialog.show();

    Child<QCheckBox>(dialog, "NoCalcCheckBox")->setChecked(true);
    Child<QCheckBox>(dialog, "HouteiKyujituCheckBox")->setChecked(true);
    auto* field = Child<QLineEdit>(dialog, "ZanTimeMemo");
    field->setText(U(" 2:30"));
    if (byCloseBox) {
        QVERIFY(dialog.close());
    } else {
        QTest::keyClick(field, Qt::Key_Return);
    }
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QVERIFY(dialog.noCalc());
    QVERIFY(dialog.legalHoliday());
    QCOMPARE(dialog.timeText(), U(" 2:30"));
}

void DialogsTest::timeSetEscapeStaysOpen() {
    TTimeSet dialog;
    int escapes = 0;
    dialog.setEscapeAction([&] { ++escapes; });
    dialog.show();
    // Enter on a check box must not end the entry either.
    QTest::keyClick(Child<QCheckBox>(dialog, "NoCalcCheckBox"), Qt::Key_Return);
    QTest::keyClick(Child<QLineEdit>(dialog, "ZanTimeMemo"), Qt::Key_Escape);
    QVERIFY(dialog.isVisible());
    QCOMPARE(escapes, 1);
}

void DialogsTest::useTimeSetForm() {
    Settings settings;
    settings.UseTime = {"8:30", "", "abc", "17:30", "  ", "25:00"};
    int saves = 0;
    TUseTimeSetForm dialog(settings, [&] { ++saves; });
    dialog.show();
    const QStringList shown{" 8:30", "", " 0:00", "17:30", "", "25:00"};
    for (int k = 1; k <= 6; ++k)
        QCOMPARE(
            Child<QLineEdit>(dialog, qPrintable(QStringLiteral("UseTime%1Memo").arg(k)))->text(),
            shown[k - 1]);

    // Cancel leaves the settings alone and saves nothing.
    Child<QLineEdit>(dialog, "UseTime1Memo")->setText("930");
    Child<QPushButton>(dialog, "CancelButton")->click();
    QCOMPARE(settings.UseTime[0], std::string("8:30"));
    QCOMPARE(saves, 0);

    dialog.show();
    QCOMPARE(Child<QLineEdit>(dialog, "UseTime1Memo")->text(), U(" 8:30"));
    const QStringList typed{"abc", "   ", "1730", "", " 7:05 ", "-1:00"};
    for (int k = 1; k <= 6; ++k)
        Child<QLineEdit>(dialog, qPrintable(QStringLiteral("UseTime%1Memo").arg(k)))
            ->setText(typed[k - 1]);
    QTest::keyClick(Child<QLineEdit>(dialog, "UseTime6Memo"),
                    Qt::Key_Return);  // "登 録" is the default
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(saves, 1);
    const std::array<std::string, 6> stored{" 0:00", "", "17:30", "", " 7:05", "-1:00"};
    QCOMPARE(settings.UseTime, stored);
}

void DialogsTest::useMemoSetForm() {
    Settings settings;
    settings.UseMemo[0] = "出張";
    int saves = 0;
    TUseMemoSetForm dialog(settings, [&] { ++saves; });
    dialog.show();
    QCOMPARE(Child<QLineEdit>(dialog, "UseMemo1Memo")->text(), U("出張"));
    Child<QLineEdit>(dialog, "UseMemo1Memo")->setText(U("  会議  "));
    Child<QLineEdit>(dialog, "UseMemo10Memo")->setText(U("在宅"));
    Child<QPushButton>(dialog, "OkButton")->click();
    QCOMPARE(saves, 1);
    QCOMPARE(settings.UseMemo[0], std::string("会議"));
    QCOMPARE(settings.UseMemo[9], std::string("在宅"));
    QCOMPARE(settings.UseMemo[1], std::string());
}

void DialogsTest::fieldsRefuseWhatCannotBeStored_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("paste");
    QTest::addColumn<QString>("kept");
    QTest::addColumn<QString>("refused");
    QTest::newRow("Japanese is kept") << U("会議ｶﾅ①") << false << U("会議ｶﾅ①") << "";
    QTest::newRow("Hangul is refused") << U("会한議") << false << U("会議") << U("한");
    QTest::newRow("emoji (two UTF-16 units)") << U("a😀b") << true << U("ab") << U("😀");
    QTest::newRow("pasted line break") << U("朝\r\n会") << true << U("朝会") << U("\n");
    QTest::newRow("pasted tab") << U("朝\t会") << true << U("朝会") << U("\t");
    QTest::newRow("pasted delete") << U("朝\x7f会") << true << U("朝会") << U("\x7f");
}

void DialogsTest::fieldsRefuseWhatCannotBeStored() {
    QFETCH(QString, typed);
    QFETCH(bool, paste);
    QFETCH(QString, kept);
    QFETCH(QString, refused);
    SingleLineEdit edit;
    QSignalSpy spy(&edit, &SingleLineEdit::refused);
    edit.show();
    if (paste) {
        QApplication::clipboard()->setText(typed);
        edit.paste();
    } else {
        for (const QChar c : typed) {
            QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
            QApplication::sendEvent(&edit, &press);
        }
    }
    QCOMPARE(edit.text(), kept);
    if (refused.isEmpty()) {
        QCOMPARE(spy.count(), 0);
    } else {
        QVERIFY(spy.count() >= 1);
        QCOMPARE(spy.first().first().toString(), refused);
    }
}

void DialogsTest::waitingForm() {
    QWidget caller;
    caller.setGeometry(200, 150, 600, 400);
    caller.show();
    platform::TWaitingForm form;
    form.begin(&caller, U("登録中"), 366);
    QVERIFY(form.isVisible());
    QCOMPARE(form.windowTitle(), U("登録中"));
    QCOMPARE(form.panelText(), U("登録中です。しばらくお待ちください。"));
    QCOMPARE(form.steps(), 366);
    QCOMPARE(form.position(), 0);
    QVERIFY((form.frameGeometry().center() - caller.frameGeometry().center()).manhattanLength() <=
            4);
    form.step();
    form.step(9);
    QCOMPARE(form.position(), 10);
    form.setPosition(1000);
    QCOMPARE(form.position(), 366);
    form.finish();
    QVERIFY(!form.isVisible());
}

void DialogsTest::messageHookAnswersInOrder() {
    platform::testing::QueueMessageAnswer(QMessageBox::No);
    platform::testing::QueueMessageAnswer(QMessageBox::Cancel);
    QCOMPARE(platform::ShowMessage(
                 nullptr, U("保存確認"), U("ﾃﾞｰﾀが変更されています。保存しますか？"),
                 QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Question),
             QMessageBox::No);
    QCOMPARE(platform::ShowMessage(nullptr, U("b"), U("second"),
                                   QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Warning),
             QMessageBox::Cancel);
    const auto log = platform::testing::TakeMessageLog();
    QCOMPARE(log.size(), std::size_t(2));
    QCOMPARE(log[0].caption, U("保存確認"));
    QCOMPARE(log[1].text, U("second"));
    QCOMPARE(log[1].icon, QMessageBox::Warning);
    QVERIFY(platform::testing::TakeMessageLog().empty());
}
