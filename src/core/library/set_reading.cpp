#include "library/set_reading.h"

#include <array>
#include <optional>

#include "sets/image_sets.h"
#include "sets/set_files.h"
#include "storage/tables.h"
#include "storage/text.h"

namespace tolvane {

int ReadSetIntoFreeSlot(Workspace& ws, const std::string& setPath) {
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
  bool whole = true;
  for (int k : {kArrangement, kStyle}) whole = ReadKindFile(ws, *files[static_cast<std::size_t>(k)], d, k) && whole;
  // The program file holds the global record too: it is read once for both.
  Bytes storage;
  std::span<const std::uint8_t> programFile;
  const bool read = KindFileBytes(*files[kProgram], storage, programFile);
  if (!read || !DecodeProgramFile(programFile, ws.Stores(d).programs)) {
    ShowReadError(ws, kProgram, "");
    whole = false;
  }
  for (int k : {kBackingSequence, kSong}) whole = ReadKindFile(ws, *files[static_cast<std::size_t>(k)], d, k) && whole;
  if (!read || !DecodeGlobalData(programFile, ws.Stores(d).global)) {
    ShowReadError(ws, kGlobal, "");
    whole = false;
  }
  if (!whole) {
    ReleaseReadSet(ws, d);
    return 0;
  }
  return d;
}

void ReleaseReadSet(Workspace& ws, int d) {
  ws.edits.ForgetDocument(d);
  ws.Slot(d).free = true;
}

MsgResult RecordingUi::ShowMessage(const MessageRequest& request) {
  messages.push_back(request.text);
  switch (request.buttons) {
    case MsgButtons::Ok: return MsgResult::Ok;
    case MsgButtons::YesNo: return MsgResult::No;
    default: return MsgResult::Cancel;
  }
}

}  // namespace tolvane
