// Saving a Set, choosing its destination, and closing its window.

#include <filesystem>
#include <system_error>

#include "sets/set_files.h"
#include "sets/set_caption.h"
#include "storage/tables.h"
#include "storage/text.h"

namespace fs = std::filesystem;

namespace tolvane {

namespace {

bool IsNewSetName(const std::string& name) { return name.rfind("NEWSET", 0) == 0; }

}  // namespace

std::string ChooseSetDestination(Workspace& ws, const std::string& startFolder) {
  FileDialogRequest dialog;
  dialog.save = true;
  dialog.title = "Select a " + std::string(kInstrumentName) + " destination file (without extension)";
  dialog.initialFolder = startFolder.empty() ? ws.prefs.pathNam : startFolder;
  dialog.filters = SetFileFilters();
  dialog.defaultExtension = "xxx";
  FileDialogResult chosen = ws.ui.ChooseFile(dialog);
  if (chosen.outcome == FileDialogResult::Outcome::Cancelled) return {};
  if (chosen.outcome == FileDialogResult::Outcome::Failed || chosen.path.size() < 4) {
    ws.ui.ShowMessage({MsgIcon::Exclamation, MsgButtons::Ok, MsgResult::Ok, "", "Error getting file name"});
    return {};
  }
  const std::string withoutExtension = chosen.path.substr(0, chosen.path.size() - 4);
  ws.prefs.pathNam = FolderOf(chosen.path);
  // The Set's name is shown in upper case; its folder is kept as it is.
  return FolderOf(withoutExtension) + "/" + UpperAscii(BaseNameOf(withoutExtension));
}

bool SaveSet(Workspace& ws, int d, const std::string& fullPath, bool allKinds) {
  DocumentSlot& slot = ws.Slot(d);
  slot.folder = FolderOf(fullPath);
  slot.name = BaseNameOf(fullPath);
  ws.view.SetCaption(d, slot.name);
  bool allWritten = true;
  for (int k = 0; k < kSetFileKinds; ++k) {
    auto& flag = slot.modified[static_cast<std::size_t>(k)];
    if (flag == 0 && !allKinds) continue;
    if (WriteKindFile(ws, d, k))
      flag = 0;
    else
      allWritten = false;
  }
  return allWritten;
}

bool SaveSetCommand(Workspace& ws, int d) {
  const DocumentSlot& slot = ws.Slot(d);
  if (IsNewSetName(slot.name)) {
    const std::string destination = ChooseSetDestination(ws);
    if (destination.empty()) return false;
    return SaveSet(ws, d, destination, true);
  }
  return SaveSet(ws, d, slot.folder + "/" + slot.name, false);
}

bool SaveSetAsCommand(Workspace& ws, int d) {
  // Another name for the Set, most often beside it.
  const std::string destination = ChooseSetDestination(ws, ws.Slot(d).folder);
  if (destination.empty()) return false;
  std::error_code ec;
  // Only the Style file decides that a Set exists.
  if (fs::exists(KindFilePath(destination, kStyle), ec)) {
    if (ws.ui.ShowMessage({MsgIcon::Exclamation, MsgButtons::OkCancel, MsgResult::Cancel, "Save a Set",
                           "This Set already exists.\r\nOverwrite it?"}) != MsgResult::Ok)
      return false;
  }
  return SaveSet(ws, d, destination, true);
}

bool QueryCloseDocument(Workspace& ws, int d) {
  const DocumentSlot& slot = ws.Slot(d);
  if (!slot.AnyModified()) return true;
  const std::string caption = slot.name;
  switch (ws.ui.ShowMessage({MsgIcon::Exclamation, MsgButtons::YesNoCancel, MsgResult::Cancel, caption,
                             "Save the changes in " + SetNameInMessages(ws, d) + " ?"})) {
    case MsgResult::Yes:
      // A save that failed or was cancelled keeps the window, and the changes, open.
      return SaveSetCommand(ws, d);
    case MsgResult::No:
      return true;
    default:
      return false;
  }
}

void UnloadDocument(Workspace& ws, int d) {
  ws.edits.ForgetDocument(d);
  DocumentSlot& slot = ws.Slot(d);
  slot.free = true;
  if (!IsNewSetName(slot.name)) ws.prefs.oldSetNam = slot.folder + "/" + slot.name;
}

}  // namespace tolvane
