#include "library_commands.h"

#include <ostream>

#include "commands.h"
#include "library/duplicates.h"
#include "library/library.h"
#include "library/library_filter.h"
#include "library/set_compare.h"
#include "open_for_cli.h"
#include "sets/set_files.h"

namespace tolvane {

namespace {

// The collection of the places; what could not be read is named on
// standard error. False when something could not.
bool ScanPlaces(CliContext& cx, const std::vector<std::string>& places, Library& library) {
  library = ScanLibrary(LibraryReadingOf(cx.ws, cx.ws.diskImages), places);
  bool whole = true;
  for (const auto& [place, message] : library.emptyPlaces) {
    cx.err << "tolvane-cli: " << place << ": " << message << '\n';
    whole = false;
  }
  for (const LibrarySet& set : library.sets) {
    if (set.readable) continue;
    cx.err << "tolvane-cli: " << set.path << ": " << ReasonLine(set) << '\n';
    whole = false;
  }
  return whole;
}

}  // namespace

int DiffCommand(CliContext& cx, const std::string& setA, const std::string& setB) {
  const int a = OpenForCli(cx, setA);
  if (a == 0) return 2;
  const int b = OpenForCli(cx, setB);
  if (b == 0) {
    UnloadDocument(cx.ws, a);
    return 2;
  }
  const std::vector<std::string> lines = CompareSets(cx.ws.Stores(a), cx.ws.Stores(b), setA, setB);
  UnloadDocument(cx.ws, a);
  UnloadDocument(cx.ws, b);
  for (const std::string& line : lines) cx.out << line << '\n';
  cx.out.flush();
  return lines.empty() ? 0 : 1;
}

int FindCommand(CliContext& cx, int kind, const std::string& text, const std::vector<std::string>& places) {
  Library library;
  const bool whole = ScanPlaces(cx, places, library);
  LibraryFilter filter;
  filter.text = text;
  if (kind >= 0)
    for (int k = 0; k < 5; ++k) filter.kinds[k] = k == kind;
  const std::vector<std::uint32_t> found = FilterLibrary(library, filter);
  for (std::uint32_t i : found) {
    const LibraryItem& item = library.items[i];
    cx.out << library.sets[item.set].path << '\t' << LibraryKindName(item.kind) << '\t' << item.label << '\t'
           << item.name;
    if (!item.styleLabel.empty()) cx.out << '\t' << item.styleLabel << '\t' << item.styleName;
    cx.out << '\n';
  }
  cx.out.flush();
  if (!whole) return 2;
  return found.empty() ? 1 : 0;
}

int DuplicatesCommand(CliContext& cx, bool sameName, const std::vector<std::string>& places) {
  Library library;
  const bool whole = ScanPlaces(cx, places, library);
  cx.out << GroupsText(library, sameName ? SameNameDifferent(library) : FindDuplicates(library));
  cx.out.flush();
  return whole ? 0 : 2;
}

}  // namespace tolvane
