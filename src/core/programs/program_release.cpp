#include "programs/program_release.h"

#include "programs/program_calls.h"
#include "programs/program_numbers.h"
#include "storage/text.h"
#include "editing/release_question.h"
#include "sets/workspace.h"

namespace tolvane {

ReleaseAnswer ConfirmProgramRelease(Workspace& ws, int d, int u) {
  const int p = UserProgramNumber(u);
  // No number, no callers: a track whose reference decodes to nothing must
  // not count as calling it.
  if (p < 0 || FindProgramCallers(ws, d, p) == 0) return ReleaseAnswer::Kept;
  const std::string text = "Program '" + TrimBlanks(UserProgramName(ws.Stores(d).programs, u)) +
                           "' is referenced by one or more\r\nArrangements, Styles, Backing Sequences, etc.\r\n\r\n"
                           "Redirect them to another Program?";
  return AskToRedirectCallers(
      ws, text, p, [&] { return ws.ui.SelectProgram(d, p, "Select a Program "); },
      [&](int q) { RedirectProgramCalls(ws, d, p, q); });
}

}  // namespace tolvane
