#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tkv {

// What the folder rules need to know of the environment; gathered by the OS
// layer so that the rules themselves stay pure.
struct FolderInputs {
    std::optional<std::string> dataDirOverride;    // TOKIVANE_DATA_DIR
    std::optional<std::string> configDirOverride;  // TOKIVANE_CONFIG_DIR
    std::optional<std::string> xdgDataHome;
    std::optional<std::string> xdgConfigHome;
    std::string home;
    std::string executableDir;
    bool portableMarker = false;  // a file "portable" beside the executable
};

std::string DataFolder(const FolderInputs& in);
std::string ConfigFolder(const FolderInputs& in);

// Joins two path parts with exactly one "/".
std::string JoinPath(std::string_view folder, std::string_view name);

// The registry root of the program's own settings.
inline constexpr std::string_view BaseRegKey = "Software\\Varnholt\\Zangyo";

// dataDir/YYYYMM.dat, moved into the user's subfolder when a user is given.
std::string MonthFileName(std::string_view dataDir, int year, int month, std::string_view user);
// Folder of `path` + user + "/" + file name of `path`; unchanged for no user.
std::string UserFilePath(std::string_view user, std::string_view path);
// Base key + "\User\" + user; unchanged for no user.
std::string UserRegKey(std::string_view user, std::string_view baseKey = BaseRegKey);

// A user name must name one subfolder and one registry key: no separators,
// no "." or "..", no "[", "]" or "=", no control characters.
bool IsValidUserName(std::string_view user);

// Command-line switches; `args` excludes the program name.
std::string UserSwitch(const std::vector<std::string>& args);
bool MultiUserSwitch(const std::vector<std::string>& args);
bool DisplaySwitch(const std::vector<std::string>& args);
bool DownSwitch(const std::vector<std::string>& args);

}  // namespace tkv
