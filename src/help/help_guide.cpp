#include "help/help_guide.h"

#include <QDir>
#include <QFileInfo>

namespace tkv::help {

QStringList HelpGuideCandidates(const QString& executableDir) {
    return {QDir::cleanPath(executableDir + "/" + TOKIVANE_HELP_RELATIVE_DIR),
            QStringLiteral(TOKIVANE_SOURCE_HELP_DIR)};
}

QString FindHelpGuide(const QStringList& candidates) {
    for (const QString& folder : candidates) {
        if (QFileInfo(folder + "/index.html").isFile())
            return folder;
    }
    return {};
}

QUrl HelpTopicUrl(const QString& guideFolder, platform::HelpTopic topic) {
    QUrl url = QUrl::fromLocalFile(guideFolder + "/index.html");
    if (topic != platform::HelpTopic::Contents)
        url.setFragment(QString::number(static_cast<int>(topic)));
    return url;
}

}  // namespace tkv::help
