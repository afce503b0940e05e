#include "sequences/sequence_calls.h"
#include "sets/set_caption.h"

#include <functional>
#include <span>
#include <string_view>

#include "programs/program_numbers.h"
#include "sets/workspace.h"
#include "storage/tables.h"
#include "storage/text.h"
#include "styles/style_accessors.h"

namespace tolvane {

namespace {

constexpr const char* kRedirectTrack = "\r\n\r\nRedirect this track to an existing Program?";

// What the user made of one call that the destination cannot satisfy.
enum class Choice { Cancelled, Kept, Chosen };

// Asks about a missing item; Yes opens the selection dialog, whose number
// lands in `chosen`. Cancelling either abandons the whole resolution.
Choice AskForReplacement(Workspace& ws, const std::string& text, const std::function<int()>& select, int& chosen) {
  switch (ws.ui.ShowMessage({MsgIcon::Exclamation, MsgButtons::YesNoCancel, MsgResult::Cancel, "", text})) {
    case MsgResult::No: return Choice::Kept;
    case MsgResult::Yes:
      chosen = select();
      return chosen == -1 ? Choice::Cancelled : Choice::Chosen;
    default: return Choice::Cancelled;
  }
}

int FindArrangementByName(const ArrangementSetData& arrangements, const std::string& name) {
  for (int n = 0; n < kArrangementCount; ++n)
    if (arrangements.records[static_cast<std::size_t>(n)].Name() == name) return n;
  return -1;
}

// The calls of one item being resolved: the Sets it goes between and the
// words its questions use.
struct Resolution {
  Workspace& ws;
  const SetStores& from;
  const SetStores& to;
  int destination;
  std::string caption;   // the destination window's
  std::string itemName;  // trimmed
};

// Each track calling a user Program calls the destination's Program of the
// same name, or what the user decides. `owner` is "BackSeq" or "Song".
template <class Record>
bool ResolveTracks(const Resolution& r, Record& record, std::span<const std::string_view> trackNames,
                   const std::string& owner) {
  for (std::size_t t = 0; t < trackNames.size(); ++t) {
    const int track = static_cast<int>(t);
    const int program = record.TrackProgram(track);
    if (UserIndexOfProgram(program) < 0) continue;
    const std::string programName = ProgramName(r.ws.presets, r.from.programs, program);
    if (const int found = FindUserProgramByName(r.to.programs, programName, UserIndexOfProgram(program) >= kUserProgramCount); found >= 0) {
      record.SetTrackProgram(track, static_cast<std::int16_t>(found));
      continue;
    }
    const std::string trackName(trackNames[t]);
    int chosen = -1;
    const Choice choice = AskForReplacement(
        r.ws,
        "Track '" + TrimBlanks(trackName) + "' of " + owner + " '" + r.itemName + "' calls Program '" +
            TrimBlanks(programName) + "' non-existent in '" + r.caption + "'" + kRedirectTrack,
        [&] { return r.ws.ui.SelectProgram(r.destination, 0, "Select a Program for track '" + trackName + "'"); },
        chosen);
    if (choice == Choice::Cancelled) return false;
    if (choice == Choice::Chosen) record.SetTrackProgram(track, static_cast<std::int16_t>(chosen));
  }
  return true;
}

bool ResolveArrangement(const Resolution& r, BackingSequenceRecord& record) {
  const int arrangement = record.Arrangement();
  if (CheckArrangementNumber(arrangement) < 0) return true;
  const std::string name = ArrangementName(r.from.arrangements, arrangement);
  if (const int found = FindArrangementByName(r.to.arrangements, name); found >= 0) {
    record.SetArrangement(static_cast<std::int16_t>(found));
    return true;
  }
  int chosen = -1;
  const Choice choice = AskForReplacement(
      r.ws,
      "Backing Sequence '" + r.itemName + "' calls Arrangement '" + TrimBlanks(name) + "' non-existent in " +
          r.caption + "'\r\n\r\nRedirect this Backing Sequence to an existing Arrangement?",
      [&] { return r.ws.ui.SelectArrangement(r.destination, 0, "Select an Arrangement"); }, chosen);
  if (choice == Choice::Chosen) record.SetArrangement(static_cast<std::int16_t>(chosen));
  return choice != Choice::Cancelled;
}

bool ResolveStyle(const Resolution& r, BackingSequenceRecord& record) {
  const int user = UserIndexOfStyle(record.Style());
  if (user < 0) return true;
  const std::string name = UserStyleName(r.from.styles, user);
  if (const int found = FindUserStyleByName(r.to.styles, name); found >= 0) {
    record.SetStyle(static_cast<std::int16_t>(found));
    return true;
  }
  int chosen = -1;
  const Choice choice = AskForReplacement(
      r.ws,
      "Backing Sequence '" + r.itemName + "' calls Style '" + TrimBlanks(name) + "' non-existent in " + r.caption +
          "'\r\n\r\nRedirect this Backing Sequence to an existing Style?",
      [&] { return r.ws.ui.SelectStyle(r.destination, 0, "Select a Style"); }, chosen);
  if (choice == Choice::Chosen) record.SetStyle(static_cast<std::int16_t>(chosen));
  return choice != Choice::Cancelled;
}

bool Resolvable(const Workspace& ws, int source, int destination, int index) {
  return ws.InUse(source) && ws.InUse(destination) && index >= 0 && index < kSequenceItemCount;
}

}  // namespace

bool ResolvePastedBackingSequenceCalls(Workspace& ws, int source, int destination, int index) {
  if (!Resolvable(ws, source, destination, index)) return true;
  auto& record = ws.Stores(destination).backingSequences.records[static_cast<std::size_t>(index)];
  BackingSequenceRecord copy = record;
  const Resolution r{ws, ws.Stores(source), ws.Stores(destination), destination, SetNameInMessages(ws, destination),
                     TrimBlanks(copy.Name())};
  if (!ResolveArrangement(r, copy) || !ResolveStyle(r, copy) ||
      !ResolveTracks(r, copy, kBackingSequenceTrackNames, "BackSeq"))
    return false;
  record = copy;
  ws.MarkModified(destination, kBackingSequence);
  return true;
}

bool ResolvePastedSongCalls(Workspace& ws, int source, int destination, int index) {
  if (!Resolvable(ws, source, destination, index)) return true;
  auto& record = ws.Stores(destination).songs.records[static_cast<std::size_t>(index)];
  SongRecord copy = record;
  const Resolution r{ws, ws.Stores(source), ws.Stores(destination), destination, SetNameInMessages(ws, destination),
                     TrimBlanks(copy.Name())};
  if (!ResolveTracks(r, copy, kSongTrackNames, "Song")) return false;
  record = copy;
  ws.MarkModified(destination, kSong);
  return true;
}

}  // namespace tolvane
