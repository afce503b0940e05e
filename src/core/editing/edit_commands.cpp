#include "editing/edit_commands.h"

#include "editing/edit_guard.h"
#include "editing/kind_edits.h"
#include "editing/undo_state.h"
#include "istyle/istyle_imports.h"
#include "sets/kind_import.h"
#include "sets/workspace.h"
#include "storage/tables.h"

namespace tolvane {

namespace {

template <class Records>
auto KindCode(Records& edits, int kind) -> decltype(&edits.arrangements.undo.operation) {
  switch (kind) {
    case kArrangement: return &edits.arrangements.undo.operation;
    case kStyle: return &edits.styles.undo.operation;
    case kProgram: return &edits.programs.undo.operation;
    case kBackingSequence: return &edits.backingSequences.undo.operation;
    case kSong: return &edits.songs.undo.operation;
    default: return nullptr;
  }
}

// Undo by the stored code of the kind of tab t, in whichever Set the record
// names; then the code is spent and the window's Undo entry is switched off.
bool Undo(Workspace& ws, int d, const KindEdits& edits, int t) {
  edits.Undo(ws);
  ClearUndoRecord(ws, t);
  SetUndoAvailable(ws, d, false);
  return true;
}

bool ConfirmEraseBank(Workspace& ws) {
  // Cancel is the default: nothing can bring the bank back.
  return ws.ui.ShowMessage({MsgIcon::Exclamation, MsgButtons::OkCancel, MsgResult::Cancel, "",
                            "Bank Erasing can't be undone\r\nContinue?"}) == MsgResult::Ok;
}

// Undo is offered after a change that an undo record can take back.
void FollowOutcome(Workspace& ws, int d, const EditOutcome& outcome) {
  if (outcome.redirected) SetUndoAvailable(ws, d, false);
  else if (outcome.changed) SetUndoAvailable(ws, d, true);
}

bool Carry(Workspace& ws, int d, int tab, const KindEdits& edits, int item, EditAction command) {
  const int u = edits.UserIndex(item);
  switch (command) {
    case EditAction::Undo: return Undo(ws, d, edits, tab);
    case EditAction::Copy:
      edits.Copy(ws, d, u);
      SetUndoAvailable(ws, d, false);
      return true;
    case EditAction::Cut: FollowOutcome(ws, d, edits.Cut(ws, d, u)); return true;
    case EditAction::Paste: FollowOutcome(ws, d, edits.Paste(ws, d, u)); return true;
    case EditAction::Delete: FollowOutcome(ws, d, edits.Delete(ws, d, u)); return true;
    case EditAction::Insert: FollowOutcome(ws, d, edits.Insert(ws, d, u)); return true;
    case EditAction::PasteFromIStyle:
      if (tab > kProgram) return false;
      FollowOutcome(ws, d, ImportItemFromIStyle(ws, d, tab, u));
      return true;
    case EditAction::EraseBank:
      if (u < 0 || !ConfirmEraseBank(ws)) return true;
      if (edits.EraseBank(ws, d, item).changed) {
        ClearUndoRecord(ws, tab);
        SetUndoAvailable(ws, d, false);
      }
      return true;
    default: return false;
  }
}

// Edit > Import replaces the whole kind of the tab shown; nothing takes it back.
bool ImportIntoTab(Workspace& ws, int d, int tab) {
  if (tab < kArrangement || tab >= kSetFileKinds) return false;
  RunGuarded(ws, tab, [&] {
    if (ImportWholeKind(ws, d, tab).changed) SetUndoAvailable(ws, d, false);
  });
  return true;
}

}  // namespace

const KindEdits* EditsOfKind(int kind) {
  switch (kind) {
    case kArrangement: return &ArrangementEdits();
    case kStyle: return &StyleEdits();
    case kProgram: return &ProgramEdits();
    case kBackingSequence: return &BackingSequenceEdits();
    case kSong: return &SongEdits();
    default: return nullptr;
  }
}

int UndoCodeOf(const Workspace& ws, int kind) {
  const std::int32_t* code = KindCode(ws.edits, kind);
  return code ? *code : 0;
}

void ClearUndoRecord(Workspace& ws, int kind) {
  if (std::int32_t* code = KindCode(ws.edits, kind)) *code = kUndoNothing;
}

bool DispatchEditCommand(Workspace& ws, int d, int tab, int item, EditAction command) {
  if (!ws.InUse(d)) return false;
  if (command == EditAction::Import) return ImportIntoTab(ws, d, tab);
  const KindEdits* edits = EditsOfKind(tab);
  if (!edits) return false;
  bool handled = true;
  RunGuarded(ws, tab, [&] { handled = Carry(ws, d, tab, *edits, item, command); });
  return handled;
}

}  // namespace tolvane
