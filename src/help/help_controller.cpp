#include "help/help_controller.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

#include "help/help_guide.h"
#include "help/help_viewer.h"
#include "platform/window_fit.h"

namespace tkv::help {

HelpController::HelpController(QWidget* home, QStringList guideFolders)
    : QObject(home), m_home(home), m_guideFolders(std::move(guideFolders)) {
    m_guide = FindHelpGuide(m_guideFolders);
    // F1 reaches the program through any of its windows, modal dialogs
    // included; the filter also sees a lent-to dialog hide.
    qApp->installEventFilter(this);
}

HelpController::~HelpController() {
    qApp->removeEventFilter(this);
}

THelpViewer* HelpController::viewer() const {
    return m_viewer;
}

THelpViewer* HelpController::ensureViewer() {
    if (!m_viewer) {
        m_viewer = new THelpViewer(m_home);
        m_viewer->setGuide(m_guide, m_guideFolders);
    }
    return m_viewer;
}

void HelpController::placeUnder(QWidget* parent) {
    THelpViewer* viewer = ensureViewer();
    if (viewer->parentWidget() == parent)
        return;
    // A window blocked by a modal dialog takes no input, unless it belongs to
    // that dialog: the viewer is lent to the dialog while it is open.
    const QRect geometry = viewer->geometry();
    const bool visible = viewer->isVisible();
    viewer->setParent(parent, Qt::Window);
    viewer->setGeometry(geometry);
    m_lentTo = parent == m_home ? nullptr : parent;
    if (visible)
        viewer->show();
}

void HelpController::showContents() {
    showTopic(platform::HelpTopic::Contents);
}

void HelpController::showTopic(platform::HelpTopic topic) {
    QWidget* modal = QApplication::activeModalWidget();
    placeUnder(modal ? modal : m_home.data());
    THelpViewer* viewer = ensureViewer();
    if (!viewer->isVisible())
        platform::KeepOnScreen(*viewer);
    viewer->show();
    viewer->raise();
    viewer->activateWindow();
    viewer->showTopic(topic);
}

void HelpController::showTopicFor(const QWidget* widget) {
    showTopic(platform::HelpTopicFor(widget));
}

void HelpController::closeViewer() {
    if (m_viewer)
        m_viewer->close();
}

bool HelpController::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_F1 && key->modifiers() == Qt::NoModifier &&
            watched->isWidgetType()) {
            showTopicFor(static_cast<QWidget*>(watched));
            return true;
        }
    } else if (event->type() == QEvent::Hide && watched == m_lentTo && m_home) {
        // The dialog closes; the viewer stays open and goes back to the main window.
        placeUnder(m_home);
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace tkv::help
