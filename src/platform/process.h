#pragma once

#include <functional>

#include "base/command_lines.h"

namespace tkv::platform {

// Starts a program as an independent process, with our environment and
// current folder, and waits for nothing; false when it could not be started.
bool StartDetached(const CommandLine& command);

// StartDetached, or a stand-in that tests give.
using ProcessLauncher = std::function<bool(const CommandLine&)>;

}  // namespace tkv::platform
