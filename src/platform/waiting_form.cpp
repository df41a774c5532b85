#include "platform/waiting_form.h"

#include <algorithm>

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QProgressBar>
#include <QScreen>
#include <QVBoxLayout>

#include "platform/fonts.h"

namespace tkv::platform {

TWaitingForm::TWaitingForm(QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
    setObjectName("TWaitingForm");
    setFont(FontFor(QString::fromUtf8(ProportionalFontName), 9));
    setFixedSize(320, 82);

    auto* panel = new QFrame(this);
    panel->setObjectName("WaitPanel");
    panel->setFrameShape(QFrame::StyledPanel);
    panel->setAutoFillBackground(true);
    QPalette white = panel->palette();
    white.setColor(QPalette::Window, Qt::white);
    white.setColor(QPalette::WindowText, Qt::black);
    panel->setPalette(white);

    m_label = new QLabel(panel);
    m_label->setObjectName("WaitLabel");
    m_label->setAlignment(Qt::AlignCenter);
    m_progress = new QProgressBar(panel);
    m_progress->setObjectName("WaitProgressBar");
    m_progress->setTextVisible(false);

    auto* inner = new QVBoxLayout(panel);
    inner->setContentsMargins(12, 10, 12, 10);
    inner->addWidget(m_label);
    inner->addWidget(m_progress);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(4, 4, 4, 4);
    outer->addWidget(panel);
}

void TWaitingForm::begin(QWidget* caller, const QString& text, int steps) {
    setWindowTitle(text);
    m_label->setText(text + QString::fromUtf8("です。しばらくお待ちください。"));
    m_progress->setRange(0, std::max(steps, 0));
    m_progress->setValue(0);

    QRect over;
    if (caller != nullptr && caller->isVisible()) {
        over = caller->window()->frameGeometry();
    } else if (QScreen* screen = QGuiApplication::primaryScreen()) {
        over = screen->availableGeometry();
    }
    if (over.isValid())
        move(over.center() - QPoint(width() / 2, height() / 2));

    show();
    raise();
    paintNow();
}

void TWaitingForm::step(int count) {
    setPosition(m_progress->value() + count);
}

void TWaitingForm::setPosition(int position) {
    m_progress->setValue(std::clamp(position, m_progress->minimum(), m_progress->maximum()));
    if (isVisible())
        paintNow();
}

void TWaitingForm::finish() {
    hide();
}

int TWaitingForm::position() const {
    return m_progress->value();
}
int TWaitingForm::steps() const {
    return m_progress->maximum();
}
QString TWaitingForm::panelText() const {
    return m_label->text();
}

// The work that follows runs on this thread without returning to the event
// loop, so the window must be painted here or it would stay blank.
void TWaitingForm::paintNow() {
    repaint();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

}  // namespace tkv::platform
