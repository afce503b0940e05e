// The shared event memory of the instrument: 16384 blocks for Backing
// Sequences, Songs and Patterns together.

#include "sequences/sequence_data.h"

namespace tolvane {

EventMemory EventMemoryFigures(const BackingSequenceSetData& bsq, const SongSetData& sng) {
  EventMemory m;
  for (const auto size : bsq.itemSizes) m.backSeqs += size;
  for (const auto size : sng.itemSizes) m.songs += size;
  m.patterns = sng.endOffset - sng.patternOffsets[0];
  m.total = m.backSeqs + m.songs + m.patterns;
  // Nothing stops a Set from being over the memory; Free is then negative.
  m.free = kEventMemoryBlocks - m.total;
  return m;
}

}  // namespace tolvane
