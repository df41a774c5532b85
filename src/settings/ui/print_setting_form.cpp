#include "settings/ui/print_setting_form.h"

#include <algorithm>
#include <tuple>
#include <utility>

#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>

#include "platform/choose_dialogs.h"
#include "platform/fonts.h"
#include "platform/help_topic.h"
#include "platform/message_box.h"
#include "platform/text_convert.h"
#include "settings/settings.h"
#include "settings/ui/dialog_parts.h"
#include "settings/ui/setting_parts.h"
#include "settings/ui/single_line_edit.h"

namespace tkv {

using platform::ToQString;
using platform::ToUtf8;

namespace {

// Where each printed item keeps its font and position in the settings.
struct ItemSettings {
    const char* name;   // prefix of the row's control names
    const char* label;  // the row's caption
    std::string Settings::*face;
    int Settings::*size;
    int Settings::*style;
    PrintAlignment Settings::*position;  // null: the list lines have none
};

constexpr std::array<ItemSettings, TPrintSettingForm::ItemCount> kItems{{
    {"Title", "一覧表ﾀｲﾄﾙ", &Settings::TitleFontName, &Settings::TitleFontSize,
     &Settings::TitleFontStyle, &Settings::TitlePosition},
    {"Name", "所属と氏名", &Settings::NameFontName, &Settings::NameFontSize,
     &Settings::NameFontStyle, &Settings::NamePosition},
    {"Month", "一覧表年月", &Settings::MonthFontName, &Settings::MonthFontSize,
     &Settings::MonthFontStyle, &Settings::MonthPosition},
    {"List", "一覧表ﾃﾞｰﾀ", &Settings::ListFontName, &Settings::ListFontSize,
     &Settings::ListFontStyle, nullptr},
    {"Page", "ﾍﾟｰｼﾞ数", &Settings::PageFontName, &Settings::PageFontSize, &Settings::PageFontStyle,
     &Settings::PagePosition},
    {"Date", "印刷日付", &Settings::DateFontName, &Settings::DateFontSize, &Settings::DateFontStyle,
     &Settings::DatePosition},
}};

// A list shows a stored code as its index; a code it does not have shows
// nothing and is written back unchanged.
template <typename T>
void Take(const QComboBox* list, T& code) {
    if (list->currentIndex() >= 0)
        code = static_cast<T>(list->currentIndex());
}

}  // namespace

TPrintSettingForm::TPrintSettingForm(Settings& settings, QWidget* parent)
    : QDialog(parent), m_settings(settings) {
    dialog_parts::MakeFixedDialog(*this, "TPrintSettingForm", 440, 350);
    platform::SetHelpTopic(this, platform::HelpTopic::PrintLayout);
    setWindowTitle(ToQString("ﾍｯﾀﾞ文字列・印刷ﾌｫﾝﾄ設定"));

    QGroupBox* titles = setting_parts::Group(this, "ﾍｯﾀﾞ文字列設定", {8, 6, 424, 120});
    auto titleRow = [&](int row, const char* label, const char* name, const char* mukiName) {
        const int y = 18 + row * 24;
        setting_parts::Label(titles, label, {10, y + 2, 178, 16});
        SingleLineEdit* edit =
            setting_parts::Field(titles, name, {190, y, 170, 20}, nullptr, false);
        edit->setFont(font());
        QComboBox* muki = nullptr;
        if (mukiName != nullptr)
            muki = setting_parts::Combo(titles, mukiName, {ToQString("縦"), ToQString("横")},
                                        {366, y, 50, 20});
        return std::pair{edit, muki};
    };
    std::tie(m_zangyoTitle, m_zangyoMuki) =
        titleRow(0, "残業時間一覧表ﾀｲﾄﾙ(１ヶ月)", "ZangyoTitleEdit", "ZangyoPrintMukiComboBox");
    std::tie(m_yearTitle, m_yearMuki) =
        titleRow(1, "残業時間一覧表ﾀｲﾄﾙ(期間集計)", "YearTitleEdit", "YearPrintMukiComboBox");
    std::tie(m_yukyuTitle, m_yukyuMuki) =
        titleRow(2, "有給休暇一覧表ﾀｲﾄﾙ", "YukyuTitleEdit", "YukyuPrintMukiComboBox");
    m_nameTitle = titleRow(3, "所属と氏名", "NameTitleEdit", nullptr).first;

    QGroupBox* fonts = setting_parts::Group(this, "印刷ﾌｫﾝﾄと位置設定", {8, 132, 424, 176});
    for (int i = 0; i < ItemCount; ++i) {
        const ItemSettings& it = kItems[static_cast<std::size_t>(i)];
        Row& row = m_rows[static_cast<std::size_t>(i)];
        const int y = 20 + i * 25;
        const QString prefix = QString::fromLatin1(it.name);
        setting_parts::Label(fonts, it.label, {10, y + 3, 84, 16});
        row.sample = new SingleLineEdit(fonts);
        row.sample->setObjectName(prefix + "FontEdit");
        row.sample->setGeometry(96, y, 202, 22);
        row.sample->setReadOnly(true);
        row.sample->setFocusPolicy(Qt::ClickFocus);
        row.font = new QPushButton(ToQString("ﾌｫﾝﾄ"), fonts);
        row.font->setObjectName(prefix + "FontButton");
        row.font->setGeometry(300, y, 50, 22);
        row.font->setAutoDefault(false);
        row.font->setProperty("tag", i + 1);
        connect(row.font, &QPushButton::clicked, this,
                [this, i] { FontButtonClick(static_cast<Item>(i)); });
        if (it.position != nullptr) {
            row.position =
                setting_parts::Combo(fonts, (prefix + "PositionComboBox").toLatin1().constData(),
                                     {ToQString("左寄せ"), ToQString("中央"), ToQString("右寄せ")},
                                     {354, y + 1, 66, 20});
        }
    }

    QPushButton* ok = dialog_parts::MakeButton(
        this, "OkButton", ToQString("確 定"), QRect(262, 316, 82, 26),
        ToQString("このｳｨﾝﾄﾞｳの設定内容を確定します。\r\n【注意】環境設定の[登録]"
                  "ﾎﾞﾀﾝで最終的に登録されます。"));
    ok->setDefault(true);
    QPushButton* cancel =
        dialog_parts::MakeButton(this, "CancelButton", ToQString("ｷｬﾝｾﾙ"), QRect(350, 316, 82, 26));
    cancel->setAutoDefault(false);
    // Never seen: it only stands for the Esc key.
    m_esc = dialog_parts::MakeButton(this, "EscButton", ToQString("Esc"), QRect(350, 318, 30, 20));
    m_esc->setFocusPolicy(Qt::NoFocus);
    m_esc->setAutoDefault(false);
    m_esc->stackUnder(cancel);

    connect(ok, &QPushButton::clicked, this, &TPrintSettingForm::OkButtonClick);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_esc, &QPushButton::clicked, this, [this] {
        if (m_escapeAction)
            m_escapeAction();
    });
}

void TPrintSettingForm::setPrintedItems(bool name, bool page, bool date) {
    enableRow(Name, name);
    m_nameTitle->setEnabled(name);
    enableRow(Page, page);
    enableRow(Date, date);
}

void TPrintSettingForm::enableRow(Item item, bool on) {
    Row& row = m_rows[static_cast<std::size_t>(item)];
    row.sample->setEnabled(on);
    row.font->setEnabled(on);
    if (row.position != nullptr)
        row.position->setEnabled(on);
}

void TPrintSettingForm::showEvent(QShowEvent* event) {
    if (!event->spontaneous())
        FormShow();
    QDialog::showEvent(event);
}

void TPrintSettingForm::FormShow() {
    dialog_parts::CentreOnScreen(*this);
    const Settings& s = m_settings;
    m_zangyoTitle->setText(ToQString(s.ZangyoTitle));
    m_yearTitle->setText(ToQString(s.YearTitle));
    m_yukyuTitle->setText(ToQString(s.YukyuTitle));
    m_nameTitle->setText(ToQString(s.NameTitle));
    m_zangyoMuki->setCurrentIndex(static_cast<int>(s.ZangyoPrintMuki));
    m_yearMuki->setCurrentIndex(static_cast<int>(s.YearPrintMuki));
    m_yukyuMuki->setCurrentIndex(static_cast<int>(s.YukyuPrintMuki));
    for (int i = 0; i < ItemCount; ++i) {
        const ItemSettings& it = kItems[static_cast<std::size_t>(i)];
        m_fonts[static_cast<std::size_t>(i)] = {ToQString(s.*it.face), s.*it.size, s.*it.style};
        if (it.position != nullptr)
            m_rows[static_cast<std::size_t>(i)].position->setCurrentIndex(
                static_cast<int>(s.*it.position));
        showFont(static_cast<Item>(i));
    }
}

void TPrintSettingForm::showFont(Item item) {
    const WorkingFont& f = m_fonts[static_cast<std::size_t>(item)];
    SingleLineEdit* sample = m_rows[static_cast<std::size_t>(item)].sample;
    sample->setText(f.face + ToQString("  ") + QString::number(f.size) + ToQString("ﾎﾟｲﾝﾄ"));
    // Drawn in the face and style; the size is kept to what the field can show.
    sample->setFont(platform::StyledFont(f.face, std::clamp(f.size, 1, 11), f.style));
    sample->setCursorPosition(0);
}

void TPrintSettingForm::FontButtonClick(Item item) {
    WorkingFont& f = m_fonts[static_cast<std::size_t>(item)];
    const QFont initial = platform::StyledFont(f.face, f.size, f.style);
    const auto chosen = platform::ChooseFont(this, initial, true);
    if (!chosen)
        return;
    f.face = chosen->family();
    f.size = chosen->pointSize() > 0 ? chosen->pointSize() : f.size;
    f.style = platform::StyleBitsOf(*chosen);
    showFont(item);
}

void TPrintSettingForm::OkButtonClick() {
    auto clash = [](const QComboBox* a, const QComboBox* b) {
        return a->isEnabled() && b->isEnabled() && a->currentIndex() == b->currentIndex();
    };
    QComboBox* name = m_rows[Name].position;
    QComboBox* page = m_rows[Page].position;
    // With both clashes only the name message is shown.
    if (clash(name, m_rows[Month].position)) {
        name->setFocus();
        platform::ShowMessage(
            this, ToQString("設定エラー"),
            ToQString("[所属と氏名]と[一覧表年月]の印刷位置を同じ設定にする事はできません。"),
            QMessageBox::Ok, QMessageBox::Warning);
        return;
    }
    if (clash(page, m_rows[Date].position)) {
        page->setFocus();
        platform::ShowMessage(
            this, ToQString("設定エラー"),
            ToQString("[ﾍﾟｰｼﾞ数]と[印刷日付]の印刷位置を同じ設定にする事はできません。"),
            QMessageBox::Ok, QMessageBox::Warning);
        return;
    }

    Settings& s = m_settings;
    s.ZangyoTitle = ToUtf8(m_zangyoTitle->text());
    s.YearTitle = ToUtf8(m_yearTitle->text());
    s.YukyuTitle = ToUtf8(m_yukyuTitle->text());
    s.NameTitle = ToUtf8(m_nameTitle->text());
    Take(m_zangyoMuki, s.ZangyoPrintMuki);
    Take(m_yearMuki, s.YearPrintMuki);
    Take(m_yukyuMuki, s.YukyuPrintMuki);
    for (int i = 0; i < ItemCount; ++i) {
        const ItemSettings& it = kItems[static_cast<std::size_t>(i)];
        const WorkingFont& f = m_fonts[static_cast<std::size_t>(i)];
        s.*it.face = ToUtf8(f.face);
        s.*it.size = f.size;
        s.*it.style = f.style;
        if (it.position != nullptr)
            Take(m_rows[static_cast<std::size_t>(i)].position, s.*it.position);
    }
    accept();
}

void TPrintSettingForm::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        m_esc->click();
        return;
    }
    QDialog::keyPressEvent(event);
}

}  // namespace tkv
