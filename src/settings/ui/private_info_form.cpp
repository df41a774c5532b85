#include "settings/ui/private_info_form.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QShowEvent>

#include "platform/help_topic.h"
#include "platform/text_convert.h"
#include "settings/settings.h"
#include "settings/ui/dialog_parts.h"
#include "settings/ui/setting_parts.h"
#include "settings/ui/single_line_edit.h"

namespace tkv {

using platform::ToQString;
using platform::ToUtf8;

TPrivateInfoForm::TPrivateInfoForm(Settings& settings, QWidget* parent)
    : QDialog(parent), m_settings(settings) {
    dialog_parts::MakeFixedDialog(*this, "TPrivateInfoForm", 360, 262);
    platform::SetHelpTopic(this, platform::HelpTopic::PrivateInfo);
    setWindowTitle(ToQString("個人情報・CSVﾌｧｲﾙ出力設定"));

    auto text = [](QWidget* group, const char* label, const char* name, int y) {
        setting_parts::Label(group, label, {28, y + 2, 74, 16});
        SingleLineEdit* edit = setting_parts::Field(group, name, {104, y, 228, 20}, nullptr, false);
        edit->setFont(group->font());
        return edit;
    };

    QGroupBox* person = setting_parts::Group(this, "個人情報設定", {8, 6, 344, 68});
    m_nameDisp = setting_parts::Check(person, "PrivateNameDispCheckBox",
                                      "[個人氏名]を ﾀｲﾄﾙﾊﾞｰに表示する", {10, 18, 324, 18});
    m_name = text(person, "個人氏名", "PrivateNameEdit", 40);

    QGroupBox* csv = setting_parts::Group(this, "CSVﾌｧｲﾙ出力設定", {8, 80, 344, 140});
    m_fileNameAdd = setting_parts::Check(csv, "CSVNameAddCheckBox",
                                         "[個人ﾌｧｲﾙ名]を CSVﾌｧｲﾙ名に付加する", {10, 18, 324, 18});
    m_fileName = text(csv, "個人ﾌｧｲﾙ名", "CSVFileNameEdit", 39);
    // It becomes part of a file name: no folder separators or characters a
    // file name cannot have.
    m_fileName->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[^/\\\\:*?\"<>|]*")), m_fileName));
    m_infoAdd = setting_parts::Check(csv, "CSVPrivateInfoAddCheckBox",
                                     "[個人情報]を CSVﾌｧｲﾙ出力ﾃﾞｰﾀに出力する", {10, 65, 324, 18});
    m_info = text(csv, "個人情報", "CSVPrivateInfoEdit", 86);
    m_monthAdd = setting_parts::Check(
        csv, "CSVMonthAddCheckBox", "「ﾃﾞｰﾀ年月」を CSVﾌｧｲﾙ出力ﾃﾞｰﾀに出力する", {10, 114, 324, 18});

    QPushButton* ok = dialog_parts::MakeButton(
        this, "OkButton", ToQString("確 定"), QRect(182, 228, 82, 26),
        ToQString("このｳｨﾝﾄﾞｳの設定内容を確定します。\r\n【注意】環境設定の[登録]"
                  "ﾎﾞﾀﾝで最終的に登録されます。"));
    ok->setDefault(true);
    QPushButton* cancel =
        dialog_parts::MakeButton(this, "CancelButton", ToQString("ｷｬﾝｾﾙ"), QRect(270, 228, 82, 26));
    cancel->setAutoDefault(false);

    for (QCheckBox* box : {m_nameDisp, m_fileNameAdd, m_infoAdd})
        connect(box, &QCheckBox::toggled, this, &TPrivateInfoForm::applyEnableRules);
    connect(ok, &QPushButton::clicked, this, &TPrivateInfoForm::OkButtonClick);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TPrivateInfoForm::showEvent(QShowEvent* event) {
    if (!event->spontaneous())
        FormShow();
    QDialog::showEvent(event);
}

void TPrivateInfoForm::FormShow() {
    dialog_parts::CentreOnScreen(*this);
    const Settings& s = m_settings;
    m_nameDisp->setChecked(s.PrivateNameDisp);
    m_name->setText(ToQString(s.PrivateName));
    m_fileNameAdd->setChecked(s.CSVNameAdd);
    m_fileName->setText(ToQString(s.CSVFileName));
    m_infoAdd->setChecked(s.CSVPrivateInfoAdd);
    m_info->setText(ToQString(s.CSVPrivateInfo));
    m_monthAdd->setChecked(s.CSVMonthAdd);
    applyEnableRules();
}

void TPrivateInfoForm::applyEnableRules() {
    m_name->setEnabled(m_nameDisp->isChecked());
    m_fileName->setEnabled(m_fileNameAdd->isChecked());
    m_info->setEnabled(m_infoAdd->isChecked());
}

void TPrivateInfoForm::OkButtonClick() {
    Settings& s = m_settings;
    s.PrivateNameDisp = m_nameDisp->isChecked();
    s.PrivateName = ToUtf8(m_name->text());
    s.CSVNameAdd = m_fileNameAdd->isChecked();
    s.CSVFileName = ToUtf8(m_fileName->text());
    s.CSVPrivateInfoAdd = m_infoAdd->isChecked();
    s.CSVPrivateInfo = ToUtf8(m_info->text());
    s.CSVMonthAdd = m_monthAdd->isChecked();
    accept();
}

}  // namespace tkv
