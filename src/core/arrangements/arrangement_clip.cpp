#include "arrangements/arrangement_clip.h"

#include "storage/tables.h"
#include "sets/workspace.h"

namespace tolvane {

void CopyArrangementToClip(ArrangementClip& clip, const Workspace& ws, int d, int number) {
  if (CheckArrangementNumber(number) < 0) return;
  clip.sourceSet = static_cast<std::int16_t>(d);
  clip.sourceNumber = static_cast<std::int16_t>(number);
  clip.item = ws.Stores(d).arrangements.records[static_cast<std::size_t>(number)];
}

int PasteClipToArrangement(const ArrangementClip& clip, Workspace& ws, int d, int number) {
  if (CheckArrangementNumber(number) < 0) return -1;
  ws.Stores(d).arrangements.records[static_cast<std::size_t>(number)] = clip.item;
  ws.MarkModified(d, kArrangement);
  return clip.sourceNumber;
}

}  // namespace tolvane
