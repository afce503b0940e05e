#pragma once
// What an item is made of, for telling identical items apart: its record
// and, for Styles and sequences, its event data, as its transfer record
// carries them; the Set's place of it is not part of it.

#include <cstdint>
#include <span>

namespace tolvane {

struct SetStores;

// A 128-bit hash of the bytes: items with equal hashes are taken as
// identical; CompareSets checks the bytes themselves.
struct ContentHash {
  std::uint64_t a = 0;
  std::uint64_t b = 0;
  bool operator==(const ContentHash&) const = default;
  auto operator<=>(const ContentHash&) const = default;
};

// Feeds bytes into a running hash.
class ContentHasher {
 public:
  void Add(std::span<const std::uint8_t> bytes);
  void AddNumber(std::int64_t n);
  ContentHash Result() const;

 private:
  std::uint64_t lanes_[4] = {0x9E3779B97F4A7C15ull, 0xC2B2AE3D27D4EB4Full, 0x165667B19E3779F9ull,
                             0x27D4EB2F165667C5ull};
  std::uint64_t length_ = 0;
};

// The hash of item `number` (as its grid carries it; 0 to 9 for kinds 3 and
// 4) of kind 0 to 4 of the Set; Programs include the user drum kits 518, 519.
ContentHash HashItem(const SetStores& set, int kind, int number);
// True when the two items hold the same bytes.
bool SameItem(const SetStores& a, const SetStores& b, int kind, int number, int otherNumber);

}  // namespace tolvane
