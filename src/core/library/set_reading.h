#pragma once
// Reading a whole Set into a slot without a window and without dialogs, for
// the command line, the library's scan and a drop from the library.

#include <string>
#include <vector>

#include "ports.h"

namespace tolvane {

class Workspace;

// The steps of opening a Set without its window: a missing file is an error
// (no offer to create it), the program file is read once for both the
// Programs and the global record, and no duplicate-name check runs. The
// messages go to ws.ui. Returns the slot, or 0 when a file could not be
// read whole (the slot is then freed again).
int ReadSetIntoFreeSlot(Workspace& ws, const std::string& setPath);
// Frees a slot that ReadSetIntoFreeSlot filled, forgetting the edit records
// that name it, without counting it as a Set the user closed.
void ReleaseReadSet(Workspace& ws, int d);

// The ports of a workspace that shows nothing: every message is kept (its
// text), every question is answered Cancel or No, every choice cancelled.
class RecordingUi : public QuietPorts {
 public:
  std::vector<std::string> messages;

  MsgResult ShowMessage(const MessageRequest& request) override;
};

}  // namespace tolvane
