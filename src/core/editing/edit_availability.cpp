#include "editing/edit_availability.h"

#include "sets/workspace.h"
#include "storage/tables.h"

namespace tolvane {

namespace {

// The clipboard of an item loaded from an IStyle file names no Set (-1).
bool Filled(const Workspace& ws, int sourceSet) { return sourceSet == -1 || ws.InUse(sourceSet); }

template <class Clip>
bool CanUndo(const Workspace& ws, const KindRecords<Clip>& r) {
  switch (r.undo.operation) {
    case kUndoCut: return Filled(ws, r.clipboard.sourceSet);
    case kUndoMove: return Filled(ws, r.clipboard.sourceSet) && ws.InUse(r.undo.sourceSet);
    case kUndoPaste:
    case kUndoDragCopy:
    case kUndoDelete:
    case kUndoInsert: return ws.InUse(r.undo.sourceSet);
    default: return false;
  }
}

template <class Visit>
bool OfKind(const Workspace& ws, int kind, Visit visit) {
  switch (kind) {
    case kArrangement: return visit(ws.edits.arrangements);
    case kStyle: return visit(ws.edits.styles);
    case kProgram: return visit(ws.edits.programs);
    case kBackingSequence: return visit(ws.edits.backingSequences);
    case kSong: return visit(ws.edits.songs);
    default: return false;
  }
}

}  // namespace

bool HasUndoRecord(const Workspace& ws, int kind) {
  return OfKind(ws, kind, [&](const auto& records) { return CanUndo(ws, records); });
}

bool ClipboardHolds(const Workspace& ws, int kind) {
  return OfKind(ws, kind, [&](const auto& records) { return Filled(ws, records.clipboard.sourceSet); });
}

}  // namespace tolvane
