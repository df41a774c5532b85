#pragma once

#include <array>
#include <functional>

#include <QDialog>
#include <QString>

class QComboBox;
class QPushButton;

namespace tkv {

struct Settings;
class SingleLineEdit;

// "ﾍｯﾀﾞ文字列・印刷ﾌｫﾝﾄ設定": the titles and orientations of the three lists,
// the department-and-name line, and the font and position of each printed
// item. It reads the settings when shown and writes them on "確 定" only;
// the settings dialog stores them when it is itself committed.
class TPrintSettingForm final : public QDialog {
    Q_OBJECT

public:
    explicit TPrintSettingForm(Settings& settings, QWidget* parent = nullptr);

    // Which of the optional items the settings dialog prints at the moment:
    // the rows of the others are disabled.
    void setPrintedItems(bool name, bool page, bool date);

    void setEscapeAction(std::function<void()> action) { m_escapeAction = std::move(action); }

    // The six printed items, in the order of the rows (the tags of their
    // "ﾌｫﾝﾄ" buttons are 1..6).
    enum Item : int { Title, Name, Month, List, Page, Date, ItemCount };

    struct WorkingFont {
        QString face;
        int size = 0;
        int style = 0;  // bit 0 bold, 1 italic, 2 underline, 3 strike-out
    };
    const WorkingFont& workingFont(Item item) const {
        return m_fonts[static_cast<std::size_t>(item)];
    }

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    struct Row {
        SingleLineEdit* sample = nullptr;
        QPushButton* font = nullptr;
        QComboBox* position = nullptr;  // none for the list lines
    };

    void FormShow();
    void FontButtonClick(Item item);
    void OkButtonClick();
    void showFont(Item item);
    void enableRow(Item item, bool on);

    Settings& m_settings;
    std::function<void()> m_escapeAction;
    SingleLineEdit* m_zangyoTitle = nullptr;
    SingleLineEdit* m_yearTitle = nullptr;
    SingleLineEdit* m_yukyuTitle = nullptr;
    SingleLineEdit* m_nameTitle = nullptr;
    QComboBox* m_zangyoMuki = nullptr;
    QComboBox* m_yearMuki = nullptr;
    QComboBox* m_yukyuMuki = nullptr;
    std::array<Row, ItemCount> m_rows{};
    std::array<WorkingFont, ItemCount> m_fonts{};
    QPushButton* m_esc = nullptr;
};

}  // namespace tkv
