#pragma once
// Opening, creating, saving and closing Sets, and the messages they share.

#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "storage/bytes.h"
#include "sets/workspace.h"

namespace tolvane {

// A Set file whose header has been checked. Its bytes are read whole by the
// reader, one file at a time; no file stays open after a read.
// Memory that a read fills at once: not cleared first, which for a Style
// file of half a megabyte is a good part of the time its opening takes.
template <class T>
struct UnclearedAllocator : std::allocator<T> {
  template <class U>
  struct rebind {
    using other = UnclearedAllocator<U>;
  };
  UnclearedAllocator() = default;
  template <class U>
  explicit UnclearedAllocator(const UnclearedAllocator<U>&) {}
  template <class U>
  void construct(U* p) noexcept {
    ::new (static_cast<void*>(p)) U;
  }
  template <class U, class... Args>
  void construct(U* p, Args&&... args) {
    ::new (static_cast<void*>(p)) U(std::forward<Args>(args)...);
  }
};
using FileBytes = std::vector<std::uint8_t, UnclearedAllocator<std::uint8_t>>;

struct KindFile {
  std::string path;
  // The file read whole when its header was checked (none when it could
  // not be read to its end: its reader reads it again and says so).
  std::optional<FileBytes> bytes;
};

// The whole content of a file; false when it cannot be read.
bool ReadWholeFile(const std::string& path, Bytes& bytes);
// Writes bytes as the whole file (no scratch file); false when it cannot.
bool WriteWholeFile(const std::string& path, const Bytes& bytes);

// Start-up: the locations, the template check and the empty items. False when
// the template is missing or invalid (its messages have been shown); the
// program then ends.
bool BuildTables(Workspace& ws, const std::string& programFolder);
// Reads the preset names beside the program; false after the message.
bool LoadPresetNames(Workspace& ws);

std::string FolderOf(const std::string& path);
std::string BaseNameOf(const std::string& path);
// The filters of the Set dialogs: All, then each of the five files.
std::vector<FileFilter> SetFileFilters();
// The same, then "Disk images" (*.img *.ima): the open and save dialogs'.
std::vector<FileFilter> SetAndImageFilters();
// The file of kind k of the Set path (folder/base name), found in its folder
// by a case-insensitive match; the upper-case name when there is none.
// `exists`, when given, tells whether that file is there.
std::string KindFilePath(const std::string& setPath, int kind, bool* exists = nullptr);

// Reads path + the kind's extension and checks its header. Shows its own
// message and returns nothing on failure.
std::optional<KindFile> OpenKindFile(Workspace& ws, const std::string& setPath, int kind);

// The header check of OpenKindFile on a file read whole: the KindFile
// holding the bytes, or nothing after the message naming shownName.
std::optional<KindFile> CheckKindBytes(Workspace& ws, const std::string& path, Bytes bytes,
                                       const std::string& shownName, int kind);
// The bytes of a checked file: those read at opening, or read now into
// `storage`. False when it cannot be read.
bool KindFileBytes(const KindFile& file, Bytes& storage, std::span<const std::uint8_t>& bytes);

void ShowReadError(Workspace& ws, int kind, const std::string& detail);
void ShowSaveError(Workspace& ws, int kind, const std::string& detail);
// An edit or a dialog failed unexpectedly.
void ShowEditError(Workspace& ws, int kind, const std::string& detail);

// Decodes a whole file of kind k (0 to 4, or 7 for the global record) into
// the store of that kind; false when the file is not read whole.
bool DecodeKindFile(std::span<const std::uint8_t> bytes, SetStores& stores, int kind);
// The bytes of Set d's file of kind k, when they read back; else the save
// error is shown and nothing is to be written.
bool EncodeReadableKindFile(Workspace& ws, int d, int kind, Bytes& bytes);
// The readers, each showing "Error getting ... data." when it fails.
bool ReadKindFile(Workspace& ws, const KindFile& file, int d, int kind);

enum class OpenMode { Open, New };
// Returns the document number of the opened Set, or 0 when nothing was opened.
int OpenSet(Workspace& ws, OpenMode mode, const std::string& name);

// The bytes of file kind 0 to 4 of a Set, as its writer lays them out.
Bytes EncodeKindFile(const SetStores& set, int kind);
// The writers, each following the scratch-file protocol.
bool WriteKindFile(Workspace& ws, int d, int kind);
// The protocol itself: bytes go whole to the scratch file, then replace the
// destination in one step; a link stays and the file it points to is
// replaced, keeping its permission bits. A destination the user may not write
// is not touched. beforeReplacing runs once the new file is ready; false
// abandons the write. Failures show "Error saving " + the kind's name +
// " data." and return false.
bool WriteThroughScratch(Workspace& ws, const std::string& destination, const Bytes& bytes, int kind,
                         const std::function<bool()>& beforeReplacing = {});
// Keeps a Set file that could not be read whole at opening as its name +
// ".BAK" before it is first replaced, and says so (naming shownName when
// given, the destination's file name else). An existing ".BAK" is left
// as it is, and the message says that instead. False when the file could not
// be kept; it must then not be replaced.
bool KeepDamagedOriginal(Workspace& ws, const std::string& destination, const std::string& shownName = {});
// The destination dialog, started in `startFolder` (with none, in the
// "PathNam" folder). A disk image chosen there asks for the Set's name in it
// (currentName offered) and gives IMAGE::NAME.
std::string ChooseSetDestination(Workspace& ws, const std::string& startFolder = {}, const std::string& currentName = {});
bool SaveSet(Workspace& ws, int d, const std::string& fullPath, bool allKinds);
// Both return true when every file that was to be written has been written.
bool SaveSetCommand(Workspace& ws, int d);
bool SaveSetAsCommand(Workspace& ws, int d);

// Closing a document window: asks to save when a kind is modified. False when
// the window must stay open (Cancel, or a save that did not complete).
bool QueryCloseDocument(Workspace& ws, int d);
// Frees the slot once the window has gone.
void UnloadDocument(Workspace& ws, int d);

}  // namespace tolvane
