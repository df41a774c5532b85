#include "settings/ui/pass.h"

#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QTimer>

#include "platform/help_topic.h"
#include "platform/text_convert.h"
#include "settings/ui/dialog_parts.h"
#include "settings/ui/single_line_edit.h"

namespace tkv {

using platform::ToQString;

TPass::TPass(QWidget* parent) : QDialog(parent) {
    dialog_parts::MakeFixedDialog(*this, "TPass", 267, 82, Qt::WindowStaysOnTopHint);
    platform::SetHelpTopic(this, platform::HelpTopic::Password);
    setWindowTitle(ToQString("ﾊﾟｽﾜｰﾄﾞ入力"));

    auto* label = new QLabel(ToQString("ﾊﾟｽﾜｰﾄﾞを入力してください｡"), this);
    label->setObjectName("PassLabel");
    label->setGeometry(8, 6, 251, 16);
    m_passEdit = new SingleLineEdit(this);
    m_passEdit->setObjectName("PassEdit");
    m_passEdit->setGeometry(8, 25, 251, 22);
    dialog_parts::MaskWithAsterisks(*m_passEdit);

    QPushButton* ok =
        dialog_parts::MakeButton(this, "OkButton", ToQString("入  力"), QRect(98, 52, 78, 25));
    ok->setDefault(true);
    QPushButton* cancel =
        dialog_parts::MakeButton(this, "CancelButton", ToQString("ｷｬﾝｾﾙ"), QRect(181, 52, 78, 25));

    m_focusTimer = new QTimer(this);
    m_focusTimer->setObjectName("FocusTimer");
    m_focusTimer->setInterval(100);

    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_focusTimer, &QTimer::timeout, this, &TPass::FocusTimerTimer);
}

void TPass::clearEntry() {
    m_passEdit->clear();
}
QString TPass::entry() const {
    return m_passEdit->text();
}

void TPass::showEvent(QShowEvent* event) {
    if (!event->spontaneous())
        dialog_parts::CentreOnScreen(*this);
    QDialog::showEvent(event);
    m_passEdit->setFocus();
    m_focusTimer->start();
}

// Some window systems refuse the focus to a window that appears while the
// program is in the background; asking again once it is mapped succeeds.
void TPass::FocusTimerTimer() {
    m_focusTimer->stop();
    raise();
    activateWindow();
    m_passEdit->setFocus();
    update();
}

}  // namespace tkv
