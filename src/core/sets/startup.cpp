// What start-up prepares before the first Set: locations, the template check,
// the empty items and the preset names.

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <system_error>

#include "sets/set_files.h"
#include "storage/tables.h"

namespace fs = std::filesystem;

namespace tolvane {

namespace {

std::string EnvValue(const char* name) {
  const char* v = std::getenv(name);
  return v ? std::string(v) : std::string();
}

// "TEMP" first; where it is empty, TMPDIR, then the system's temporary folder.
// The program's own folder is often not writable.
std::string ScratchFolder() {
  std::string folder = EnvValue("TEMP");
  if (folder.empty()) folder = EnvValue("TMPDIR");
  if (folder.empty()) {
    std::error_code ec;
    folder = fs::temp_directory_path(ec).string();
    if (ec || folder.empty()) folder = "/tmp";
  }
  while (folder.size() > 1 && folder.back() == '/') folder.pop_back();
  return folder;
}

}  // namespace

bool BuildTables(Workspace& ws, const std::string& programFolder) {
  BusyPointer busy(ws.ui);
  Locations& loc = ws.locations;
  loc.programFolder = programFolder;
  // Each running program has its own scratch folder there, so that two
  // programs saving at once never write into each other's scratch file.
  loc.scratchFolder = ScratchFolder() + "/tolvane-" + std::to_string(::getpid());
  loc.scratchFile = loc.scratchFolder + "/KORGI3.TMP";
  loc.templatePath = programFolder + "/I3EMPTY/I3EMPTY";
  if (ws.prefs.pathNam.empty()) ws.prefs.pathNam = programFolder;

  auto styleFile = OpenKindFile(ws, loc.templatePath, kStyle);
  if (!styleFile) {
    ShowReadError(ws, kStyle, "");
    return false;
  }
  // The first Style of the first Block gives the empty Style its header.
  Bytes bytes;
  const bool read = ReadWholeFile(styleFile->path, bytes);
  ByteReader reader(bytes);
  StyleHeader header;
  reader.Read(kStyleFirstBlockOffset + kBlockTableSize, header.bytes);
  if (!read || reader.overran()) {
    ShowReadError(ws, kStyle, "");
    return false;
  }
  ws.edits.PrepareEmptyItems(header);
  return true;
}

bool LoadPresetNames(Workspace& ws) {
  BusyPointer busy(ws.ui);
  std::ifstream in(ws.locations.programFolder + "/" + kPresetNamesFile, std::ios::binary);
  std::ostringstream text;
  if (in) text << in.rdbuf();
  if (!in || !ParsePresetNames(text.str(), ws.presets)) {
    ws.ui.ShowMessage({MsgIcon::Critical, MsgButtons::Ok, MsgResult::Ok, "Error",
                       std::string("Error getting Preset names from file ") + kPresetNamesFile +
                           "\r\nEnding program!"});
    return false;
  }
  return true;
}

}  // namespace tolvane
