// Opening an existing Set, or a new one made from the template Set.

#include <filesystem>
#include <system_error>

#include "editing/duplicate_names.h"
#include "sets/image_sets.h"
#include "sets/set_files.h"
#include "storage/tables.h"
#include "storage/text.h"

namespace fs = std::filesystem;

namespace tolvane {

namespace {

MsgResult Ask(Workspace& ws, MsgButtons buttons, MsgResult defaultButton, const std::string& title,
              const std::string& text) {
  return ws.ui.ShowMessage({MsgIcon::Exclamation, buttons, defaultButton, title, text});
}

// Offers to create each missing file of the Set from the template. False
// when the user refuses or a copy fails.
bool CreateMissingFiles(Workspace& ws, const std::string& setPath, const std::string& baseName) {
  for (int k = 0; k < kSetFileKinds; ++k) {
    std::error_code ec;
    bool exists = false;
    const std::string path = KindFilePath(setPath, k, &exists);
    if (exists) continue;
    if (Ask(ws, MsgButtons::OkCancel, MsgResult::Cancel, "Open a Set",
            baseName + KindExtension(k) + " is missing.\r\nCreate it?") != MsgResult::Ok)
      return false;
    fs::copy_file(KindFilePath(ws.locations.templatePath, k), path, ec);
    if (ec) {
      Ask(ws, MsgButtons::Ok, MsgResult::Ok, "Create file", "Unable to create file!");
      return false;
    }
  }
  return true;
}

// Reads the five files of the Set into slot d, in the fixed order.
void ReadSet(Workspace& ws, int d, const std::array<std::optional<KindFile>, kSetFileKinds>& files) {
  static constexpr double kSteps[kSetFileKinds] = {2, 6, 2, 2, 1};
  auto& notReadWhole = ws.Slot(d).notReadWhole;
  for (int k = 0; k < kSetFileKinds; ++k) {
    const KindFile& file = *files[static_cast<std::size_t>(k)];
    if (!ReadKindFile(ws, file, d, k)) notReadWhole[static_cast<std::size_t>(k)] = file.path;
    ws.ui.AdvanceProgress(kSteps[k]);
  }
  if (!ReadKindFile(ws, *files[kProgram], d, kGlobal)) notReadWhole[kProgram] = files[kProgram]->path;
  ws.ui.AdvanceProgress(1);
}

struct ProgressWindow {
  UserInterface& ui;
  ~ProgressWindow() { ui.HideProgress(); }
};

}  // namespace

int OpenSet(Workspace& ws, OpenMode mode, const std::string& name) {
  std::string setPath = name;
  std::string baseName;
  std::error_code ec;
  if (const auto inImage = SplitImageSetPath(setPath)) {
    // A Set in a disk image: the image must still be there.
    if (!fs::exists(inImage->image, ec)) return 0;
    baseName = UpperAscii(inImage->name);
    setPath = ImageSetPath(inImage->image, baseName);
  } else if (!setPath.empty()) {
    const std::string folder = FolderOf(setPath);
    if (!fs::exists(folder, ec)) return 0;  // the folder has gone: nothing to open, nothing to say
    if (!fs::is_directory(folder, ec)) setPath.clear();
    baseName = UpperAscii(BaseNameOf(setPath));
  }
  if (mode == OpenMode::New) {
    setPath = ws.locations.templatePath;
    baseName = "I3EMPTY";
  }
  if (setPath.empty()) {
    FileDialogRequest dialog;
    dialog.title = "Select a " + std::string(kInstrumentName) + " Set";
    dialog.initialFolder = ws.prefs.pathNam;
    dialog.filters = SetAndImageFilters();
    dialog.defaultExtension = KindExtension(kArrangement).substr(1);
    dialog.initialName = "*.*";
    dialog.fileMustExist = true;
    FileDialogResult chosen = ws.ui.ChooseFile(dialog);
    if (chosen.outcome != FileDialogResult::Outcome::Chosen || chosen.path.size() < 4) return 0;
    if (IsDiskImageFile(chosen.path)) {
      // A disk image holds Sets: the user picks one of them.
      setPath = ChooseSetInImage(ws, chosen.path);
      if (setPath.empty()) return 0;
      baseName = SplitImageSetPath(setPath)->name;
    } else {
      const std::string withoutExtension = chosen.path.substr(0, chosen.path.size() - 4);
      baseName = UpperAscii(BaseNameOf(withoutExtension));
      setPath = FolderOf(withoutExtension) + "/" + baseName;
    }

    for (int other = 1; other <= ws.SlotCount(); ++other) {
      if (!ws.InUse(other) || ws.Slot(other).name != baseName) continue;
      if (Ask(ws, MsgButtons::OkCancel, MsgResult::Ok, "Warning",
              "Name " + baseName + " is already in use.\r\nContinue anyway?") != MsgResult::Ok)
        return 0;
    }
  }
  const auto inImage = SplitImageSetPath(setPath);
  ImageListing listing;
  if (inImage ? !CreateMissingImageFiles(ws, *inImage, listing) : !CreateMissingFiles(ws, setPath, baseName)) return 0;

  const int d = AllocateDocumentSlot(ws);
  BusyPointer busy(ws.ui);
  ProgressWindow progress{ws.ui};
  ws.ui.ShowProgress("Loading " + baseName + " Files...", 0.001, 15.001);
  ws.ui.PauseWithEvents(0.1);

  std::array<std::optional<KindFile>, kSetFileKinds> files;
  bool allOpened = true;
  if (inImage) allOpened = OpenImageKindFiles(ws, *inImage, files, &listing);
  for (int k = 0; k < kSetFileKinds; ++k) {
    ws.Slot(d).modified[static_cast<std::size_t>(k)] = mode == OpenMode::New ? 1 : 0;
    if (inImage) continue;
    files[static_cast<std::size_t>(k)] = OpenKindFile(ws, setPath, k);
    allOpened = allOpened && files[static_cast<std::size_t>(k)].has_value();
  }
  if (!allOpened) {
    ws.Slot(d).free = true;
    return 0;
  }
  ws.ui.AdvanceProgress(1);

  SetStores& stores = ws.Stores(d);
  stores.backingSequences.filePath = files[kBackingSequence]->path;
  stores.songs.filePath = files[kSong]->path;

  if (mode == OpenMode::New) {
    baseName = "NEWSET" + ZeroPadded(d, 2);
    setPath = ws.prefs.pathNam + "/" + baseName;
  }
  DocumentSlot& slot = ws.Slot(d);
  slot.image = inImage && mode == OpenMode::Open ? inImage->image : "";
  slot.folder = FolderOf(slot.image.empty() ? setPath : slot.image);
  ws.prefs.pathNam = slot.folder;
  slot.name = baseName;

  ReadSet(ws, d, files);
  ws.ui.HideProgress();

  ws.view.OpenDocumentWindow(d);
  // New Sets come from the template and are not checked.
  if (mode == OpenMode::Open) CheckSetDuplicateNames(ws, d);
  ws.Slot(d).undoAvailable = false;
  ws.view.SetUndoAvailable(d, false);
  return d;
}

}  // namespace tolvane
