#pragma once
// Calls to a Style: named Arrangements and Backing Sequences that play it.

#include <string>
#include <vector>

#include "editing/transfer_records.h"

namespace tolvane {

class Workspace;

// Count of callers of style number n in Set d; their texts ("Arr A11",
// "BSeq  3") are appended to list when one is given.
int FindStyleCallers(const Workspace& ws, int d, int n, std::vector<std::string>* list = nullptr);
// Every caller of style number `from` calls `to` instead. Returns the
// Arrangements and Backing Sequences it changed.
std::vector<CallSite> RedirectStyleCalls(Workspace& ws, int d, int from, int to);

}  // namespace tolvane
