#pragma once
// The track calls of a Style that has come from another Set.

namespace tolvane {

class Workspace;

// User Style u of Set destination has just been pasted from Set source: the
// user Programs its six tracks call are found again by name there, or
// redirected by the user. False when the user cancels or chooses no Program;
// the Style is then left as the paste wrote it.
bool TranslateStyleProgramCalls(Workspace& ws, int source, int destination, int u);

}  // namespace tolvane
