#pragma once
// What every reader promises, whatever bytes it is given: it returns, never
// reads outside the file, and what it kept, whole or not, is written as a file
// that reads back as the same bytes.
#include <cstdlib>
#include <span>

#include "storage/bytes.h"

namespace tolvane::fuzz {

template <class Data, class Encode>
void ExpectReadsBack(const Data& read, bool (*decode)(std::span<const std::uint8_t>, Data&), Encode encode) {
  Data again;
  const Bytes written = encode(read);
  if (!decode(written, again) || encode(again) != written) std::abort();
}

inline void Expect(bool condition) {
  if (!condition) std::abort();
}

}  // namespace tolvane::fuzz
