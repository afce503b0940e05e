#include "styles/style_calls.h"

#include "storage/tables.h"
#include "storage/text.h"
#include "sets/workspace.h"

namespace tolvane {

int FindStyleCallers(const Workspace& ws, int d, int n, std::vector<std::string>* list) {
  const auto& stores = ws.Stores(d);
  const auto number = static_cast<std::int16_t>(n);
  int count = 0;
  for (int a = 0; a < kArrangementCount; ++a) {
    const auto& r = stores.arrangements.records[static_cast<std::size_t>(a)];
    if (r.Name() == kBlankName || r.StyleNumber() != number) continue;
    ++count;
    if (list) list->push_back("Arr " + ArrangementLabel(a));
  }
  for (int b = 0; b < kSequenceItemCount; ++b) {
    const auto& r = stores.backingSequences.records[static_cast<std::size_t>(b)];
    if (r.Name() == kBlankName || r.Style() != number) continue;
    ++count;
    if (list) list->push_back("BSeq  " + std::to_string(b));
  }
  return count;
}

void RedirectStyleCalls(Workspace& ws, int d, int from, int to) {
  auto& stores = ws.Stores(d);
  const auto oldNumber = static_cast<std::int16_t>(from);
  const auto newNumber = static_cast<std::int16_t>(to);
  for (auto& r : stores.arrangements.records) {
    if (r.Name() == kBlankName || r.StyleNumber() != oldNumber) continue;
    r.SetStyleNumber(newNumber);
    ws.MarkModified(d, kArrangement);
  }
  for (auto& r : stores.backingSequences.records) {
    if (r.Name() == kBlankName || r.Style() != oldNumber) continue;
    r.SetStyle(newNumber);
    ws.MarkModified(d, kBackingSequence);
  }
}

}  // namespace tolvane
