#pragma once
// Seeded random bytes for generated Sets: every field that is carried unchanged
// gets random content, so that a lost or moved byte shows in a round trip.

#include <algorithm>
#include <array>
#include <cstdint>
#include <random>
#include <span>

#include "storage/tables.h"

namespace tolvane::test {

class Rng {
 public:
  explicit Rng(std::uint32_t seed) : engine_(seed) {}
  // A value in [lo, hi].
  int Int(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(engine_); }
  std::uint8_t Byte() { return static_cast<std::uint8_t>(Int(0, 255)); }
  void Fill(std::span<std::uint8_t> out) {
    for (auto& b : out) b = Byte();
  }
  bool Chance(int percent) { return Int(0, 99) < percent; }

 private:
  std::mt19937 engine_;
};

// Every Set file starts with "KORG", 0x39, and the kind's code in byte 6.
template <std::size_t N>
void StampHeader(std::array<std::uint8_t, N>& header, int kind) {
  const std::uint8_t magic[] = {'K', 'O', 'R', 'G', 0x39};
  std::copy(std::begin(magic), std::end(magic), header.begin());
  header[6] = static_cast<std::uint8_t>(KindHeaderCode(kind));
}

}  // namespace tolvane::test
