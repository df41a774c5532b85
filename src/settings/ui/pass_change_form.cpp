#include "settings/ui/pass_change_form.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>

#include "platform/help_topic.h"
#include "platform/message_box.h"
#include "platform/text_convert.h"
#include "settings/ui/dialog_parts.h"
#include "settings/ui/single_line_edit.h"

namespace tkv {

using platform::ToQString;

TPassChangeForm::TPassChangeForm(QWidget* parent) : QDialog(parent) {
    dialog_parts::MakeFixedDialog(*this, "TPassChangeForm", 245, 104);
    platform::SetHelpTopic(this, platform::HelpTopic::Password);
    setWindowTitle(ToQString("ﾊﾟｽﾜｰﾄﾞ変更"));

    auto makeRow = [this](int row, const char* text) {
        const int y = 10 + row * 28;
        auto* label = new QLabel(ToQString(text), this);
        label->setObjectName(QStringLiteral("PassLabel%1").arg(row + 1));
        label->setGeometry(8, y + 3, 54, 16);
        auto* edit = new SingleLineEdit(this);
        edit->setObjectName(QStringLiteral("PassEdit%1").arg(row + 1));
        edit->setGeometry(64, y, 173, 22);
        dialog_parts::MaskWithAsterisks(*edit);
        return edit;
    };
    m_first = makeRow(0, "ﾊﾟｽﾜｰﾄﾞ ");
    m_second = makeRow(1, "再入力");

    QPushButton* ok =
        dialog_parts::MakeButton(this, "OkButton", ToQString("OK"), QRect(76, 72, 78, 25));
    QPushButton* cancel =
        dialog_parts::MakeButton(this, "CancelButton", ToQString("ｷｬﾝｾﾙ"), QRect(159, 72, 78, 25));

    connect(ok, &QPushButton::clicked, this, &TPassChangeForm::OkButtonClick);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TPassChangeForm::setCurrent(const QString& password) {
    m_first->setText(password);
    m_second->setText(password);
}

QString TPassChangeForm::newPassword() const {
    return m_first->text();
}

void TPassChangeForm::showEvent(QShowEvent* event) {
    if (!event->spontaneous())
        dialog_parts::CentreOnScreen(*this);
    QDialog::showEvent(event);
    if (!event->spontaneous())
        m_first->setFocus();
}

void TPassChangeForm::keyPressEvent(QKeyEvent* event) {
    // OK is no default button: Enter in an entry must not accept half-typed
    // passwords. A focused button still takes Enter itself before this.
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        qobject_cast<QLineEdit*>(focusWidget())) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TPassChangeForm::OkButtonClick() {
    if (m_first->text() != m_second->text()) {
        platform::ShowMessage(this, ToQString("ﾊﾟｽﾜｰﾄﾞｴﾗｰ"),
                              ToQString("入力された2つのﾊﾟｽﾜｰﾄﾞが異なります。"), QMessageBox::Ok,
                              QMessageBox::Critical);
        return;
    }
    accept();
}

}  // namespace tkv
