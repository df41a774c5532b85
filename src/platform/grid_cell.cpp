#include "platform/grid_cell.h"

#include <algorithm>

#include <QLineEdit>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <QStyleOptionViewItem>
#include <QToolTip>

#include "platform/colors.h"
#include "platform/text_convert.h"

namespace tkv::platform {

int GridTitleLeft(int cellWidth, int textWidth) {
    return std::max(0, (cellWidth - textWidth - 4) / 2) + 2;
}

GridTitleHeader::GridTitleHeader(Qt::Orientation orientation, QWidget* parent)
    : QHeaderView(orientation, parent) {
    setSectionResizeMode(QHeaderView::Fixed);
    setSectionsClickable(false);
    setHighlightSections(false);
    setMinimumSectionSize(1);
}

void GridTitleHeader::paintSection(QPainter* p, const QRect& rect, int logicalIndex) const {
    const QPalette& pal = palette();
    // The cell proper; the last pixel column and row are the grid line.
    const QRect cell(rect.left(), rect.top(), rect.width() - GridLineWidth,
                     rect.height() - GridLineWidth);
    p->save();
    p->fillRect(rect, pal.color(QPalette::Mid));
    p->fillRect(cell, pal.color(QPalette::Button));
    p->setPen(pal.color(QPalette::Light));
    p->drawLine(cell.topLeft(), cell.topRight());
    p->drawLine(cell.topLeft(), cell.bottomLeft());

    const QString title =
        model() ? model()->headerData(logicalIndex, orientation()).toString().trimmed() : QString();
    const int left = GridTitleLeft(cell.width(), p->fontMetrics().horizontalAdvance(title));
    p->setPen(pal.color(QPalette::ButtonText));
    p->drawText(cell.adjusted(left, 2, 0, 0), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
                title);
    p->restore();
}

GridCellLook GridLookOf(bool fixed, std::optional<int> ink, std::optional<int> background,
                        const QPalette& pal, bool selectedWithoutFocus) {
    GridCellLook look;
    look.fixed = fixed;
    look.text =
        ink ? ToQColor(*ink, pal) : pal.color(fixed ? QPalette::ButtonText : QPalette::Text);
    if (fixed) {
        look.background = pal.color(QPalette::Button);
    } else if (selectedWithoutFocus) {
        look.background = pal.color(QPalette::Highlight);
        look.text = pal.color(QPalette::HighlightedText);
    } else {
        look.background = background ? ToQColor(*background, pal) : pal.color(QPalette::Base);
    }
    return look;
}

void PaintGridCell(QPainter* p, const QStyleOptionViewItem& option, const QString& text,
                   const GridCellLook& look) {
    const QRect r = option.rect;
    p->save();
    p->fillRect(r, look.background);
    if (look.fixed) {
        p->setPen(option.palette.color(QPalette::Light));
        p->drawLine(r.topLeft(), r.topRight());
        p->drawLine(r.topLeft(), r.bottomLeft());
    }
    QFont f = option.font;
    f.setUnderline(look.underline);
    p->setFont(f);
    p->setPen(look.text);
    const QString shown = look.centred ? text.trimmed() : text;
    const int left =
        look.centred ? GridTitleLeft(r.width(), p->fontMetrics().horizontalAdvance(shown)) : 2;
    p->drawText(r.adjusted(left, 2, 0, 0), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
                shown);
    if (option.state.testFlag(QStyle::State_HasFocus)) {
        QStyleOptionFocusRect fo;
        fo.initFrom(option.widget);
        fo.rect = r;
        fo.backgroundColor = look.background;
        if (const QStyle* style = option.widget ? option.widget->style() : nullptr)
            style->drawPrimitive(QStyle::PE_FrameFocusRect, &fo, p, option.widget);
    }
    if (look.bottomLine) {
        p->setPen(QPen(Qt::black, 1));
        p->drawLine(r.bottomLeft(), r.bottomRight());
    }
    p->restore();
}

GridEditorDelegate::GridEditorDelegate(const char* editorName, QObject* parent)
    : QStyledItemDelegate(parent), m_editorName(QString::fromLatin1(editorName)) {}

QWidget* GridEditorDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                          const QModelIndex&) const {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(m_editorName);
    edit->setFrame(false);
    edit->setFont(option.font);
    // The grid's own menus serve the editor too.
    edit->setContextMenuPolicy(Qt::NoContextMenu);
    auto refused = [this, edit](const QString& character) {
        QToolTip::showText(
            edit->mapToGlobal(QPoint(0, edit->height())),
            QStringLiteral("「%1」は保存できない文字のため入力できません。").arg(character), edit);
        emit inputRefused(character);
    };
    edit->setValidator(new StorableTextValidator(refused, edit));
    return edit;
}

void GridEditorDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
    auto* edit = qobject_cast<QLineEdit*>(editor);
    if (!edit)
        return;
    const QString text = index.data(Qt::EditRole).toString();
    // Rewriting an unchanged text would move the caret while typing.
    if (edit->text() != text)
        edit->setText(text);
}

void GridEditorDelegate::setModelData(QWidget* editor, QAbstractItemModel* model,
                                      const QModelIndex& index) const {
    if (auto* edit = qobject_cast<QLineEdit*>(editor))
        model->setData(index, edit->text(), Qt::EditRole);
}

void GridEditorDelegate::updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                                              const QModelIndex&) const {
    editor->setGeometry(option.rect);
}

StorableTextValidator::StorableTextValidator(std::function<void(const QString&)> refused,
                                             QObject* parent)
    : QValidator(parent), m_refused(std::move(refused)) {}

QValidator::State StorableTextValidator::validate(QString& input, int&) const {
    const QString bad = FirstUnstorable(input);
    if (bad.isEmpty())
        return Acceptable;
    if (m_refused)
        m_refused(bad);
    return Invalid;
}

}  // namespace tkv::platform
