#include "preset_file.h"

#include <fstream>
#include <ostream>
#include <sstream>

#include "sets/workspace.h"

namespace tolvane {

bool LoadPresetNamesFrom(Workspace& ws, const std::string& path, std::ostream& err) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  if (in) text << in.rdbuf();
  if (in && ParsePresetNames(text.str(), ws.presets)) return true;
  err << "tolvane-cli: Error getting Preset names from file " << path << '\n';
  return false;
}

}  // namespace tolvane
