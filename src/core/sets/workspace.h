#pragma once
// Everything the editor holds while it runs: the process-wide tables, the
// preferences, the document slots with each Set's data, and the edit records.

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "arrangements/arrangement_data.h"
#include "arrangements/global_record.h"
#include "ports.h"
#include "sets/disk_images.h"
#include "sets/file_steps.h"
#include "programs/program_data.h"
#include "sequences/sequence_data.h"
#include "storage/preset_names.h"
#include "editing/transfer_records.h"
#include "styles/style_data.h"

namespace tolvane {

// The eight preferences, held in memory while the program runs.
struct Preferences {
  std::string pathNam;    // folder of the last Set opened or saved
  std::string oldSetNam;  // folder/base name of the last Set closed
  std::int16_t wArrangeMode = 1;
  std::int16_t modeId = 0;
  std::int16_t showTips = 1;
  std::int16_t highCall = 1;
  std::int16_t warnDupl = 1;
  std::int16_t startOld = 0;
};

// Reads a stored preference: the leading number of the text rounded to a
// 16-bit integer, 0 when the text does not start with a number.
std::int16_t PreferenceNumber(const std::string& text);

struct Locations {
  std::string programFolder;
  std::string scratchFolder;  // this program's own folder in the temporary folder
  std::string scratchFile;    // scratch folder + "/KORGI3.TMP"
  std::string templatePath;  // program folder + "/I3EMPTY/I3EMPTY"
};

struct DocumentSlot {
  std::string name;    // base name as shown: upper case, or NEWSET + two digits
  std::string folder;  // without a trailing separator
  // The disk image that holds the Set's files (folder is the image's), or
  // empty for a Set in a folder.
  std::string image;
  std::array<std::int16_t, 8> modified{};
  bool free = true;
  // The current item of the arrangement, style and program grids.
  std::array<std::int16_t, 3> gridTags{0, 48, 320};
  bool undoAvailable = false;
  // Per file kind 0 to 4: the file that could not be read whole at opening,
  // until a save has kept it beside itself; empty when it was read whole.
  std::array<std::string, 5> notReadWhole{};

  bool AnyModified() const;
};

// Where the Set of a slot lives: folder/NAME, or IMAGE::NAME for a Set in a
// disk image.
std::string SetPathOf(const DocumentSlot& slot);
// What names the Set to the user: "MYSET", or "MYSET in DISK07.IMG".
std::string DocumentCaption(const DocumentSlot& slot);

struct SetStores {
  ArrangementSetData arrangements;
  StyleSetData styles;
  ProgramSetData programs;
  GlobalSetData global;
  BackingSequenceSetData backingSequences;
  SongSetData songs;
};

class Workspace {
 public:
  Workspace(UserInterface& ui, DocumentView& view) : ui(ui), view(view) {}
  // Removes the program's scratch folder when nothing is left in it.
  ~Workspace();
  Workspace(const Workspace&) = delete;
  Workspace& operator=(const Workspace&) = delete;

  UserInterface& ui;
  DocumentView& view;

  Locations locations;
  PresetNames presets;
  Preferences prefs;
  EditRecords edits;
  FileSteps fileSteps;
  // The folder of the last IStyle file chosen, where the next IStyle dialog starts.
  std::string istyleFolder;

  // The file system inside disk images; none where a front end offers none.
  DiskImages* diskImages = nullptr;

  // Document numbers count from 1.
  int SlotCount() const { return static_cast<int>(slots_.size()); }
  bool IsDocument(int d) const { return d >= 1 && d <= SlotCount(); }
  bool InUse(int d) const { return IsDocument(d) && !Slot(d).free; }
  DocumentSlot& Slot(int d) { return slots_.at(static_cast<std::size_t>(d - 1)); }
  const DocumentSlot& Slot(int d) const { return slots_.at(static_cast<std::size_t>(d - 1)); }
  SetStores& Stores(int d) { return *stores_.at(static_cast<std::size_t>(d - 1)); }
  const SetStores& Stores(int d) const { return *stores_.at(static_cast<std::size_t>(d - 1)); }

  // Marks kind k of Set d as differing from the disk.
  void MarkModified(int d, int kind) { Slot(d).modified.at(static_cast<std::size_t>(kind)) = 1; }

  // Adds one free slot; used at start-up and by AllocateDocumentSlot.
  int AddSlot();

 private:
  std::vector<DocumentSlot> slots_;
  std::vector<std::unique_ptr<SetStores>> stores_;
};

// The lowest free slot, marked in use with all its stores cleared; a new slot
// when none is free.
int AllocateDocumentSlot(Workspace& ws);
bool AnyDocumentOpen(const Workspace& ws);

}  // namespace tolvane
