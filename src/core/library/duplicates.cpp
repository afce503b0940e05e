#include "library/duplicates.h"

#include <algorithm>
#include <map>
#include <set>
#include <tuple>

#include "library/library.h"

namespace tolvane {

namespace {

// Largest first, then by kind and name of the first item.
void SortGroups(const Library& library, std::vector<ItemGroup>& groups) {
  std::stable_sort(groups.begin(), groups.end(), [&](const ItemGroup& x, const ItemGroup& y) {
    const LibraryItem& a = library.items[x.items.front()];
    const LibraryItem& b = library.items[y.items.front()];
    return std::tuple(y.items.size(), a.kind, a.name) < std::tuple(x.items.size(), b.kind, b.name);
  });
}

}  // namespace

std::vector<ItemGroup> FindDuplicates(const Library& library) {
  std::map<std::pair<int, ContentHash>, ItemGroup> byContent;
  for (std::size_t i = 0; i < library.items.size(); ++i) {
    const LibraryItem& item = library.items[i];
    byContent[{item.kind, item.content}].items.push_back(static_cast<std::uint32_t>(i));
  }
  std::vector<ItemGroup> groups;
  for (auto& [key, group] : byContent)
    if (group.items.size() > 1) groups.push_back(std::move(group));
  SortGroups(library, groups);
  return groups;
}

std::vector<ItemGroup> SameNameDifferent(const Library& library) {
  std::map<std::pair<int, std::string>, ItemGroup> byName;
  for (std::size_t i = 0; i < library.items.size(); ++i) {
    const LibraryItem& item = library.items[i];
    byName[{item.kind, item.name}].items.push_back(static_cast<std::uint32_t>(i));
  }
  std::vector<ItemGroup> groups;
  for (auto& [key, group] : byName) {
    std::set<ContentHash> contents;
    for (std::uint32_t i : group.items) contents.insert(library.items[i].content);
    if (contents.size() > 1) groups.push_back(std::move(group));
  }
  SortGroups(library, groups);
  return groups;
}

std::string GroupsText(const Library& library, const std::vector<ItemGroup>& groups) {
  std::string text;
  for (const ItemGroup& group : groups) {
    if (!text.empty()) text += '\n';
    for (std::uint32_t i : group.items) {
      const LibraryItem& item = library.items[i];
      text += library.sets[item.set].path + '\t' + LibraryKindName(item.kind) + '\t' + item.label + '\t' + item.name + '\n';
    }
  }
  return text;
}

}  // namespace tolvane
