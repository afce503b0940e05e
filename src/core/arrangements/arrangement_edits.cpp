#include "arrangements/arrangement_edits.h"

#include "arrangements/arrangement_calls.h"
#include "arrangements/arrangement_clip.h"
#include "arrangements/arrangement_references.h"
#include "storage/tables.h"
#include "editing/renumbering.h"
#include "editing/release_question.h"
#include "editing/undo_state.h"
#include "sets/workspace.h"

namespace tolvane {

namespace {

constexpr int kLast = kArrangementCount - 1;

bool Valid(int n) { return CheckArrangementNumber(n) >= 0; }
bool Usable(const Workspace& ws, int d) { return d > 0 && ws.InUse(d); }

void CopyOver(Workspace& ws, int d, int from, int to) {
  auto& records = ws.Stores(d).arrangements.records;
  records[static_cast<std::size_t>(to)] = records[static_cast<std::size_t>(from)];
  ws.MarkModified(d, kArrangement);
}

void ShowAndRedraw(Workspace& ws, int d, int n) {
  ws.view.ShowItem(d, kArrangement, n);
  ws.view.RefreshItem(d, kArrangement, n);
}

// Arrangements n + 1 to the last move up one place, or down with `down`.
void ShiftItems(Workspace& ws, int d, int n, bool down) {
  if (down) {
    for (int k = kLast; k > n; --k) CopyOver(ws, d, k - 1, k);
  } else {
    for (int k = n + 1; k <= kLast; ++k) CopyOver(ws, d, k, k - 1);
  }
}

void UndoCut(Workspace& ws) {
  const ArrangementClip& clip = ws.edits.arrangements.clipboard;
  if (!Usable(ws, clip.sourceSet) || !Valid(clip.sourceNumber)) return;
  PasteClipToArrangement(clip, ws, clip.sourceSet, clip.sourceNumber);
  FollowItems(ws, clip.sourceSet, kArrangement, UndoCutPlaces(clip.sourceNumber));
  ShowAndRedraw(ws, clip.sourceSet, clip.sourceNumber);
}

void UndoPaste(Workspace& ws) {
  const ArrangementClip& undo = ws.edits.arrangements.undo;
  if (!Usable(ws, undo.sourceSet) || !Valid(undo.sourceNumber)) return;
  PasteClipToArrangement(undo, ws, undo.sourceSet, undo.sourceNumber);
  FollowItems(ws, undo.sourceSet, kArrangement, UndoPastePlaces(undo.sourceNumber));
  ShowAndRedraw(ws, undo.sourceSet, undo.sourceNumber);
}

void UndoMove(Workspace& ws) {
  auto& r = ws.edits.arrangements;
  const int d = r.clipboard.sourceSet;
  const int source = r.clipboard.sourceNumber;
  const int target = r.undo.sourceNumber;
  if (!Usable(ws, d) || r.undo.sourceSet != d || !Valid(source) || !Valid(target)) return;
  // Only the callers that followed the item go back: those the target had
  // kept belong to the Arrangement now restored there.
  Renumber(ws, d, UndoMoveRenumbering(kArrangement, source, target, r.keptCalls));
  UndoCut(ws);
  UndoPaste(ws);
  ShowAndRedraw(ws, d, source);
}

void UndoDelete(Workspace& ws) {
  const ArrangementClip& undo = ws.edits.arrangements.undo;
  const int d = undo.sourceSet;
  const int n = undo.sourceNumber;
  if (!Usable(ws, d) || !Valid(n)) return;
  Renumber(ws, d, UndoDeleteRenumbering(kArrangement, n, kLast, ws.edits.arrangements.keptCalls));
  ShiftItems(ws, d, n, true);
  PasteClipToArrangement(undo, ws, d, n);
  ws.view.RefreshKind(d, kArrangement);
}

void UndoInsert(Workspace& ws) {
  auto& r = ws.edits.arrangements;
  const int d = r.undo.sourceSet;
  const int n = r.undo.sourceNumber;
  if (!Usable(ws, d) || !Valid(n)) return;
  // The inserted Arrangement leaves the Set again; the clipboard it came
  // from is given back so that it is not lost (it may have been cut),
  // unless something has filled the clipboard since.
  const bool giveBack = r.clipboard == r.clipboardAfterInsert;
  Renumber(ws, d, UndoInsertRenumbering(kArrangement, n, kLast, giveBack, r.keptCalls));
  ShiftItems(ws, d, n, false);
  PasteClipToArrangement(r.undo, ws, d, kLast);
  if (giveBack) r.clipboard = r.clipboardBeforeInsert;
  ws.view.RefreshKind(d, kArrangement);
}

}  // namespace

EditOutcome CutArrangement(Workspace& ws, int d, int n, bool skipReferenceQuestion) {
  if (!Valid(n) || IsArrangementEmpty(ws.Stores(d).arrangements, n)) return {};
  EditOutcome outcome;
  if (!skipReferenceQuestion) {
    const ReleaseAnswer answer = AskRedirectArrangementReferences(ws, d, n);
    if (answer == ReleaseAnswer::Cancelled) return {};
    outcome = OutcomeOf(answer);
  }
  auto& r = ws.edits.arrangements;
  CopyArrangementToClip(r.clipboard, ws, d, n);
  r.undo.operation = kUndoCut;
  PasteClipToArrangement(r.empty, ws, d, n);
  FollowItems(ws, d, kArrangement, CutPlaces(n));
  ShowAndRedraw(ws, d, n);
  return outcome |= kChanged;
}

void CopyArrangement(Workspace& ws, int d, int n) {
  if (!Valid(n)) return;
  CopyArrangementToClip(ws.edits.arrangements.clipboard, ws, d, n);
  FollowItems(ws, d, kArrangement, CopyPlaces(n));
  ClipboardRefilled(ws.edits.arrangements);
}

EditOutcome PasteArrangement(Workspace& ws, int d, int n, bool redirectFromClipSource) {
  if (!Valid(n)) return {};
  ws.Slot(d).gridTags[kArrangement] = static_cast<std::int16_t>(n);
  auto& r = ws.edits.arrangements;
  if (r.clipboard.sourceSet == 0) return {};
  EditOutcome outcome;
  if (!IsArrangementEmpty(ws.Stores(d).arrangements, n)) {
    const ReleaseAnswer answer = AskRedirectArrangementReferences(ws, d, n);
    if (answer == ReleaseAnswer::Cancelled) return {};
    outcome = OutcomeOf(answer);
  }
  const KindRecords<ArrangementClip> before = r;
  // Callers can only follow an Arrangement of this same Set.
  if (redirectFromClipSource && r.clipboard.sourceSet == d && Valid(r.clipboard.sourceNumber)) {
    r.keptCalls = CallersOf(ws, d, kArrangement, n);
    Renumber(ws, d, MoveRenumbering(kArrangement, r.clipboard.sourceNumber, n));
  }
  CopyArrangementToClip(r.undo, ws, d, n);
  r.undo.operation = kUndoPaste;
  PasteClipToArrangement(r.clipboard, ws, d, n);
  const int source = r.clipboard.sourceSet;
  if (source != d && source != -1 && !ResolvePastedArrangementCalls(ws, source, d, n)) {
    // The slot gets its Arrangement back and the last edit stays the one to undo.
    PasteClipToArrangement(r.undo, ws, d, n);
    ShowAndRedraw(ws, d, n);
    r = before;
    return outcome;
  }
  FollowItems(ws, d, kArrangement, PastePlaces(n, source == d));
  ws.view.RefreshItem(d, kArrangement, n);
  return outcome |= kChanged;
}

EditOutcome DeleteArrangement(Workspace& ws, int d, int n) {
  if (!Valid(n)) return {};
  const ReleaseAnswer answer = AskRedirectArrangementReferences(ws, d, n);
  if (answer == ReleaseAnswer::Cancelled) return {};
  auto& r = ws.edits.arrangements;
  r.keptCalls = CallersOf(ws, d, kArrangement, n);
  CopyArrangementToClip(r.clipboard, ws, d, n);
  CopyArrangementToClip(r.undo, ws, d, n);
  Renumber(ws, d, DeleteRenumbering(kArrangement, n, kLast));
  ShiftItems(ws, d, n, false);
  PasteClipToArrangement(r.empty, ws, d, kLast);
  r.undo.operation = kUndoDelete;
  ws.view.RefreshKind(d, kArrangement);
  return OutcomeOf(answer) |= kChanged;
}

EditOutcome InsertArrangement(Workspace& ws, int d, int n) {
  auto& r = ws.edits.arrangements;
  // An empty clipboard holds no Arrangement to insert (a paste refuses it too).
  if (!Valid(n) || r.clipboard.sourceSet == 0) return {};
  const ReleaseAnswer answer = AskRedirectArrangementReferences(ws, d, kLast);
  if (answer == ReleaseAnswer::Cancelled) return {};
  // An Arrangement from another Set calls that Set's Style and Programs;
  // they are found again here before anything moves, so a cancel leaves
  // the bank as it was.
  ArrangementClip incoming = r.clipboard;
  const int source = incoming.sourceSet;
  if (source != d && source != -1 && !ResolveArrangementCalls(ws, source, d, incoming.item))
    return OutcomeOf(answer);
  const std::vector<CallSite> kept = CallersOf(ws, d, kArrangement, kLast);
  Renumber(ws, d, InsertRenumbering(kArrangement, n, kLast, source == d));
  r.keptCalls = kept;
  r.clipboardBeforeInsert = r.clipboard;
  CopyArrangementToClip(r.undo, ws, d, kLast);
  r.undo.sourceNumber = static_cast<std::int16_t>(n);
  ShiftItems(ws, d, n, true);
  PasteClipToArrangement(incoming, ws, d, n);
  r.undo.operation = kUndoInsert;
  r.clipboard = r.undo;
  r.clipboardAfterInsert = r.clipboard;
  ws.view.RefreshKind(d, kArrangement);
  return OutcomeOf(answer) |= kChanged;
}

void EraseArrangementBank(Workspace& ws, int d) {
  const ArrangementClip& empty = ws.edits.arrangements.empty;
  for (int index = 0; index <= BankHighestIndex(kArrangement, 0); ++index)
    PasteClipToArrangement(empty, ws, d, ArrangementNumber(0, index));
  FollowItems(ws, d, kArrangement, ErasedPlaces());
  ws.MarkModified(d, kArrangement);
  ws.view.RefreshKind(d, kArrangement);
}

void UndoArrangementEdit(Workspace& ws) {
  auto& r = ws.edits.arrangements;
  switch (r.undo.operation) {
    case kUndoCut: UndoCut(ws); break;
    case kUndoPaste: UndoPaste(ws); break;
    case kUndoMove: UndoMove(ws); break;
    case kUndoDragCopy:
      UndoPaste(ws);
      if (Usable(ws, r.clipboard.sourceSet) && r.undo.sourceSet != 0)
        ws.view.ShowItem(r.clipboard.sourceSet, kArrangement, r.clipboard.sourceNumber);
      break;
    case kUndoDelete: UndoDelete(ws); break;
    case kUndoInsert: UndoInsert(ws); break;
    default: break;
  }
}

}  // namespace tolvane
