#include "styles/style_release.h"

#include "sets/workspace.h"
#include "storage/text.h"
#include "styles/style_accessors.h"
#include "styles/style_calls.h"

namespace tolvane {

ReleaseAnswer ConfirmStyleRelease(Workspace& ws, int d, int u) {
  const int s = UserStyleNumber(u);
  // A Style of a Block the file lacks holds nothing to release.
  if (s < 0 || ws.Stores(d).styles.present[static_cast<std::size_t>(u)] == 0 || FindStyleCallers(ws, d, s) == 0)
    return ReleaseAnswer::Kept;
  const std::string text = TrimBlanks(UserStyleName(ws.Stores(d).styles, u)) +
                           " Style is referenced by one\r\nor more Arrangements or Backing Sequences.\r\n"
                           "Change references to another Style?";
  return AskToRedirectCallers(
      ws, text, s, [&] { return ws.ui.SelectStyle(d, s, "Select a Style"); },
      [&](int chosen) { RedirectStyleCalls(ws, d, s, chosen); });
}

}  // namespace tolvane
