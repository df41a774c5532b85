#include "reports/ui/toku_syukei_form.h"

#include <QDateEdit>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

#include "base/clock.h"
#include "platform/help_topic.h"
#include "platform/message_box.h"
#include "platform/qt_helpers.h"

Q_DECLARE_METATYPE(tkv::DateTime)
Q_DECLARE_METATYPE(tkv::DaySpan)

namespace tkv {

using test::Child;
using test::U;
namespace msg = platform::testing;

class TokuSyukeiFormTest final : public QObject {
    Q_OBJECT
private slots:
    void init() { msg::ResetMessageHook(); }
    void cleanup() { msg::ResetMessageHook(); }

    void startsOnTheCurrentMonth_data();
    void startsOnTheCurrentMonth();
    void okChecksTheSpan_data();
    void okChecksTheSpan();
    void keepsItsDatesBetweenUses();
    void escapeRunsTheActionAndStaysOpen();
    void controls();
};

namespace {

DateTime at(int year, int month, int day) {
    return {year, month, day, 9, 0, 0};
}

}  // namespace

void TokuSyukeiFormTest::startsOnTheCurrentMonth_data() {
    QTest::addColumn<DateTime>("now");
    QTest::addColumn<DaySpan>("span");
    QTest::newRow("leap February") << at(2024, 2, 10) << DaySpan{{2024, 2, 1}, {2024, 2, 29}};
    QTest::newRow("New Year's Eve") << at(2023, 12, 31) << DaySpan{{2023, 12, 1}, {2023, 12, 31}};
    QTest::newRow("first of a short month")
        << at(2023, 4, 1) << DaySpan{{2023, 4, 1}, {2023, 4, 30}};
}

void TokuSyukeiFormTest::startsOnTheCurrentMonth() {
    QFETCH(DateTime, now);
    QFETCH(DaySpan, span);
    const FixedClock clock(now);
    TTokuSyukeiForm dialog(clock);
    QVERIFY(dialog.span() == span);
}

void TokuSyukeiFormTest::okChecksTheSpan_data() {
    QTest::addColumn<DaySpan>("span");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("one day") << DaySpan{{2024, 3, 15}, {2024, 3, 15}} << true;
    QTest::newRow("30 days after") << DaySpan{{2023, 12, 15}, {2024, 1, 14}} << true;
    QTest::newRow("31 days after") << DaySpan{{2023, 12, 15}, {2024, 1, 15}} << false;
    QTest::newRow("reversed") << DaySpan{{2024, 3, 15}, {2024, 3, 14}} << false;
}

void TokuSyukeiFormTest::okChecksTheSpan() {
    QFETCH(DaySpan, span);
    QFETCH(bool, accepted);
    const FixedClock clock(at(2024, 3, 1));
    TTokuSyukeiForm dialog(clock);
    QSignalSpy finished(&dialog, &QDialog::finished);
    dialog.setSpan(span);
    dialog.show();
    if (!accepted)
        msg::QueueMessageAnswer(QMessageBox::Ok);
    // Enter on a date field presses OK, the default button.
    QTest::keyClick(Child<QDateEdit>(dialog, "EndDateTimePicker"), Qt::Key_Return);

    const auto shown = msg::TakeMessageLog();
    if (accepted) {
        QVERIFY(shown.empty());
        QCOMPARE(finished.count(), 1);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
    } else {
        QCOMPARE(shown.size(), std::size_t(1));
        QCOMPARE(shown[0].caption, U("集計期間ｴﾗｰ"));
        QCOMPARE(shown[0].text, U("集計期間を正しく設定してください。"));
        QCOMPARE(shown[0].icon, QMessageBox::Critical);
        QVERIFY(dialog.isVisible());
        QCOMPARE(finished.count(), 0);
    }
    // Nothing was changed on the way.
    QVERIFY(dialog.span() == span);
}

// One dialog serves the whole run: what was picked last is offered again,
// also after "ｷｬﾝｾﾙ".
void TokuSyukeiFormTest::keepsItsDatesBetweenUses() {
    const FixedClock clock(at(2024, 3, 20));
    TTokuSyukeiForm dialog(clock);
    const DaySpan picked{{2024, 2, 25}, {2024, 3, 10}};

    test::WhenModal(dialog, [](QDialog& d) {
        Child<QDateEdit>(d, "StartDateTimePicker")->setDate(QDate(2024, 2, 25));
        Child<QDateEdit>(d, "EndDateTimePicker")->setDate(QDate(2024, 3, 10));
        QTest::mouseClick(Child<QPushButton>(d, "OkButton"), Qt::LeftButton);
    });
    QCOMPARE(dialog.exec(), int(QDialog::Accepted));
    QVERIFY(dialog.span() == picked);

    DaySpan offered;
    bool okFocused = false;
    test::WhenModal(dialog, [&](QDialog& d) {
        offered = static_cast<TTokuSyukeiForm&>(d).span();
        okFocused = Child<QPushButton>(d, "OkButton")->hasFocus();
        QTest::mouseClick(Child<QPushButton>(d, "CancelButton"), Qt::LeftButton);
    });
    QCOMPARE(dialog.exec(), int(QDialog::Rejected));
    QVERIFY(offered == picked);
    QVERIFY(okFocused);
}

void TokuSyukeiFormTest::escapeRunsTheActionAndStaysOpen() {
    const FixedClock clock(at(2024, 3, 1));
    TTokuSyukeiForm dialog(clock);
    QSignalSpy finished(&dialog, &QDialog::finished);
    int escapes = 0;
    dialog.setEscapeAction([&escapes] { ++escapes; });
    dialog.show();
    QTest::keyClick(Child<QDateEdit>(dialog, "StartDateTimePicker"), Qt::Key_Escape);
    QCOMPARE(escapes, 1);
    QVERIFY(dialog.isVisible());
    QCOMPARE(finished.count(), 0);
}

void TokuSyukeiFormTest::controls() {
    const FixedClock clock(at(2024, 3, 1));
    TTokuSyukeiForm dialog(clock);
    QCOMPARE(dialog.objectName(), QString("TTokuSyukeiForm"));
    QCOMPARE(dialog.windowTitle(), U("任意期間一覧"));
    QCOMPARE(platform::HelpTopicFor(&dialog), platform::HelpTopic::PeriodList);
    for (const char* name : {"StartDateTimePicker", "EndDateTimePicker"})
        QVERIFY(Child<QDateEdit>(dialog, name)->calendarPopup());
    QCOMPARE(Child<QDateEdit>(dialog, "StartDateTimePicker")->toolTip(),
             U("残業一覧を表示する開始日。"));
    QCOMPARE(Child<QDateEdit>(dialog, "EndDateTimePicker")->toolTip(),
             U("残業一覧を表示する終了日。"));
    QCOMPARE(Child<QLabel>(dialog, "NotePanel")->text(),
             U("任意の期間を 31日の範囲で入力してください。"));
    QVERIFY(Child<QPushButton>(dialog, "OkButton")->isDefault());
    QCOMPARE(Child<QPushButton>(dialog, "CancelButton")->text(), U("ｷｬﾝｾﾙ"));
}

}  // namespace tkv

QTEST_MAIN(tkv::TokuSyukeiFormTest)
#include "toku_syukei_form_test.moc"
