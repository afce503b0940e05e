#pragma once
// Opening, creating, saving and closing Sets, and the messages they share.

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "storage/bytes.h"
#include "sets/workspace.h"

namespace tolvane {

// A Set file whose header has been checked. Its bytes are read whole by the
// reader, one file at a time; no file stays open after a read.
struct KindFile {
  std::string path;
};

// The whole content of a file; false when it cannot be read.
bool ReadWholeFile(const std::string& path, Bytes& bytes);

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
// The file of kind k of the Set path (folder/base name), found in its folder
// by a case-insensitive match; the upper-case name when there is none.
std::string KindFilePath(const std::string& setPath, int kind);

// Reads path + the kind's extension and checks its header. Shows its own
// message and returns nothing on failure.
std::optional<KindFile> OpenKindFile(Workspace& ws, const std::string& setPath, int kind);

void ShowReadError(Workspace& ws, int kind, const std::string& detail);
void ShowSaveError(Workspace& ws, int kind, const std::string& detail);
// An edit or a dialog failed unexpectedly.
void ShowEditError(Workspace& ws, int kind, const std::string& detail);

// Decodes a whole file of kind k (0 to 4, or 7 for the global record) into
// the store of that kind; false when the file is not read whole.
bool DecodeKindFile(const Bytes& bytes, SetStores& stores, int kind);
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
// ".BAK" before it is first replaced, and says so. An existing ".BAK" is left
// as it is, and the message says that instead. False when the file could not
// be kept; it must then not be replaced.
bool KeepDamagedOriginal(Workspace& ws, const std::string& destination);
std::string ChooseSetDestination(Workspace& ws);
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
