#include "library/library_places.h"

#include <algorithm>

#include "shell/preferences_store.h"

namespace tolvane {

namespace {
// One place a line: a path holds no line break.
constexpr const char* kPlacesKey = "LibraryPlaces";
}  // namespace

std::vector<std::string> ReadLibraryPlaces(SettingsStore& store) {
  std::vector<std::string> places;
  const std::string text = store.Read(kPlacesKey).value_or("");
  std::size_t from = 0;
  while (from < text.size()) {
    const std::size_t end = std::min(text.find('\n', from), text.size());
    if (end > from) places.push_back(text.substr(from, end - from));
    from = end + 1;
  }
  return places;
}

void WriteLibraryPlaces(SettingsStore& store, const std::vector<std::string>& places) {
  std::string text;
  for (const std::string& place : places) text += (text.empty() ? "" : "\n") + place;
  store.Write(kPlacesKey, text);
  store.Flush();
}

}  // namespace tolvane
