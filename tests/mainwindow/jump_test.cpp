#include "mainwindow/jump.h"

#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

#include "platform/qt_helpers.h"

namespace tkv {

using test::Child;
using test::U;

class JumpTest final : public QObject {
    Q_OBJECT
private slots:
    void clamp_data();
    void clamp();
    void fieldsShowTheGivenMonth();
    void yearFieldFocusedAndSelectedOnEveryShow_data();
    void yearFieldFocusedAndSelectedOnEveryShow();
    void enterInAFieldKeepsTheDialogOpen_data();
    void enterInAFieldKeepsTheDialogOpen();
    void buttonsEndTheDialog_data();
    void buttonsEndTheDialog();
    void enterOnTheButtonRowMoves_data();
    void enterOnTheButtonRowMoves();
    void clampedTargetWritesBack_data();
    void clampedTargetWritesBack();
    void escapeRunsTheActionAndStaysOpen_data();
    void escapeRunsTheActionAndStaysOpen();
    void escapeWithoutActionIsHarmless();
    void cancelButtonCoversTheEscButton();
    void placedOverTheMainWindow();
};

void JumpTest::clamp_data() {
    QTest::addColumn<QString>("yearText");
    QTest::addColumn<QString>("monthText");
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("month");
    QTest::newRow("plain month") << "2024"
                                 << "5" << 2024 << 5;
    QTest::newRow("lowest month kept") << "1990"
                                       << "1" << 1990 << 1;
    QTest::newRow("highest month kept") << "2090"
                                        << "12" << 2090 << 12;
    QTest::newRow("too early, month too large") << "1985"
                                                << "13" << 1990 << 12;
    QTest::newRow("too late, month zero") << "2091"
                                          << "0" << 2090 << 1;
    QTest::newRow("negative") << "-2024"
                              << "-3" << 1990 << 1;
    QTest::newRow("not numbers") << "x"
                                 << "x" << 1990 << 1;
    QTest::newRow("empty") << ""
                           << "" << 1990 << 1;
    QTest::newRow("blanks only") << "   "
                                 << " " << 1990 << 1;
    QTest::newRow("leading and trailing blanks") << "  2023"
                                                 << "7  " << 2023 << 7;
    QTest::newRow("full-width digits") << "２０２４"
                                       << "１１" << 2024 << 11;
    QTest::newRow("with unit characters") << "2024年"
                                          << "5月" << 1990 << 1;
    QTest::newRow("decimal") << "2024.5"
                             << "5.5" << 1990 << 1;
    QTest::newRow("beyond int is unreadable") << "99999999999"
                                              << "99999999999" << 1990 << 1;
    QTest::newRow("large but readable") << "99999"
                                        << "99" << 2090 << 12;
}

void JumpTest::clamp() {
    QFETCH(QString, yearText);
    QFETCH(QString, monthText);
    QFETCH(int, year);
    QFETCH(int, month);
    const JumpTarget t = ClampJumpTarget(yearText.toStdString(), monthText.toStdString());
    QCOMPARE(t.year, year);
    QCOMPARE(t.month, month);
}

void JumpTest::fieldsShowTheGivenMonth() {
    TJump dialog(2024, 4);
    QCOMPARE(dialog.objectName(), QString("TJump"));
    QCOMPARE(dialog.windowTitle(), U("指定月へ移動"));
    QCOMPARE(Child<QLineEdit>(dialog, "YearMemo")->text(), QString("2024"));
    QCOMPARE(Child<QLineEdit>(dialog, "MonthMemo")->text(), QString("4"));
    dialog.setMonth(2025, 12);
    QCOMPARE(Child<QLineEdit>(dialog, "YearMemo")->text(), QString("2025"));
    QCOMPARE(Child<QLineEdit>(dialog, "MonthMemo")->text(), QString("12"));
    QCOMPARE(Child<QPushButton>(dialog, "OkButton")->text(), U("移動"));
    QVERIFY(Child<QPushButton>(dialog, "OkButton")->isDefault());
}

void JumpTest::yearFieldFocusedAndSelectedOnEveryShow_data() {
    QTest::addColumn<QString>("leftOn");
    QTest::newRow("focus left on the month") << "MonthMemo";
    QTest::newRow("focus left on the year") << "YearMemo";
    QTest::newRow("focus left on cancel") << "CancelButton";
}

void JumpTest::yearFieldFocusedAndSelectedOnEveryShow() {
    QFETCH(QString, leftOn);
    TJump dialog(2024, 4);
    auto* year = Child<QLineEdit>(dialog, "YearMemo");
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    QCOMPARE(dialog.focusWidget(), year);
    QTRY_COMPARE(year->selectedText(), QString("2024"));

    // The user moves on, types, then closes; the next opening starts over.
    Child<QWidget>(dialog, qPrintable(leftOn))->setFocus();
    QCoreApplication::processEvents();
    year->setText("2031");
    year->deselect();
    dialog.hide();
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    QCOMPARE(dialog.focusWidget(), year);
    QTRY_COMPARE(year->selectedText(), QString("2031"));
}

void JumpTest::enterInAFieldKeepsTheDialogOpen_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::newRow("Return in the year") << "YearMemo" << int(Qt::Key_Return) << int(Qt::NoModifier);
    QTest::newRow("keypad Enter in the year")
        << "YearMemo" << int(Qt::Key_Enter) << int(Qt::KeypadModifier);
    QTest::newRow("Return in the month")
        << "MonthMemo" << int(Qt::Key_Return) << int(Qt::NoModifier);
    QTest::newRow("keypad Enter in the month")
        << "MonthMemo" << int(Qt::Key_Enter) << int(Qt::KeypadModifier);
}

void JumpTest::enterInAFieldKeepsTheDialogOpen() {
    QFETCH(QString, field);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    TJump dialog(2024, 4);
    QSignalSpy finished(&dialog, &QDialog::finished);
    dialog.show();
    auto* edit = Child<QLineEdit>(dialog, qPrintable(field));
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QVERIFY(dialog.isVisible());
    QCOMPARE(finished.count(), 0);
}

void JumpTest::buttonsEndTheDialog_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<bool>("byEnter");
    QTest::addColumn<int>("result");
    QTest::newRow("click 移動") << "OkButton" << false << int(QDialog::Accepted);
    QTest::newRow("Enter on 移動") << "OkButton" << true << int(QDialog::Accepted);
    QTest::newRow("click ｷｬﾝｾﾙ") << "CancelButton" << false << int(QDialog::Rejected);
    QTest::newRow("Enter on ｷｬﾝｾﾙ") << "CancelButton" << true << int(QDialog::Rejected);
}

// Reached by Tab from the fields, "移動" takes Enter and the keypad's Enter.
void JumpTest::enterOnTheButtonRowMoves_data() {
    QTest::addColumn<int>("key");
    QTest::newRow("Return") << int(Qt::Key_Return);
    QTest::newRow("keypad Enter") << int(Qt::Key_Enter);
}

void JumpTest::enterOnTheButtonRowMoves() {
    QFETCH(int, key);
    TJump dialog(2024, 4);
    QSignalSpy finished(&dialog, &QDialog::finished);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    auto* month = Child<QLineEdit>(dialog, "MonthMemo");
    month->setFocus();
    QTest::keyClick(month, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), Child<QPushButton>(dialog, "OkButton"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
    QCOMPARE(finished.count(), 1);
    QCOMPARE(finished.first().first().toInt(), int(QDialog::Accepted));
}

void JumpTest::buttonsEndTheDialog() {
    QFETCH(QString, button);
    QFETCH(bool, byEnter);
    QFETCH(int, result);
    TJump dialog(2024, 4);
    QSignalSpy finished(&dialog, &QDialog::finished);
    int escapes = 0;
    dialog.setEscapeAction([&] { ++escapes; });
    dialog.show();
    auto* b = Child<QPushButton>(dialog, qPrintable(button));
    if (byEnter) {
        b->setFocus();
        QTest::keyClick(b, Qt::Key_Return);
    } else {
        QTest::mouseClick(b, Qt::LeftButton);
    }
    QVERIFY(!dialog.isVisible());
    QCOMPARE(finished.count(), 1);
    QCOMPARE(finished.at(0).at(0).toInt(), result);
    QCOMPARE(escapes, 0);
}

void JumpTest::clampedTargetWritesBack_data() {
    QTest::addColumn<QString>("yearText");
    QTest::addColumn<QString>("monthText");
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("month");
    QTest::newRow("in range, blanks dropped") << " 2026"
                                              << "03" << 2026 << 3;
    QTest::newRow("out of range") << "1985"
                                  << "13" << 1990 << 12;
    QTest::newRow("unreadable") << "x"
                                << "" << 1990 << 1;
    QTest::newRow("full-width") << "２０９１"
                                << "０" << 2090 << 1;
}

void JumpTest::clampedTargetWritesBack() {
    QFETCH(QString, yearText);
    QFETCH(QString, monthText);
    QFETCH(int, year);
    QFETCH(int, month);
    TJump dialog(2024, 4);
    auto* yearEdit = Child<QLineEdit>(dialog, "YearMemo");
    auto* monthEdit = Child<QLineEdit>(dialog, "MonthMemo");
    dialog.show();
    yearEdit->setText(yearText);
    monthEdit->setText(monthText);
    Child<QPushButton>(dialog, "OkButton")->click();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    const JumpTarget t = dialog.clampedTarget();
    QCOMPARE(t.year, year);
    QCOMPARE(t.month, month);
    QCOMPARE(yearEdit->text(), QString::number(year));
    QCOMPARE(monthEdit->text(), QString::number(month));

    // The next opening shows the month last gone to.
    dialog.show();
    QCOMPARE(yearEdit->text(), QString::number(year));
    QCOMPARE(monthEdit->text(), QString::number(month));
}

void JumpTest::escapeRunsTheActionAndStaysOpen_data() {
    QTest::addColumn<QString>("from");
    QTest::newRow("in the year") << "YearMemo";
    QTest::newRow("in the month") << "MonthMemo";
    QTest::newRow("on 移動") << "OkButton";
    QTest::newRow("on ｷｬﾝｾﾙ") << "CancelButton";
}

void JumpTest::escapeRunsTheActionAndStaysOpen() {
    QFETCH(QString, from);
    TJump dialog(2024, 4);
    QSignalSpy finished(&dialog, &QDialog::finished);
    int escapes = 0;
    dialog.setEscapeAction([&] { ++escapes; });
    dialog.show();
    QWidget* w = Child<QWidget>(dialog, qPrintable(from));
    w->setFocus();
    QTest::keyClick(w, Qt::Key_Escape);
    QCOMPARE(escapes, 1);
    QVERIFY(dialog.isVisible());
    QCOMPARE(finished.count(), 0);
    QCOMPARE(Child<QLineEdit>(dialog, "YearMemo")->text(), QString("2024"));
}

void JumpTest::escapeWithoutActionIsHarmless() {
    TJump dialog(2024, 4);
    dialog.show();
    QTest::keyClick(Child<QLineEdit>(dialog, "YearMemo"), Qt::Key_Escape);
    Child<QPushButton>(dialog, "EscButton")->click();
    QVERIFY(dialog.isVisible());
}

void JumpTest::cancelButtonCoversTheEscButton() {
    TJump dialog(2024, 4);
    dialog.show();
    auto* cancel = Child<QPushButton>(dialog, "CancelButton");
    auto* esc = Child<QPushButton>(dialog, "EscButton");
    // A click on ｷｬﾝｾﾙ must reach ｷｬﾝｾﾙ, and Tab must never land on Esc.
    QCOMPARE(dialog.childAt(cancel->geometry().center()), cancel);
    QVERIFY(cancel->geometry().contains(esc->geometry()));
    QCOMPARE(esc->focusPolicy(), Qt::NoFocus);
}

void JumpTest::placedOverTheMainWindow() {
    TJump dialog;
    const QRect frame(100, 200, 801, 601);
    dialog.placeAtCentreOf(frame);
    QVERIFY((dialog.geometry().center() - frame.center()).manhattanLength() <= 2);
    // Bad frames only move it, never fail.
    dialog.placeAtCentreOf(QRect());
}

}  // namespace tkv

QTEST_MAIN(tkv::JumpTest)
#include "jump_test.moc"
