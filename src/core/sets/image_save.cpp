// Writing into disk images: every change is made in a copy beside the image,
// read back and compared, and put in the image's place in one step, so that
// a failure at any point leaves the image as it was, byte for byte.

#include <filesystem>
#include <system_error>
#include <utility>

#include "sets/file_steps.h"
#include "sets/image_sets.h"
#include "storage/tables.h"
#include "storage/text.h"

namespace fs = std::filesystem;

namespace tolvane {

namespace {

// Removes the copy beside the image on every way out.
struct BesideCopy {
  std::string path;
  ~BesideCopy() {
    std::error_code ec;
    fs::remove(path, ec);
  }
};

bool SameEntry(const ImageFile& a, const ImageFile& b) {
  return a.shortName == b.shortName && a.longName == b.longName && a.size == b.size && a.folder == b.folder;
}

bool IsWritten(const ImageFile& file, const std::vector<std::pair<std::string, Bytes>>& files) {
  for (const auto& written : files)
    if (EqualsIgnoreAsciiCase(file.shortName, written.first) || EqualsIgnoreAsciiCase(file.longName, written.first))
      return true;
  return false;
}

// Every file that was not written is still there, in its place and size, and
// every written file reads back as it was meant.
bool WrittenAsMeant(DiskImages& images, const std::string& copy, const ImageListing& before,
                    const std::vector<std::pair<std::string, Bytes>>& files) {
  ImageListing after;
  if (images.List(copy, after) != ImageFault::None) return false;
  std::vector<const ImageFile*> kept;
  for (const ImageFile& file : after.files)
    if (!IsWritten(file, files)) kept.push_back(&file);
  std::size_t next = 0;
  for (const ImageFile& file : before.files) {
    if (IsWritten(file, files)) continue;
    if (next >= kept.size() || !SameEntry(file, *kept[next])) return false;
    ++next;
  }
  if (next != kept.size()) return false;
  std::vector<std::string> names;
  for (const auto& written : files) names.push_back(written.first);
  std::vector<Bytes> contents;
  if (images.Read(copy, names, contents) != ImageFault::None) return false;
  for (std::size_t i = 0; i < files.size(); ++i)
    if (contents[i] != files[i].second) return false;
  return true;
}

}  // namespace

ImageFault ReplaceFilesInImage(Workspace& ws, const std::string& image,
                               const std::vector<std::pair<std::string, Bytes>>& files, std::size_t& failedAt) {
  failedAt = 0;
  if (ws.diskImages == nullptr) return ImageFault::ToolMissing;
  DiskImages& images = *ws.diskImages;
  // A link stays: the image it points to is the one replaced.
  const std::string target = FollowLinks(image);
  if (target.empty()) return ImageFault::Failed;
  if (!MayWrite(target)) return ImageFault::ReadOnly;
  std::error_code ec;
  const bool exists = fs::exists(target, ec);

  ImageListing before;
  if (exists) {
    const ImageFault listed = images.List(target, before);
    if (listed != ImageFault::None) return listed;
  }
  // The files keep the names they have in the image, long names included.
  std::vector<std::pair<std::string, Bytes>> named = files;
  for (auto& file : named) {
    int matches = 0;
    for (const ImageFile& entry : before.files) {
      if (!EqualsIgnoreAsciiCase(entry.shortName, file.first)) continue;
      if (entry.folder) return ImageFault::Failed;
      file.first = entry.NameToWrite();
      ++matches;
    }
    if (matches > 1) return ImageFault::Damaged;
  }

  BesideCopy beside{FolderOf(target) + "/." + BaseNameOf(target) + ".tolvane-new"};
  fs::remove(beside.path, ec);
  if (exists) {
    if (!ws.fileSteps.copy(target, beside.path)) return MayWrite(FolderOf(target)) ? ImageFault::Failed : ImageFault::ReadOnly;
    TakeModeOf(target, beside.path);
  } else {
    const ImageFault made = images.Format(beside.path, 1440, "");
    if (made != ImageFault::None) return made;
  }
  const ImageFault written = images.Write(beside.path, named, failedAt);
  if (written != ImageFault::None) return written;
  if (!WrittenAsMeant(images, beside.path, before, named)) return ImageFault::Damaged;
  failedAt = 0;
  if (!ws.fileSteps.rename(beside.path, target)) return ImageFault::Failed;
  return ImageFault::None;
}

bool SaveSetInImage(Workspace& ws, int d, bool allKinds) {
  BusyPointer busy(ws.ui);
  DocumentSlot& slot = ws.Slot(d);
  std::vector<int> kinds;
  for (int k = 0; k < kSetFileKinds; ++k)
    if (allKinds || slot.modified[static_cast<std::size_t>(k)] != 0) kinds.push_back(k);
  if (kinds.empty()) return true;
  if (!IsImageSetName(slot.name)) {
    ShowSaveError(ws, kinds[0], "Invalid name for a disk image!");
    return false;
  }
  std::vector<std::pair<std::string, Bytes>> files;
  std::string damagedFile;
  for (int k : kinds) {
    Bytes bytes;
    if (!EncodeReadableKindFile(ws, d, k, bytes)) return false;
    files.emplace_back(UpperAscii(slot.name) + KindExtension(k), std::move(bytes));
    const std::string& damaged = slot.notReadWhole[static_cast<std::size_t>(k)];
    if (damagedFile.empty() && damaged == ImageSetPath(slot.image, files.back().first)) damagedFile = files.back().first;
  }
  // A file that could not be read whole is about to be replaced: the image
  // as it is now is kept beside itself first.
  if (!damagedFile.empty() &&
      !KeepDamagedOriginal(ws, slot.image, damagedFile + " in " + BaseNameOf(slot.image))) {
    ShowSaveError(ws, kinds[0], "");
    return false;
  }
  std::size_t failedAt = 0;
  const ImageFault fault = ReplaceFilesInImage(ws, slot.image, files, failedAt);
  if (fault != ImageFault::None) {
    ShowSaveError(ws, kinds[failedAt < kinds.size() ? failedAt : 0], ImageFaultDetail(fault));
    return false;
  }
  for (std::size_t i = 0; i < kinds.size(); ++i) {
    const auto k = static_cast<std::size_t>(kinds[i]);
    slot.modified[k] = 0;
    slot.notReadWhole[k].clear();
  }
  SetStores& s = ws.Stores(d);
  s.backingSequences.filePath = ImageSetPath(slot.image, UpperAscii(slot.name) + KindExtension(kBackingSequence));
  s.songs.filePath = ImageSetPath(slot.image, UpperAscii(slot.name) + KindExtension(kSong));
  return true;
}

bool MakeDiskImage(Workspace& ws, const std::string& image, int kilobytes, const std::string& label) {
  BusyPointer busy(ws.ui);
  const std::string target = FollowLinks(image);
  ImageFault fault = ImageFault::ToolMissing;
  if (target.empty()) {
    fault = ImageFault::Failed;
  } else if (!MayWrite(target)) {
    fault = ImageFault::ReadOnly;
  } else if (ws.diskImages != nullptr) {
    BesideCopy beside{FolderOf(target) + "/." + BaseNameOf(target) + ".tolvane-new"};
    std::error_code ec;
    fs::remove(beside.path, ec);
    fault = ws.diskImages->Format(beside.path, kilobytes, label);
    if (fault == ImageFault::None && fs::exists(target, ec)) TakeModeOf(target, beside.path);
    if (fault == ImageFault::None && !ws.fileSteps.rename(beside.path, target)) fault = ImageFault::Failed;
  }
  if (fault == ImageFault::None) return true;
  ws.ui.ShowMessage({MsgIcon::Critical, MsgButtons::Ok, MsgResult::Ok, "Error",
                     "Unable to create the disk image " + image + "\r\n" + ImageFaultDetail(fault)});
  return false;
}

}  // namespace tolvane
