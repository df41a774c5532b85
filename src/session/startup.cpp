#include "session/startup.h"

#include "base/atomic_file.h"
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

std::unique_ptr<IniRegistryStore> OpenRegistry(std::string_view configDir) {
    return std::make_unique<IniRegistryStore>(RegistryFile(configDir));
}

}  // namespace tkv
