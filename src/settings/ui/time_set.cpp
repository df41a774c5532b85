#include "settings/ui/time_set.h"

#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>

#include "platform/help_topic.h"
#include "platform/text_convert.h"
#include "settings/ui/dialog_parts.h"
#include "settings/ui/single_line_edit.h"

namespace tkv {

using platform::ToQString;

TTimeSet::TTimeSet(QWidget* parent) : QDialog(parent) {
    dialog_parts::MakeFixedDialog(*this, "TTimeSet", 269, 86);
    platform::SetHelpTopic(this, platform::HelpTopic::TimeSet);

    m_noCalc = new QCheckBox(this);
    m_noCalc->setObjectName("NoCalcCheckBox");
    m_noCalc->setGeometry(8, 6, 255, 18);
    m_legalHoliday = new QCheckBox(ToQString("法定休日である （給与計算で使用）"), this);
    m_legalHoliday->setObjectName("HouteiKyujituCheckBox");
    m_legalHoliday->setGeometry(8, 27, 255, 18);
    m_legalHoliday->setToolTip(ToQString("ﾁｪｯｸすると法定休日の単価で残業が計算されます。"));

    m_label = new QLabel(this);
    m_label->setObjectName("ZanTimeLabel");
    m_label->setGeometry(8, 58, 200, 16);

    // The hidden Esc button sits behind the field, as it has no place of its own.
    m_esc = dialog_parts::MakeButton(this, "EscButton", ToQString("Esc"), QRect(218, 55, 40, 22));
    m_esc->setFocusPolicy(Qt::NoFocus);
    m_esc->setAutoDefault(false);
    m_time = new SingleLineEdit(this);
    m_time->setObjectName("ZanTimeMemo");
    m_time->setGeometry(218, 55, 40, 22);
    m_time->setAlignment(Qt::AlignRight);
    m_esc->stackUnder(m_time);

    connect(m_time, &QLineEdit::returnPressed, this, &QDialog::accept);
    connect(m_esc, &QPushButton::clicked, this, &TTimeSet::EscButtonClick);

    setTabOrder(m_noCalc, m_legalHoliday);
    setTabOrder(m_legalHoliday, m_time);
    setColumn(ToQString("残業時間"), QString());
    m_label->setText(ToQString("99月99日(＊)の普通残業時間"));
}

void TTimeSet::setColumn(const QString& name, const QString& dateLabel) {
    setWindowTitle(name + ToQString("入力"));
    m_noCalc->setText(name + ToQString("を[再計算]の対象外とする"));
    m_noCalc->setToolTip(ToQString("ﾁｪｯｸすると") + name +
                         ToQString("が[再計算]の対象外となります。"));
    m_time->setToolTip(ToQString("任意の") + name + ToQString("を入力します。"));
    m_label->setText(dateLabel + ToQString("の") + name);
}

void TTimeSet::setNoCalc(bool on) {
    m_noCalc->setChecked(on);
}
bool TTimeSet::noCalc() const {
    return m_noCalc->isChecked();
}
void TTimeSet::setLegalHoliday(bool on) {
    m_legalHoliday->setChecked(on);
}
bool TTimeSet::legalHoliday() const {
    return m_legalHoliday->isChecked();
}
void TTimeSet::setLegalHolidayEnabled(bool on) {
    m_legalHoliday->setEnabled(on);
}
void TTimeSet::setTimeText(const QString& text) {
    m_time->setText(text);
}
QString TTimeSet::timeText() const {
    return m_time->text();
}

void TTimeSet::placeAtCentreOf(const QRect& frame) {
    move(frame.center() - QPoint(width() / 2, height() / 2));
}

void TTimeSet::reject() {
    accept();
}

void TTimeSet::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous())
        m_noCalc->setFocus();
}

void TTimeSet::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        m_esc->click();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TTimeSet::EscButtonClick() {
    if (m_escapeAction)
        m_escapeAction();
}

}  // namespace tkv
