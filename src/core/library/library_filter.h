#pragma once
// Narrowing the library's list as the user types.

#include <cstdint>
#include <string>
#include <vector>

namespace tolvane {

struct Library;

struct LibraryFilter {
  std::string text;  // part of the name, any case; empty takes every name
  // Which kinds are shown, indexed by kind 0 to 4.
  bool kinds[5] = {true, true, true, true, true};
};

// The indexes into library.items that pass, in library order.
std::vector<std::uint32_t> FilterLibrary(const Library& library, const LibraryFilter& filter);
// A kind typed on the command line ("arrangement", "arr", "style", "sty",
// "program", "prg", "backing-sequence", "bsq", "song", "sng", any case):
// its index, or -1.
int LibraryKindFromText(const std::string& text);

}  // namespace tolvane
