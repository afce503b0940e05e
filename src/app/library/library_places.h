#pragma once
// The folders and disk images the Library scans, kept in the settings store
// beside the preferences.

#include <string>
#include <vector>

namespace tolvane {

class SettingsStore;

std::vector<std::string> ReadLibraryPlaces(SettingsStore& store);
// Written at once: the list is the user's, not a preference of the run.
void WriteLibraryPlaces(SettingsStore& store, const std::vector<std::string>& places);

}  // namespace tolvane
