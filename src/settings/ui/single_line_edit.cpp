#include "settings/ui/single_line_edit.h"

#include <algorithm>

#include <QFocusEvent>
#include <QTimer>
#include <QToolTip>

#include "platform/text_convert.h"

namespace tkv {

SingleLineEdit::SingleLineEdit(QWidget* parent) : QLineEdit(parent) {
    connect(this, &QLineEdit::textEdited, this, &SingleLineEdit::TextEdited);
}

void SingleLineEdit::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    // A mouse press would place the cursor right after this handler and undo
    // the selection, so select once the press has been handled.
    QTimer::singleShot(0, this, &QLineEdit::selectAll);
}

void SingleLineEdit::TextEdited(const QString& text) {
    QString kept = text;
    QString dropped;
    int cursor = cursorPosition();
    auto drop = [&](qsizetype at, qsizetype length) {
        if (dropped.isEmpty())
            dropped = kept.mid(at, length);
        if (at < cursor)
            cursor -= static_cast<int>(std::min<qsizetype>(length, cursor - at));
        kept.remove(at, length);
    };
    for (qsizetype i = kept.size() - 1; i >= 0; --i) {
        const QChar c = kept.at(i);
        if (c == u'\r' || c == u'\n' || c == QChar::LineSeparator || c == QChar::ParagraphSeparator)
            drop(i, 1);
    }
    for (QString bad = platform::FirstUnstorable(kept); !bad.isEmpty();
         bad = platform::FirstUnstorable(kept)) {
        const qsizetype at = kept.indexOf(bad);
        if (at < 0)
            break;  // never loop on a codec that disagrees with itself
        drop(at, bad.size());
    }
    if (kept == text)
        return;

    setText(kept);
    setCursorPosition(cursor);
    const bool lineBreak = dropped.startsWith(u'\r') || dropped.startsWith(u'\n') ||
                           dropped.at(0).category() == QChar::Separator_Line ||
                           dropped.at(0).category() == QChar::Separator_Paragraph;
    if (!lineBreak) {
        // A masked field must not show what was typed into it.
        const QString notice =
            echoMode() == QLineEdit::Normal
                ? QString::fromUtf8("「%1」は使用できない文字です。").arg(dropped)
                : QString::fromUtf8("使用できない文字です。");
        QToolTip::showText(mapToGlobal(cursorRect().bottomLeft()), notice, this);
    }
    emit refused(dropped);
}

}  // namespace tkv
