#include "styles/style_calls.h"

#include "storage/tables.h"
#include "storage/text.h"
#include "sets/workspace.h"

namespace tolvane {

namespace {

// Visits the named Arrangements, then the named Backing Sequences, of a Set
// that call style number n, in the order callers are listed.
template <class Stores, class Visit>
void ScanStyleCalls(Stores& s, int n, Visit&& visit) {
  const auto number = static_cast<std::int16_t>(n);
  for (int a = 0; a < kArrangementCount; ++a) {
    auto& r = s.arrangements.records[static_cast<std::size_t>(a)];
    if (r.Name() != kBlankName && r.StyleNumber() == number) visit(kArrangement, a, r);
  }
  for (int b = 0; b < kSequenceItemCount; ++b) {
    auto& r = s.backingSequences.records[static_cast<std::size_t>(b)];
    if (r.Name() != kBlankName && r.Style() == number) visit(kBackingSequence, b, r);
  }
}

void Redirect(ArrangementRecord& r, std::int16_t to) { r.SetStyleNumber(to); }
void Redirect(BackingSequenceRecord& r, std::int16_t to) { r.SetStyle(to); }

}  // namespace

int FindStyleCallers(const Workspace& ws, int d, int n, std::vector<std::string>* list) {
  int count = 0;
  ScanStyleCalls(ws.Stores(d), n, [&](int kind, int item, const auto&) {
    ++count;
    if (list) list->push_back(kind == kArrangement ? "Arr " + ArrangementLabel(item) : "BSeq  " + std::to_string(item));
  });
  return count;
}

std::vector<CallSite> RedirectStyleCalls(Workspace& ws, int d, int from, int to) {
  std::vector<CallSite> changed;
  ScanStyleCalls(ws.Stores(d), from, [&](int kind, int item, auto& record) {
    Redirect(record, static_cast<std::int16_t>(to));
    ws.MarkModified(d, kind);
    changed.push_back({kind, item, -1});
  });
  return changed;
}

}  // namespace tolvane
