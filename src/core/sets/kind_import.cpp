#include "sets/kind_import.h"

#include <memory>

#include "editing/edit_commands.h"
#include "editing/renumbering.h"
#include "sets/set_files.h"
#include "storage/tables.h"
#include "storage/text.h"

namespace tolvane {

namespace {

bool Importable(int k) { return (k >= kArrangement && k < kSetFileKinds) || k == kGlobal; }

// The store of kind k takes what was read; the sequence stores keep the
// file they were read from.
void Replace(SetStores& set, SetStores& read, int k) {
  switch (k) {
    case kArrangement: set.arrangements = std::move(read.arrangements); break;
    case kStyle: set.styles = std::move(read.styles); break;
    case kProgram: set.programs = std::move(read.programs); break;
    case kBackingSequence:
      read.backingSequences.filePath = set.backingSequences.filePath;
      set.backingSequences = std::move(read.backingSequences);
      break;
    case kSong:
      read.songs.filePath = set.songs.filePath;
      set.songs = std::move(read.songs);
      break;
    default: set.global = std::move(read.global); break;
  }
}

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

  // The file is read into a scratch store; the kind is replaced only when
  // the whole file was read, so a damaged file changes nothing.
  Bytes bytes;
  auto scratch = std::make_unique<SetStores>();
  {
    BusyPointer busy(ws.ui);
    const auto file = OpenKindFile(ws, sourcePath, k);
    if (!file) {
      ShowReadError(ws, k, "");
      return {};
    }
    if (!ReadWholeFile(file->path, bytes) || !DecodeKindFile(bytes, *scratch, k)) {
      ShowReadError(ws, k, "");
      return {};
    }
  }
  Replace(ws.Stores(d), *scratch, k);
  if (k < kSetFileKinds) FollowItems(ws, d, k, ErasedPlaces());
  ClearUndoRecord(ws, k);
  ws.MarkModified(d, k);
  // The global record is written with the Programs: only their flag makes
  // a save write it and a close ask about it.
  if (k == kGlobal) ws.MarkModified(d, kProgram);
  if (k < kSetFileKinds) ws.view.RefreshKind(d, k);
  return kChanged;
}

}  // namespace tolvane
