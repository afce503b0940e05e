#pragma once
// Transfer records: the clipboard, undo buffer and empty-item template of each
// kind. One of each per kind, shared by all open Sets.

#include <array>
#include <cstdint>

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
};

struct ProgramClip {
  std::int32_t operation = 0;
  std::int16_t sourceSet = 0;
  std::int16_t sourceNumber = 0;
  ProgramRecord record;
  DrumKitData drumKit{};  // meaningful for user indexes 64 and 65 only
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
};
using BackingSequenceClip = SequenceClip<BackingSequenceRecord>;
using SongClip = SequenceClip<SongRecord>;

template <class Clip>
struct KindRecords {
  Clip clipboard;
  Clip undo;
  Clip empty;
};

struct EditRecords {
  KindRecords<ArrangementClip> arrangements;
  KindRecords<StyleClip> styles;
  KindRecords<ProgramClip> programs;
  KindRecords<BackingSequenceClip> backingSequences;
  KindRecords<SongClip> songs;

  // A closed Set's records are marked empty.
  void ForgetDocument(int d);
  // The empty-item templates; the Style one comes from the template Set.
  void PrepareEmptyItems(const StyleHeader& templateStyleHeader);
};

}  // namespace tolvane
