#include "istyle/istyle_imports.h"

#include <optional>

#include "arrangements/arrangement_data.h"
#include "arrangements/arrangement_duplicates.h"
#include "arrangements/arrangement_edits.h"
#include "editing/undo_state.h"
#include "istyle/istyle_files.h"
#include "programs/program_duplicates.h"
#include "programs/program_edits.h"
#include "sets/set_files.h"
#include "storage/tables.h"
#include "storage/text.h"
#include "styles/style_accessors.h"
#include "styles/style_edits.h"

namespace tolvane {

namespace {

// The whole IStyle file of kind istyleKind that the user chooses, its header
// checked; nothing when the dialog is cancelled or after the messages.
std::optional<Bytes> LoadIStyleFile(Workspace& ws, int istyleKind, int itemKind) {
  const std::string extension = KindExtension(istyleKind);
  FileDialogRequest dialog;
  dialog.title = "Load one " + KindName(itemKind) + " from " + extension + " file...";
  dialog.initialFolder = ws.istyleFolder.empty() ? ws.prefs.pathNam : ws.istyleFolder;
  dialog.filters = {{extension.substr(1), "*" + extension}};
  dialog.defaultExtension = extension.substr(1);
  dialog.initialName = "*" + extension;
  dialog.fileMustExist = true;
  const FileDialogResult chosen = ws.ui.ChooseFile(dialog);
  if (chosen.outcome == FileDialogResult::Outcome::Cancelled) return std::nullopt;
  if (chosen.outcome == FileDialogResult::Outcome::Failed || chosen.path.size() < 4) {
    ShowReadError(ws, itemKind, "");
    return std::nullopt;
  }
  ws.istyleFolder = FolderOf(chosen.path);
  const std::string withoutExtension = chosen.path.substr(0, chosen.path.size() - 4);
  const std::string path = FolderOf(withoutExtension) + "/" + UpperAscii(BaseNameOf(withoutExtension));
  BusyPointer busy(ws.ui);
  const auto file = OpenKindFile(ws, path, istyleKind);
  if (!file) return std::nullopt;
  Bytes bytes;
  if (!ReadWholeFile(file->path, bytes)) {
    ShowReadError(ws, itemKind, "");
    return std::nullopt;
  }
  return bytes;
}

// Decodes the file into the kind's clipboard and pastes it; the duplicate
// names are checked when the paste happened.
template <class Clip, class Decode, class Paste, class Check>
EditOutcome LoadAndPaste(Workspace& ws, int d, int istyleKind, int itemKind, KindRecords<Clip>& records,
                         Decode decode, Paste paste, Check checkDuplicates) {
  const auto bytes = LoadIStyleFile(ws, istyleKind, itemKind);
  if (!bytes) return {};
  Clip loaded;
  if (!decode(*bytes, loaded)) {
    ShowReadError(ws, itemKind, "");
    return {};
  }
  records.clipboard = loaded;
  // An undone cut or move would now find the loaded item in the clipboard.
  ClipboardRefilled(records);
  const EditOutcome outcome = paste();
  if (outcome.changed) checkDuplicates(ws, d);
  return outcome;
}

}  // namespace

EditOutcome ImportArrangementFromIStyle(Workspace& ws, int d, int n) {
  if (CheckArrangementNumber(n) < 0) return {};
  return LoadAndPaste(ws, d, kIStyleArrangement, kArrangement, ws.edits.arrangements, DecodeIStyleArrangement,
                      [&] { return PasteArrangement(ws, d, n, false); }, CheckArrangementDuplicateNames);
}

EditOutcome ImportStyleFromIStyle(Workspace& ws, int d, int u) {
  // A Style of a Block the Set lacks is no place to load into.
  if (UserStyleNumber(u) < 0 || u >= kStylesPerBlock * ws.Stores(d).styles.blockCount) return {};
  return LoadAndPaste(ws, d, kIStyleStyle, kStyle, ws.edits.styles, DecodeIStyleStyle,
                      [&] { return PasteStyle(ws, d, u, false); }, CheckStyleDuplicateNames);
}

EditOutcome ImportProgramFromIStyle(Workspace& ws, int d, int u) {
  if (u < 0 || u >= kUserItemCount) return {};
  const bool drumKit = u >= kUserProgramCount;
  return LoadAndPaste(ws, d, drumKit ? kIStyleDrumKit : kIStyleProgram, kProgram, ws.edits.programs,
                      drumKit ? DecodeIStyleDrumKit : DecodeIStyleProgram,
                      [&] { return PasteProgram(ws, d, u, false); }, CheckProgramDuplicateNames);
}

EditOutcome ImportItemFromIStyle(Workspace& ws, int d, int kind, int u) {
  switch (kind) {
    case kArrangement: return ImportArrangementFromIStyle(ws, d, u);
    case kStyle: return ImportStyleFromIStyle(ws, d, u);
    case kProgram: return ImportProgramFromIStyle(ws, d, u);
    default: return {};
  }
}

}  // namespace tolvane
