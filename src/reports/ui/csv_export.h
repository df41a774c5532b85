#pragma once

#include <string>

class QWidget;

namespace tkv {

class SettingsStore;
struct Settings;

// What every "CSVﾌｧｲﾙ出力(&O)..." does once its lines are built: asks where
// to save (proposing `fileName` in the last folder used), remembers the
// chosen folder in the settings and stores them, and writes `bytes` to a
// temporary file renamed over the target, so a failed write leaves an old
// file as it was. Failures are shown with the file and the reason. False
// when cancelled or the file could not be written.
bool SaveCsvFile(QWidget* parent, Settings& settings, SettingsStore& store,
                 const std::string& fileName, const std::string& bytes);

}  // namespace tkv
