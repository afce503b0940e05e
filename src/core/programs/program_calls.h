#pragma once
// Calls to a Program from the tracks of Arrangements, Styles, Backing
// Sequences and Songs.

#include <string>
#include <vector>

#include "editing/transfer_records.h"

namespace tolvane {

class Workspace;

struct ProgramCaller {
  std::string item;   // "Arr A11", "Sty U23", "BSeq  4", "Song  3"
  std::string track;  // track name as in the track-name tables
};

// Number of tracks of Set d calling program number p; the pairs are appended
// to callers when given.
int FindProgramCallers(const Workspace& ws, int d, int p, std::vector<ProgramCaller>* callers = nullptr);
// Every track found by the same scan calls `to` instead of `from`. Returns
// the tracks it changed.
std::vector<CallSite> RedirectProgramCalls(Workspace& ws, int d, int from, int to);

}  // namespace tolvane
