#include "editing/edit_commands.h"

#include "arrangements/arrangement_duplicates.h"
#include "arrangements/arrangement_edits.h"
#include "programs/program_duplicates.h"
#include "programs/program_edits.h"
#include "programs/program_numbers.h"
#include "storage/tables.h"
#include "editing/undo_state.h"
#include "sets/workspace.h"

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

// The kinds whose edits are built.
bool Routed(int kind) { return kind == kArrangement || kind == kProgram; }

// Undo by the stored code of the kind of tab t, in whichever Set the record
// names; then the code is spent and the window's Undo entry is switched off.
bool Undo(Workspace& ws, int d, int t) {
  std::int32_t* code = KindCode(ws.edits, t);
  if (!code) return false;
  if (t == kArrangement) UndoArrangementEdit(ws);
  else if (t == kProgram) UndoProgramEdit(ws);
  else if (*code != kUndoNothing && *code != kUndoCopy) return false;  // their undo comes with their edits
  *code = kUndoNothing;
  SetUndoAvailable(ws, d, false);
  return true;
}

bool ConfirmEraseBank(Workspace& ws) {
  // Cancel is the default: nothing can bring the bank back.
  return ws.ui.ShowMessage({MsgIcon::Exclamation, MsgButtons::OkCancel, MsgResult::Cancel, "",
                            "Bank Erasing can't be undone\r\nContinue?"}) == MsgResult::Ok;
}

// The Arrangements tab; false for a command it has no routine for.
bool ArrangementCommand(Workspace& ws, int d, int n, EditAction command) {
  switch (command) {
    case EditAction::Cut: CutArrangement(ws, d, n, false); break;
    case EditAction::Copy: CopyArrangement(ws, d, n); break;
    case EditAction::Paste:
      PasteArrangement(ws, d, n, false);
      CheckArrangementDuplicateNames(ws, d);
      break;
    case EditAction::Delete: DeleteArrangement(ws, d, n); break;
    case EditAction::Insert:
      InsertArrangement(ws, d, n);
      CheckArrangementDuplicateNames(ws, d);
      break;
    case EditAction::EraseBank:
      if (!ConfirmEraseBank(ws)) return true;
      EraseArrangementBank(ws, d);
      SetUndoAvailable(ws, d, false);
      break;
    default: return false;
  }
  return true;
}

bool ProgramCommand(Workspace& ws, int d, int p, EditAction command) {
  const int u = UserIndexOfProgram(p);
  switch (command) {
    case EditAction::Cut: CutProgram(ws, d, u, false); break;
    case EditAction::Copy: CopyProgram(ws, d, u); break;
    case EditAction::Paste:
      PasteProgram(ws, d, u, false);
      CheckProgramDuplicateNames(ws, d);
      break;
    case EditAction::Delete: DeleteProgram(ws, d, u); break;
    case EditAction::Insert:
      InsertProgram(ws, d, u);
      CheckProgramDuplicateNames(ws, d);
      break;
    case EditAction::EraseBank: {
      // Only a cell of a bank holding user items offers Erase Bank.
      const int bank = SplitProgramNumber(p).first;
      if (u < 0) return true;
      if (!ConfirmEraseBank(ws)) return true;
      EraseProgramBank(ws, d, bank);
      SetUndoAvailable(ws, d, false);
      break;
    }
    default: return false;
  }
  return true;
}

}  // namespace

int UndoCodeOf(const Workspace& ws, int kind) {
  const std::int32_t* code = KindCode(ws.edits, kind);
  return code ? *code : 0;
}

bool DispatchEditCommand(Workspace& ws, int d, int tab, int item, EditAction command) {
  if (!ws.InUse(d)) return false;
  if (command == EditAction::Undo) return Undo(ws, d, tab);
  if (!Routed(tab)) return false;
  const bool handled =
      tab == kArrangement ? ArrangementCommand(ws, d, item, command) : ProgramCommand(ws, d, item, command);
  if (!handled) return false;
  switch (command) {
    case EditAction::Cut:
    case EditAction::Paste:
    case EditAction::Delete:
    case EditAction::Insert: SetUndoAvailable(ws, d, true); break;
    case EditAction::Copy: SetUndoAvailable(ws, d, false); break;
    default: break;  // Erase Bank switches it off only when it ran
  }
  return true;
}

}  // namespace tolvane
