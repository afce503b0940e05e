#include "library/library_drop.h"

#include "document/drag_payload.h"
#include "editing/drag_drop.h"
#include "library/item_content.h"
#include "library/library.h"
#include "library/set_reading.h"
#include "sets/workspace.h"

namespace tolvane {

DropResult DropLibraryItem(Workspace& ws, const DragPayload& source, int targetDocument, int targetKind,
                           int targetItem) {
  if (source.kind != targetKind || !ws.InUse(targetDocument)) return DropResult::Ignored;
  const int from = ReadSetIntoFreeSlot(ws, source.setPath);
  if (from == 0) return DropResult::Ignored;
  DropResult result = DropResult::Ignored;
  // The Set may have been saved since the scan: its place may now hold
  // another item, which the user did not drag.
  if (HashItem(ws.Stores(from), source.kind, source.item) == ContentHash{source.contentA, source.contentB}) {
    result = DropItem(ws, DragSource{from, source.kind, source.item}, targetDocument, targetKind, targetItem);
  } else {
    ws.ui.ShowMessage({MsgIcon::Exclamation, MsgButtons::Ok, MsgResult::Ok, "Warning",
                       "This " + LibraryKindName(source.kind) + " has changed in " + source.setPath +
                           " since the Library read it.\r\nRefresh the Library and drag it again."});
  }
  ReleaseReadSet(ws, from);
  return result;
}

}  // namespace tolvane
