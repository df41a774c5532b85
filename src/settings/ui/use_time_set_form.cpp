#include "settings/ui/use_time_set_form.h"

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

namespace {
// A set time in its one display form; an empty one stays empty ("未設定").
std::string NormalTime(const std::string& text) {
    if (Trim(text).empty())
        return {};
    return MinutesToStr(StrToMinutes(text), 2, true);
}
}  // namespace

TUseTimeSetForm::TUseTimeSetForm(Settings& settings, std::function<void()> saveSettings,
                                 QWidget* parent)
    : QDialog(parent), m_settings(settings), m_saveSettings(std::move(saveSettings)) {
    dialog_parts::MakeFixedDialog(*this, "TUseTimeSetForm", 152, 195);
    platform::SetHelpTopic(this, platform::HelpTopic::Templates);
    setWindowTitle(ToQString("良く使う時刻を設定"));

    for (std::size_t i = 0; i < m_fields.size(); ++i) {
        const int y = 8 + static_cast<int>(i) * 25;
        const QString n = QString::number(i + 1);
        auto* label = new QLabel(ToQString("良く使う時刻 (%1)").arg(n), this);
        label->setObjectName(QStringLiteral("UseTime%1Label").arg(n));
        label->setGeometry(8, y + 3, 92, 16);
        auto* field = new SingleLineEdit(this);
        field->setObjectName(QStringLiteral("UseTime%1Memo").arg(n));
        field->setGeometry(102, y, 42, 22);
        field->setAlignment(Qt::AlignRight);
        field->setToolTip(ToQString("良く使う時刻を設定します。"));
        m_fields[i] = field;
    }
    QPushButton* ok =
        dialog_parts::MakeButton(this, "OkButton", ToQString("登 録"), QRect(8, 162, 66, 25),
                                 ToQString("設定を登録します。"));
    ok->setDefault(true);
    QPushButton* cancel =
        dialog_parts::MakeButton(this, "CancelButton", ToQString("ｷｬﾝｾﾙ"), QRect(78, 162, 66, 25),
                                 ToQString("設定をｷｬﾝｾﾙします。"));

    connect(ok, &QPushButton::clicked, this, &TUseTimeSetForm::OkButtonClick);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TUseTimeSetForm::showEvent(QShowEvent* event) {
    if (!event->spontaneous())
        FormShow();
    QDialog::showEvent(event);
    if (!event->spontaneous())
        m_fields[0]->setFocus();
}

void TUseTimeSetForm::FormShow() {
    dialog_parts::CentreOnScreen(*this);
    for (std::size_t i = 0; i < m_fields.size(); ++i)
        m_fields[i]->setText(platform::ToQString(NormalTime(m_settings.UseTime[i])));
}

void TUseTimeSetForm::OkButtonClick() {
    for (std::size_t i = 0; i < m_fields.size(); ++i)
        m_settings.UseTime[i] = NormalTime(platform::ToUtf8(m_fields[i]->text()));
    if (m_saveSettings)
        m_saveSettings();
    accept();
}

}  // namespace tkv
