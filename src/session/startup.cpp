#include "session/startup.h"

#include <utility>

#include "base/atomic_file.h"
#include "base/paths.h"
#include "base/registry_store.h"

namespace tkv {

RunFolders PrepareFolders(const FolderInputs& inputs, std::string_view user) {
    RunFolders run{DataFolder(inputs), ConfigFolder(inputs), {}};
    const std::string userDir = user.empty() ? std::string() : JoinPath(run.dataDir, user);
    for (const std::string* dir :
         {&std::as_const(run.dataDir), &std::as_const(run.configDir), &userDir}) {
        if (dir->empty())
            continue;
        run.io = MakeDirectories(*dir, 0700);
        if (!run.io.ok())
            break;
    }
    return run;
}

std::unique_ptr<IniRegistryStore> OpenRegistry(std::string_view configDir) {
    return std::make_unique<IniRegistryStore>(JoinPath(configDir, "registry.ini"));
}

}  // namespace tkv
