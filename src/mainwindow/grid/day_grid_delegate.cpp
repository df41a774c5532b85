#include "mainwindow/grid/day_grid_delegate.h"

#include <functional>

#include <QLineEdit>
#include <QPainter>
#include <QToolTip>
#include <QValidator>

#include "mainwindow/grid/day_grid_model.h"
#include "platform/colors.h"
#include "platform/text_convert.h"
#include "settings/settings.h"

namespace tkv {
namespace {

class StorableTextValidator final : public QValidator {
public:
    StorableTextValidator(std::function<void(const QString&)> refused, QObject* parent)
        : QValidator(parent), m_refused(std::move(refused)) {}

    State validate(QString& input, int&) const override {
        const QString bad = platform::FirstUnstorable(input);
        if (bad.isEmpty())
            return Acceptable;
        m_refused(bad);
        return Invalid;
    }

private:
    std::function<void(const QString&)> m_refused;
};

}  // namespace

CellColors ColorsFor(const CellStyle& st, const Settings& s, const QPalette& pal,
                     bool selectedWithoutFocus) {
    CellColors c;
    switch (st.ink) {
        case CellInk::Normal:
            c.text = pal.color(st.fixed ? QPalette::ButtonText : QPalette::Text);
            break;
        case CellInk::Red:
            c.text = platform::ToQColor(platform::RedColor, pal);
            break;
        case CellInk::Blue:
            c.text = QColor(0, 0, 255);
            break;
        case CellInk::Memo:
            c.text = platform::ToQColor(st.memoColor, pal);
            break;
    }
    if (st.fixed) {
        c.background = pal.color(QPalette::Button);
    } else if (selectedWithoutFocus) {
        c.background = pal.color(QPalette::Highlight);
        c.text = pal.color(QPalette::HighlightedText);
    } else if (st.cellColor >= 0) {
        c.background = platform::ToQColor(s.CellColor[static_cast<std::size_t>(st.cellColor)], pal);
    } else {
        c.background = pal.color(QPalette::Base);
    }
    return c;
}

DayGridDelegate::DayGridDelegate(QObject* parent) : QStyledItemDelegate(parent) {}

void DayGridDelegate::paint(QPainter* p, const QStyleOptionViewItem& option,
                            const QModelIndex& index) const {
    const auto* model = qobject_cast<const DayGridModel*>(index.model());
    const DayRow* row = model ? model->dayRowAt(index) : nullptr;
    if (!row || !model->settings()) {
        QStyledItemDelegate::paint(p, option, index);
        return;
    }
    const Settings& s = *model->settings();
    const CellStyle st = StyleFor(*row, ColumnAt(index.column()), s);
    const bool focused = option.state.testFlag(QStyle::State_HasFocus);
    const bool selected = option.state.testFlag(QStyle::State_Selected);
    const CellColors colors = ColorsFor(st, s, option.palette, selected && !focused);
    const QRect r = option.rect;

    p->save();
    p->fillRect(r, colors.background);
    if (st.fixed) {
        p->setPen(option.palette.color(QPalette::Light));
        p->drawLine(r.topLeft(), r.topRight());
        p->drawLine(r.topLeft(), r.bottomLeft());
    }
    QFont f = option.font;
    f.setUnderline(st.underline);
    p->setFont(f);
    p->setPen(colors.text);
    p->drawText(r.adjusted(2, 2, 0, 0), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
                index.data(Qt::DisplayRole).toString());
    if (focused) {
        QStyleOptionFocusRect fo;
        fo.initFrom(option.widget);
        fo.rect = r;
        fo.backgroundColor = colors.background;
        const QStyle* style = option.widget ? option.widget->style() : nullptr;
        if (style)
            style->drawPrimitive(QStyle::PE_FrameFocusRect, &fo, p, option.widget);
    }
    if (st.weekLine) {
        p->setPen(QPen(Qt::black, 1));
        p->drawLine(r.bottomLeft(), r.bottomRight());
    }
    p->restore();
}

QWidget* DayGridDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                       const QModelIndex&) const {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName("DayGridEditor");
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

void DayGridDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
    auto* edit = qobject_cast<QLineEdit*>(editor);
    if (!edit)
        return;
    const QString text = index.data(Qt::EditRole).toString();
    // Rewriting an unchanged text would move the caret while typing.
    if (edit->text() != text)
        edit->setText(text);
}

void DayGridDelegate::setModelData(QWidget* editor, QAbstractItemModel* model,
                                   const QModelIndex& index) const {
    if (auto* edit = qobject_cast<QLineEdit*>(editor))
        model->setData(index, edit->text(), Qt::EditRole);
}

void DayGridDelegate::updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                                           const QModelIndex&) const {
    editor->setGeometry(option.rect);
}

}  // namespace tkv
