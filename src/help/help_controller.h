#pragma once

#include <QObject>
#include <QPointer>
#include <QStringList>

#include "platform/help_topic.h"

class QWidget;

namespace tkv::help {

class THelpViewer;

// Opens the user guide: the contents from the help menu, the topic of the
// window in front on F1 anywhere in the program. The viewer is one window,
// made on first use and owned by the main window, so it never keeps the
// program alive; it is closed when the main window closes.
class HelpController final : public QObject {
    Q_OBJECT

public:
    // `home` is the main window; `guideFolders` the candidates in order
    // (HelpGuideCandidates).
    HelpController(QWidget* home, QStringList guideFolders);
    ~HelpController() override;

    void showContents();
    void showTopic(platform::HelpTopic topic);
    // F1 pressed on `widget`.
    void showTopicFor(const QWidget* widget);
    void closeViewer();

    // Null until the guide was first opened (or after the window it lived
    // under was destroyed).
    THelpViewer* viewer() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    THelpViewer* ensureViewer();
    void placeUnder(QWidget* parent);

    QPointer<QWidget> m_home;
    QStringList m_guideFolders;
    QString m_guide;
    QPointer<THelpViewer> m_viewer;
    // The modal dialog the viewer was lent to, so that it can be used while
    // that dialog blocks every other window.
    QPointer<QWidget> m_lentTo;
};

}  // namespace tkv::help
