// The readers and writers of the five Set files, and the scratch-file
// protocol every writer follows.

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <system_error>

#include "sets/set_files.h"
#include "storage/tables.h"

namespace fs = std::filesystem;

namespace tolvane {

namespace {

bool DecodeInto(Workspace& ws, const Bytes& bytes, int d, int kind) {
  SetStores& s = ws.Stores(d);
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

bool WriteWhole(const std::string& path, const Bytes& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  if (!out) return false;
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  out.close();
  return !out.fail();
}

bool IsReadOnly(const std::string& path) {
  std::error_code ec;
  auto perms = fs::status(path, ec).permissions();
  if (ec) return false;
  return (perms & fs::perms::owner_write) == fs::perms::none;
}

}  // namespace

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
  Bytes bytes;
  if (ReadWholeFile(file.path, bytes) && DecodeInto(ws, bytes, d, kind)) return true;
  ShowReadError(ws, kind, "");
  return false;
}

bool WriteThroughScratch(Workspace& ws, const std::string& destination, const Bytes& bytes, int kind) {
  BusyPointer busy(ws.ui);
  const std::string& scratch = ws.locations.scratchFile;
  std::error_code ec;
  fs::create_directories(ws.locations.scratchFolder, ec);
  if (fs::exists(scratch, ec)) fs::remove(scratch, ec);

  if (fs::exists(destination, ec) && IsReadOnly(destination)) {
    ShowSaveError(ws, kind, "Destination file is Read-Only!");
    return false;
  }

  // The whole file goes to the scratch file first; the destination is then
  // replaced in one step, from a copy beside it, so that it is never half written.
  const std::string beside = FolderOf(destination) + "/." + BaseNameOf(destination) + ".tolvane-new";
  bool ok = WriteWhole(scratch, bytes);
  if (ok) ok = fs::copy_file(scratch, beside, fs::copy_options::overwrite_existing, ec) && !ec;
  if (ok) {
    fs::rename(beside, destination, ec);
    ok = !ec;
  }
  std::error_code ignore;
  fs::remove(beside, ignore);
  fs::remove(scratch, ignore);
  if (!ok) ShowSaveError(ws, kind, "");
  return ok;
}

bool WriteKindFile(Workspace& ws, int d, int kind) {
  const DocumentSlot& slot = ws.Slot(d);
  const std::string destination = KindFilePath(slot.folder + "/" + slot.name, kind);
  if (!WriteThroughScratch(ws, destination, EncodeKindFile(ws.Stores(d), kind), kind)) return false;
  SetStores& s = ws.Stores(d);
  if (kind == kBackingSequence) s.backingSequences.filePath = destination;
  if (kind == kSong) s.songs.filePath = destination;
  return true;
}

}  // namespace tolvane
