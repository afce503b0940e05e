#include "sets/kind_import.h"

#include "editing/edit_commands.h"
#include "sets/set_files.h"
#include "storage/tables.h"
#include "storage/text.h"

namespace tolvane {

namespace {

bool Importable(int k) { return (k >= kArrangement && k < kSetFileKinds) || k == kGlobal; }

}  // namespace

EditOutcome ImportWholeKind(Workspace& ws, int d, int k) {
  if (!ws.InUse(d)) return {};
  const std::string extension = KindExtension(k);
  FileDialogRequest dialog;
  dialog.title = "Import all " + KindName(k) + " from...";
  dialog.initialFolder = ws.prefs.pathNam;
  dialog.filters = {{KindName(k), "*" + extension}};
  dialog.defaultExtension = extension.empty() ? "" : extension.substr(1);
  dialog.initialName = "*" + extension;
  dialog.fileMustExist = true;
  const FileDialogResult chosen = ws.ui.ChooseFile(dialog);
  if (chosen.outcome == FileDialogResult::Outcome::Cancelled) return {};
  if (chosen.outcome == FileDialogResult::Outcome::Failed || chosen.path.size() < 4 || !Importable(k)) {
    ShowReadError(ws, k, "");
    return {};
  }
  const std::string withoutExtension = chosen.path.substr(0, chosen.path.size() - 4);
  const std::string sourcePath = FolderOf(withoutExtension) + "/" + UpperAscii(BaseNameOf(withoutExtension));

  bool read = false;
  {
    BusyPointer busy(ws.ui);
    const auto file = OpenKindFile(ws, sourcePath, k);
    if (!file) {
      ShowReadError(ws, k, "");
      return {};
    }
    // The reader writes straight into the store: from here on the kind's
    // items are the other Set's, wholly or up to where the reader failed.
    read = ReadKindFile(ws, *file, d, k);
  }
  ClearUndoRecord(ws, k);
  if (read) {
    ws.MarkModified(d, k);
    // The global record is written with the Programs: only their flag makes
    // a save write it and a close ask about it.
    if (k == kGlobal) ws.MarkModified(d, kProgram);
  } else {
    ShowReadError(ws, k, "");  // after the reader's own message
  }
  if (k < kSetFileKinds) ws.view.RefreshKind(d, k);
  return kChanged;
}

}  // namespace tolvane
