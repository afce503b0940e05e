#include "istyle/istyle_exports.h"

#include <filesystem>
#include <string_view>
#include <system_error>

#include "arrangements/arrangement_clip.h"
#include "istyle/istyle_files.h"
#include "programs/program_clip.h"
#include "programs/program_numbers.h"
#include "sets/set_files.h"
#include "storage/tables.h"
#include "storage/text.h"
#include "styles/style_accessors.h"

namespace tolvane {

namespace {

bool EndsWithIgnoringCase(const std::string& path, const std::string& end) {
  return path.size() >= end.size() && EqualsIgnoreAsciiCase(path.substr(path.size() - end.size()), end);
}

// The item's name as a file name: blanks trimmed, characters no file name
// may hold replaced; the kind's name for an item without one.
std::string FileNameOf(const std::string& itemName, int itemKind) {
  std::string name = TrimBlanks(itemName);
  constexpr std::string_view kRefused = "/\\:*?\"<>|";
  for (char& c : name)
    if (static_cast<unsigned char>(c) < 32 || kRefused.find(c) != std::string_view::npos) c = '_';
  return name.empty() ? KindName(itemKind) : name;
}

// Asks where the file of kind istyleKind goes, offering the item's name, and
// writes it there; an existing file is replaced only when the user says so.
bool SaveIStyleFile(Workspace& ws, int istyleKind, int itemKind, const std::string& itemName, const Bytes& bytes) {
  const std::string extension = KindExtension(istyleKind);
  FileDialogRequest dialog;
  dialog.save = true;
  dialog.title = "Save one " + KindName(itemKind) + " to " + extension + " file...";
  dialog.initialFolder = ws.istyleFolder.empty() ? ws.prefs.pathNam : ws.istyleFolder;
  dialog.initialName = FileNameOf(itemName, itemKind) + extension;
  dialog.filters = {{extension.substr(1), "*" + extension}};
  dialog.defaultExtension = extension.substr(1);
  const FileDialogResult chosen = ws.ui.ChooseFile(dialog);
  if (chosen.outcome == FileDialogResult::Outcome::Cancelled) return false;
  if (chosen.outcome == FileDialogResult::Outcome::Failed || chosen.path.empty()) {
    ws.ui.ShowMessage({MsgIcon::Exclamation, MsgButtons::Ok, MsgResult::Ok, "", "Error getting file name"});
    return false;
  }
  // Import finds the file by its extension, whatever the case of its name.
  const std::string destination =
      EndsWithIgnoringCase(chosen.path, extension) ? chosen.path : chosen.path + extension;
  ws.istyleFolder = FolderOf(destination);
  std::error_code ec;
  if (std::filesystem::exists(destination, ec) &&
      ws.ui.ShowMessage({MsgIcon::Question, MsgButtons::YesNo, MsgResult::No, "", "Overwrite existing file?"}) !=
          MsgResult::Yes)
    return false;
  return WriteThroughScratch(ws, destination, bytes, itemKind);
}

}  // namespace

bool ExportArrangementToIStyle(Workspace& ws, int d, int n) {
  if (!ws.InUse(d) || CheckArrangementNumber(n) < 0 || IsArrangementEmpty(ws.Stores(d).arrangements, n))
    return false;
  const ArrangementRecord& record = ws.Stores(d).arrangements.records[static_cast<std::size_t>(n)];
  return SaveIStyleFile(ws, kIStyleArrangement, kArrangement, record.Name(), EncodeIStyleArrangement(record));
}

bool ExportStyleToIStyle(Workspace& ws, int d, int u) {
  if (!ws.InUse(d) || UserStyleNumber(u) < 0) return false;
  const StyleSetData& styles = ws.Stores(d).styles;
  if (styles.present[static_cast<std::size_t>(u)] == 0 || IsUserStyleEmpty(styles, u)) return false;
  StyleClip clip;
  CopyStyleToClip(clip, ws, d, u);
  if (clip.size - static_cast<std::int32_t>(kStyleHeaderSize) > static_cast<std::int32_t>(kIStyleMaxStyleData)) {
    ShowSaveError(ws, kStyle, "");
    return false;
  }
  return SaveIStyleFile(ws, kIStyleStyle, kStyle, UserStyleName(styles, u), EncodeIStyleStyle(clip));
}

bool ExportProgramToIStyle(Workspace& ws, int d, int u) {
  if (!ws.InUse(d) || UserProgramNumber(u) < 0 || IsUserProgramEmpty(ws.Stores(d).programs, u)) return false;
  ProgramClip clip;
  CopyProgramToClip(clip, ws, d, u);
  if (u >= kUserProgramCount)
    return SaveIStyleFile(ws, kIStyleDrumKit, kProgram, clip.record.Name(),
                          EncodeIStyleDrumKit(clip.record, clip.drumKit));
  return SaveIStyleFile(ws, kIStyleProgram, kProgram, clip.record.Name(), EncodeIStyleProgram(clip.record));
}

bool ExportItemToIStyle(Workspace& ws, int d, int kind, int u) {
  switch (kind) {
    case kArrangement: return ExportArrangementToIStyle(ws, d, u);
    case kStyle: return ExportStyleToIStyle(ws, d, u);
    case kProgram: return ExportProgramToIStyle(ws, d, u);
    default: return false;
  }
}

}  // namespace tolvane
