#pragma once
// Calls to an Arrangement: the named Backing Sequences that play it.

#include <string>
#include <vector>

#include "editing/transfer_records.h"

namespace tolvane {

class Workspace;

// Count of the named Backing Sequences of Set d calling Arrangement n; their
// texts ("BSeq 0" ...) are appended to list when one is given.
int ArrangementReferences(const Workspace& ws, int d, int n, std::vector<std::string>* list = nullptr);
// Every named Backing Sequence calling oldNumber calls newNumber instead.
// Returns the Backing Sequences it changed.
std::vector<CallSite> RedirectArrangementReferences(Workspace& ws, int d, int oldNumber, int newNumber);

}  // namespace tolvane
