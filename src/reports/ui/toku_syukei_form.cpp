#include "reports/ui/toku_syukei_form.h"

#include <QDateEdit>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>

#include "base/clock.h"
#include "platform/help_topic.h"
#include "platform/message_box.h"
#include "platform/text_convert.h"
#include "settings/ui/dialog_parts.h"

namespace tkv {

using platform::ToQString;

namespace {

QDate toQDate(const Date& d) {
    return {d.year, d.month, d.day};
}

Date fromQDate(const QDate& d) {
    return {d.year(), d.month(), d.day()};
}

QDateEdit* makePicker(QWidget* parent, const char* name, const char* hint, int x) {
    auto* picker = new QDateEdit(parent);
    picker->setObjectName(QString::fromLatin1(name));
    picker->setDisplayFormat(QStringLiteral("yyyy/MM/dd"));
    picker->setCalendarPopup(true);
    picker->setGeometry(x, 22, 112, 22);
    picker->setToolTip(ToQString(hint));
    return picker;
}

}  // namespace

TTokuSyukeiForm::TTokuSyukeiForm(const Clock& clock, QWidget* parent) : QDialog(parent) {
    dialog_parts::MakeFixedDialog(*this, "TTokuSyukeiForm", 290, 136);
    platform::SetHelpTopic(this, platform::HelpTopic::PeriodList);
    setWindowTitle(ToQString("任意期間一覧"));

    auto* group = new QGroupBox(ToQString("任意期間"), this);
    group->setObjectName("SpanGroupBox");
    group->setGeometry(8, 4, 274, 56);
    m_start = makePicker(group, "StartDateTimePicker", "残業一覧を表示する開始日。", 12);
    auto* tilde = new QLabel(ToQString("～"), group);
    tilde->setGeometry(128, 25, 18, 16);
    tilde->setAlignment(Qt::AlignCenter);
    m_end = makePicker(group, "EndDateTimePicker", "残業一覧を表示する終了日。", 150);

    auto* note = new QLabel(ToQString("任意の期間を 31日の範囲で入力してください。"), this);
    note->setObjectName("NotePanel");
    note->setGeometry(8, 66, 274, 26);
    note->setAlignment(Qt::AlignCenter);
    note->setFrameStyle(QFrame::Panel | QFrame::Sunken);

    m_ok = dialog_parts::MakeButton(this, "OkButton", ToQString("OK"), QRect(57, 101, 80, 25),
                                    ToQString("設定した期間の残業一覧を表示します。"));
    m_ok->setDefault(true);
    m_cancel =
        dialog_parts::MakeButton(this, "CancelButton", ToQString("ｷｬﾝｾﾙ"), QRect(153, 101, 80, 25),
                                 ToQString("任意期間一覧をｷｬﾝｾﾙします。"));
    // Never seen or tabbed to: it only stands for the Esc key.
    m_esc = dialog_parts::MakeButton(this, "EscButton", ToQString("Esc"), m_cancel->geometry());
    m_esc->setFocusPolicy(Qt::NoFocus);
    m_esc->setAutoDefault(false);
    m_esc->stackUnder(m_cancel);

    connect(m_ok, &QPushButton::clicked, this, &TTokuSyukeiForm::OkButtonClick);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_esc, &QPushButton::clicked, this, [this] {
        if (m_escapeAction)
            m_escapeAction();
    });

    setTabOrder(m_start, m_end);
    setTabOrder(m_end, m_ok);
    setTabOrder(m_ok, m_cancel);

    const DateTime now = clock.now();
    setSpan(CalendarMonthSpan({now.year, now.month, now.day}));
}

DaySpan TTokuSyukeiForm::span() const {
    return {fromQDate(m_start->date()), fromQDate(m_end->date())};
}

void TTokuSyukeiForm::setSpan(const DaySpan& span) {
    m_start->setDate(toQDate(span.start));
    m_end->setDate(toQDate(span.end));
}

void TTokuSyukeiForm::OkButtonClick() {
    if (!IsValidSpan(span())) {
        platform::ShowMessage(this, platform::ToQString(SpanErrorCaption),
                              platform::ToQString(SpanErrorText), QMessageBox::Ok,
                              QMessageBox::Critical);
        return;
    }
    accept();
}

void TTokuSyukeiForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // Spontaneous show events come from restoring the minimised program.
    if (event->spontaneous())
        return;
    dialog_parts::CentreOnScreen(*this);
    m_ok->setFocus();
}

void TTokuSyukeiForm::keyPressEvent(QKeyEvent* event) {
    // Esc would close the dialog; here it is the program's Esc action.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        m_esc->click();
        return;
    }
    QDialog::keyPressEvent(event);
}

}  // namespace tkv
