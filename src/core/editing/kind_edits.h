#pragma once
// The Edit-menu routines of one kind, as the dispatcher and the drops reach
// them. Each kind's routines live with the kind; these adapters only map the
// commands onto them and tell what each did.

#include "editing/edit_outcome.h"

namespace tolvane {

class Workspace;

enum class DropResult { Ignored, Moved, Copied };

struct DropOutcome {
  DropResult result = DropResult::Ignored;
  bool redirected = false;  // a reference question sent callers elsewhere
};

class KindEdits {
 public:
  virtual ~KindEdits() = default;

  // The user index (0 based) of the editable item that a cell or line
  // carrying `item` shows: the arrangement number, the user index of a style
  // or program number, a list line. -1 when it shows none.
  virtual int UserIndex(int item) const = 0;
  // The user index a drop on the cell or line carrying `item` aims at; within
  // one Set the lists also take the place after their last line.
  virtual int DropTarget(int item, bool withinSet) const {
    (void)withinSet;
    return UserIndex(item);
  }
  // Whether user item u of Set d holds something (a drag may start from it).
  virtual bool IsNamed(const Workspace& ws, int d, int u) const = 0;

  virtual EditOutcome Cut(Workspace& ws, int d, int u) const = 0;
  virtual void Copy(Workspace& ws, int d, int u) const = 0;
  // Paste, then the kind's duplicate-name check where it has one.
  virtual EditOutcome Paste(Workspace& ws, int d, int u) const = 0;
  // Kinds without Delete and Insert (Styles) do nothing.
  virtual EditOutcome Delete(Workspace&, int, int) const { return {}; }
  virtual EditOutcome Insert(Workspace&, int, int) const { return {}; }
  // Empties the user items of the bank that cell `item` belongs to; the
  // caller has asked. Nothing for a cell outside the user banks.
  virtual EditOutcome EraseBank(Workspace& ws, int d, int item) const = 0;
  // Takes back the last edit of the kind, in whichever Set it was made.
  virtual void Undo(Workspace& ws) const = 0;
  // The drop of user item s of Set sd on user item t of Set td.
  virtual DropOutcome Drop(Workspace& ws, int sd, int s, int td, int t) const = 0;
};

// The routines of kind 0 to 4; nullptr for a kind without Edit commands.
const KindEdits* EditsOfKind(int kind);

const KindEdits& ArrangementEdits();
const KindEdits& StyleEdits();
const KindEdits& ProgramEdits();
const KindEdits& BackingSequenceEdits();
const KindEdits& SongEdits();

}  // namespace tolvane
