// Naming, listing and opening Sets inside disk images.

#include "sets/image_sets.h"

#include <algorithm>
#include <filesystem>
#include <string_view>
#include <system_error>

#include "storage/tables.h"
#include "storage/text.h"

namespace fs = std::filesystem;

namespace tolvane {

namespace {

constexpr const char* kSeparator = "::";

void ShowFileError(Workspace& ws, const std::string& text) {
  ws.ui.ShowMessage({MsgIcon::Critical, MsgButtons::Ok, MsgResult::Ok, "Error", text});
}

// What the user is told when an image cannot be listed or read.
std::string ImageErrorText(const std::string& image, ImageFault fault) {
  switch (fault) {
    case ImageFault::NotAnImage: return image + " is not a valid disk image";
    case ImageFault::Damaged: return image + " is a damaged disk image";
    case ImageFault::ToolMissing: return "Can't open file " + image + "\r\nmtools is not installed!";
    default: return "Can't open file " + image;
  }
}

// The entries of the listing named `name` (ignoring case).
std::vector<const ImageFile*> EntriesNamed(const ImageListing& listing, const std::string& name) {
  std::vector<const ImageFile*> found;
  for (const ImageFile& file : listing.files)
    if (EqualsIgnoreAsciiCase(file.shortName, name)) found.push_back(&file);
  return found;
}

// The extension's kind, or -1 for a file of no Set.
int KindOfName(const std::string& name, std::string& base) {
  const auto dot = name.rfind('.');
  if (dot == std::string::npos || dot == 0) return -1;
  const int kind = KindOfExtension(std::string_view(name).substr(dot));
  if (kind >= 0) base = name.substr(0, dot);
  return kind;
}

}  // namespace

std::optional<ImageSetName> SplitImageSetPath(const std::string& path) {
  const auto at = path.rfind(kSeparator);
  // A folder whose name holds two colons is still a folder.
  if (at == std::string::npos || at == 0 || path.find('/', at) != std::string::npos) return std::nullopt;
  return ImageSetName{path.substr(0, at), path.substr(at + 2)};
}

std::string ImageSetPath(const std::string& image, const std::string& name) { return image + kSeparator + name; }

bool IsDiskImageFile(const std::string& path) {
  if (path.size() < 4) return false;
  const std::string extension = path.substr(path.size() - 4);
  return EqualsIgnoreAsciiCase(extension, ".IMG") || EqualsIgnoreAsciiCase(extension, ".IMA");
}

bool IsImageSetName(const std::string& name) {
  if (name.empty() || name.size() > 8) return false;
  // The characters of an 8.3 name besides letters and digits.
  static constexpr std::string_view kOthers = "!#$%&'()-@^_`{}~";
  return std::all_of(name.begin(), name.end(), [](char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
           kOthers.find(c) != std::string_view::npos;
  });
}

std::vector<std::string> SetsInListing(const ImageListing& listing) {
  std::vector<std::string> sets;
  for (const ImageFile& file : listing.files) {
    std::string base;
    if (file.folder || KindOfName(file.shortName, base) < 0) continue;
    base = UpperAscii(base);
    if (std::find(sets.begin(), sets.end(), base) == sets.end()) sets.push_back(base);
  }
  std::sort(sets.begin(), sets.end());
  return sets;
}

bool ListImage(Workspace& ws, const std::string& image, ImageListing& listing) {
  std::error_code ec;
  if (!fs::exists(image, ec)) {
    ShowFileError(ws, "File " + image + " not found");
    return false;
  }
  const ImageFault fault =
      ws.diskImages != nullptr ? ws.diskImages->List(image, listing) : ImageFault::ToolMissing;
  if (fault == ImageFault::None) return true;
  ShowFileError(ws, ImageErrorText(image, fault));
  return false;
}

std::string ChooseSetInImage(Workspace& ws, const std::string& image) {
  ImageListing listing;
  if (!ListImage(ws, image, listing)) return {};
  const std::vector<std::string> sets = SetsInListing(listing);
  if (sets.empty()) {
    ShowFileError(ws, image + " holds no " + std::string(kInstrumentName) + " Set");
    return {};
  }
  const int chosen = ws.ui.ChooseFromList("Select a " + std::string(kInstrumentName) + " Set",
                                          "Sets in " + BaseNameOf(image) + ":", sets);
  if (chosen < 0 || chosen >= static_cast<int>(sets.size())) return {};
  return ImageSetPath(image, sets[static_cast<std::size_t>(chosen)]);
}

bool CreateMissingImageFiles(Workspace& ws, const ImageSetName& set, ImageListing& listing) {
  if (!ListImage(ws, set.image, listing)) return false;
  // Nothing is written into an image that holds a file of the Set twice:
  // OpenImageKindFiles names what is wrong.
  for (int k = 0; k < kSetFileKinds; ++k)
    if (EntriesNamed(listing, UpperAscii(set.name) + KindExtension(k)).size() > 1) return true;
  std::vector<std::pair<std::string, Bytes>> missing;
  for (int k = 0; k < kSetFileKinds; ++k) {
    const std::string name = UpperAscii(set.name) + KindExtension(k);
    if (!EntriesNamed(listing, name).empty()) continue;
    if (ws.ui.ShowMessage({MsgIcon::Exclamation, MsgButtons::OkCancel, MsgResult::Cancel, "Open a Set",
                           name + " is missing.\r\nCreate it?"}) != MsgResult::Ok)
      return false;
    Bytes bytes;
    if (!ReadWholeFile(KindFilePath(ws.locations.templatePath, k), bytes)) bytes.clear();
    missing.emplace_back(name, std::move(bytes));
  }
  if (missing.empty()) return true;
  std::size_t failedAt = 0;
  const bool templateRead =
      std::none_of(missing.begin(), missing.end(), [](const auto& file) { return file.second.empty(); });
  if (templateRead && ReplaceFilesInImage(ws, set.image, missing, failedAt) == ImageFault::None)
    return ListImage(ws, set.image, listing);
  ws.ui.ShowMessage({MsgIcon::Exclamation, MsgButtons::Ok, MsgResult::Ok, "Create file", "Unable to create file!"});
  return false;
}

bool OpenImageKindFiles(Workspace& ws, const ImageSetName& set,
                        std::array<std::optional<KindFile>, kSetFileKinds>& files, const ImageListing* listed) {
  ImageListing own;
  if (listed == nullptr && !ListImage(ws, set.image, own)) return false;
  const ImageListing& listing = listed != nullptr ? *listed : own;
  // Every file is looked at before any message, as OpenKindFile does for each.
  std::vector<std::string> names;
  std::array<int, kSetFileKinds> readAs{};
  bool allFound = true;
  for (int k = 0; k < kSetFileKinds; ++k) {
    const std::string name = UpperAscii(set.name) + KindExtension(k);
    const std::string shown = ImageSetPath(set.image, name);
    const auto entries = EntriesNamed(listing, name);
    readAs[static_cast<std::size_t>(k)] = -1;
    if (entries.empty()) {
      ShowFileError(ws, "File " + shown + " not found");
    } else if (entries.size() > 1) {
      // Which of the two the instrument would take cannot be told.
      ShowFileError(ws, set.image + " holds two files named " + name);
    } else if (entries[0]->folder) {
      ShowFileError(ws, "Can't open file " + shown);
    } else {
      readAs[static_cast<std::size_t>(k)] = static_cast<int>(names.size());
      names.push_back(entries[0]->shortName);
      continue;
    }
    allFound = false;
  }
  if (!allFound) return false;
  std::vector<Bytes> contents;
  const ImageFault fault = ws.diskImages->Read(set.image, names, contents);
  if (fault != ImageFault::None) {
    ShowFileError(ws, ImageErrorText(set.image, fault));
    return false;
  }
  bool allValid = true;
  for (int k = 0; k < kSetFileKinds; ++k) {
    const std::string name = UpperAscii(set.name) + KindExtension(k);
    const auto index = static_cast<std::size_t>(readAs[static_cast<std::size_t>(k)]);
    const std::string path = ImageSetPath(set.image, name);
    if (contents[index].size() != EntriesNamed(listing, name)[0]->size) {
      // mtools reads a cluster chain that ends early or runs off the disk as
      // what it finds; a file shorter or longer than its entry is damaged.
      ShowFileError(ws, ImageErrorText(set.image, ImageFault::Damaged));
      allValid = false;
      continue;
    }
    files[static_cast<std::size_t>(k)] = CheckKindBytes(ws, path, std::move(contents[index]), path, k);
    allValid = allValid && files[static_cast<std::size_t>(k)].has_value();
  }
  return allValid;
}

std::string ImageFaultDetail(ImageFault fault) {
  switch (fault) {
    case ImageFault::Full: return "Disk image is full!";
    case ImageFault::ReadOnly: return "Destination file is Read-Only!";
    case ImageFault::NotAnImage:
    case ImageFault::Damaged: return "Disk image is damaged!";
    case ImageFault::ToolMissing: return "mtools is not installed!";
    default: return "";
  }
}

bool SetExistsAt(Workspace& ws, const std::string& setPath) {
  const auto set = SplitImageSetPath(setPath);
  std::error_code ec;
  if (!set) return fs::exists(KindFilePath(setPath, kStyle), ec);
  if (!fs::exists(set->image, ec) || ws.diskImages == nullptr) return false;
  ImageListing listing;
  if (ws.diskImages->List(set->image, listing) != ImageFault::None) return false;
  return !EntriesNamed(listing, set->name + KindExtension(kStyle)).empty();
}

bool ReadSetFileBytes(Workspace& ws, const std::string& setPath, int kind, Bytes& bytes) {
  const auto set = SplitImageSetPath(setPath);
  if (!set) return ReadWholeFile(KindFilePath(setPath, kind), bytes);
  ImageListing listing;
  if (ws.diskImages == nullptr || ws.diskImages->List(set->image, listing) != ImageFault::None) return false;
  const auto entries = EntriesNamed(listing, set->name + KindExtension(kind));
  if (entries.size() != 1) return false;
  std::vector<Bytes> contents;
  if (ws.diskImages->Read(set->image, {entries[0]->shortName}, contents) != ImageFault::None) return false;
  bytes = std::move(contents[0]);
  return true;
}

}  // namespace tolvane
