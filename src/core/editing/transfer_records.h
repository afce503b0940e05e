#pragma once
// Transfer records: the clipboard, undo buffer and empty-item template of each
// kind. One of each per kind, shared by all open Sets.

#include <array>
#include <cstdint>
#include <vector>

#include "arrangements/arrangement_data.h"
#include "programs/program_data.h"
#include "sequences/sequence_data.h"
#include "styles/style_data.h"

namespace tolvane {

// Operation codes stored in an undo buffer.
enum UndoCode : std::int32_t {
  kUndoNothing = 0,
  kUndoCut = 1,
  kUndoCopy = 2,  // never stored
  kUndoPaste = 3,
  kUndoMove = 4,
  kUndoDragCopy = 5,
  kUndoDelete = 6,
  kUndoInsert = 7,
};

struct ArrangementClip {
  std::int32_t operation = 0;
  std::int16_t sourceSet = 0;  // 0: empty
  std::int16_t sourceNumber = 0;
  ArrangementRecord item;
  bool operator==(const ArrangementClip&) const = default;
};

struct ProgramClip {
  std::int32_t operation = 0;
  std::int16_t sourceSet = 0;
  std::int16_t sourceNumber = 0;
  ProgramRecord record;
  DrumKitData drumKit{};  // meaningful when isDrumKit
  bool isDrumKit = false;  // taken from Dr7 or Dr8 (or a drum-kit file)
  bool operator==(const ProgramClip&) const = default;
};

template <class Record>
struct SequenceClip {
  std::int32_t operation = 0;
  std::int16_t sourceSet = 0;
  std::int16_t sourceNumber = 0;
  Record record;
  std::array<std::int16_t, kEventTracks> trackSizes{};
  std::int16_t itemSize = 0;
  Bytes eventData;
  bool operator==(const SequenceClip&) const = default;
};
using BackingSequenceClip = SequenceClip<BackingSequenceRecord>;
using SongClip = SequenceClip<SongRecord>;

// A place that calls an item: track `track` of item `item` of kind `kind`
// (Arrangement, Style, Backing Sequence, Song), or with track -1 the one
// call of the item to the called kind (a style or arrangement call, a link).
// Items held in the kind's records have negative places (renumbering.h).
struct CallSite {
  int kind = 0;
  int item = 0;
  int track = -1;
  bool operator==(const CallSite&) const = default;
};

template <class Clip>
struct KindRecords {
  Clip clipboard;
  Clip undo;  // its operation field holds the kind's undo code
  Clip empty;
  // What the undo record alone cannot tell: the places of the callers that
  // kept their number when the item they called left its place (a Delete, an
  // Insert pushing it out, a move onto it); their Undo leaves them where they
  // are while the others follow the items back. The places follow every
  // renumbering of the calling kind (editing/renumbering.h). And the clipboard
  // an Insert used up, given back when the Insert is undone unless the
  // clipboard no longer holds what the Insert left in it.
  std::vector<CallSite> keptCalls;
  Clip clipboardBeforeInsert;
  Clip clipboardAfterInsert;
};

// The item a drag started on; document 0 when no drag is under way.
struct DragSource {
  int document = 0;
  int kind = -1;
  int item = -1;
};

struct EditRecords {
  KindRecords<ArrangementClip> arrangements;
  KindRecords<StyleClip> styles;
  KindRecords<ProgramClip> programs;
  KindRecords<BackingSequenceClip> backingSequences;
  KindRecords<SongClip> songs;
  DragSource drag;

  // A closed Set's records are marked empty.
  void ForgetDocument(int d);
  // The empty-item templates; the Style one comes from the template Set.
  void PrepareEmptyItems(const StyleHeader& templateStyleHeader);
};

}  // namespace tolvane
