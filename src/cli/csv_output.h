#pragma once

#include <optional>
#include <string>
#include <vector>

#include "cli/cli_app.h"

namespace tkv::cli {

// Removes "--out FILE" from `args` and gives FILE; nothing when absent.
std::optional<std::string> TakeOutOption(std::vector<std::string>& args);

// The output rules every csv command shares: `bytes` go to FILE, to
// standard output for "-", or without --out to `defaultName` in the current
// folder. The path written is printed as given (nothing for "-"). A file
// that cannot be written gives ExitFile and leaves FILE as it was.
int WriteCsvOutput(Context& ctx, const std::optional<std::string>& out,
                   const std::string& defaultName, const std::string& bytes);

}  // namespace tkv::cli
