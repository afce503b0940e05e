#pragma once
// Delete and Insert move every item behind a place one place up or down, the
// calls to each item following it. What followed is recorded, so that Undo
// moves back only those calls: the callers of the removed or pushed-out item
// that kept their number stay where they are.

#include <functional>
#include <vector>

#include "editing/transfer_records.h"

namespace tolvane {

// The calls that followed each item, by the place the item came from.
using ShiftedCalls = std::vector<std::vector<CallSite>>;

struct ItemShifts {
  int last = 0;  // the last place of the list
  // Every call of the item at place `from` now calls place `to`; returns the calls changed.
  std::function<std::vector<CallSite>(int from, int to)> redirect;
  // The same for only those of the listed calls that still call `from`.
  std::function<void(const std::vector<CallSite>& sites, int from, int to)> redirectSites;
  // The item at place `from` is written over the one at `to`.
  std::function<void(int from, int to)> copyOver;
};

// Items n + 1 to last move up one place; returns the calls that followed.
// With `undone` (the record of the Insert being taken back) only the calls
// that Insert moved follow.
ShiftedCalls CloseGap(const ItemShifts& shifts, int n, const ShiftedCalls* undone = nullptr);
// Items n to last - 1 move down one place; `undone` is the record of a Delete.
ShiftedCalls OpenGap(const ItemShifts& shifts, int n, const ShiftedCalls* undone = nullptr);

}  // namespace tolvane
