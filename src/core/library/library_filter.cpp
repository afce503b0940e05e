#include "library/library_filter.h"

#include <array>
#include <string_view>

#include "library/library.h"
#include "storage/tables.h"
#include "storage/text.h"

namespace tolvane {

std::vector<std::uint32_t> FilterLibrary(const Library& library, const LibraryFilter& filter) {
  const std::string needle = LowerAscii(filter.text);
  std::vector<std::uint32_t> shown;
  shown.reserve(library.items.size());
  for (std::size_t i = 0; i < library.items.size(); ++i) {
    const LibraryItem& item = library.items[i];
    if (item.kind < 0 || item.kind >= kSetFileKinds || !filter.kinds[item.kind]) continue;
    if (needle.empty() || std::string_view(item.folded).find(needle) != std::string_view::npos)
      shown.push_back(static_cast<std::uint32_t>(i));
  }
  return shown;
}

int LibraryKindFromText(const std::string& text) {
  const std::string lower = LowerAscii(text);
  static const std::array<std::array<const char*, 3>, kSetFileKinds> kNames{{
      {"arrangement", "arr", "arrangements"},
      {"style", "sty", "styles"},
      {"program", "prg", "programs"},
      {"backing-sequence", "bsq", "backing-sequences"},
      {"song", "sng", "songs"},
  }};
  for (int k = 0; k < kSetFileKinds; ++k)
    for (const char* name : kNames[static_cast<std::size_t>(k)])
      if (lower == name) return k;
  return -1;
}

}  // namespace tolvane
