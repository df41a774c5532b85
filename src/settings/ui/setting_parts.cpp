#include "settings/ui/setting_parts.h"

#include <algorithm>

#include <QButtonGroup>
#include <QComboBox>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QStylePainter>

#include "platform/fonts.h"
#include "platform/text_convert.h"
#include "settings/ui/single_line_edit.h"

namespace tkv {

namespace setting_parts {
using platform::ToQString;

QLabel* Label(QWidget* parent, const char* text, const QRect& geometry) {
    auto* label = new QLabel(ToQString(text), parent);
    label->setGeometry(geometry);
    return label;
}

SingleLineEdit* Field(QWidget* parent, const char* name, const QRect& geometry, const char* hint,
                      bool rightAligned) {
    auto* field = new SingleLineEdit(parent);
    field->setObjectName(QString::fromLatin1(name));
    field->setGeometry(geometry);
    field->setFont(platform::GridFont());
    if (rightAligned)
        field->setAlignment(Qt::AlignRight);
    if (hint != nullptr)
        field->setToolTip(ToQString(hint));
    return field;
}

QCheckBox* Check(QWidget* parent, const char* name, const char* text, const QRect& geometry,
                 const char* hint) {
    auto* box = new QCheckBox(ToQString(text), parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setGeometry(geometry);
    if (hint != nullptr)
        box->setToolTip(ToQString(hint));
    return box;
}

QComboBox* Combo(QWidget* parent, const char* name, const QStringList& items, const QRect& geometry,
                 const char* hint) {
    auto* combo = new QComboBox(parent);
    combo->setObjectName(QString::fromLatin1(name));
    combo->addItems(items);
    combo->setGeometry(geometry);
    if (hint != nullptr)
        combo->setToolTip(ToQString(hint));
    return combo;
}

QGroupBox* Group(QWidget* parent, const char* title, const QRect& geometry) {
    auto* group = new QGroupBox(ToQString(title), parent);
    group->setGeometry(geometry);
    return group;
}

QStringList RoundMethodItems() {
    return {ToQString("しない"), ToQString("切り捨て"), ToQString("四捨五入"),
            ToQString("切り上げ")};
}

QStringList RoundUnitItems() {
    QStringList items;
    for (const char* minutes : {"5", "6", "10", "15", "20", "30", "60"})
        items << ToQString("%1分間隔で調整する。").arg(QString::fromLatin1(minutes));
    return items;
}

QStringList AutoInputItems() {
    return {ToQString("しない"), ToQString("完全自動"), ToQString("ｳｨﾝﾄﾞｳ入力")};
}

}  // namespace setting_parts

// --- RadioGroup ---------------------------------------------------------

RadioGroup::RadioGroup(QWidget* parent, const char* name, const char* title,
                       const QStringList& items, int columns, const QRect& geometry,
                       const char* hint)
    : QGroupBox(QString::fromUtf8(title), parent), m_buttons(new QButtonGroup(this)) {
    setObjectName(QString::fromLatin1(name));
    setGeometry(geometry);
    if (hint != nullptr)
        setToolTip(QString::fromUtf8(hint));
    const int rows = (static_cast<int>(items.size()) + columns - 1) / columns;
    const int top = 17;
    const int pitch = rows > 0 ? std::min(19, (geometry.height() - top - 3) / rows) : 19;
    const int width = (geometry.width() - 10) / columns;
    for (int i = 0; i < items.size(); ++i) {
        auto* b = new QRadioButton(items[i], this);
        b->setObjectName(QStringLiteral("%1Item%2").arg(objectName()).arg(i));
        b->setGeometry(6 + (i / rows) * width, top + (i % rows) * pitch, width, 18);
        m_buttons->addButton(b, i);
        m_items.push_back(b);
    }
    connect(m_buttons, &QButtonGroup::idToggled, this, [this](int id, bool on) {
        if (!on)
            return;
        m_unknown = -1;
        emit indexChanged(id);
    });
}

int RadioGroup::index() const {
    const int checked = m_buttons->checkedId();
    return checked >= 0 ? checked : m_unknown;
}

void RadioGroup::setIndex(int index) {
    if (QAbstractButton* b = m_buttons->button(index)) {
        b->setChecked(true);
        m_unknown = -1;
        return;
    }
    // An unknown stored code is kept as read: nothing is checked.
    m_buttons->setExclusive(false);
    for (QAbstractButton* b : m_buttons->buttons()) b->setChecked(false);
    m_buttons->setExclusive(true);
    m_unknown = index;
    emit indexChanged(index);
}

QRadioButton* RadioGroup::button(int index) const {
    if (index < 0 || index >= static_cast<int>(m_items.size()))
        return nullptr;
    return m_items[static_cast<std::size_t>(index)];
}

// --- FieldRules ---------------------------------------------------------

FieldRules::Entry& FieldRules::entryFor(QLineEdit* field) {
    for (Entry& e : m_entries)
        if (e.field == field)
            return e;
    field->installEventFilter(this);
    m_entries.push_back({field, {}, {}});
    return m_entries.back();
}

void FieldRules::onLeave(QLineEdit* field, Rule rule) {
    entryFor(field).leave = std::move(rule);
}

void FieldRules::onEnter(QLineEdit* field, Rule rule) {
    entryFor(field).enter = std::move(rule);
}

void FieldRules::apply(QLineEdit* field, const Rule& rule) {
    if (!rule)
        return;
    const QString text = platform::ToQString(rule(platform::ToUtf8(field->text())));
    if (text != field->text())
        field->setText(text);
}

void FieldRules::applyLeaveRules() {
    for (const Entry& e : m_entries) apply(e.field, e.leave);
}

bool FieldRules::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type == QEvent::FocusIn || type == QEvent::FocusOut) {
        for (const Entry& e : m_entries) {
            if (e.field != watched)
                continue;
            // A menu or another window taking the focus for a moment is no leaving.
            const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
            if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason)
                apply(e.field, type == QEvent::FocusIn ? e.enter : e.leave);
            break;
        }
    }
    return QObject::eventFilter(watched, event);
}

// --- ColorPanel ---------------------------------------------------------

ColorPanel::ColorPanel(QWidget* parent) : QFrame(parent) {
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Raised);
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
}

void ColorPanel::setColor(const QColor& color) {
    m_color = color;
    update();
}

void ColorPanel::setCaption(const QString& caption) {
    m_caption = caption;
    update();
}

void ColorPanel::paintEvent(QPaintEvent* event) {
    {
        QPainter p(this);
        p.fillRect(contentsRect(), m_color);
        // The caption stays readable on dark colours.
        p.setPen(m_color.lightness() < 110 ? Qt::white : Qt::black);
        p.drawText(contentsRect(), Qt::AlignCenter, m_caption);
        if (hasFocus()) {
            QPen pen(p.pen().color(), 1, Qt::DotLine);
            p.setPen(pen);
            p.drawRect(contentsRect().adjusted(1, 1, -2, -2));
        }
    }
    QFrame::paintEvent(event);
}

void ColorPanel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    QFrame::mouseReleaseEvent(event);
}

void ColorPanel::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Space) {
        emit clicked();
        return;
    }
    QFrame::keyPressEvent(event);
}

// --- WrappingCheckBox ---------------------------------------------------

WrappingCheckBox::WrappingCheckBox(const QString& text, QWidget* parent) : QCheckBox(text, parent) {
    QSizePolicy policy = sizePolicy();
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
}

namespace {

int TextIndent(const QWidget& w) {
    return w.style()->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, &w) +
           w.style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, &w);
}

}  // namespace

int WrappingCheckBox::heightForWidth(int width) const {
    const QRect bounds = fontMetrics().boundingRect(
        QRect(0, 0, std::max(width - TextIndent(*this), 1), 10000), Qt::TextWordWrap, text());
    return std::max(bounds.height() + 2, QCheckBox::sizeHint().height());
}

void WrappingCheckBox::paintEvent(QPaintEvent*) {
    QStylePainter p(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text.clear();
    p.drawControl(QStyle::CE_CheckBox, option);
    const QRect textRect = rect().adjusted(TextIndent(*this), 0, 0, 0);
    p.drawItemText(textRect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap, palette(),
                   isEnabled(), text(), QPalette::WindowText);
}

bool WrappingCheckBox::hitButton(const QPoint& pos) const {
    return rect().contains(pos);
}

}  // namespace tkv
