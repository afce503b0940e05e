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
  // Four independent lanes over 32 bytes at a time, so that the processor
  // overlaps their multiplications: the Styles' event data is most of what
  // a scan hashes.
  auto round = [](std::uint64_t lane, std::uint64_t word) { return Rotate(lane + word * kMulB, 31) * kMulA; };
  const std::uint8_t* p = bytes.data();
  std::size_t left = bytes.size();
  for (; left >= 32; p += 32, left -= 32) {
    std::uint64_t w[4];
    std::memcpy(w, p, 32);
    lanes_[0] = round(lanes_[0], w[0]);
    lanes_[1] = round(lanes_[1], w[1]);
    lanes_[2] = round(lanes_[2], w[2]);
    lanes_[3] = round(lanes_[3], w[3]);
  }
  for (; left >= 8; p += 8, left -= 8) {
    std::uint64_t w;
    std::memcpy(&w, p, 8);
    lanes_[0] = round(lanes_[0], w);
    lanes_[0] = Rotate(lanes_[0], 27) * kMulB;
  }
  std::uint64_t tail = 0;
  if (left > 0) std::memcpy(&tail, p, left);
  lanes_[1] = round(lanes_[1], tail ^ (static_cast<std::uint64_t>(left) << 56));
  length_ += bytes.size();
}

void ContentHasher::AddNumber(std::int64_t n) {
  std::uint8_t b[8];
  std::memcpy(b, &n, 8);
  Add(std::span<const std::uint8_t>(b, 8));
}

ContentHash ContentHasher::Result() const {
  const std::uint64_t a = Rotate(lanes_[0], 1) + Rotate(lanes_[1], 7) + Rotate(lanes_[2], 12) + Rotate(lanes_[3], 18);
  const std::uint64_t b = (lanes_[0] * kMulA) ^ Rotate(lanes_[1] * kMulB, 23) ^ Rotate(lanes_[2], 41) ^ lanes_[3];
  return {Mix(a ^ length_), Mix(b + Rotate(length_, 17) + Mix(lanes_[2] ^ lanes_[3]))};
}

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
