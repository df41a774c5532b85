#pragma once

#include <QString>
#include <QStringList>
#include <QUrl>

#include "platform/help_topic.h"

namespace tkv::help {

// The folders the user guide may be read from, in order: the installed copy
// beside the program (bin/../share/doc/tokivane/help, so an installed program
// finds its own guide wherever the prefix is), then the source tree the
// program was built from (a program run from its build folder).
QStringList HelpGuideCandidates(const QString& executableDir);

// The first candidate holding index.html; empty when none does.
QString FindHelpGuide(const QStringList& candidates);

// The guide's page, at the anchor of `topic` (the contents: no anchor).
QUrl HelpTopicUrl(const QString& guideFolder, platform::HelpTopic topic);

}  // namespace tkv::help
