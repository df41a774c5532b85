#pragma once

#include <string>

#include "base/paths.h"

namespace tkv::os {

// The folder of the running executable (from /proc/self/exe).
std::string ExecutableDir();
std::string CurrentDir();

// Reads TOKIVANE_DATA_DIR, TOKIVANE_CONFIG_DIR, the XDG variables and HOME,
// and looks for the "portable" marker beside the executable.
FolderInputs ReadFolderInputs();

}  // namespace tkv::os
