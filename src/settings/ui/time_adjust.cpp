#include "settings/ui/time_adjust.h"

#include <algorithm>

#include <QGroupBox>
#include <QHideEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QToolButton>

#include "base/text_util.h"
#include "platform/help_topic.h"
#include "platform/text_convert.h"
#include "settings/settings.h"
#include "settings/ui/dialog_parts.h"
#include "settings/ui/single_line_edit.h"

namespace tkv {

using platform::ToQString;

namespace {
// Two days: the largest time the buttons run up to.
constexpr int MaxShiftedMinutes = 172800;
}  // namespace

TTimeAdjust::TTimeAdjust(const Settings& settings, QWidget* parent)
    : QDialog(parent), m_settings(settings) {
    dialog_parts::MakeFixedDialog(*this, "TTimeAdjust", 341, 89);
    platform::SetHelpTopic(this, platform::HelpTopic::TimeAdjust);

    m_helpLabel = new QLabel(this);
    m_helpLabel->setObjectName("HelpLabel");
    m_helpLabel->setGeometry(8, 5, 325, 16);

    m_nowGroup = new QGroupBox(ToQString("現在時刻"), this);
    m_nowGroup->setObjectName("NowGroupBox");
    m_nowGroup->setGeometry(8, 23, 98, 58);
    m_nowMemo = new SingleLineEdit(m_nowGroup);
    m_nowMemo->setObjectName("NowMemo");
    m_nowMemo->setGeometry(10, 24, 78, 22);
    m_nowMemo->setReadOnly(true);
    m_nowMemo->setFocusPolicy(Qt::ClickFocus);
    m_nowMemo->setAlignment(Qt::AlignRight);
    m_nowMemo->setToolTip(ToQString("現在の時刻です。"));

    m_adjustGroup = new QGroupBox(this);
    m_adjustGroup->setObjectName("AdjustGroupBox");
    m_adjustGroup->setGeometry(114, 23, 120, 58);
    m_timeMemo = new SingleLineEdit(m_adjustGroup);
    m_timeMemo->setObjectName("TimeMemo");
    m_timeMemo->setGeometry(10, 24, 78, 22);
    m_timeMemo->setAlignment(Qt::AlignRight);
    m_timeMemo->setToolTip(ToQString("現在時刻から自動調整した時刻です。"));

    // Speed buttons: they act without taking the focus away from the field.
    auto makeSpeed = [this](const char* name, const char* text, const char* hint, int y) {
        auto* b = new QToolButton(m_adjustGroup);
        b->setObjectName(QString::fromLatin1(name));
        b->setText(QString::fromLatin1(text));
        b->setToolTip(ToQString(hint));
        b->setFocusPolicy(Qt::NoFocus);
        b->setAutoRaise(false);
        b->setGeometry(92, y, 20, 16);
        return b;
    };
    m_up = makeSpeed("SpeedButtonUp", "+", "時刻を進めます。", 19);
    m_down = makeSpeed("DownSpeedButton", "-", "時刻を遅らせます。", 36);

    m_ok = dialog_parts::MakeButton(this, "OkButton", ToQString("OK"), QRect(244, 27, 89, 25),
                                    ToQString("表示されている時刻を確定します。"));
    m_ok->setDefault(true);
    m_cancel =
        dialog_parts::MakeButton(this, "CancelButton", ToQString("ｷｬﾝｾﾙ"), QRect(244, 56, 89, 25),
                                 ToQString("自動入力をｷｬﾝｾﾙします。"));
    // Never seen or tabbed to: it only stands for the Esc key of arrival mode.
    m_esc = dialog_parts::MakeButton(this, "EscButton", ToQString("Esc"), m_cancel->geometry());
    m_esc->setFocusPolicy(Qt::NoFocus);
    m_esc->setAutoDefault(false);
    m_esc->stackUnder(m_cancel);

    connect(m_up, &QToolButton::clicked, this, &TTimeAdjust::SpeedButtonUpClick);
    connect(m_down, &QToolButton::clicked, this, &TTimeAdjust::DownSpeedButtonClick);
    connect(m_ok, &QPushButton::clicked, this, &TTimeAdjust::OkButtonClick);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_esc, &QPushButton::clicked, this, &TTimeAdjust::EscButtonClick);

    setTabOrder(m_timeMemo, m_ok);
    setTabOrder(m_ok, m_cancel);
    ApplyTexts();
}

void TTimeAdjust::setMode(int mode) {
    m_mode = mode == Leaving ? Leaving : Arrival;
    ApplyTexts();
}

void TTimeAdjust::setDateLabel(const QString& dateLabel) {
    m_dateLabel = dateLabel;
    ApplyTexts();
}

void TTimeAdjust::setNowText(const QString& text) {
    m_nowMemo->setText(text);
}
void TTimeAdjust::setTimeText(const QString& text) {
    m_timeMemo->setText(text);
}
QString TTimeAdjust::timeText() const {
    return m_timeMemo->text();
}

int TTimeAdjust::stepMinutes() const {
    // Without rounding the buttons move by single minutes, whatever unit is stored.
    if (m_mode == Leaving)
        return m_settings.EndAdjustSelect != RoundMethod::None ? UnitMinutes(m_settings.EndTime2)
                                                               : 1;
    return m_settings.StartAdjustSelect != RoundMethod::None ? UnitMinutes(m_settings.StartTime2)
                                                             : 1;
}

void TTimeAdjust::ApplyTexts() {
    const QString kind = m_mode == Leaving ? ToQString("退社時刻") : ToQString("出社時刻");
    setWindowTitle(kind + ToQString("自動入力"));
    m_adjustGroup->setTitle(kind);
    m_helpLabel->setText(m_dateLabel + ToQString("の") + kind + ToQString("を自動入力します。"));
}

// Spontaneous show and hide events come from minimising and restoring the
// program while the dialog stays open; only the real opening and closing count.
void TTimeAdjust::showEvent(QShowEvent* event) {
    if (!event->spontaneous()) {
        ApplyTexts();
        dialog_parts::CentreOnScreen(*this);
        if (m_enableExit)
            m_enableExit(false);
    }
    QDialog::showEvent(event);
    if (!event->spontaneous())
        m_ok->setFocus();
}

void TTimeAdjust::hideEvent(QHideEvent* event) {
    QDialog::hideEvent(event);
    if (!event->spontaneous() && m_enableExit)
        m_enableExit(true);
}

void TTimeAdjust::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        if (m_mode == Arrival) {
            m_esc->click();  // stays open: the Esc action may send the program to the tray
        } else {
            reject();
        }
        return;
    }
    QDialog::keyPressEvent(event);
}

void TTimeAdjust::Shift(int direction) {
    const int v = StrToMinutes(platform::ToUtf8(m_timeMemo->text())) + direction * stepMinutes();
    m_timeMemo->setText(
        platform::ToQString(MinutesToStr(std::clamp(v, 0, MaxShiftedMinutes), 2, true)));
}

void TTimeAdjust::SpeedButtonUpClick() {
    Shift(+1);
}
void TTimeAdjust::DownSpeedButtonClick() {
    Shift(-1);
}

void TTimeAdjust::OkButtonClick() {
    m_timeMemo->setText(platform::ToQString(
        MinutesToStr(StrToMinutes(platform::ToUtf8(m_timeMemo->text())), 2, true)));
    accept();
}

void TTimeAdjust::EscButtonClick() {
    if (m_escapeAction)
        m_escapeAction();
}

}  // namespace tkv
