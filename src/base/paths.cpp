#include "base/paths.h"

#include "base/text_util.h"

namespace tkv {
namespace {

bool present(const std::optional<std::string>& v) {
    return v.has_value() && !v->empty();
}

}  // namespace

std::string JoinPath(std::string_view folder, std::string_view name) {
    if (folder.empty())
        return std::string(name);
    std::string out(folder);
    while (out.size() > 1 && out.back() == '/') out.pop_back();
    if (out != "/")
        out += '/';
    std::size_t skip = 0;
    while (skip < name.size() && name[skip] == '/') ++skip;
    out.append(name.substr(skip));
    return out;
}

std::string DataFolder(const FolderInputs& in) {
    if (present(in.dataDirOverride))
        return *in.dataDirOverride;
    if (in.portableMarker)
        return in.executableDir;
    if (present(in.xdgDataHome))
        return JoinPath(*in.xdgDataHome, "tokivane");
    return JoinPath(in.home, ".local/share/tokivane");
}

std::string ConfigFolder(const FolderInputs& in) {
    if (present(in.configDirOverride))
        return *in.configDirOverride;
    if (present(in.xdgConfigHome))
        return JoinPath(*in.xdgConfigHome, "tokivane");
    return JoinPath(in.home, ".config/tokivane");
}

std::string MonthFileName(std::string_view dataDir, int year, int month, std::string_view user) {
    const std::string name = IntToStrPad(year, 4, '0') + IntToStrPad(month, 2, '0') + ".dat";
    return UserFilePath(user, JoinPath(dataDir, name));
}

std::string UserFilePath(std::string_view user, std::string_view path) {
    if (user.empty())
        return std::string(path);
    const std::size_t slash = path.rfind('/');
    const std::string_view folder = slash == std::string_view::npos ? "" : path.substr(0, slash);
    const std::string_view file = slash == std::string_view::npos ? path : path.substr(slash + 1);
    return JoinPath(JoinPath(folder, user), file);
}

std::string UserRegKey(std::string_view user, std::string_view baseKey) {
    if (user.empty())
        return std::string(baseKey);
    std::string key(baseKey);
    key += "\\User\\";
    key += user;
    return key;
}

bool IsValidUserName(std::string_view user) {
    if (user.empty() || user == "." || user == "..")
        return false;
    for (char ch : user) {
        const auto b = static_cast<unsigned char>(ch);
        // "[", "]" and "=" would break the registry section named after the user.
        if (b < 0x20 || b == 0x7F || ch == '/' || ch == '\\' || ch == '[' || ch == ']' || ch == '=')
            return false;
    }
    return Trim(user) == user;
}

std::string UserSwitch(const std::vector<std::string>& args) {
    for (const std::string& a : args)
        if (a.size() > 3 && UpperAscii(a.substr(0, 3)) == "/U:")
            return a.substr(3);
    return {};
}

bool MultiUserSwitch(const std::vector<std::string>& args) {
    for (const std::string& a : args)
        if (UpperAscii(a) == "/M")
            return true;
    return false;
}

bool DisplaySwitch(const std::vector<std::string>& args) {
    return !args.empty() && args.front() == "/Disp";
}

bool DownSwitch(const std::vector<std::string>& args) {
    return !args.empty() && args.front() == "/Down";
}

}  // namespace tkv
