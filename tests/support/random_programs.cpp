#include "random_programs.h"

#include "storage/tables.h"

namespace tolvane::test {

namespace {

// Every Set file starts with "KORG", 0x39, and the kind's code in byte 6.
template <std::size_t N>
void SetFileHeaderCode(std::array<std::uint8_t, N>& header, int kind) {
  const std::uint8_t magic[] = {'K', 'O', 'R', 'G', 0x39};
  std::copy(std::begin(magic), std::end(magic), header.begin());
  header[6] = static_cast<std::uint8_t>(KindHeaderCode(kind));
}

}  // namespace

std::string RandomItemName(Rng& rng) {
  std::string name(10, ' ');
  if (rng.Chance(15)) return name;
  for (auto& c : name) c = static_cast<char>(rng.Int(0x20, 0x7E));
  return name;
}

std::int16_t RandomProgramNumber(Rng& rng) {
  switch (rng.Int(0, 4)) {
    case 0: return static_cast<std::int16_t>(rng.Int(0, 127));
    case 1: return static_cast<std::int16_t>(rng.Int(256, 319));
    case 2:
    case 3: return static_cast<std::int16_t>(rng.Int(320, 383));
    default: return static_cast<std::int16_t>(rng.Int(512, 519));
  }
}

ProgramSetData RandomProgramSetData(Rng& rng) {
  ProgramSetData data;
  rng.Fill(data.header);
  SetFileHeaderCode(data.header, kProgram);
  for (auto& record : data.records) {
    rng.Fill(record.bytes);
    record.SetName(RandomItemName(rng));
  }
  for (auto& kit : data.drumKits) rng.Fill(kit);
  rng.Fill(data.unused1);
  rng.Fill(data.unused2);
  return data;
}

GlobalRecord RandomGlobalRecord(Rng& rng) {
  GlobalRecord global;
  rng.Fill(global.bytes);
  global.bytes[GlobalRecord::kDamperPolarity] = static_cast<std::uint8_t>(rng.Int(0, 1));
  global.bytes[GlobalRecord::kPedal1] = static_cast<std::uint8_t>(rng.Int(0, 34));
  global.bytes[GlobalRecord::kPedal2] = static_cast<std::uint8_t>(rng.Int(0, 34));
  global.bytes[GlobalRecord::kVelocityCurve] = static_cast<std::uint8_t>(rng.Int(0, 8));
  global.bytes[GlobalRecord::kAftertouchCurve] = static_cast<std::uint8_t>(rng.Int(0, 7));
  for (std::size_t k = 0; k < 5; ++k)
    global.bytes[GlobalRecord::kEc5Switches + k] = static_cast<std::uint8_t>(rng.Int(0, 29));
  return global;
}

}  // namespace tolvane::test
