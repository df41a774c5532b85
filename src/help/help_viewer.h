#pragma once

#include <QUrl>
#include <QWidget>

#include "platform/help_topic.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QTextBrowser;

namespace tkv::help {

// The small window that shows the user guide: back, forward, contents, and a
// search through the guide. It reads the guide's HTML from a folder on disk;
// nothing is fetched from the network.
class THelpViewer final : public QWidget {
    Q_OBJECT

public:
    explicit THelpViewer(QWidget* parent = nullptr);

    // The folder of index.html; empty: the guide could not be found, and the
    // viewer says where it looked.
    void setGuide(const QString& folder, const QStringList& searched);
    bool hasGuide() const { return !m_folder.isEmpty(); }

    void showTopic(platform::HelpTopic topic);
    QUrl source() const;

    // Finds `text` after (or before) the selection, wrapping round the guide.
    // False, with a note beside the search field, when it is nowhere.
    bool find(const QString& text, bool backward = false);

    QTextBrowser* browser() const { return m_browser; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    QString m_folder;
    QTextBrowser* m_browser = nullptr;
    QPushButton* m_back = nullptr;
    QPushButton* m_forward = nullptr;
    QLineEdit* m_search = nullptr;
    QLabel* m_searchNote = nullptr;
};

}  // namespace tkv::help
