#include "random_styles.h"

#include <string_view>

#include "storage/text.h"

namespace tolvane::test {

void RandomStyle(Rng& rng, StyleSetData& data, int userIndex, std::int32_t size) {
  const auto i = static_cast<std::size_t>(userIndex);
  data.present[i] = 1;
  data.sizes[i] = size;
  rng.Fill(data.headers[i].bytes);
  // The reader blanks names starting with "UserStyle"; keep clear of them.
  if (data.headers[i].bytes[0] == 'U') data.headers[i].bytes[0] = 'u';
  data.data[i].assign(static_cast<std::size_t>(size) - kStyleHeaderSize, 0);
  rng.Fill(data.data[i]);
}

StyleSetData RandomStyleSetData(Rng& rng, int blockCount) {
  StyleSetData data;
  rng.Fill(data.header);
  data.blockCount = static_cast<std::uint8_t>(blockCount);
  const int styles = blockCount * kStylesPerBlock;
  const int large = rng.Int(0, styles - 1);
  for (int i = 0; i < styles; ++i) {
    const auto at = static_cast<std::size_t>(i);
    const int pick = rng.Int(0, 99);
    if (i == large || pick < 8) {
      RandomStyle(rng, data, i, rng.Int(16385, 65535));
    } else if (pick < 30) {
      data.present[at] = 1;
      data.sizes[at] = kStyleBaseSize;
      rng.Fill(data.headers[at].bytes);
      data.headers[at].SetName(kBlankName);
      data.data[at].assign(kStyleBaseSize - kStyleHeaderSize, 0);
    } else {
      RandomStyle(rng, data, i, pick < 40 ? rng.Int(62, 1200) : kStyleBaseSize + 4 * rng.Int(0, 2000) + rng.Int(0, 3));
    }
  }
  return data;
}

}  // namespace tolvane::test
