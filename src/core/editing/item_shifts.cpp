#include "editing/item_shifts.h"

namespace tolvane {

namespace {

// The item at place `from` moves to `to`, its callers with it: every caller
// during an edit; when an edit is undone, those it moved from `undonePlace`.
void Shift(const ItemShifts& shifts, int from, int to, ShiftedCalls& followed, const ShiftedCalls* undone,
           int undonePlace) {
  if (!undone) {
    followed[static_cast<std::size_t>(from)] = shifts.redirect(from, to);
  } else if (undonePlace >= 0 && static_cast<std::size_t>(undonePlace) < undone->size()) {
    shifts.redirectSites((*undone)[static_cast<std::size_t>(undonePlace)], from, to);
  }
  shifts.copyOver(from, to);
}

}  // namespace

ShiftedCalls CloseGap(const ItemShifts& shifts, int n, const ShiftedCalls* undone) {
  ShiftedCalls followed(static_cast<std::size_t>(shifts.last + 1));
  for (int k = n + 1; k <= shifts.last; ++k) Shift(shifts, k, k - 1, followed, undone, k - 1);
  return followed;
}

ShiftedCalls OpenGap(const ItemShifts& shifts, int n, const ShiftedCalls* undone) {
  ShiftedCalls followed(static_cast<std::size_t>(shifts.last + 1));
  for (int k = shifts.last; k > n; --k) Shift(shifts, k - 1, k, followed, undone, k);
  return followed;
}

}  // namespace tolvane
