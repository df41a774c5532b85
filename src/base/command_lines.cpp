#include "base/command_lines.h"

#include <charconv>

#include "base/paths.h"
#include "base/text_util.h"

namespace tkv {
namespace {

void addUserSwitch(std::vector<std::string>& args, bool multiUser, std::string_view user) {
    if (multiUser)
        args.emplace_back("/M");
    else if (!user.empty())
        args.push_back("/U:" + std::string(user));
}

}  // namespace

CommandLine IdleToolCommand(std::string_view programDir, int iconSelect, bool multiUser,
                            std::string_view user) {
    CommandLine c{JoinPath(programDir, "drowsel"), {"/Idle", std::to_string(iconSelect)}};
    addUserSwitch(c.args, multiUser, user);
    return c;
}

CommandLine DesktopCommand(std::string_view programDir, std::string_view startSwitch,
                           bool multiUser, std::string_view user) {
    CommandLine c{JoinPath(programDir, "tokivane"), {std::string(startSwitch)}};
    addUserSwitch(c.args, multiUser, user);
    return c;
}

int IdleIconSwitch(const std::vector<std::string>& args) {
    for (std::size_t i = 0; i + 1 < args.size(); ++i) {
        if (UpperAscii(args[i]) != "/IDLE")
            continue;
        const std::string& n = args[i + 1];
        int value = 0;
        const auto [end, ec] = std::from_chars(n.data(), n.data() + n.size(), value);
        if (ec != std::errc() || end != n.data() + n.size() || value < 0 || value > 99)
            return 0;
        return value;
    }
    return 0;
}

}  // namespace tkv
