#include "shell/preferences_store.h"

namespace tolvane {

namespace {

QString KeyOf(const std::string& key) { return QString::fromStdString(key); }

std::string ReadText(SettingsStore& store, const char* key, const std::string& fallback) {
  return store.Read(key).value_or(fallback);
}

std::int16_t ReadNumber(SettingsStore& store, const char* key, std::int16_t fallback) {
  const auto text = store.Read(key);
  return text ? PreferenceNumber(*text) : fallback;
}

}  // namespace

QSettingsStore::QSettingsStore(const QString& applicationName)
    : QSettingsStore(std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope, applicationName,
                                                 applicationName)) {}

QSettingsStore::QSettingsStore(std::unique_ptr<QSettings> settings) : settings_(std::move(settings)) {}

std::unique_ptr<QSettingsStore> QSettingsStore::AtFile(const QString& iniPath) {
  return std::unique_ptr<QSettingsStore>(new QSettingsStore(std::make_unique<QSettings>(iniPath, QSettings::IniFormat)));
}

std::optional<std::string> QSettingsStore::Read(const std::string& key) {
  settings_->beginGroup(QString::fromLatin1(kOptionsSection));
  const QVariant value = settings_->value(KeyOf(key));
  settings_->endGroup();
  if (!value.isValid()) return std::nullopt;
  return value.toString().toStdString();
}

void QSettingsStore::Write(const std::string& key, const std::string& value) {
  settings_->beginGroup(QString::fromLatin1(kOptionsSection));
  settings_->setValue(KeyOf(key), QString::fromStdString(value));
  settings_->endGroup();
}

void QSettingsStore::Flush() { settings_->sync(); }

Preferences ReadPreferences(SettingsStore& store, const std::string& programFolder) {
  const Preferences defaults;
  Preferences p;
  p.pathNam = ReadText(store, "PathNam", programFolder);
  p.oldSetNam = ReadText(store, "OldSetNam", "");
  p.wArrangeMode = ReadNumber(store, "WArrangeMode", defaults.wArrangeMode);
  p.modeId = ReadNumber(store, "ModeId", defaults.modeId);
  p.showTips = ReadNumber(store, "Show Tips at Startup", defaults.showTips);
  p.highCall = ReadNumber(store, "HighCall", defaults.highCall);
  p.warnDupl = ReadNumber(store, "WarnDupl", defaults.warnDupl);
  p.startOld = ReadNumber(store, "StartOld", defaults.startOld);
  return p;
}

void WritePreferences(SettingsStore& store, const Preferences& p) {
  store.Write("PathNam", p.pathNam);
  store.Write("OldSetNam", p.oldSetNam);
  store.Write("WArrangeMode", std::to_string(p.wArrangeMode));
  store.Write("ModeId", std::to_string(p.modeId));
  store.Write("Show Tips at Startup", std::to_string(p.showTips));
  store.Write("HighCall", std::to_string(p.highCall));
  store.Write("WarnDupl", std::to_string(p.warnDupl));
  store.Write("StartOld", std::to_string(p.startOld));
  store.Flush();
}

}  // namespace tolvane
