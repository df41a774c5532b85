#include "help/help_viewer.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QShortcut>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "help/help_guide.h"
#include "platform/buttons.h"
#include "platform/text_convert.h"

namespace tkv::help {
namespace {

using platform::ToQString;

// The viewer's buttons take the focus by Tab only, never by a click.
QPushButton* tabButton(QWidget* parent, const char* name, const char* text, const char* hint) {
    QPushButton* b = platform::MakeButton(parent, name, ToQString(text), ToQString(hint));
    b->setFocusPolicy(Qt::TabFocus);
    return b;
}

}  // namespace

THelpViewer::THelpViewer(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName("THelpViewer");
    setWindowTitle(ToQString("Tokivane ヘルプ"));
    platform::SetHelpTopic(this, platform::HelpTopic::Contents);

    auto* bar = new QHBoxLayout;
    m_back = tabButton(this, "BackButton", "◀ 戻る", "前に見ていたところへ戻ります。(Alt+←)");
    m_forward = tabButton(this, "ForwardButton", "進む ▶", "戻る前のところへ進みます。(Alt+→)");
    QPushButton* contents = tabButton(this, "ContentsButton", "目次", "目次を表示します。");
    m_search = new QLineEdit(this);
    m_search->setObjectName("SearchEdit");
    m_search->setPlaceholderText(ToQString("ヘルプ内を検索 (Ctrl+F)"));
    m_search->setToolTip(
        ToQString("検索する語句を入力して Enter を押します。Shift+Enter で前を検索します。"));
    m_search->setClearButtonEnabled(true);
    QPushButton* next = tabButton(this, "FindNextButton", "次を検索", "次の一致を探します。(F3)");
    QPushButton* previous =
        tabButton(this, "FindPreviousButton", "前を検索", "前の一致を探します。(Shift+F3)");
    m_searchNote = new QLabel(this);
    m_searchNote->setObjectName("SearchNoteLabel");
    bar->addWidget(m_back);
    bar->addWidget(m_forward);
    bar->addWidget(contents);
    bar->addSpacing(12);
    bar->addWidget(m_search, 1);
    bar->addWidget(next);
    bar->addWidget(previous);

    m_browser = new QTextBrowser(this);
    m_browser->setObjectName("HelpBrowser");
    m_browser->setOpenExternalLinks(true);

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(6, 6, 6, 6);
    column->addLayout(bar);
    column->addWidget(m_searchNote);
    column->addWidget(m_browser, 1);
    m_searchNote->hide();

    m_back->setEnabled(false);
    m_forward->setEnabled(false);
    connect(m_back, &QPushButton::clicked, m_browser, &QTextBrowser::backward);
    connect(m_forward, &QPushButton::clicked, m_browser, &QTextBrowser::forward);
    connect(m_browser, &QTextBrowser::backwardAvailable, m_back, &QPushButton::setEnabled);
    connect(m_browser, &QTextBrowser::forwardAvailable, m_forward, &QPushButton::setEnabled);
    connect(contents, &QPushButton::clicked, this,
            [this] { showTopic(platform::HelpTopic::Contents); });
    connect(m_search, &QLineEdit::returnPressed, this, [this] {
        find(m_search->text(), QGuiApplication::keyboardModifiers() & Qt::ShiftModifier);
    });
    connect(m_search, &QLineEdit::textChanged, m_searchNote, &QLabel::hide);
    connect(next, &QPushButton::clicked, this, [this] { find(m_search->text()); });
    connect(previous, &QPushButton::clicked, this, [this] { find(m_search->text(), true); });
    auto* focusSearch = new QShortcut(QKeySequence::Find, this);
    connect(focusSearch, &QShortcut::activated, this, [this] {
        m_search->setFocus();
        m_search->selectAll();
    });
    auto* findNext = new QShortcut(QKeySequence::FindNext, this);
    connect(findNext, &QShortcut::activated, this, [this] { find(m_search->text()); });
    auto* findPrevious = new QShortcut(QKeySequence::FindPrevious, this);
    connect(findPrevious, &QShortcut::activated, this, [this] { find(m_search->text(), true); });

    resize(760, 640);
}

void THelpViewer::setGuide(const QString& folder, const QStringList& searched) {
    m_folder = folder;
    if (!folder.isEmpty()) {
        m_browser->setSearchPaths({folder});
        return;
    }
    QString list;
    for (const QString& f : searched) list += "<li>" + f.toHtmlEscaped() + "</li>";
    m_browser->setHtml(ToQString("<h2>ヘルプファイルが見つかりません</h2>"
                                 "<p>次の場所に index.html がありませんでした。</p><ul>") +
                       list + ToQString("</ul><p>Tokivane を入れ直すと直ります。</p>"));
}

void THelpViewer::showTopic(platform::HelpTopic topic) {
    if (m_folder.isEmpty())
        return;
    const QUrl url = HelpTopicUrl(m_folder, topic);
    if (url == m_browser->source() && topic != platform::HelpTopic::Contents)
        m_browser->scrollToAnchor(url.fragment());  // again, after the user scrolled away
    else
        m_browser->setSource(url);
    if (topic == platform::HelpTopic::Contents)
        m_browser->verticalScrollBar()->setValue(0);  // the contents head the guide
}

QUrl THelpViewer::source() const {
    return m_browser->source();
}

bool THelpViewer::find(const QString& text, bool backward) {
    if (text.isEmpty())
        return false;
    const QTextDocument::FindFlags flags =
        backward ? QTextDocument::FindBackward : QTextDocument::FindFlags();
    bool found = m_browser->find(text, flags);
    if (!found) {
        // Wrap round: start again from the other end of the guide.
        QTextCursor c = m_browser->textCursor();
        c.movePosition(backward ? QTextCursor::End : QTextCursor::Start);
        m_browser->setTextCursor(c);
        found = m_browser->find(text, flags);
    }
    m_searchNote->setText(found ? QString() : ToQString("「%1」は見つかりません。").arg(text));
    m_searchNote->setVisible(!found);
    return found;
}

void THelpViewer::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

}  // namespace tkv::help
