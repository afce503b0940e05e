#pragma once
// The eight preferences in the per-user settings store: section "Options" of
// the application named like the executable.

#include <QSettings>
#include <QString>

#include <memory>
#include <optional>
#include <string>

#include "sets/workspace.h"

namespace tolvane {

inline constexpr const char* kOptionsSection = "Options";

class SettingsStore {
 public:
  virtual ~SettingsStore() = default;
  virtual std::optional<std::string> Read(const std::string& key) = 0;
  virtual void Write(const std::string& key, const std::string& value) = 0;
  // Makes the written values permanent.
  virtual void Flush() {}
};

// QSettings of the user: application name = the executable's base name.
class QSettingsStore : public SettingsStore {
 public:
  explicit QSettingsStore(const QString& applicationName);
  // A settings file of its own, for runs that must not touch the user's.
  static std::unique_ptr<QSettingsStore> AtFile(const QString& iniPath);

  std::optional<std::string> Read(const std::string& key) override;
  void Write(const std::string& key, const std::string& value) override;
  void Flush() override;

 private:
  explicit QSettingsStore(std::unique_ptr<QSettings> settings);
  std::unique_ptr<QSettings> settings_;
};

// Every value is text; numbers are read by their leading number (0 when
// there is none). Absent keys take their defaults.
Preferences ReadPreferences(SettingsStore& store, const std::string& programFolder);
// In the order "PathNam", "OldSetNam", "WArrangeMode", "ModeId", "Show Tips at
// Startup", "HighCall", "WarnDupl", "StartOld"; numbers as decimal text.
void WritePreferences(SettingsStore& store, const Preferences& prefs);

}  // namespace tolvane
