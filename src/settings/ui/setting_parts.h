#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QObject>
#include <QRect>
#include <QStringList>

class QButtonGroup;
class QComboBox;
class QLabel;
class QLineEdit;
class QRadioButton;

namespace tkv {

class SingleLineEdit;

// The building blocks of the settings dialog's pages: controls placed at
// fixed positions, each named and with its hint, and the field rules.
namespace setting_parts {

QLabel* Label(QWidget* parent, const char* text, const QRect& geometry);
// A one-line field in the fixed-pitch font; `hint` may be null.
SingleLineEdit* Field(QWidget* parent, const char* name, const QRect& geometry, const char* hint,
                      bool rightAligned = true);
QCheckBox* Check(QWidget* parent, const char* name, const char* text, const QRect& geometry,
                 const char* hint = nullptr);
QComboBox* Combo(QWidget* parent, const char* name, const QStringList& items, const QRect& geometry,
                 const char* hint = nullptr);
QGroupBox* Group(QWidget* parent, const char* title, const QRect& geometry);

// Items of the rounding lists and the automatic-input radio groups, shared
// by the arrival, leaving and overtime groups.
QStringList RoundMethodItems();
QStringList RoundUnitItems();
QStringList AutoInputItems();

}  // namespace setting_parts

// A titled group of radio buttons, one of which is chosen: the index is the
// setting's code. Items run down the columns.
class RadioGroup final : public QGroupBox {
    Q_OBJECT

public:
    RadioGroup(QWidget* parent, const char* name, const char* title, const QStringList& items,
               int columns, const QRect& geometry, const char* hint = nullptr);

    int index() const;
    // A code without an item chooses none, and index() then gives it back.
    void setIndex(int index);
    QRadioButton* button(int index) const;

signals:
    void indexChanged(int index);

private:
    QButtonGroup* m_buttons;
    std::vector<QRadioButton*> m_items;
    int m_unknown = -1;
};

// The rules that tidy a field when the focus leaves it (and, for amounts,
// when it enters). The dialog applies the leave rules once more at the commit,
// for a field committed with Enter before the focus ever left it.
class FieldRules final : public QObject {
public:
    using Rule = std::function<std::string(std::string_view)>;

    explicit FieldRules(QObject* parent) : QObject(parent) {}

    void onLeave(QLineEdit* field, Rule rule);
    void onEnter(QLineEdit* field, Rule rule);
    void applyLeaveRules();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Entry {
        QLineEdit* field;
        Rule enter;
        Rule leave;
    };
    Entry& entryFor(QLineEdit* field);
    static void apply(QLineEdit* field, const Rule& rule);

    std::vector<Entry> m_entries;
};

// A panel that shows a colour with a caption on it and is clicked to change it.
class ColorPanel final : public QFrame {
    Q_OBJECT

public:
    explicit ColorPanel(QWidget* parent);
    void setColor(const QColor& color);
    QColor color() const { return m_color; }
    void setCaption(const QString& caption);
    QString caption() const { return m_caption; }

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QColor m_color;
    QString m_caption;
};

// A check box whose caption wraps onto a second line when it is wider than
// the box, for a long caption in a narrow column.
class WrappingCheckBox final : public QCheckBox {
    Q_OBJECT

public:
    WrappingCheckBox(const QString& text, QWidget* parent);
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    bool hitButton(const QPoint& pos) const override;
};

}  // namespace tkv
