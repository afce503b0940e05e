#pragma once
// Backing Sequences and Songs are edited alike. Each is named by a tag that
// leads to its Set data, its transfer records, its offsets and its calls.

#include "editing/transfer_records.h"
#include "sequences/event_offsets.h"
#include "sequences/sequence_calls.h"
#include "sequences/sequence_moves.h"
#include "sets/workspace.h"
#include "storage/tables.h"

namespace tolvane {

struct BackingSequenceKind {
  using Data = BackingSequenceSetData;
  using Clip = BackingSequenceClip;
  static constexpr int kKind = kBackingSequence;
  static Data& DataOf(Workspace& ws, int d) { return ws.Stores(d).backingSequences; }
  static const Data& DataOf(const Workspace& ws, int d) { return ws.Stores(d).backingSequences; }
  static KindRecords<Clip>& Records(Workspace& ws) { return ws.edits.backingSequences; }
  static void LayOut(Data& data) { RecomputeBackingSequenceOffsets(data); }
  static bool ResolvePastedCalls(Workspace& ws, int source, int destination, int index) {
    return ResolvePastedBackingSequenceCalls(ws, source, destination, index);
  }
  static int Move(Workspace& ws, int s, int from, int to) { return MoveBackingSequence(ws, s, from, to); }
};

struct SongKind {
  using Data = SongSetData;
  using Clip = SongClip;
  static constexpr int kKind = kSong;
  static Data& DataOf(Workspace& ws, int d) { return ws.Stores(d).songs; }
  static const Data& DataOf(const Workspace& ws, int d) { return ws.Stores(d).songs; }
  static KindRecords<Clip>& Records(Workspace& ws) { return ws.edits.songs; }
  static void LayOut(Data& data) { RecomputeSongOffsets(data); }
  static bool ResolvePastedCalls(Workspace& ws, int source, int destination, int index) {
    return ResolvePastedSongCalls(ws, source, destination, index);
  }
  static int Move(Workspace& ws, int s, int from, int to) { return MoveSong(ws, s, from, to); }
};

}  // namespace tolvane
