#pragma once
// The library: every named item of every Set of a collection (folders, disk
// images and single Sets), read without touching the Sets the editor has
// open. A scan runs on any thread: it reads through a workspace of its own
// whose messages it keeps as the reasons of the Sets it could not read.

#include <atomic>
#include <utility>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "library/item_content.h"
#include "storage/preset_names.h"

namespace tolvane {

class DiskImages;
class Workspace;

// One named item of one Set.
struct LibraryItem {
  int kind = 0;         // kArrangement, kStyle, kProgram, kBackingSequence, kSong
  int number = 0;       // the number its grid cell carries (a list line for kinds 3 and 4)
  std::string label;    // "A11", "U23", "D45", "Dr7", "0" to "9"
  std::string name;     // as shown, blanks trimmed at both ends
  std::string folded;   // the name in lower case, for the filter
  std::uint32_t set = 0;  // index into Library::sets
  // The Style an Arrangement or a Backing Sequence calls; empty for others.
  std::string styleLabel;
  std::string styleName;
  ContentHash content;  // of the item's bytes, event data included
};

// When a file was last seen: a Set is read again only when one changed.
struct FileStamp {
  std::string path;
  std::uint64_t size = 0;
  std::int64_t modified = 0;  // nanoseconds since 1970
  bool operator==(const FileStamp&) const = default;
};

struct LibrarySet {
  std::string path;   // folder/NAME, or IMAGE::NAME: what OpenSet takes
  std::string shown;  // "MYSET" or "MYSET in DISK07.IMG"
  // The files it was read from (the image, for a Set in an image).
  std::vector<FileStamp> stamps;
  bool readable = false;
  // Why it could not be read: the messages the reading showed, in order,
  // each as its full text (lines end in CR LF).
  std::vector<std::string> messages;
  std::uint32_t firstItem = 0;  // its items are items[firstItem, firstItem + itemCount)
  std::uint32_t itemCount = 0;
};

struct Library {
  std::vector<std::string> places;  // as given to the scan
  std::vector<LibrarySet> sets;     // in the order found: places in order, names sorted
  std::vector<LibraryItem> items;   // grouped by Set
  // Places that hold no Set at all, or do not exist, with the message.
  std::vector<std::pair<std::string, std::string>> emptyPlaces;
  bool cancelled = false;  // the scan stopped early: what is here is partial
  std::size_t setsRead = 0;    // read from their files this time
  std::size_t setsReused = 0;  // taken over unchanged from the previous scan
};

// What a scan needs of the editor's workspace, copied on its thread before
// the scan starts: the preset names (the names of called preset items) and
// the template location. `images` must be a DiskImages that only the scan
// uses while it runs (the window gives it one of its own); none reads no
// image and lists each as unreadable.
struct LibraryReading {
  PresetNames presets;
  std::string programFolder;
  std::string templatePath;
  DiskImages* images = nullptr;
};
LibraryReading LibraryReadingOf(const Workspace& ws, DiskImages* images);

struct ScanFeedback {
  // Called before each Set is read: how many are done, how many in all, and
  // the Set. Runs on the scan's thread.
  std::function<void(std::size_t done, std::size_t total, const std::string& setPath)> progress;
  // Set from any thread to stop the scan after the Set being read.
  const std::atomic<bool>* cancel = nullptr;
};

// Scans the places: a folder (with its subfolders), a disk image (every Set
// in it), or a Set (folder/NAME, a file of it, or IMAGE::NAME). With a
// previous library, a Set read then whose files have the same sizes and
// times is taken over from it without being read. A disk image that cannot
// be listed is one unreadable entry whose path is the image file.
Library ScanLibrary(const LibraryReading& reading, const std::vector<std::string>& places,
                    const ScanFeedback& feedback = {}, const Library* previous = nullptr);

// The reasons of an unreadable Set on one line: its messages, line ends
// turned into blanks, joined by blanks.
std::string ReasonLine(const LibrarySet& set);
// The kind's name as the library shows it: "Arrangement" ... "Song".
std::string LibraryKindName(int kind);

}  // namespace tolvane
