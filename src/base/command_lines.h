#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tkv {

// A program and its arguments, started as an independent process.
struct CommandLine {
    std::string program;
    std::vector<std::string> args;
};

// The idle tool beside the desktop program: "<dir>/drowsel /Idle N", then
// "/M" when the program runs with the user menu, else "/U:name" for a named
// user, so the program it later starts works on the same data.
CommandLine IdleToolCommand(std::string_view programDir, int iconSelect, bool multiUser,
                            std::string_view user);

// The desktop program started from the idle tool: "<dir>/tokivane", the
// start switch ("/Disp" or "/Down") first, then the same user switch.
CommandLine DesktopCommand(std::string_view programDir, std::string_view startSwitch,
                           bool multiUser, std::string_view user);

// N of "/Idle N" (letter case free): which tray image the idle tool shows;
// 0 when the switch or its number is missing or not a small number.
int IdleIconSwitch(const std::vector<std::string>& args);

}  // namespace tkv
