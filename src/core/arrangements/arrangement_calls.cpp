#include "arrangements/arrangement_calls.h"

#include "storage/tables.h"
#include "storage/text.h"
#include "storage/workspace.h"

namespace tolvane {

int ArrangementReferences(const Workspace& ws, int d, int n, std::vector<std::string>* list) {
  const auto& bsq = ws.Stores(d).backingSequences;
  int count = 0;
  for (int b = 0; b < kSequenceItemCount; ++b) {
    const auto& r = bsq.records[static_cast<std::size_t>(b)];
    if (r.Name() == kBlankName || r.Arrangement() != static_cast<std::int16_t>(n)) continue;
    ++count;
    if (list) list->push_back("BSeq " + std::to_string(b));
  }
  return count;
}

void RedirectArrangementReferences(Workspace& ws, int d, int oldNumber, int newNumber) {
  auto& bsq = ws.Stores(d).backingSequences;
  for (auto& r : bsq.records) {
    if (r.Name() == kBlankName || r.Arrangement() != static_cast<std::int16_t>(oldNumber)) continue;
    r.SetArrangement(static_cast<std::int16_t>(newNumber));
    ws.MarkModified(d, kBackingSequence);
  }
}

}  // namespace tolvane
