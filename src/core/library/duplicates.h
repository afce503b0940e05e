#pragma once
// Items of a collection that are the same, and items that share a name but
// not their content.

#include <cstdint>
#include <string>
#include <vector>

namespace tolvane {

struct Library;

// Indexes into library.items, all of one kind.
struct ItemGroup {
  std::vector<std::uint32_t> items;
};

// Groups of two or more items of one kind whose bytes are identical (event
// data included), largest groups first, then by kind and name; within a
// group the items keep the library's order.
std::vector<ItemGroup> FindDuplicates(const Library& library);
// Groups of items of one kind that share a name (exactly, blanks trimmed)
// and hold at least two different contents; ordered as above.
std::vector<ItemGroup> SameNameDifferent(const Library& library);
// The text of the groups for the command line: one line per item (Set,
// kind, label, name, tab-separated), an empty line between groups.
std::string GroupsText(const Library& library, const std::vector<ItemGroup>& groups);

}  // namespace tolvane
