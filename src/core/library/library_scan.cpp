// The scan: places turned into Sets, each Set read through a workspace of
// the scan's own (so nothing the editor has open is touched and every
// message is kept), or taken over from the previous scan when its files have
// not changed.

#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <unordered_map>

#include "library/library.h"
#include "library/library_items.h"
#include "library/set_reading.h"
#include "sets/image_sets.h"
#include "sets/set_files.h"
#include "sets/workspace.h"
#include "storage/tables.h"
#include "storage/text.h"

namespace fs = std::filesystem;

namespace tolvane {

namespace {

// A Set found, before it is read.
struct FoundSet {
  std::string path;
  std::vector<FileStamp> stamps;
};

// Size and time from one call to the system: a scan again of a thousand
// Sets is mostly these.
FileStamp StampOf(const std::string& path) {
  FileStamp stamp{path, 0, 0};
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0) return stamp;
  stamp.size = static_cast<std::uint64_t>(st.st_size);
  stamp.modified = static_cast<std::int64_t>(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
  return stamp;
}

class Scanner {
 public:
  Scanner(const LibraryReading& reading, const Library* previous)
      : ws_(ui_, ui_), previous_(previous) {
    ws_.presets = reading.presets;
    ws_.locations.programFolder = reading.programFolder;
    ws_.locations.templatePath = reading.templatePath;
    ws_.diskImages = reading.images;
    ws_.prefs.warnDupl = 0;
    if (previous != nullptr)
      for (std::size_t i = 0; i < previous->sets.size(); ++i) previousSets_[previous->sets[i].path] = i;
  }

  // The Sets of one place, in name order; false when it holds none.
  void AddPlace(const std::string& place, Library& library) {
    std::error_code ec;
    const std::size_t before = found_.size();
    if (SplitImageSetPath(place)) {
      AddImage(SplitImageSetPath(place)->image, place);
    } else if (fs::is_directory(place, ec)) {
      AddFolder(place);
    } else if (IsDiskImageFile(place) && fs::is_regular_file(place, ec)) {
      AddImage(place, {});
    } else {
      const std::string extension = fs::path(place).extension().string();
      const std::string setPath = KindOfExtension(extension) >= 0 ? place.substr(0, place.size() - extension.size()) : place;
      bool any = false;
      std::vector<FileStamp> stamps;
      for (int k = 0; k < kSetFileKinds; ++k) {
        bool exists = false;
        const std::string file = KindFilePath(setPath, k, &exists);
        if (exists) stamps.push_back(StampOf(file));
        any = any || exists;
      }
      if (any) found_.push_back({setPath, std::move(stamps)});
    }
    if (found_.size() == before && imageMessages_.empty())
      library.emptyPlaces.emplace_back(place, fs::exists(place, ec) ? "No Set found." : "Not found.");
    for (auto& [path, messages] : imageMessages_) {
      LibrarySet& set = library.sets.emplace_back();
      set.path = path;
      set.shown = path;
      set.stamps.push_back(StampOf(path));
      set.messages = std::move(messages);
    }
    imageMessages_.clear();
  }

  void ReadAll(Library& library, const ScanFeedback& feedback) {
    for (std::size_t i = 0; i < found_.size(); ++i) {
      if (feedback.cancel != nullptr && feedback.cancel->load()) {
        library.cancelled = true;
        return;
      }
      if (feedback.progress) feedback.progress(i, found_.size(), found_[i].path);
      Read(found_[i], library);
    }
  }

 private:
  void AddFolder(const std::string& folder) {
    // Per folder, the Sets by upper-case base name: the name as found first.
    std::map<std::string, std::map<std::string, FoundSet>> sets;
    std::vector<std::string> images;
    std::error_code ec;
    for (fs::recursive_directory_iterator it(folder, fs::directory_options::skip_permission_denied, ec), end;
         !ec && it != end; it.increment(ec)) {
      if (!it->is_regular_file(ec)) continue;
      const fs::path& p = it->path();
      const std::string generic = p.generic_string();
      if (IsDiskImageFile(generic)) {
        images.push_back(generic);
        continue;
      }
      if (KindOfExtension(p.extension().string()) < 0) continue;
      const std::string stem = p.stem().string();
      FoundSet& set = sets[p.parent_path().generic_string()][UpperAscii(stem)];
      if (set.path.empty()) set.path = p.parent_path().generic_string() + "/" + stem;
      set.stamps.push_back(StampOf(generic));
    }
    for (auto& [parent, named] : sets)
      for (auto& [upper, set] : named) {
        std::sort(set.stamps.begin(), set.stamps.end(), [](const FileStamp& a, const FileStamp& b) { return a.path < b.path; });
        found_.push_back(std::move(set));
      }
    std::sort(images.begin(), images.end());
    for (const std::string& image : images) AddImage(image, {});
  }

  // Every Set of the image, or the one named; an image whose file has not
  // changed since the previous scan is not listed again.
  void AddImage(const std::string& image, const std::string& only) {
    const FileStamp stamp = StampOf(image);
    std::vector<std::string> names;
    if (previous_ != nullptr && only.empty()) {
      for (const LibrarySet& set : previous_->sets) {
        const auto split = SplitImageSetPath(set.path);
        if (split && split->image == image && set.stamps.size() == 1 && set.stamps[0] == stamp)
          names.push_back(split->name);
      }
    }
    if (names.empty()) {
      ImageListing listing;
      ui_.messages.clear();
      if (ws_.diskImages == nullptr || !ListImage(ws_, image, listing)) {
        if (ws_.diskImages == nullptr) ui_.messages.push_back("Disk images cannot be read here.");
        imageMessages_.emplace_back(image, ui_.messages);
        return;
      }
      names = SetsInListing(listing);
    }
    for (const std::string& name : names) {
      const std::string path = ImageSetPath(image, name);
      if (only.empty() || EqualsIgnoreAsciiCase(path, only)) found_.push_back({path, {stamp}});
    }
  }

  void Read(const FoundSet& found, Library& library) {
    const auto index = static_cast<std::uint32_t>(library.sets.size());
    const auto first = static_cast<std::uint32_t>(library.items.size());
    const auto it = previousSets_.find(found.path);
    // A Set that could not be read is read again: what failed may have been
    // its permissions or the tools, which leave the files' times as they were.
    if (it != previousSets_.end() && previous_->sets[it->second].readable &&
        previous_->sets[it->second].stamps == found.stamps) {
      const LibrarySet& old = previous_->sets[it->second];
      LibrarySet& set = library.sets.emplace_back(old);
      set.firstItem = first;
      for (std::uint32_t i = 0; i < old.itemCount; ++i) {
        LibraryItem& item = library.items.emplace_back(previous_->items[old.firstItem + i]);
        item.set = index;
      }
      ++library.setsReused;
      return;
    }
    LibrarySet& set = library.sets.emplace_back();
    set.path = found.path;
    set.stamps = found.stamps;
    ui_.messages.clear();
    const int d = ReadSetIntoFreeSlot(ws_, found.path);
    if (d != 0) {
      set.shown = DocumentCaption(ws_.Slot(d));
      set.readable = true;
      AppendSetItems(ws_.presets, ws_.Stores(d), index, library.items);
      ReleaseReadSet(ws_, d);
    } else {
      const auto split = SplitImageSetPath(found.path);
      set.shown = split ? UpperAscii(split->name) + " in " + fs::path(split->image).filename().string()
                        : UpperAscii(BaseNameOf(found.path));
    }
    set.messages = std::move(ui_.messages);
    ui_.messages.clear();
    set.firstItem = first;
    set.itemCount = static_cast<std::uint32_t>(library.items.size()) - first;
    ++library.setsRead;
  }

  RecordingUi ui_;
  Workspace ws_;
  const Library* previous_;
  std::unordered_map<std::string, std::size_t> previousSets_;
  std::vector<FoundSet> found_;
  std::vector<std::pair<std::string, std::vector<std::string>>> imageMessages_;
};

}  // namespace

Library ScanLibrary(const LibraryReading& reading, const std::vector<std::string>& places, const ScanFeedback& feedback,
                    const Library* previous) {
  Library library;
  library.places = places;
  Scanner scanner(reading, previous);
  for (const std::string& place : places) scanner.AddPlace(place, library);
  scanner.ReadAll(library, feedback);
  return library;
}

}  // namespace tolvane
