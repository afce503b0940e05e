#include "programs/program_edits.h"

#include "programs/program_calls.h"
#include "programs/program_clip.h"
#include "programs/program_numbers.h"
#include "programs/program_release.h"
#include "storage/tables.h"
#include "editing/renumbering.h"
#include "editing/undo_state.h"
#include "storage/text.h"
#include "sets/workspace.h"

namespace tolvane {

namespace {

constexpr int kLast = kUserProgramCount - 1;  // D88

bool UserItem(int u) { return u >= 0 && u < kUserItemCount; }
bool ListPlace(int u) { return u >= 0 && u <= kLast; }
bool Usable(const Workspace& ws, int d) { return d > 0 && ws.InUse(d); }

void CopyOver(Workspace& ws, int d, int from, int to) {
  auto& records = ws.Stores(d).programs.records;
  records[static_cast<std::size_t>(to)] = records[static_cast<std::size_t>(from)];
  ws.MarkModified(d, kProgram);
}

void ShowAndRedraw(Workspace& ws, int d, int u) {
  ws.view.ShowItem(d, kProgram, UserProgramNumber(u));
  ws.view.RefreshItem(d, kProgram, UserProgramNumber(u));
}

// Programs u + 1 to D88 move up one place, or down with `down`.
void ShiftItems(Workspace& ws, int d, int u, bool down) {
  if (down) {
    for (int k = kLast; k > u; --k) CopyOver(ws, d, k - 1, k);
  } else {
    for (int k = u + 1; k <= kLast; ++k) CopyOver(ws, d, k, k - 1);
  }
}

// A drum kit's data has a place only in Dr7 and Dr8, and a Program has no
// such data: pasting either into the other's place would lose bytes.
bool FitsPlace(Workspace& ws, const ProgramClip& clip, int u) {
  const bool kitPlace = u >= kUserProgramCount;
  if (clip.isDrumKit == kitPlace) return true;
  const std::string name = TrimBlanks(clip.record.Name());
  ws.ui.ShowMessage({MsgIcon::Exclamation, MsgButtons::Ok, MsgResult::Ok, "",
                     clip.isDrumKit ? "Drum Kit '" + name + "' can only be pasted\r\ninto Dr7 or Dr8."
                                  : "Program '" + name + "' can't be pasted\r\ninto a Drum Kit place."});
  return false;
}

void UndoCut(Workspace& ws) {
  const ProgramClip& clip = ws.edits.programs.clipboard;
  if (!Usable(ws, clip.sourceSet) || !UserItem(clip.sourceNumber)) return;
  PasteClipToProgram(clip, ws, clip.sourceSet, clip.sourceNumber);
  FollowItems(ws, clip.sourceSet, kProgram, UndoCutPlaces(clip.sourceNumber));
  ShowAndRedraw(ws, clip.sourceSet, clip.sourceNumber);
}

void UndoPaste(Workspace& ws) {
  const ProgramClip& undo = ws.edits.programs.undo;
  if (!Usable(ws, undo.sourceSet) || !UserItem(undo.sourceNumber)) return;
  PasteClipToProgram(undo, ws, undo.sourceSet, undo.sourceNumber);
  FollowItems(ws, undo.sourceSet, kProgram, UndoPastePlaces(undo.sourceNumber));
  ShowAndRedraw(ws, undo.sourceSet, undo.sourceNumber);
}

void UndoMove(Workspace& ws) {
  auto& r = ws.edits.programs;
  const int d = r.clipboard.sourceSet;
  const int source = r.clipboard.sourceNumber;
  const int target = r.undo.sourceNumber;
  if (!Usable(ws, d) || r.undo.sourceSet != d || !UserItem(source) || !UserItem(target)) return;
  // Only the tracks that followed the item go back: those the destination
  // had kept belong to the Program now restored there.
  Renumber(ws, d, UndoMoveRenumbering(kProgram, source, target, r.keptCalls));
  UndoCut(ws);
  UndoPaste(ws);
}

void UndoDelete(Workspace& ws) {
  const ProgramClip& undo = ws.edits.programs.undo;
  const int d = undo.sourceSet;
  const int u = undo.sourceNumber;
  if (!Usable(ws, d) || !ListPlace(u)) return;
  Renumber(ws, d, UndoDeleteRenumbering(kProgram, u, kLast, ws.edits.programs.keptCalls));
  ShiftItems(ws, d, u, true);
  PasteClipToProgram(undo, ws, d, u);
  ws.view.RefreshKind(d, kProgram);
}

void UndoInsert(Workspace& ws) {
  auto& r = ws.edits.programs;
  const int d = r.undo.sourceSet;
  const int u = r.undo.sourceNumber;
  if (!Usable(ws, d) || !ListPlace(u)) return;
  // The inserted Program leaves the Set again; the clipboard it came from
  // is given back so that it is not lost (it may have been cut), unless
  // something has filled the clipboard since.
  const bool giveBack = r.clipboard == r.clipboardAfterInsert;
  Renumber(ws, d, UndoInsertRenumbering(kProgram, u, kLast, giveBack, r.keptCalls));
  ShiftItems(ws, d, u, false);
  PasteClipToProgram(r.undo, ws, d, kLast);
  if (giveBack) r.clipboard = r.clipboardBeforeInsert;
  ws.view.RefreshKind(d, kProgram);
}

}  // namespace

EditOutcome CutProgram(Workspace& ws, int d, int u, bool skipReferenceQuestion) {
  if (!UserItem(u) || IsUserProgramEmpty(ws.Stores(d).programs, u)) return {};
  EditOutcome outcome;
  if (!skipReferenceQuestion) {
    const ReleaseAnswer answer = ConfirmProgramRelease(ws, d, u);
    if (answer == ReleaseAnswer::Cancelled) return {};
    outcome = OutcomeOf(answer);
  }
  auto& r = ws.edits.programs;
  CopyProgramToClip(r.clipboard, ws, d, u);
  r.undo.operation = kUndoCut;
  PasteClipToProgram(r.empty, ws, d, u);
  FollowItems(ws, d, kProgram, CutPlaces(u));
  ShowAndRedraw(ws, d, u);
  return outcome |= kChanged;
}

void CopyProgram(Workspace& ws, int d, int u) {
  if (!UserItem(u)) return;
  CopyProgramToClip(ws.edits.programs.clipboard, ws, d, u);
  FollowItems(ws, d, kProgram, CopyPlaces(u));
  ClipboardRefilled(ws.edits.programs);
}

EditOutcome PasteProgram(Workspace& ws, int d, int u, bool redirectFromClipSource) {
  auto& r = ws.edits.programs;
  if (!UserItem(u) || r.clipboard.sourceSet == 0 || !FitsPlace(ws, r.clipboard, u)) return {};
  EditOutcome outcome;
  if (!IsUserProgramEmpty(ws.Stores(d).programs, u)) {
    const ReleaseAnswer answer = ConfirmProgramRelease(ws, d, u);
    if (answer == ReleaseAnswer::Cancelled) return {};
    outcome = OutcomeOf(answer);
  }
  // Callers can only follow a Program of this same Set.
  if (redirectFromClipSource && r.clipboard.sourceSet == d && UserItem(r.clipboard.sourceNumber)) {
    r.keptCalls = CallersOf(ws, d, kProgram, u);
    Renumber(ws, d, MoveRenumbering(kProgram, r.clipboard.sourceNumber, u));
  }
  CopyProgramToClip(r.undo, ws, d, u);
  r.undo.operation = kUndoPaste;
  PasteClipToProgram(r.clipboard, ws, d, u);
  FollowItems(ws, d, kProgram, PastePlaces(u, r.clipboard.sourceSet == d));
  ws.view.RefreshItem(d, kProgram, UserProgramNumber(u));
  return outcome |= kChanged;
}

EditOutcome DeleteProgram(Workspace& ws, int d, int u) {
  if (!ListPlace(u)) return {};
  const ReleaseAnswer answer = ConfirmProgramRelease(ws, d, u);
  if (answer == ReleaseAnswer::Cancelled) return {};
  auto& r = ws.edits.programs;
  r.keptCalls = CallersOf(ws, d, kProgram, u);
  CopyProgramToClip(r.clipboard, ws, d, u);
  CopyProgramToClip(r.undo, ws, d, u);
  Renumber(ws, d, DeleteRenumbering(kProgram, u, kLast));
  ShiftItems(ws, d, u, false);
  PasteClipToProgram(r.empty, ws, d, kLast);
  r.undo.operation = kUndoDelete;
  ws.view.RefreshKind(d, kProgram);
  return OutcomeOf(answer) |= kChanged;
}

EditOutcome InsertProgram(Workspace& ws, int d, int u) {
  auto& r = ws.edits.programs;
  // An empty clipboard holds no Program to insert (a paste refuses it too).
  if (!ListPlace(u) || r.clipboard.sourceSet == 0 || !FitsPlace(ws, r.clipboard, u)) return {};
  const ReleaseAnswer answer = ConfirmProgramRelease(ws, d, kLast);
  if (answer == ReleaseAnswer::Cancelled) return {};
  const std::vector<CallSite> kept = CallersOf(ws, d, kProgram, kLast);
  Renumber(ws, d, InsertRenumbering(kProgram, u, kLast, r.clipboard.sourceSet == d));
  r.keptCalls = kept;
  r.clipboardBeforeInsert = r.clipboard;
  CopyProgramToClip(r.undo, ws, d, kLast);
  r.undo.sourceNumber = static_cast<std::int16_t>(u);
  ShiftItems(ws, d, u, true);
  PasteClipToProgram(r.clipboard, ws, d, u);
  r.undo.operation = kUndoInsert;
  r.clipboard = r.undo;
  r.clipboardAfterInsert = r.clipboard;
  ws.view.RefreshKind(d, kProgram);
  return OutcomeOf(answer) |= kChanged;
}

void EraseProgramBank(Workspace& ws, int d, int bank) {
  const ProgramClip& empty = ws.edits.programs.empty;
  for (int index = 0; index < kUserProgramCount; ++index)
    if (const int u = UserProgramIndexOfBank(bank, index); u >= 0) PasteClipToProgram(empty, ws, d, u);
  FollowItems(ws, d, kProgram, ErasedPlaces());
  ws.MarkModified(d, kProgram);
  ws.view.RefreshKind(d, kProgram);
}

void UndoProgramEdit(Workspace& ws) {
  switch (ws.edits.programs.undo.operation) {
    case kUndoCut: UndoCut(ws); break;
    case kUndoPaste:
    case kUndoDragCopy: UndoPaste(ws); break;
    case kUndoMove: UndoMove(ws); break;
    case kUndoDelete: UndoDelete(ws); break;
    case kUndoInsert: UndoInsert(ws); break;
    default: break;
  }
}

}  // namespace tolvane
