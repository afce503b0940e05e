// Saving a Set, choosing its destination, and closing its window.

#include "sets/image_sets.h"
#include "sets/set_files.h"
#include "sets/set_caption.h"
#include "storage/tables.h"
#include "storage/text.h"

namespace tolvane {

namespace {

bool IsNewSetName(const std::string& name) { return name.rfind("NEWSET", 0) == 0; }

std::string NoImageSetName(Workspace& ws) {
  ws.ui.ShowMessage({MsgIcon::Exclamation, MsgButtons::Ok, MsgResult::Ok, "Save a Set",
                     "The name of a Set in a disk image has 1 to 8 letters, digits or ! # $ % & ' ( ) - @ ^ _ ` { } ~"});
  return {};
}

// The name the Set takes in the chosen image, typed by the user.
std::string ChooseNameInImage(Workspace& ws, const std::string& image, const std::string& currentName) {
  const auto typed = ws.ui.AskText("Save a Set", "Name of the Set in " + BaseNameOf(image) + ":", currentName);
  if (!typed) return {};
  if (!IsImageSetName(*typed)) return NoImageSetName(ws);
  return ImageSetPath(image, UpperAscii(*typed));
}

}  // namespace

std::string ChooseSetDestination(Workspace& ws, const std::string& startFolder, const std::string& currentName) {
  FileDialogRequest dialog;
  dialog.save = true;
  dialog.title = "Select a " + std::string(kInstrumentName) + " destination file (without extension)";
  dialog.initialFolder = startFolder.empty() ? ws.prefs.pathNam : startFolder;
  dialog.filters = SetAndImageFilters();
  dialog.defaultExtension = "xxx";
  FileDialogResult chosen = ws.ui.ChooseFile(dialog);
  if (chosen.outcome == FileDialogResult::Outcome::Cancelled) return {};
  if (chosen.outcome == FileDialogResult::Outcome::Failed || chosen.path.size() < 4) {
    ws.ui.ShowMessage({MsgIcon::Exclamation, MsgButtons::Ok, MsgResult::Ok, "", "Error getting file name"});
    return {};
  }
  ws.prefs.pathNam = FolderOf(chosen.path);
  if (IsDiskImageFile(chosen.path)) return ChooseNameInImage(ws, chosen.path, currentName);
  const std::string withoutExtension = chosen.path.substr(0, chosen.path.size() - 4);
  if (const auto inImage = SplitImageSetPath(withoutExtension)) {
    // IMAGE::NAME typed whole (the command line's scripts do so).
    if (!IsImageSetName(inImage->name)) return NoImageSetName(ws);
    ws.prefs.pathNam = FolderOf(inImage->image);
    return ImageSetPath(inImage->image, UpperAscii(inImage->name));
  }
  // The Set's name is shown in upper case; its folder is kept as it is.
  return FolderOf(withoutExtension) + "/" + UpperAscii(BaseNameOf(withoutExtension));
}

bool SaveSet(Workspace& ws, int d, const std::string& fullPath, bool allKinds) {
  DocumentSlot& slot = ws.Slot(d);
  const auto inImage = SplitImageSetPath(fullPath);
  slot.image = inImage ? inImage->image : "";
  slot.folder = FolderOf(inImage ? inImage->image : fullPath);
  slot.name = inImage ? inImage->name : BaseNameOf(fullPath);
  ws.view.SetCaption(d, DocumentCaption(slot));
  if (inImage) return SaveSetInImage(ws, d, allKinds);
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
    const std::string destination = ChooseSetDestination(ws, {}, slot.name);
    if (destination.empty()) return false;
    return SaveSet(ws, d, destination, true);
  }
  return SaveSet(ws, d, SetPathOf(slot), false);
}

bool SaveSetAsCommand(Workspace& ws, int d) {
  // Another name for the Set, most often beside it (or in its image's folder).
  const std::string destination = ChooseSetDestination(ws, ws.Slot(d).folder, ws.Slot(d).name);
  if (destination.empty()) return false;
  // Only the Style file decides that a Set exists.
  if (SetExistsAt(ws, destination)) {
    if (ws.ui.ShowMessage({MsgIcon::Exclamation, MsgButtons::OkCancel, MsgResult::Cancel, "Save a Set",
                           "This Set already exists.\r\nOverwrite it?"}) != MsgResult::Ok)
      return false;
  }
  return SaveSet(ws, d, destination, true);
}

bool QueryCloseDocument(Workspace& ws, int d) {
  const DocumentSlot& slot = ws.Slot(d);
  if (!slot.AnyModified()) return true;
  const std::string caption = DocumentCaption(slot);
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
  if (!IsNewSetName(slot.name)) ws.prefs.oldSetNam = SetPathOf(slot);
}

}  // namespace tolvane
