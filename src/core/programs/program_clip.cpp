#include "programs/program_clip.h"

#include "storage/tables.h"
#include "sets/workspace.h"

namespace tolvane {

namespace {

bool IsUserIndex(int userIndex) { return userIndex >= 0 && userIndex < kUserItemCount; }
bool IsDrumKit(int userIndex) { return userIndex >= kUserProgramCount && userIndex < kUserItemCount; }
std::size_t Kit(int userIndex) { return static_cast<std::size_t>(userIndex - kUserProgramCount); }

}  // namespace

void CopyProgramToClip(ProgramClip& clip, const Workspace& ws, int d, int userIndex) {
  if (!IsUserIndex(userIndex)) return;
  const ProgramSetData& data = ws.Stores(d).programs;
  clip.sourceSet = static_cast<std::int16_t>(d);
  clip.sourceNumber = static_cast<std::int16_t>(userIndex);
  clip.record = data.records[static_cast<std::size_t>(userIndex)];
  // A Program has no drum-kit data; clearing it keeps an earlier drum kit's
  // data from travelling with a Program pasted into a drum-kit place.
  clip.drumKit = IsDrumKit(userIndex) ? data.drumKits[Kit(userIndex)] : DrumKitData{};
  clip.isDrumKit = IsDrumKit(userIndex);
}

int PasteClipToProgram(const ProgramClip& clip, Workspace& ws, int d, int userIndex) {
  if (!IsUserIndex(userIndex)) return -1;
  ProgramSetData& data = ws.Stores(d).programs;
  data.records[static_cast<std::size_t>(userIndex)] = clip.record;
  if (IsDrumKit(userIndex)) data.drumKits[Kit(userIndex)] = clip.drumKit;
  ws.MarkModified(d, kProgram);
  return clip.sourceNumber;
}

}  // namespace tolvane
