// The readers and writers of the five Set files, and the scratch-file
// protocol every writer follows.

#include <filesystem>
#include <functional>
#include <memory>
#include <system_error>

#include "sets/file_steps.h"
#include "sets/set_files.h"
#include "storage/tables.h"

namespace fs = std::filesystem;

namespace tolvane {

bool DecodeKindFile(std::span<const std::uint8_t> bytes, SetStores& s, int kind) {
  switch (kind) {
    case kArrangement: return DecodeArrangementFile(bytes, s.arrangements);
    case kStyle: return DecodeStyleFile(bytes, s.styles);
    case kProgram: return DecodeProgramFile(bytes, s.programs);
    case kBackingSequence: return DecodeBackingSequenceFile(bytes, s.backingSequences);
    case kSong: return DecodeSongFile(bytes, s.songs);
    case kGlobal: return DecodeGlobalData(bytes, s.global);
    default: return false;
  }
}

Bytes EncodeKindFile(const SetStores& s, int kind) {
  switch (kind) {
    case kArrangement: return EncodeArrangementFile(s.arrangements);
    case kStyle: return EncodeStyleFile(s.styles);
    case kProgram: return EncodeProgramFile(s.programs, s.global);
    case kBackingSequence: return EncodeBackingSequenceFile(s.backingSequences);
    case kSong: return EncodeSongFile(s.songs);
    default: return {};
  }
}

bool ReadKindFile(Workspace& ws, const KindFile& file, int d, int kind) {
  // The bytes read at opening are decoded where they lie.
  Bytes storage;
  std::span<const std::uint8_t> bytes;
  if (KindFileBytes(file, storage, bytes) && DecodeKindFile(bytes, ws.Stores(d), kind)) return true;
  ShowReadError(ws, kind, "");
  return false;
}

bool WriteThroughScratch(Workspace& ws, const std::string& destination, const Bytes& bytes, int kind,
                         const std::function<bool()>& beforeReplacing) {
  BusyPointer busy(ws.ui);
  const FileSteps& steps = ws.fileSteps;
  const std::string& scratch = ws.locations.scratchFile;
  std::error_code ec;
  fs::create_directories(ws.locations.scratchFolder, ec);
  if (fs::exists(scratch, ec)) fs::remove(scratch, ec);

  // A link stays: the file it points to is the one replaced.
  const std::string target = FollowLinks(destination);
  if (target.empty()) {
    ShowSaveError(ws, kind, "");
    return false;
  }
  if (!MayWrite(target)) {
    ShowSaveError(ws, kind, "Destination file is Read-Only!");
    return false;
  }

  // The whole file goes to the scratch file first; the destination is then
  // replaced in one step, from a copy beside it, so that it is never half written.
  const std::string beside = FolderOf(target) + "/." + BaseNameOf(target) + ".tolvane-new";
  fs::remove(beside, ec);
  bool ok = steps.write(scratch, bytes);
  if (ok) ok = steps.copy(scratch, beside);
  if (ok && fs::exists(target, ec)) TakeModeOf(target, beside);
  if (ok && beforeReplacing) ok = beforeReplacing();
  if (ok) ok = steps.rename(beside, target);
  std::error_code ignore;
  fs::remove(beside, ignore);
  fs::remove(scratch, ignore);
  if (!ok) ShowSaveError(ws, kind, "");
  return ok;
}

bool EncodeReadableKindFile(Workspace& ws, int d, int kind, Bytes& bytes) {
  // What this program could not read back is not written (a Style file
  // whose first Block could not be read holds no Block): the file stays.
  bytes = EncodeKindFile(ws.Stores(d), kind);
  auto readBack = std::make_unique<SetStores>();
  if (DecodeKindFile(bytes, *readBack, kind)) return true;
  ShowSaveError(ws, kind, "");
  return false;
}

bool WriteKindFile(Workspace& ws, int d, int kind) {
  DocumentSlot& slot = ws.Slot(d);
  const std::string destination = KindFilePath(slot.folder + "/" + slot.name, kind);
  // A file that could not be read whole is kept before it is first replaced.
  std::string& damaged = slot.notReadWhole.at(static_cast<std::size_t>(kind));
  const auto keepDamaged = [&] {
    if (damaged.empty() || damaged != destination) return true;
    if (!KeepDamagedOriginal(ws, destination)) return false;
    damaged.clear();
    return true;
  };
  Bytes bytes;
  if (!EncodeReadableKindFile(ws, d, kind, bytes)) return false;
  if (!WriteThroughScratch(ws, destination, bytes, kind, keepDamaged)) return false;
  SetStores& s = ws.Stores(d);
  if (kind == kBackingSequence) s.backingSequences.filePath = destination;
  if (kind == kSong) s.songs.filePath = destination;
  return true;
}

}  // namespace tolvane
