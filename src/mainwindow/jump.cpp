#include "mainwindow/jump.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>

#include "base/text_util.h"
#include "platform/help_topic.h"
#include "platform/text_convert.h"
#include "settings/ui/dialog_parts.h"
#include "settings/ui/single_line_edit.h"

namespace tkv {

using platform::ToQString;

JumpTarget ClampJumpTarget(const std::string& yearText, const std::string& monthText) {
    return {YearClamp(yearText), MonthClamp(monthText)};
}

TJump::TJump(QWidget* parent) : QDialog(parent) {
    dialog_parts::MakeFixedDialog(*this, "TJump", 209, 95);
    platform::SetHelpTopic(this, platform::HelpTopic::Jump);
    setWindowTitle(ToQString("指定月へ移動"));

    auto* help = new QLabel(ToQString("指定した月に移動します。"), this);
    help->setObjectName("HelpLabel");
    help->setGeometry(8, 8, 193, 16);

    auto makeField = [this](const char* name, const char* unit, const char* hint, int x,
                            int width) {
        auto* edit = new SingleLineEdit(this);
        edit->setObjectName(QString::fromLatin1(name));
        edit->setGeometry(x, 31, width, 22);
        edit->setAlignment(Qt::AlignRight);
        edit->setToolTip(ToQString(hint));
        edit->installEventFilter(this);
        auto* label = new QLabel(ToQString(unit), this);
        label->setGeometry(x + width + 4, 34, 16, 16);
        return edit;
    };
    m_year = makeField("YearMemo", "年", "移動したい年を入力します。", 24, 49);
    m_month = makeField("MonthMemo", "月", "移動したい月を入力します。", 105, 33);

    m_ok = dialog_parts::MakeButton(this, "OkButton", ToQString("移動"), QRect(34, 62, 80, 25),
                                    ToQString("指定した月に移動します。"));
    m_ok->setDefault(true);
    m_cancel = dialog_parts::MakeButton(this, "CancelButton", ToQString("ｷｬﾝｾﾙ"),
                                        QRect(121, 62, 80, 25), ToQString("移動をｷｬﾝｾﾙします。"));
    // Never seen or tabbed to: it only stands for the Esc key.
    m_esc = dialog_parts::MakeButton(this, "EscButton", ToQString("Esc"), m_cancel->geometry());
    m_esc->setFocusPolicy(Qt::NoFocus);
    m_esc->setAutoDefault(false);
    m_esc->stackUnder(m_cancel);

    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_esc, &QPushButton::clicked, this, &TJump::EscButtonClick);

    setTabOrder(m_year, m_month);
    setTabOrder(m_month, m_ok);
    setTabOrder(m_ok, m_cancel);
}

TJump::TJump(int year, int month, QWidget* parent) : TJump(parent) {
    setMonth(year, month);
}

void TJump::setMonth(int year, int month) {
    m_year->setText(QString::number(year));
    m_month->setText(QString::number(month));
}

void TJump::placeAtCentreOf(const QRect& frame) {
    move(frame.center() - QPoint(width() / 2, height() / 2));
}

JumpTarget TJump::clampedTarget() {
    const JumpTarget target =
        ClampJumpTarget(platform::ToUtf8(m_year->text()), platform::ToUtf8(m_month->text()));
    setMonth(target.year, target.month);
    return target;
}

// Spontaneous show events come from restoring the minimised program while
// the dialog stays open; only a real opening moves the focus back.
void TJump::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // The field selects its text as the focus comes in.
    if (!event->spontaneous())
        m_year->setFocus();
}

void TJump::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        m_esc->click();
        return;
    }
    QDialog::keyPressEvent(event);
}

// A line edit passes Enter on to the dialog, which would press the default
// button; half-typed numbers must not move the month, so the fields keep it.
bool TJump::eventFilter(QObject* watched, QEvent* event) {
    if ((watched == m_year || watched == m_month) && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter)
            return true;
    }
    return QDialog::eventFilter(watched, event);
}

void TJump::EscButtonClick() {
    if (m_escapeAction)
        m_escapeAction();
}

}  // namespace tkv
