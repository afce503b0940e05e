#include "sets/set_caption.h"

#include "sets/workspace.h"

namespace tolvane {

std::string SetNameInMessages(const Workspace& ws, int d) {
  const DocumentSlot& slot = ws.Slot(d);
  for (int other = 1; other <= ws.SlotCount(); ++other)
    if (other != d && ws.InUse(other) && ws.Slot(other).name == slot.name) return slot.name + " in " + slot.folder;
  return slot.name;
}

}  // namespace tolvane
