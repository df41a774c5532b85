#include "settings/ui/setting_print_page.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include "platform/text_convert.h"
#include "platform/tray_icon.h"
#include "settings/overtime_limit_rules.h"
#include "settings/setting_fields.h"
#include "settings/settings.h"
#include "settings/ui/dialog_parts.h"
#include "settings/ui/password_prompt.h"
#include "settings/ui/setting_parts.h"
#include "settings/ui/single_line_edit.h"

namespace tkv {

using platform::ToQString;
using platform::ToUtf8;
using namespace setting_parts;

namespace {

QPushButton* Button(QWidget* parent, const char* name, const char* text, const QRect& geometry,
                    const char* hint) {
    QPushButton* b =
        dialog_parts::MakeButton(parent, name, ToQString(text), geometry, ToQString(hint));
    b->setAutoDefault(false);
    return b;
}

}  // namespace

SettingPrintPage::SettingPrintPage(TPassChangeForm* passChange, QWidget* parent)
    : SettingPage("PrintElseTabSheet", platform::HelpTopic::SettingsPrint, parent),
      m_passChange(passChange) {
    QWidget* page = content();

    // 印刷設定.
    QGroupBox* print = Group(page, "印刷設定", {6, 4, 405, 160});
    m_printForm =
        Combo(print, "PrintFormComboBox",
              {ToQString("中間色を使用したﾌｫｰﾑで印刷"), ToQString("ｼﾝﾌﾟﾙな罫線のみのﾌｫｰﾑで印刷")},
              {8, 18, 200, 20}, "印刷するﾌｫｰﾑの種類を選択してください。");
    Label(print, "ﾒﾓの印刷文字数", {8, 44, 90, 16});
    m_printMemoLen = Field(print, "PrintMemoLenMemo", {100, 42, 32, 20},
                           "ﾒﾓを印刷する文字数を設定します。\r\n最小値は、漢字で10文字です。\r\n"
                           "用紙に入りきらない場合には、切り捨てられます。");
    rules().onLeave(m_printMemoLen,
                    [](std::string_view t) { return std::to_string(MemoPrintLengthOf(t, 0)); });
    Label(print, "文字", {136, 44, 30, 16});
    m_printTime = Check(print, "PrintTimeCheckBox", "残業時間の分を小数点表記で印刷",
                        {8, 65, 204, 18}, "残業時間の印刷時に分の単位を小数点表記で印刷します。");
    m_printDate = Check(print, "PrintDateCheckBox", "印刷日付を印刷する", {8, 83, 204, 18},
                        "印刷日付がﾌｯﾀに印刷されます。");
    m_printPage = Check(print, "PrintPageCheckBox", "ﾍﾟｰｼﾞ数を印刷する", {8, 101, 204, 18},
                        "ﾍﾟｰｼﾞ数がﾌｯﾀに印刷されます。");
    m_printGray = Check(print, "PrintGrayCheckBox", "休日はｸﾞﾚｲで印刷する", {8, 119, 204, 18},
                        "残業一覧の休日がｸﾞﾚｲで印刷されます。");
    m_printName = Check(print, "PrintNameCheckBox", "所属・氏名を印刷する", {8, 137, 204, 18},
                        "所属・氏名がﾍｯﾀﾞに印刷されます。");

    QGroupBox* margins = Group(print, "ﾏｰｼﾞﾝ ", {222, 14, 175, 70});
    auto margin = [&](const char* label, const char* name, int x, int y, const char* hint) {
        Label(margins, label, {x, y + 2, 14, 16});
        SingleLineEdit* f = Field(margins, name, {x + 16, y, 50, 20}, hint);
        rules().onLeave(
            f, [](std::string_view t) { return DecimalFieldText(t, DecimalSign::NeverNegative); });
        return f;
    };
    m_topMargin = margin("上", "TopMarginMemo", 10, 18, "上ﾏｰｼﾞﾝをﾐﾘの単位で設定します。");
    m_bottomMargin = margin("下", "BottomMarginMemo", 92, 18, "下ﾏｰｼﾞﾝをﾐﾘの単位で設定します。");
    m_leftMargin = margin("左", "LeftMarginMemo", 10, 43, "左ﾏｰｼﾞﾝをﾐﾘの単位で設定します。");
    m_rightMargin = margin("右", "RightMarginMemo", 92, 43, "右ﾏｰｼﾞﾝをﾐﾘの単位で設定します。");
    QPushButton* layout =
        Button(print, "PrintTiltleButton", "ﾍｯﾀﾞ文字列・印刷ﾌｫﾝﾄ設定", {222, 94, 175, 26},
               "印刷する[ﾀｲﾄﾙ]と[所属・氏名]や印刷ﾌｫﾝﾄを設定します。");

    // ﾊﾟｽﾜｰﾄﾞ・個人情報.
    QGroupBox* secret = Group(page, "ﾊﾟｽﾜｰﾄﾞ・個人情報", {6, 168, 405, 72});
    auto password = [&](int y, const char* label, const char* name, const char* hint,
                        const char* buttonName, const char* buttonHint) {
        Label(secret, label, {8, y + 2, 30, 16});
        SingleLineEdit* f = Field(secret, name, {40, y, 100, 20}, hint, false);
        f->setReadOnly(true);
        dialog_parts::MaskWithAsterisks(*f);
        QPalette face = f->palette();
        face.setColor(QPalette::Base, face.color(QPalette::Button));
        f->setPalette(face);
        f->installEventFilter(this);
        QPushButton* b = Button(secret, buttonName, "変更...", {144, y - 1, 56, 22}, buttonHint);
        connect(b, &QPushButton::clicked, this, [this, f] { changePassword(f); });
        return f;
    };
    m_pass = password(18, "起動", "PassEdit", "起動時とｱｲｺﾝから復元する時のﾊﾟｽﾜｰﾄﾞです。",
                      "PassChangeButton", "起動ﾊﾟｽﾜｰﾄﾞの変更を行ないます。");
    m_reOpenPassIn =
        Check(secret, "ReOpenPassInCheckBox", "ｱｲｺﾝから復元する時も入力する", {208, 19, 192, 18},
              "ｱｲｺﾝ状態から復元する時、再びﾊﾟｽﾜｰﾄﾞの入力を行います。");
    m_kinPass =
        password(44, "金額", "KinPassEdit", "[金額表示]と[環境設定]を表示させる時のﾊﾟｽﾜｰﾄﾞです。",
                 "KinPassChangeButton", "金額ﾊﾟｽﾜｰﾄﾞの変更を行ないます。");
    QPushButton* privateInfo =
        Button(secret, "PrivateInfoButton", "個人情報・CSVﾌｧｲﾙ出力設定", {208, 41, 190, 26},
               "個人情報とCSVﾌｧｲﾙ出力関連を設定します。");

    // その他の設定.
    QGroupBox* other = Group(page, "その他の設定", {6, 244, 405, 117});
    auto check = [&](int column, int row, const char* name, const char* text, const char* hint) {
        return Check(other, name, text, {8 + column * 198, 18 + row * 22, 192, 18}, hint);
    };
    m_escKeyMin = check(0, 0, "EscKeyMinCheckBox", "Escｷｰ入力でﾀｽｸﾄﾚｲに表示",
                        "Escｷｰを押すとｳｨﾝﾄﾞｳが画面から消えﾀｽｸﾊﾞｰのﾄﾚｲにｱｲｺﾝ表示されます。");
    m_windowSize = check(0, 1, "WindowSizeCheckBox", "終了時にｳｨﾝﾄﾞｳｻｲｽﾞを記憶",
                         "終了した時にｳｨﾝﾄﾞｳｻｲｽﾞを記憶します。");
    m_autoSave =
        check(0, 2, "AutoSaveCheckBox", "保存確認をせずに自動保存",
              "終了時や月移動時に、保存するかどうかの確認を行なわずに、自動的に保存します。");
    m_autoCalc = check(0, 3, "AutoCalcCheckBox", "[再計算]を自動的に行う",
                       "残業時間や有給休暇の[再計算]を 自動的に行います。");
    m_imeAutoMode = check(1, 0, "IMEAutoModeCheckBox", "ﾒﾓで日本語入力を自動ON",
                          "ﾒﾓ入力時に、IME（日本語入力）を自動的にON/OFFします。");
    m_idleProcess = check(1, 1, "IdleProcessCheckBox", "最小化でｱｲﾄﾞﾙﾌﾟﾛｾｽに移行",
                          "最小化した時に、別のｱｲﾄﾞﾙﾌﾟﾛｾｽに移行し、\r\nﾒﾓﾘ常駐量を減らします。\r\n"
                          "ｺﾝﾋﾟｭｰﾀの起動と終了で、勤務時間を自動記録し、\r\n"
                          "ﾒﾓﾘ常駐量が気になる場合にﾁｪｯｸしてください。");
    m_chikokuRed = check(1, 2, "ChikokuRedDispCheckBox", "遅刻・早退を赤色表示する",
                         "遅刻と早退を赤色で表示します。");
    m_iconImage = new QLabel(other);
    m_iconImage->setObjectName("IconImage");
    m_iconImage->setGeometry(206, 18 + 3 * 22 + 2, 16, 16);
    m_iconSelect = Combo(other, "IconSelectComboBox",
                         {ToQString("残業ｱｲｺﾝ（従来版）"), ToQString("ﾊﾟｿｺﾝｱｲｺﾝ（目立たない）")},
                         {226, 18 + 3 * 22, 172, 20},
                         "最小化したときにﾄﾚｲに表示されるｱｲｺﾝを選択してください。");

    // The overtime agreement: its own small dialog, like the layout dialogs.
    QGroupBox* agreement = Group(page, "36協定・60時間超割増", {6, 363, 405, 40});
    QPushButton* kyotei =
        Button(agreement, "KyoteiSettingButton", "36協定の設定...", {8, 12, 120, 23},
               "時間外労働の上限（36協定）と60時間超の割増を設定します。");
    m_kyoteiSummary = new QLabel(agreement);
    m_kyoteiSummary->setObjectName("KyoteiSummaryLabel");
    m_kyoteiSummary->setGeometry(136, 15, 262, 16);

    connect(kyotei, &QPushButton::clicked, this, &SettingPrintPage::kyoteiSettingRequested);
    connect(layout, &QPushButton::clicked, this, &SettingPrintPage::printLayoutRequested);
    connect(privateInfo, &QPushButton::clicked, this, &SettingPrintPage::privateInfoRequested);
    connect(m_iconSelect, &QComboBox::currentIndexChanged, this,
            &SettingPrintPage::IconSelectComboBoxChange);
}

bool SettingPrintPage::printName() const {
    return m_printName->isChecked();
}
bool SettingPrintPage::printPage() const {
    return m_printPage->isChecked();
}
bool SettingPrintPage::printDate() const {
    return m_printDate->isChecked();
}

bool SettingPrintPage::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonDblClick &&
        (watched == m_pass || watched == m_kinPass)) {
        changePassword(static_cast<SingleLineEdit*>(watched));
        return true;
    }
    return SettingPage::eventFilter(watched, event);
}

void SettingPrintPage::changePassword(SingleLineEdit* field) {
    if (m_passChange == nullptr)
        return;
    if (const auto chosen = ChangePassword(*m_passChange, field->text()))
        field->setText(*chosen);
}

void SettingPrintPage::showKyoteiSummary(const Settings& s) {
    const OvertimeLimitRules r = OvertimeLimitRulesOf(s);
    QString text = ToQString("%1月から・月 %2・年 %3")
                       .arg(r.startMonth)
                       .arg(ToQString(LimitTimeText(r.monthLimit)),
                            ToQString(LimitTimeText(r.yearLimitInForce())));
    if (r.specialClause)
        text += ToQString("・特別条項");
    m_kyoteiSummary->setText(text);
}

void SettingPrintPage::IconSelectComboBoxChange() {
    // The image the tray will use; a code the list does not know keeps its own.
    const int choice =
        m_iconSelect->currentIndex() >= 0 ? m_iconSelect->currentIndex() : m_storedIcon;
    m_iconImage->setPixmap(platform::TrayImage(choice).pixmap(16, 16));
}

void SettingPrintPage::load(const Settings& s) {
    m_printForm->setCurrentIndex(static_cast<int>(s.PrintForm));
    m_printMemoLen->setText(QString::number(s.PrintMemo));
    m_printTime->setChecked(s.PrintTime);
    m_printDate->setChecked(s.PrintDate);
    m_printPage->setChecked(s.PrintPage);
    m_printGray->setChecked(s.PrintGary);
    m_printName->setChecked(s.PrintName);
    m_topMargin->setText(ToQString(s.PageTopMargin.text()));
    m_bottomMargin->setText(ToQString(s.PageBottomMargin.text()));
    m_leftMargin->setText(ToQString(s.PageLeftMargin.text()));
    m_rightMargin->setText(ToQString(s.PageRightMargin.text()));
    m_pass->setText(ToQString(s.Pass));
    m_kinPass->setText(ToQString(s.KinPass));
    m_reOpenPassIn->setChecked(s.ReOpenPassIn);
    m_escKeyMin->setChecked(s.EscKeyMin);
    m_windowSize->setChecked(s.WindowSize);
    m_autoSave->setChecked(s.AutoSave);
    m_autoCalc->setChecked(s.AutoCalc);
    m_imeAutoMode->setChecked(s.IMEAutoMode);
    m_idleProcess->setChecked(s.IdleProcess);
    m_chikokuRed->setChecked(s.ChikokuRedDisp);
    m_storedIcon = static_cast<int>(s.IconSelect);
    m_iconSelect->setCurrentIndex(m_storedIcon);
    IconSelectComboBoxChange();
    showKyoteiSummary(s);
}

void SettingPrintPage::store(Settings& s) {
    if (m_printForm->currentIndex() >= 0)
        s.PrintForm = static_cast<ReportForm>(m_printForm->currentIndex());
    s.PrintMemo = MemoPrintLengthOf(ToUtf8(m_printMemoLen->text()), 10);
    s.PrintTime = m_printTime->isChecked();
    s.PrintDate = m_printDate->isChecked();
    s.PrintPage = m_printPage->isChecked();
    s.PrintGary = m_printGray->isChecked();
    s.PrintName = m_printName->isChecked();
    auto margin = [](const SingleLineEdit* f) {
        return DecimalText(DecimalFieldText(ToUtf8(f->text()), DecimalSign::NeverNegative));
    };
    s.PageTopMargin = margin(m_topMargin);
    s.PageBottomMargin = margin(m_bottomMargin);
    s.PageLeftMargin = margin(m_leftMargin);
    s.PageRightMargin = margin(m_rightMargin);
    s.Pass = ToUtf8(m_pass->text());
    s.KinPass = ToUtf8(m_kinPass->text());
    s.ReOpenPassIn = m_reOpenPassIn->isChecked();
    s.EscKeyMin = m_escKeyMin->isChecked();
    s.WindowSize = m_windowSize->isChecked();
    s.AutoSave = m_autoSave->isChecked();
    s.AutoCalc = m_autoCalc->isChecked();
    s.IMEAutoMode = m_imeAutoMode->isChecked();
    s.IdleProcess = m_idleProcess->isChecked();
    s.ChikokuRedDisp = m_chikokuRed->isChecked();
    if (m_iconSelect->currentIndex() >= 0)
        s.IconSelect = static_cast<TrayIconChoice>(m_iconSelect->currentIndex());
}

}  // namespace tkv
