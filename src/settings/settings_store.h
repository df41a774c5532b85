#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>

#include "base/io_result.h"
#include "settings/settings.h"

namespace tkv {

class RegistryStore;

// Byte order reversed: the stored form of both passwords.
std::string ReverseText(std::string_view bytes);
// The byte scrambling of each line of the ".SET" file.
std::string SetFileEncode(std::string_view bytes);
// The 37 lines of the ".SET" file, CP932, each ended by CR LF.
std::string BuildSetFile(const Settings& s);

// The repairs a load makes to values that cannot be used as stored: a
// late-night end of 0:00, legacy rounding units, an empty minimum overtime,
// a half working day without a start. The settings dialog applies them to
// what it commits too, so the record in memory is the one the next load gives.
void RepairSettings(Settings& s);

struct SettingsLoadResult {
    bool firstRun = false;
    IoResult registry;       // reading the store, or writing first-run values and repairs
    IoResult setFile;        // only on a first run, which saves at once
    HalfDayValues halfDays;  // for the paid-leave ledger
};

struct SettingsSaveResult {
    IoResult registry;
    IoResult setFile;
    bool ok() const { return registry.ok() && setFile.ok(); }
};

// Loads and saves the whole settings record of the current user, and keeps
// the start-user copies. The record is defined on registry value names; the
// store owns first-run values, repairs and the legacy unit map.
class SettingsStore {
public:
    // `dataDir` holds the ".SET" file; `currentDir` seeds SaveInitialDir.
    SettingsStore(RegistryStore& registry, std::string dataDir, std::string currentDir,
                  std::string startUser);

    const std::string& currentUser() const { return m_currentUser; }
    const std::string& startUser() const { return m_startUser; }
    void setCurrentUser(std::string user) { m_currentUser = std::move(user); }

    SettingsLoadResult LoadSettings(Settings& s);
    // Takes the record by reference: the six frequently-used times are copied
    // back into Time18..Time20 first. Writes only the values changed since
    // the load, and takes into the record what other programs stored since.
    SettingsSaveResult SaveSettings(Settings& s);

    const StartUserCopies& startUserCopies() const { return m_copies; }
    std::string userKey() const;
    std::string setFilePath() const;

private:
    RegistryStore& m_registry;
    std::string m_dataDir;
    std::string m_currentDir;
    std::string m_startUser;
    std::string m_currentUser;
    StartUserCopies m_copies;
    // Each value's stored bytes (by key path and name) as the last load read
    // them or the last save wrote them: a save writes only the values that
    // differ from these.
    std::map<std::string, std::optional<std::string>> m_stored;
};

}  // namespace tkv
