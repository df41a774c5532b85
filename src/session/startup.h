#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "base/io_result.h"

namespace tkv {

class IniRegistryStore;
struct FolderInputs;
struct UserPaths;

// The folders of one run of either program.
struct RunFolders {
    std::string dataDir;    // month files, Vacation.dat, Holiday.dat, user subfolders
    std::string configDir;  // registry.ini
    IoResult io;            // the first folder that could not be created
};

// Works out the data and configuration folders and creates them (0700),
// together with the user's subfolder of the data folder when a user is given.
RunFolders PrepareFolders(const FolderInputs& inputs, std::string_view user);

// Creates the folder of a user's files (0700) with its parents; at start-up
// and when the program switches to another user.
IoResult PrepareUserFolder(const UserPaths& paths);

// registry.ini in a configuration folder.
std::string RegistryFile(std::string_view configDir);

struct DateTime;

// Moves a registry file that could not be read aside, to
// "registry.ini.broken-YYYYMMDD-HHMMSS" beside it, so that a start on
// defaults never writes over it. `keptAs` receives the new path.
IoResult SetAsideRegistryFile(std::string_view configDir, const DateTime& now, std::string& keptAs);

// The registry file of a configuration folder, read once; its loadResult()
// says whether that worked.
std::unique_ptr<IniRegistryStore> OpenRegistry(std::string_view configDir);

}  // namespace tkv
