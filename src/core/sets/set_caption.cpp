#include "sets/set_caption.h"

#include "sets/workspace.h"

namespace tolvane {

std::string SetNameInMessages(const Workspace& ws, int d) {
  const DocumentSlot& slot = ws.Slot(d);
  const std::string caption = DocumentCaption(slot);
  for (int other = 1; other <= ws.SlotCount(); ++other)
    if (other != d && ws.InUse(other) && DocumentCaption(ws.Slot(other)) == caption) return caption + " in " + slot.folder;
  return caption;
}

}  // namespace tolvane
