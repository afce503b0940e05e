#pragma once
// One change to the Backing Sequences or Songs of a Set: what it started
// from, so that a change that does not fit can be taken back whole, and the
// steps that end every change (offsets laid out again, room checked, list
// refilled with the changed line selected).

#include <string>

#include "sequences/event_room.h"
#include "sequences/sequence_kinds.h"

namespace tolvane {

template <class K>
class SequenceChange {
 public:
  SequenceChange(Workspace& ws, int d)
      : ws_(ws),
        d_(d),
        data_(K::DataOf(ws, d)),
        records_(ws.edits),
        modified_(ws.Slot(d).modified[kKindAt]),
        blocksBefore_(EventBlocksInUse(ws, d)) {}

  // Lays the offsets out again. When they or the event memory (with
  // limitMemory) cannot take the change, the user is told why `what` does not
  // fit and everything goes back to where the change started.
  bool Settle(const std::string& what, bool limitMemory = true) {
    K::LayOut(K::DataOf(ws_, d_));
    if (EventRoomFor(ws_, d_, K::kKind, blocksBefore_, what, limitMemory)) return true;
    TakeBack();
    return false;
  }

  // The Set, the transfer records (whose kept caller places a renumbering
  // moves) and the kind's modified mark as they were.
  void TakeBack() {
    K::DataOf(ws_, d_) = data_;
    ws_.edits = records_;
    ws_.Slot(d_).modified[kKindAt] = modified_;
  }

  // The change stands: the kind is modified and the list shows `line`.
  void Show(int line) {
    ws_.MarkModified(d_, K::kKind);
    ws_.view.RefreshKind(d_, K::kKind);
    ws_.view.ShowItem(d_, K::kKind, line);
  }

 private:
  static constexpr auto kKindAt = static_cast<std::size_t>(K::kKind);
  Workspace& ws_;
  int d_;
  typename K::Data data_;
  EditRecords records_;
  std::int16_t modified_;
  int blocksBefore_;
};

}  // namespace tolvane
