#include "session/startup.h"

#include <cerrno>
#include <cstdio>

#include "base/atomic_file.h"
#include "base/clock.h"
#include "base/paths.h"
#include "base/registry_store.h"
#include "session/month_session.h"

namespace tkv {

RunFolders PrepareFolders(const FolderInputs& inputs, std::string_view user) {
    RunFolders run{DataFolder(inputs), ConfigFolder(inputs), {}};
    for (const std::string* dir : {&run.dataDir, &run.configDir}) {
        if (dir->empty())
            continue;
        run.io = MakeDirectories(*dir, 0700);
        if (!run.io.ok())
            return run;
    }
    if (!user.empty())
        run.io = PrepareUserFolder({run.dataDir, std::string(user)});
    return run;
}

IoResult PrepareUserFolder(const UserPaths& paths) {
    return MakeDirectories(paths.folder(), 0700);
}

std::string RegistryFile(std::string_view configDir) {
    return JoinPath(configDir, "registry.ini");
}

IoResult SetAsideRegistryFile(std::string_view configDir, const DateTime& now,
                              std::string& keptAs) {
    const std::string path = RegistryFile(configDir);
    char stamp[32];
    std::snprintf(stamp, sizeof stamp, ".broken-%04d%02d%02d-%02d%02d%02d", now.year, now.month,
                  now.day, now.hour, now.minute, now.second);
    keptAs = path + stamp;
    // An earlier copy of the same second is never replaced.
    if (FileExists(keptAs))
        return IoResult::failure(IoError::WriteFailed, EEXIST, keptAs);
    if (std::rename(path.c_str(), keptAs.c_str()) != 0)
        return IoResult::failure(IoError::WriteFailed, errno, path);
    return IoResult::success();
}

std::unique_ptr<IniRegistryStore> OpenRegistry(std::string_view configDir) {
    return std::make_unique<IniRegistryStore>(RegistryFile(configDir));
}

}  // namespace tkv
