#include "settings/ui/use_memo_set_form.h"

#include <QLabel>
#include <QPushButton>
#include <QShowEvent>

#include "base/text_util.h"
#include "platform/help_topic.h"
#include "platform/text_convert.h"
#include "settings/settings.h"
#include "settings/ui/dialog_parts.h"
#include "settings/ui/single_line_edit.h"

namespace tkv {

using platform::ToQString;

TUseMemoSetForm::TUseMemoSetForm(Settings& settings, std::function<void()> saveSettings,
                                 QWidget* parent)
    : QDialog(parent), m_settings(settings), m_saveSettings(std::move(saveSettings)) {
    dialog_parts::MakeFixedDialog(*this, "TUseMemoSetForm", 256, 290);
    platform::SetHelpTopic(this, platform::HelpTopic::Templates);
    setWindowTitle(ToQString("定型メモを設定"));

    for (std::size_t i = 0; i < m_fields.size(); ++i) {
        const int y = 8 + static_cast<int>(i) * 25;
        const QString n = QString::number(i + 1);
        auto* label = new QLabel(ToQString("定型メモ (%1)").arg(n), this);
        label->setObjectName(QStringLiteral("UseMemo%1Label").arg(n));
        label->setGeometry(8, y + 3, 88, 16);
        auto* field = new SingleLineEdit(this);
        field->setObjectName(QStringLiteral("UseMemo%1Memo").arg(n));
        field->setGeometry(97, y, 151, 22);
        field->setToolTip(ToQString("定型メモを設定します。"));
        m_fields[i] = field;
    }
    QPushButton* ok =
        dialog_parts::MakeButton(this, "OkButton", ToQString("登 録"), QRect(46, 259, 78, 25),
                                 ToQString("設定を登録します。"));
    ok->setDefault(true);
    QPushButton* cancel =
        dialog_parts::MakeButton(this, "CancelButton", ToQString("ｷｬﾝｾﾙ"), QRect(132, 259, 78, 25),
                                 ToQString("設定をｷｬﾝｾﾙします。"));

    connect(ok, &QPushButton::clicked, this, &TUseMemoSetForm::OkButtonClick);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TUseMemoSetForm::showEvent(QShowEvent* event) {
    if (!event->spontaneous())
        FormShow();
    QDialog::showEvent(event);
    if (!event->spontaneous())
        m_fields[0]->setFocus();
}

void TUseMemoSetForm::FormShow() {
    dialog_parts::CentreOnScreen(*this);
    for (std::size_t i = 0; i < m_fields.size(); ++i)
        m_fields[i]->setText(platform::ToQString(m_settings.UseMemo[i]));
}

void TUseMemoSetForm::OkButtonClick() {
    for (std::size_t i = 0; i < m_fields.size(); ++i)
        m_settings.UseMemo[i] = Trim(platform::ToUtf8(m_fields[i]->text()));
    if (m_saveSettings)
        m_saveSettings();
    accept();
}

}  // namespace tkv
