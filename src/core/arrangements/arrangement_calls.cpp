#include "arrangements/arrangement_calls.h"

#include "storage/tables.h"
#include "storage/text.h"
#include "sets/workspace.h"

namespace tolvane {

namespace {

bool Calls(const BackingSequenceRecord& r, int n) {
  return r.Name() != kBlankName && r.Arrangement() == static_cast<std::int16_t>(n);
}

}  // namespace

int ArrangementReferences(const Workspace& ws, int d, int n, std::vector<std::string>* list) {
  const auto& bsq = ws.Stores(d).backingSequences;
  int count = 0;
  for (int b = 0; b < kSequenceItemCount; ++b) {
    if (!Calls(bsq.records[static_cast<std::size_t>(b)], n)) continue;
    ++count;
    if (list) list->push_back("BSeq " + std::to_string(b));
  }
  return count;
}

std::vector<CallSite> RedirectArrangementReferences(Workspace& ws, int d, int oldNumber, int newNumber) {
  std::vector<CallSite> changed;
  auto& bsq = ws.Stores(d).backingSequences;
  for (int b = 0; b < kSequenceItemCount; ++b) {
    auto& r = bsq.records[static_cast<std::size_t>(b)];
    if (!Calls(r, oldNumber)) continue;
    r.SetArrangement(static_cast<std::int16_t>(newNumber));
    ws.MarkModified(d, kBackingSequence);
    changed.push_back({kBackingSequence, b, -1});
  }
  return changed;
}

}  // namespace tolvane
