#include "platform/process.h"

#include <QProcess>
#include <QStringList>

namespace tkv::platform {

bool StartDetached(const CommandLine& command) {
    QStringList args;
    for (const std::string& a : command.args) args << QString::fromStdString(a);
    return QProcess::startDetached(QString::fromStdString(command.program), args);
}

}  // namespace tkv::platform
