#pragma once

#include <functional>

#include <QDialog>
#include <QString>
#include <QUrl>

class QLineEdit;

namespace tkv::help {

// Where this run keeps its files, as the about box shows them.
struct AboutFacts {
    QString dataFolder;    // the open user's folder (the data folder itself for no user)
    QString settingsFile;  // the file the settings are read from and written to
    QString settingsKey;   // the open user's key inside it
};

// "バージョン情報": name, version, copyright and licence, the Qt version, and
// the folders actually in use, with a button that opens the data folder in
// the file manager. The facts are read again at each showing, so they follow
// a user switch.
class TAboutBox final : public QDialog {
    Q_OBJECT

public:
    using FactsSource = std::function<AboutFacts()>;
    using FolderOpener = std::function<bool(const QUrl&)>;

    explicit TAboutBox(FactsSource facts, QWidget* parent = nullptr);

    // QDesktopServices::openUrl unless a test puts its own in.
    void setFolderOpener(FolderOpener opener) { m_opener = std::move(opener); }

    void refresh();
    void openDataFolder();

protected:
    void showEvent(QShowEvent* event) override;

private:
    FactsSource m_facts;
    FolderOpener m_opener;
    QLineEdit* m_dataFolder = nullptr;
    QLineEdit* m_settingsFile = nullptr;
    QLineEdit* m_settingsKey = nullptr;
};

// The application icon at every size it is drawn in.
QIcon ApplicationIcon();

}  // namespace tkv::help
