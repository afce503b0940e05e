#pragma once
// The questions about an Arrangement's calls: before a called Arrangement is
// overwritten or removed, and after an Arrangement has come from another Set.

#include "editing/release_question.h"

namespace tolvane {

class Workspace;
struct ArrangementRecord;

// Asks whether the Backing Sequences calling Arrangement n of Set d should
// call another one, and redirects them when the user picks one. Cancelled
// abandons the edit; an Arrangement nobody calls is Kept without a question.
ReleaseAnswer AskRedirectArrangementReferences(Workspace& ws, int d, int n);

// Arrangement n of Set destination has just been pasted from Set source: its
// calls to user Styles and user Programs are found again by name there, or
// redirected by the user. False when the user cancels; the Arrangement is
// then left as the paste wrote it.
bool ResolvePastedArrangementCalls(Workspace& ws, int source, int destination, int n);
// The same for a record about to be written into Set destination; it is
// changed only when the result is true.
bool ResolveArrangementCalls(Workspace& ws, int source, int destination, ArrangementRecord& record);

}  // namespace tolvane
