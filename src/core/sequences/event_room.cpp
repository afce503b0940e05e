#include "sequences/event_room.h"

#include <limits>

#include "sets/workspace.h"
#include "storage/tables.h"
#include "storage/text.h"

namespace tolvane {

namespace {

constexpr int kLargestOffset = std::numeric_limits<std::int16_t>::max();

// The window shows event memory as 4 x blocks.
std::string Shown(int blocks) { return std::to_string(4 * blocks); }

int TrackBlocks(const TrackTable& sizes) {
  int blocks = 0;
  for (const auto& item : sizes)
    for (const auto size : item) blocks += size;
  return blocks;
}

// Where the kind's last area ends, counted from its first offset (which an
// edit keeps), and the blocks of all its areas.
struct Extent {
  int start = 0;
  int blocks = 0;
  int End() const { return start + blocks; }
};

Extent ExtentOf(const SetStores& stores, int kind) {
  if (kind == kBackingSequence) {
    const auto& data = stores.backingSequences;
    return {data.trackOffsets[0][0], TrackBlocks(data.trackSizes)};
  }
  const auto& data = stores.songs;
  int blocks = TrackBlocks(data.trackSizes);
  for (const Bytes& pattern : data.patternData) blocks += static_cast<int>(pattern.size() / kEventBlockSize);
  return {data.trackOffsets[0][0], blocks};
}

void Refuse(Workspace& ws, const std::string& text) {
  ws.ui.ShowMessage({MsgIcon::Exclamation, MsgButtons::Ok, MsgResult::Ok, "", text});
}

}  // namespace

int EventBlocksInUse(const Workspace& ws, int d) {
  const SetStores& stores = ws.Stores(d);
  return EventMemoryFigures(stores.backingSequences, stores.songs).total;
}

bool EventRoomFor(Workspace& ws, int d, int kind, int blocksBefore, const std::string& what, bool limitMemory) {
  const Extent extent = ExtentOf(ws.Stores(d), kind);
  if (extent.End() > kLargestOffset || extent.blocks > kLargestOffset) {
    Refuse(ws, "Event offsets out of range for " + what + "\r\nThe data would end at " +
                   std::to_string(extent.End()) + " (at most " + std::to_string(kLargestOffset) + ")");
    return false;
  }
  // A Set read over the memory may still give some back.
  const int needed = EventBlocksInUse(ws, d) - blocksBefore;
  const int free = kEventMemoryBlocks - blocksBefore;
  if (!limitMemory || needed <= 0 || needed <= free) return true;
  Refuse(ws, "Not enough event memory for " + what + "\r\nNeeded: " + Shown(needed) + "\r\nFree: " + Shown(free));
  return false;
}

std::string EventItemText(int kind, const std::string& name) { return KindName(kind) + " '" + TrimBlanks(name) + "'"; }

}  // namespace tolvane
