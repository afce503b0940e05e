#pragma once
// Random arrangement data for generated Sets: random bytes in every carried field.

#include "arrangements/arrangement_data.h"
#include "random_fill.h"

namespace tolvane::test {

// The largest trailing data an arrangement file can hold.
inline constexpr int kMaxArrangementTrailingBytes = 32094 - kArrangementMinDataLength;

// A header that passes the header check and states a data length matching
// trailingBytes (0 to kMaxArrangementTrailingBytes) of random trailing data.
// Style and track calls are valid numbers; every other byte is random.
ArrangementSetData RandomArrangementSetData(Rng& rng, int trailingBytes);

}  // namespace tolvane::test
