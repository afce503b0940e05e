#include "random_arrangements.h"

#include <algorithm>

#include "random_programs.h"
#include "storage/tables.h"

namespace tolvane::test {

ArrangementSetData RandomArrangementSetData(Rng& rng, int trailingBytes) {
  trailingBytes = std::clamp(trailingBytes, 0, kMaxArrangementTrailingBytes);
  ArrangementSetData data;
  rng.Fill(data.header);
  const std::uint8_t magic[] = {'K', 'O', 'R', 'G', 0x39};
  std::copy(std::begin(magic), std::end(magic), data.header.begin());
  data.header[6] = static_cast<std::uint8_t>(KindHeaderCode(kArrangement));
  data.dataLength = static_cast<std::int16_t>(kArrangementMinDataLength + trailingBytes);
  PutI16(data.header, kArrangementDataLengthOffset, data.dataLength);

  for (auto& record : data.records) {
    rng.Fill(record.bytes);
    record.SetName(RandomItemName(rng));
    record.SetStyleNumber(static_cast<std::int16_t>(rng.Int(0, 79)));
    for (int t = 0; t < kArrangementTracks; ++t) record.SetTrackProgram(t, RandomProgramNumber(rng));
  }
  data.trailing.resize(static_cast<std::size_t>(trailingBytes));
  rng.Fill(data.trailing);
  return data;
}

}  // namespace tolvane::test
