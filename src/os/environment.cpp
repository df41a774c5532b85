#include "os/environment.h"

#include <climits>
#include <cstdlib>
#include <optional>
#include <pwd.h>
#include <unistd.h>

#include "base/atomic_file.h"

namespace tkv::os {
namespace {

std::optional<std::string> env(const char* name) {
    const char* v = std::getenv(name);
    if (v == nullptr)
        return std::nullopt;
    return std::string(v);
}

}  // namespace

std::string ExecutableDir() {
    char buf[PATH_MAX];
    const ssize_t n = ::readlink("/proc/self/exe", buf, sizeof buf - 1);
    if (n <= 0)
        return CurrentDir();
    std::string path(buf, static_cast<std::size_t>(n));
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? CurrentDir() : path.substr(0, slash);
}

std::string CurrentDir() {
    char buf[PATH_MAX];
    if (::getcwd(buf, sizeof buf) == nullptr)
        return ".";
    return buf;
}

FolderInputs ReadFolderInputs() {
    FolderInputs in;
    in.dataDirOverride = env("TOKIVANE_DATA_DIR");
    in.configDirOverride = env("TOKIVANE_CONFIG_DIR");
    in.xdgDataHome = env("XDG_DATA_HOME");
    in.xdgConfigHome = env("XDG_CONFIG_HOME");
    if (auto home = env("HOME"); home && !home->empty()) {
        in.home = *home;
    } else if (const passwd* pw = ::getpwuid(::getuid()); pw != nullptr && pw->pw_dir != nullptr) {
        in.home = pw->pw_dir;
    }
    in.executableDir = ExecutableDir();
    in.portableMarker = FileExists(JoinPath(in.executableDir, "portable"));
    return in;
}

}  // namespace tkv::os
