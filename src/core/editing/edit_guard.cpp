#include "editing/edit_guard.h"

#include <exception>
#include <utility>
#include <vector>

#include "sets/set_files.h"
#include "sets/workspace.h"

namespace tolvane {

namespace {

struct SetCopy {
  int document;
  SetStores stores;
  std::array<std::int16_t, 8> modified;
};

}  // namespace

bool RunGuarded(Workspace& ws, int kind, const std::function<void()>& edit) {
  std::vector<SetCopy> sets;
  for (int d = 1; d <= ws.SlotCount(); ++d)
    if (ws.InUse(d)) sets.push_back({d, ws.Stores(d), ws.Slot(d).modified});
  EditRecords records = ws.edits;
  try {
    edit();
    return true;
  } catch (...) {
    for (SetCopy& copy : sets) {
      if (!ws.InUse(copy.document)) continue;
      ws.Stores(copy.document) = std::move(copy.stores);
      ws.Slot(copy.document).modified = copy.modified;
    }
    ws.edits = std::move(records);
    ShowEditError(ws, kind, "");
    for (const SetCopy& copy : sets)
      if (ws.InUse(copy.document)) ws.view.RefreshKind(copy.document, kind);
    return false;
  }
}

}  // namespace tolvane
