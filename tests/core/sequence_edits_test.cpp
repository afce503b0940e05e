// The Edit commands and drops on the Backing Sequences and Songs tabs: items
// travel with their event data, the offsets stay contiguous, the Patterns
// keep their bytes, links follow moves, calls from another Set are found
// again, edits that do not fit are refused, and Undo gives every byte back.

#include <gtest/gtest.h>

#include <tuple>

#include "edit_sets.h"
#include "editing/drag_drop.h"
#include "editing/edit_commands.h"
#include "sequences/event_offsets.h"
#include "storage/tables.h"
#include "storage/text.h"

namespace tolvane::test {
namespace {

using Events = std::vector<std::string>;
// For each line, the line of the Set it now holds; 10 + k: line k of X; -1: emptied.
using Lines = std::array<int, 10>;
constexpr EditAction kDrop = EditAction::Details;  // in the tables: a drag of line `from`

template <class Data>
auto ItemOf(Data& data, int k) {
  const auto i = static_cast<std::size_t>(k);
  return std::tie(data.records[i], data.trackSizes[i], data.itemSizes[i], data.eventData[i]);
}

class SequenceEdits : public ::testing::Test {
 protected:
  SequenceEdits() {
    // Items link to their own line, 7 to 9 and 8 to 3, so that after a move,
    // Delete or Insert each link must name the line its item has moved to (or
    // keep the number of one that left); a link outside the list stays. The
    // links of an empty item follow too.
    Bsq(x, 5).SetName(kBlankName), Song(x, 5).SetName(kBlankName);
    for (int k = 0; k < 10; ++k) {
      const int link = k == 7 ? 9 : k == 8 ? 3 : k < 9 ? k : 200;
      Bsq(x, k).SetNext(static_cast<std::uint8_t>(link));
      Song(x, k).SetNext(static_cast<std::uint8_t>(link));
    }
    ws.Stores(d) = x;
  }
  bool Run(int kind, int line, EditAction command, int set = 1) {
    return DispatchEditCommand(ws, set, kind, line, command);
  }
  // Drags line `from` of X onto line `to` of Set td; a move is agreed to,
  // and before its own line or the next one nothing is asked.
  DropResult Drop(int kind, int from, int td, int to) {
    if (td == d && to != from && to != from + 1)
      ui.ExpectBox("", "Insert " + KindName(kind) + " " + std::to_string(from) + " before " + std::to_string(to) + " ?",
                   MsgIcon::Question, MsgButtons::YesNo, MsgResult::Yes, MsgResult::Yes);
    EXPECT_TRUE(BeginDrag(ws, d, kind, from));
    return DropItem(ws, ws.edits.drag, td, kind, to);
  }
  // The clipboards and undo records of both kinds.
  auto Records() const {
    const auto& r = ws.edits;
    return std::tuple(r.backingSequences.clipboard, r.backingSequences.undo, r.songs.clipboard, r.songs.undo);
  }
  SetStores Arranged(SetStores s, int kind, const Lines& lines, bool relinked = false, int inserted = -1) const {
    auto arrange = [&](auto& data, const auto& fromX, const auto& empty) {
      const auto old = data;
      for (int k = 0; k < 10; ++k) {
        if (lines[k] < 0) ItemOf(data, k) = std::tie(empty.record, empty.trackSizes, empty.itemSize, empty.eventData);
        else ItemOf(data, k) = lines[k] < 10 ? ItemOf(old, lines[k]) : ItemOf(fromX, lines[k] - 10);
      }
      // A link of the Set's own items names the line where the item it named
      // now is (not its copy inserted); a link to an item that left keeps
      // its number.
      for (int k = 0; relinked && k < 10; ++k) {
        auto& record = data.records[static_cast<std::size_t>(k)];
        for (int m = 0; m < 10 && lines[k] >= 0 && lines[k] < 10; ++m)
          if (m != inserted && lines[m] == record.Next()) {
            record.SetNext(static_cast<std::uint8_t>(m));
            break;
          }
      }
    };
    if (kind == kBackingSequence) arrange(s.backingSequences, x.backingSequences, ws.edits.backingSequences.empty);
    else arrange(s.songs, x.songs, ws.edits.songs.empty);
    return s;
  }
  // Set `set` equals `expected`, byte for byte in every file (events and
  // Patterns included), once its lists are laid out again.
  void Expect(int set, SetStores expected) {
    RecomputeBackingSequenceOffsets(expected.backingSequences);
    RecomputeSongOffsets(expected.songs);
    e.ExpectSet(set, expected);
  }

  EditWorkspace e;
  ScriptedUi& ui = e.ui;
  Workspace& ws = e.ws;
  SetStores x = EditSet(41);
  const int d = e.Add(x, "SETX");
};

struct ListCase {
  const char* name;
  EditAction command;
  int from;  // the line copied first, or dragged
  int line;
  Lines lines;
};

const ListCase kListCases[] = {
    {"cut 4", EditAction::Cut, -1, 4, {0, 1, 2, 3, -1, 5, 6, 7, 8, 9}},
    {"delete 3", EditAction::Delete, -1, 3, {0, 1, 2, 4, 5, 6, 7, 8, 9, -1}},
    {"insert 6 at 0", EditAction::Insert, 6, 0, {6, 0, 1, 2, 3, 4, 5, 6, 7, 8}},
    {"delete 0", EditAction::Delete, -1, 0, {1, 2, 3, 4, 5, 6, 7, 8, 9, -1}},
    {"delete 9", EditAction::Delete, -1, 9, {0, 1, 2, 3, 4, 5, 6, 7, 8, -1}},
    {"insert 2 at 5", EditAction::Insert, 2, 5, {0, 1, 2, 3, 4, 2, 5, 6, 7, 8}},
    {"insert 8 at 9", EditAction::Insert, 8, 9, {0, 1, 2, 3, 4, 5, 6, 7, 8, 8}},
    {"paste 7 on 2", EditAction::Paste, 7, 2, {0, 1, 7, 3, 4, 5, 6, 7, 8, 9}},
    {"move 7 before 2", kDrop, 7, 2, {0, 1, 7, 2, 3, 4, 5, 6, 8, 9}},
    {"move 2 before 7", kDrop, 2, 7, {0, 1, 3, 4, 5, 6, 2, 7, 8, 9}},
    {"move 0 before 9", kDrop, 0, 9, {1, 2, 3, 4, 5, 6, 7, 8, 0, 9}},
    {"move 3 after the last line", kDrop, 3, 10, {0, 1, 2, 4, 5, 6, 7, 8, 9, 3}},
    {"drop 4 on its own line", kDrop, 4, 4, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9}},
    {"drop 4 on the next line", kDrop, 4, 5, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9}},
};

TEST_F(SequenceEdits, EveryEditKeepsTheDataWithItsItemAndUndoGivesTheSetBack) {
  for (int kind : {kBackingSequence, kSong})
    for (const ListCase& c : kListCases) {
      SCOPED_TRACE(KindName(kind) + ": " + c.name);
      ws.Stores(d) = x;
      ui.events.clear();
      const bool stays = c.lines == Lines{0, 1, 2, 3, 4, 5, 6, 7, 8, 9};
      if (c.command == kDrop) {
        EXPECT_EQ(Drop(kind, c.from, d, c.line), stays ? DropResult::Ignored : DropResult::Moved);
      } else {
        if (c.from >= 0) Run(kind, c.from, EditAction::Copy);
        ASSERT_TRUE(Run(kind, c.line, c.command));
      }
      EXPECT_EQ(ui.events.empty() ? "" : ui.events.back(), stays ? "" : "undo 1 1");
      Expect(d, Arranged(x, kind, c.lines, c.command != EditAction::Cut && c.command != EditAction::Paste,
                         c.command == EditAction::Insert ? c.line : -1));
      ASSERT_TRUE(Run(kind, c.line, EditAction::Undo));
      e.ExpectSet(d, x);
    }
}

TEST_F(SequenceEdits, InsertPushesTheLastItemOntoTheClipboardAndAPasteBringsItBack) {
  Run(kBackingSequence, 5, EditAction::Copy);
  Run(kBackingSequence, 0, EditAction::Insert);
  Run(kBackingSequence, 3, EditAction::Paste);
  SetStores expected = Arranged(x, kBackingSequence, {5, 0, 1, 9, 3, 4, 5, 6, 7, 8}, true, 0);
  Bsq(expected, 8).SetNext(9);  // the link to the item pushed out kept its number; the pastes moved nothing
  Expect(d, expected);
}

TEST_F(SequenceEdits, EraseBankKeepsThePatternsAndCannotBeUndone) {
  SetStores erased = x;
  for (int kind : {kSong, kBackingSequence}) {
    Run(kind, 2, EditAction::Cut);
    ui.ExpectMessage("Bank Erasing can't be undone\r\nContinue?", MsgResult::Ok);
    ASSERT_TRUE(Run(kind, 2, EditAction::EraseBank));
    erased = Arranged(erased, kind, {-1, -1, -1, -1, -1, -1, -1, -1, -1, -1});
    // The emptied Songs start where the Backing Sequences end.
    if (kind == kSong) erased.songs.trackOffsets[0][0] = x.backingSequences.endOffset;
    else erased.backingSequences.trackOffsets[0][0] = 4864;
    Expect(d, erased);
    ASSERT_TRUE(Run(kind, 2, EditAction::Undo));
    Expect(d, erased);
  }
}

struct CallCase {
  const char* name;
  int kind;
  EditAction command;     // Paste, Insert or a drop
  MsgResult arrangement;  // the answer about the missing Arrangement; Ok: found by name
  MsgResult kit;          // the answer about the missing drum kit
  int pick;               // what the selection dialogs return
  int arrangementCalled;  // afterwards
  int kitCalled;          // afterwards; -1: nothing changed
  int code;               // of the undo record
  Events selections;      // the captions of the selection dialogs
};

const std::string kBsqKit = "2 0 Select a Program for track 'Extra 2 '";
const CallCase kCallCases[] = {
    {"kit kept", kBackingSequence, EditAction::Paste, MsgResult::Ok, MsgResult::No, 0, 0, 518, kUndoPaste, {}},
    {"both redirected by a drop", kBackingSequence, kDrop, MsgResult::Yes, MsgResult::Yes, 7, 7, 7, kUndoDragCopy,
     {"2 0 Select an Arrangement", kBsqKit}},
    {"kit cancelled", kBackingSequence, EditAction::Paste, MsgResult::No, MsgResult::Cancel, 0, 0, -1, 0, {}},
    {"song kit cancelled", kSong, EditAction::Paste, MsgResult::Ok, MsgResult::Cancel, 0, 0, -1, 0, {}},
    {"arrangement kept by an insert", kBackingSequence, EditAction::Insert, MsgResult::No, MsgResult::No, 0, 5, 518,
     kUndoInsert, {}},
    {"selection cancelled", kBackingSequence, EditAction::Insert, MsgResult::Ok, MsgResult::Yes, -1, 0, -1, 0, {kBsqKit}},
    {"song kit redirected", kSong, EditAction::Insert, MsgResult::Ok, MsgResult::Yes, 330, 0, 330, kUndoInsert,
     {"2 0 Select a Program for track 'Trk  6'"}},
};

const std::string kArrangementQuestion =
    "Backing Sequence 'BSQ 1' calls Arrangement 'ARR 05' non-existent in SETY'\r\n\r\n"
    "Redirect this Backing Sequence to an existing Arrangement?";
const std::string kKitQuestion =
    "' calls Program 'KIT 7' non-existent in 'SETY'\r\n\r\nRedirect this track to an existing Program?";

// Item 1 of X calls Arrangement ARR 05, Style STY 00, PRG 01 and KIT 7; Y
// has the first three as A21, U23 and D61, and no KIT 7.
TEST_F(SequenceEdits, AnItemFromAnotherSetCallsWhatHasItsNamesThere) {
  Bsq(x, 1).SetArrangement(5);
  Bsq(x, 1).SetStyle(48);
  for (auto [t, program] : {std::pair{0, 321}, {3, 518}}) {
    Bsq(x, 1).SetTrackProgram(t, static_cast<std::int16_t>(program));
    Song(x, 1).SetTrackProgram(t + 2, program);
  }
  ws.Stores(d) = x;
  SetStores y = EditSet(42);
  Arr(y, 5).SetName("OTHER");
  y.styles.headers[0].SetName("OTHER");
  y.styles.headers[6].SetName("STY 00");
  Prg(y, 1).SetName("OTHER");
  Prg(y, 40).SetName("PRG 01");
  Prg(y, 64).SetName("KIT X");
  const int dy = e.Add(y, "SETY");
  for (const CallCase& c : kCallCases) {
    SCOPED_TRACE(c.name);
    const bool bsq = c.kind == kBackingSequence;
    Arr(y, 0).SetName(c.arrangement == MsgResult::Ok ? "ARR 05" : "NONE");
    ws.Stores(dy) = y;
    if (c.command != kDrop) Run(c.kind, 1, EditAction::Copy);
    ui.selections.clear();
    ui.events.clear();
    const auto records = Records();
    if (c.arrangement != MsgResult::Ok) e.ExpectQuestion(kArrangementQuestion, c.arrangement);
    if (c.arrangement == MsgResult::Yes) ui.ExpectSelection(kArrangement, c.pick);
    e.ExpectQuestion((bsq ? "Track 'Extra 2' of BackSeq 'BSQ 1" : "Track 'Trk  6' of Song 'SNG 1") + kKitQuestion, c.kit);
    if (c.kit == MsgResult::Yes) ui.ExpectSelection(kProgram, c.pick);
    if (c.command == kDrop) Drop(c.kind, 1, dy, 3);
    else ASSERT_TRUE(Run(c.kind, 3, c.command, dy));
    EXPECT_EQ(ui.selections, c.selections);

    SetStores expected = y;
    if (c.kitCalled >= 0) {
      const bool insert = c.command == EditAction::Insert;
      expected = Arranged(y, c.kind, insert ? Lines{0, 1, 2, 11, 3, 4, 5, 6, 7, 8} : Lines{0, 1, 2, 11, 4, 5, 6, 7, 8, 9},
                          insert);
      for (auto [t, program] : {std::pair{0, 360}, {3, c.kitCalled}}) {
        if (bsq) Bsq(expected, 3).SetTrackProgram(t, static_cast<std::int16_t>(program));
        else Song(expected, 3).SetTrackProgram(t + 2, program);
      }
      if (bsq) Bsq(expected, 3).SetArrangement(static_cast<std::int16_t>(c.arrangementCalled));
      if (bsq) Bsq(expected, 3).SetStyle(54);
    }
    Expect(dy, expected);
    e.ExpectSet(d, x);
    if (c.kitCalled < 0) {
      EXPECT_TRUE(ui.events.empty());
      EXPECT_TRUE(Records() == records);
      continue;
    }
    EXPECT_EQ(ui.events.back(), "undo 2 1");
    EXPECT_EQ(UndoCodeOf(ws, c.kind), c.code);
    ASSERT_TRUE(Run(c.kind, 3, EditAction::Undo, dy));
    e.ExpectSet(dy, y);
  }
}

struct Refusal {
  int kind;
  EditAction command;  // on line 0
  int from;            // the line on the clipboard
  int backingSequencesEnd;  // 0: the Patterns grow to leave 10 blocks free
  std::string message;
};

// In X, BSQ 9 takes 1575 blocks, Song 2 1383 and Song 9 766; 5168 blocks are
// free, the Backing Sequences take 4941 and the Patterns 1255.
const Refusal kRefusals[] = {
    {kBackingSequence, EditAction::Paste, 9, 0,
     "Not enough event memory for Backing Sequence 'BSQ 9'\r\nNeeded: 6300\r\nFree: 40"},
    {kSong, EditAction::Insert, 2, 0,
     "Not enough event memory for Song 'SNG 2'\r\nNeeded: 2468\r\nFree: 40"},
    {kBackingSequence, EditAction::Paste, 9, 32767,
     "Event offsets out of range for Backing Sequence 'BSQ 9'\r\nThe data would end at 34342 (at most 32767)"},
    {kSong, EditAction::EraseBank, 3, 32768 - 1255,
     "Event offsets out of range for the Songs\r\nThe data would end at 32768 (at most 32767)"},
};

TEST_F(SequenceEdits, AnEditThatDoesNotFitIsRefusedAndLeavesEverythingAsItWas) {
  for (const Refusal& c : kRefusals) {
    SCOPED_TRACE(c.message);
    SetStores s = x;
    if (c.backingSequencesEnd == 0) s.songs.patternData[99].resize(s.songs.patternData[99].size() + 16 * 5158);
    s.backingSequences.trackOffsets[0][0] = static_cast<std::int16_t>(c.backingSequencesEnd - 4941);
    RecomputeBackingSequenceOffsets(s.backingSequences);
    RecomputeSongOffsets(s.songs);
    ws.Stores(d) = s;
    // A paste of an item over itself leaves an undo record and the Set as they were.
    Run(c.kind, c.from, EditAction::Copy);
    Run(c.kind, c.from, EditAction::Paste);
    const auto records = Records();
    ui.events.clear();
    if (c.command == EditAction::EraseBank) ui.ExpectMessage("Bank Erasing can't be undone\r\nContinue?", MsgResult::Ok);
    e.ExpectNotice(c.message);
    ASSERT_TRUE(Run(c.kind, 0, c.command));
    e.ExpectSet(d, s);
    EXPECT_TRUE(ui.events.empty());
    EXPECT_TRUE(Records() == records);
  }
}

}  // namespace
}  // namespace tolvane::test
