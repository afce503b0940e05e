#include "open_for_cli.h"

#include <array>
#include <optional>

#include "commands.h"
#include "editing/duplicate_names.h"
#include "sets/image_sets.h"
#include "sets/set_files.h"
#include "storage/tables.h"
#include "storage/text.h"

namespace tolvane {

// The steps of OpenSet without its windows: a missing file is an error here,
// not an offer to create it from the template, and each file is found once.
int OpenForCli(CliContext& cx, const std::string& setPath) {
  Workspace& ws = cx.ws;
  cx.ui.prefix = setPath + ": ";
  const int errorsBefore = cx.ui.errors;
  std::array<std::optional<KindFile>, kSetFileKinds> files;
  const auto inImage = SplitImageSetPath(setPath);
  if (inImage) {
    if (!OpenImageKindFiles(ws, *inImage, files)) return 0;
  } else {
    for (int k = 0; k < kSetFileKinds; ++k) {
      files[static_cast<std::size_t>(k)] = OpenKindFile(ws, setPath, k);
      if (!files[static_cast<std::size_t>(k)]) return 0;
    }
  }
  const int d = AllocateDocumentSlot(ws);
  DocumentSlot& slot = ws.Slot(d);
  slot.name = UpperAscii(inImage ? inImage->name : BaseNameOf(setPath));
  slot.image = inImage ? inImage->image : "";
  slot.folder = FolderOf(inImage ? inImage->image : setPath);
  ws.Stores(d).backingSequences.filePath = files[kBackingSequence]->path;
  ws.Stores(d).songs.filePath = files[kSong]->path;
  for (int k : {kArrangement, kStyle}) ReadKindFile(ws, *files[static_cast<std::size_t>(k)], d, k);
  // The program file holds the global record too: it is read once for both.
  Bytes storage;
  std::span<const std::uint8_t> programFile;
  const bool read = KindFileBytes(*files[kProgram], storage, programFile);
  if (!read || !DecodeProgramFile(programFile, ws.Stores(d).programs)) ShowReadError(ws, kProgram, "");
  for (int k : {kBackingSequence, kSong}) ReadKindFile(ws, *files[static_cast<std::size_t>(k)], d, k);
  if (!read || !DecodeGlobalData(programFile, ws.Stores(d).global)) ShowReadError(ws, kGlobal, "");
  if (cx.ui.errors != errorsBefore) {
    UnloadDocument(ws, d);
    return 0;
  }
  CheckSetDuplicateNames(ws, d);
  return d;
}

}  // namespace tolvane
