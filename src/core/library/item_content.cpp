#include "library/item_content.h"

#include <cstring>

#include "programs/program_numbers.h"
#include "sets/workspace.h"
#include "storage/tables.h"
#include "styles/style_accessors.h"

namespace tolvane {

namespace {

constexpr std::uint64_t kMulA = 0x9FB21C651E98DF25ull;
constexpr std::uint64_t kMulB = 0xD6E8FEB86659FD93ull;

std::uint64_t Mix(std::uint64_t h) {
  h ^= h >> 33;
  h *= 0xFF51AFD7ED558CCDull;
  h ^= h >> 33;
  h *= 0xC4CEB9FE1A85EC53ull;
  return h ^ (h >> 33);
}

std::uint64_t Rotate(std::uint64_t v, int by) { return (v << by) | (v >> (64 - by)); }

// Calls part(bytes) for each part of the item, in a fixed order; sizes and
// flags go in as 8-byte numbers so that parts cannot run into one another.
template <class Part>
void VisitItem(const SetStores& set, int kind, int number, Part&& part) {
  auto number8 = [&](std::int64_t n) {
    std::uint8_t b[8];
    std::memcpy(b, &n, 8);
    part(std::span<const std::uint8_t>(b, 8));
  };
  auto bytes = [&](const auto& container) {
    number8(static_cast<std::int64_t>(container.size()));
    part(std::span<const std::uint8_t>(container.data(), container.size()));
  };
  switch (kind) {
    case kArrangement:
      bytes(set.arrangements.records.at(static_cast<std::size_t>(number)).bytes);
      break;
    case kStyle: {
      const auto i = static_cast<std::size_t>(number - kFirstUserStyleNumber);
      number8(set.styles.present.at(i));
      number8(set.styles.sizes.at(i));
      bytes(set.styles.headers.at(i).bytes);
      bytes(set.styles.data.at(i));
      break;
    }
    case kProgram: {
      const int u = UserIndexOfProgram(number);
      bytes(set.programs.records.at(static_cast<std::size_t>(u)).bytes);
      if (u >= kUserProgramCount) bytes(set.programs.drumKits.at(static_cast<std::size_t>(u - kUserProgramCount)));
      break;
    }
    case kBackingSequence:
    case kSong: {
      const auto i = static_cast<std::size_t>(number);
      auto sequence = [&](const auto& data) {
        bytes(data.records.at(i).bytes);
        for (std::int16_t size : data.trackSizes.at(i)) number8(size);
        number8(data.itemSizes.at(i));
        bytes(data.eventData.at(i));
      };
      if (kind == kSong)
        sequence(set.songs);
      else
        sequence(set.backingSequences);
      break;
    }
    default: break;
  }
}

}  // namespace

void ContentHasher::Add(std::span<const std::uint8_t> bytes) {
  std::size_t i = 0;
  for (; i + 8 <= bytes.size(); i += 8) {
    std::uint64_t w;
    std::memcpy(&w, bytes.data() + i, 8);
    a_ = Rotate(a_ ^ (w * kMulA), 29) * kMulB;
    b_ = Rotate(b_ + (w ^ (w >> 29)) * kMulB, 31) * kMulA + 0x632BE59BD9B4E019ull;
  }
  std::uint64_t tail = 0;
  if (i < bytes.size()) std::memcpy(&tail, bytes.data() + i, bytes.size() - i);
  a_ = Rotate(a_ ^ ((tail + bytes.size()) * kMulA), 29) * kMulB;
  b_ = Rotate(b_ + (tail ^ 0x5bd1e995) * kMulB, 31) * kMulA;
  length_ += bytes.size();
}

void ContentHasher::AddNumber(std::int64_t n) {
  std::uint8_t b[8];
  std::memcpy(b, &n, 8);
  Add(std::span<const std::uint8_t>(b, 8));
}

ContentHash ContentHasher::Result() const { return {Mix(a_ ^ length_), Mix(b_ + Rotate(length_, 17))}; }

ContentHash HashItem(const SetStores& set, int kind, int number) {
  ContentHasher hasher;
  VisitItem(set, kind, number, [&](std::span<const std::uint8_t> part) { hasher.Add(part); });
  return hasher.Result();
}

bool SameItem(const SetStores& a, const SetStores& b, int kind, int number, int otherNumber) {
  Bytes left, right;
  VisitItem(a, kind, number, [&](std::span<const std::uint8_t> p) { left.insert(left.end(), p.begin(), p.end()); });
  VisitItem(b, kind, otherNumber, [&](std::span<const std::uint8_t> p) { right.insert(right.end(), p.begin(), p.end()); });
  return left == right;
}

}  // namespace tolvane
