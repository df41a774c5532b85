#pragma once

#include <memory>
#include <string>

namespace tkv {

class Clock;
class IniRegistryStore;

// Opens registry.ini for a run of the desktop program. A file that cannot be
// read, or reads as damaged, is never written over without the person
// knowing: they choose between keeping it aside as
// "registry.ini.broken-YYYYMMDD-HHMMSS" and starting on defaults, or quitting.
// Gives nullptr when the program is to quit.
std::unique_ptr<IniRegistryStore> OpenSettingsFile(const std::string& configDir,
                                                   const Clock& clock);

}  // namespace tkv
