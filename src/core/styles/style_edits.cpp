#include "styles/style_edits.h"

#include <algorithm>

#include "editing/renumbering.h"
#include "editing/undo_state.h"
#include "sets/workspace.h"
#include "storage/tables.h"
#include "styles/style_accessors.h"
#include "styles/style_calls.h"
#include "styles/style_release.h"
#include "styles/style_translate.h"

namespace tolvane {

namespace {

bool Usable(const Workspace& ws, int d) { return d > 0 && ws.InUse(d); }

// User Styles 0 to StylesOfSet - 1 lie in the Blocks the Set's file holds.
int StylesOfSet(const Workspace& ws, int d) {
  return std::min(kStylesPerBlock * ws.Stores(d).styles.blockCount, kUserStyleCount);
}

// Only a Style of a Block the file holds is an item: anything written into
// the others would never reach the disk.
bool IsStyleOfSet(const Workspace& ws, int d, int u) { return Usable(ws, d) && u >= 0 && u < StylesOfSet(ws, d); }

bool SameBlock(int u, int v) { return u / kStylesPerBlock == v / kStylesPerBlock; }

void ShowAndRedraw(Workspace& ws, int d, int u) {
  ws.view.ShowItem(d, kStyle, UserStyleNumber(u));
  ws.view.RefreshItem(d, kStyle, UserStyleNumber(u));
}

// Whether the Style of clip fits into the Block of Style u, whose own events
// the paste releases; when it does not, the user is told.
bool FitsBlock(Workspace& ws, int d, int u, const StyleClip& clip) {
  const StyleSetData& styles = ws.Stores(d).styles;
  const int available = BlockFreeEvents(styles, u) + StyleEventCount(styles, u);
  const int needed = (clip.size - kStyleBaseSize) / 4;
  // A Block already over its capacity still takes a Style no larger than the
  // one it replaces: its use does not grow.
  if (needed <= available || needed <= StyleEventCount(styles, u)) return true;
  ws.ui.ShowMessage({MsgIcon::Exclamation, MsgButtons::Ok, MsgResult::Ok, "",
                     "Pasted Style (" + std::to_string(needed) + " events) is too big for destination\r\nBlock, where only " +
                         std::to_string(available) + " events are available."});
  return false;
}

void UndoCut(Workspace& ws) {
  const StyleClip& clip = ws.edits.styles.clipboard;
  if (!IsStyleOfSet(ws, clip.sourceSet, clip.sourceNumber)) return;
  PasteClipToStyle(clip, ws, clip.sourceSet, clip.sourceNumber);
  FollowItems(ws, clip.sourceSet, kStyle, UndoCutPlaces(clip.sourceNumber));
  ShowAndRedraw(ws, clip.sourceSet, clip.sourceNumber);
}

void UndoPaste(Workspace& ws) {
  const StyleClip& undo = ws.edits.styles.undo;
  if (!IsStyleOfSet(ws, undo.sourceSet, undo.sourceNumber)) return;
  PasteClipToStyle(undo, ws, undo.sourceSet, undo.sourceNumber);
  FollowItems(ws, undo.sourceSet, kStyle, UndoPastePlaces(undo.sourceNumber));
  ShowAndRedraw(ws, undo.sourceSet, undo.sourceNumber);
}

void UndoMove(Workspace& ws) {
  const auto& r = ws.edits.styles;
  const int d = r.clipboard.sourceSet;
  const int source = r.clipboard.sourceNumber;
  const int target = r.undo.sourceNumber;
  if (r.undo.sourceSet != d || !IsStyleOfSet(ws, d, source) || !IsStyleOfSet(ws, d, target)) return;
  // Only the callers that followed the Style go back: those the target had
  // kept belong to the Style now restored there.
  Renumber(ws, d, UndoMoveRenumbering(kStyle, source, target, r.keptCalls));
  UndoPaste(ws);
  UndoCut(ws);
}

}  // namespace

void CopyStyle(Workspace& ws, int d, int u) {
  if (!IsStyleOfSet(ws, d, u)) return;
  CopyStyleToClip(ws.edits.styles.clipboard, ws, d, u);
  FollowItems(ws, d, kStyle, CopyPlaces(u));
  ClipboardRefilled(ws.edits.styles);
}

EditOutcome CutStyle(Workspace& ws, int d, int u, bool skipReferenceQuestion) {
  if (!IsStyleOfSet(ws, d, u) || IsUserStyleEmpty(ws.Stores(d).styles, u)) return {};
  EditOutcome outcome;
  if (!skipReferenceQuestion) {
    const ReleaseAnswer answer = ConfirmStyleRelease(ws, d, u);
    if (answer == ReleaseAnswer::Cancelled) return {};
    outcome = OutcomeOf(answer);
  }
  auto& r = ws.edits.styles;
  CopyStyleToClip(r.clipboard, ws, d, u);
  r.undo.operation = kUndoCut;
  PasteClipToStyle(r.empty, ws, d, u);
  FollowItems(ws, d, kStyle, CutPlaces(u));
  ShowAndRedraw(ws, d, u);
  return outcome |= kChanged;
}

EditOutcome PasteStyle(Workspace& ws, int d, int u, bool redirectFromClipSource) {
  auto& r = ws.edits.styles;
  if (!IsStyleOfSet(ws, d, u) || r.clipboard.sourceSet == 0) return {};
  // Callers can only follow a Style of this same Set; moved within its own
  // Block, the Style releases at its source the events it takes here.
  const int from = r.clipboard.sourceNumber;
  const bool move = redirectFromClipSource && r.clipboard.sourceSet == d && IsStyleOfSet(ws, d, from);
  if (!(move && SameBlock(from, u)) && !FitsBlock(ws, d, u, r.clipboard)) return {};
  EditOutcome outcome;
  if (!IsUserStyleEmpty(ws.Stores(d).styles, u)) {
    const ReleaseAnswer answer = ConfirmStyleRelease(ws, d, u);
    if (answer == ReleaseAnswer::Cancelled) return {};
    outcome = OutcomeOf(answer);
  }
  const KindRecords<StyleClip> before = r;
  const std::int16_t modifiedBefore = ws.Slot(d).modified[kStyle];
  if (move) {
    r.keptCalls = CallersOf(ws, d, kStyle, u);
    Renumber(ws, d, MoveRenumbering(kStyle, from, u));
  }
  CopyStyleToClip(r.undo, ws, d, u);
  r.undo.operation = kUndoPaste;
  PasteClipToStyle(r.clipboard, ws, d, u);
  const int source = r.clipboard.sourceSet;
  if (source != d && source != -1 && !TranslateStyleProgramCalls(ws, source, d, u)) {
    // The Style gets its old self back and the last edit stays the one to undo.
    PasteClipToStyle(r.undo, ws, d, u);
    r = before;
    ws.Slot(d).modified[kStyle] = modifiedBefore;
  } else {
    FollowItems(ws, d, kStyle, PastePlaces(u, source == d));
    outcome |= kChanged;
  }
  ws.view.RefreshItem(d, kStyle, UserStyleNumber(u));
  return outcome;
}

void EraseStyleBank(Workspace& ws, int d) {
  if (!Usable(ws, d)) return;
  for (int u = 0; u < StylesOfSet(ws, d); ++u) PasteClipToStyle(ws.edits.styles.empty, ws, d, u);
  FollowItems(ws, d, kStyle, ErasedPlaces());
  ws.MarkModified(d, kStyle);
  ws.view.RefreshKind(d, kStyle);
}

void UndoStyleEdit(Workspace& ws) {
  switch (ws.edits.styles.undo.operation) {
    case kUndoCut: UndoCut(ws); break;
    case kUndoPaste:
    case kUndoDragCopy: UndoPaste(ws); break;
    case kUndoMove: UndoMove(ws); break;
    default: break;
  }
}

}  // namespace tolvane
