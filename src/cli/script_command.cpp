#include "script_command.h"

#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>

#include "mtools_images.h"
#include "preset_file.h"
#include "script.h"
#include "script_runner.h"
#include "script_ui.h"
#include "sets/set_files.h"
#include "sets/workspace.h"

namespace tolvane {

namespace {

bool ReadScript(const std::string& name, std::string& text) {
  if (name == "-") {
    text.assign(std::istreambuf_iterator<char>(std::cin), std::istreambuf_iterator<char>());
    return true;
  }
  std::ifstream in(name, std::ios::binary);
  if (!in) return false;
  std::ostringstream all;
  all << in.rdbuf();
  text = all.str();
  return true;
}

}  // namespace

int RunScriptCommand(const ScriptOptions& options) {
  std::string text;
  if (!ReadScript(options.script, text)) {
    std::cerr << "tolvane-cli: cannot read the script " << options.script << '\n';
    return 2;
  }
  const ParsedScript script = ParseScript(text);
  if (script.error) {
    std::cerr << "tolvane-cli: line " << script.error->line << ": " << script.error->text << '\n';
    return 2;
  }
  ScriptUi ui(std::cerr);
  ui.answerAll = options.answerAll;
  Workspace ws(ui, ui);
  MtoolsImages images;
  ws.diskImages = &images;
  if (!BuildTables(ws, options.programFolder)) return 2;
  if (options.presets.empty() ? !LoadPresetNames(ws) : !LoadPresetNamesFrom(ws, options.presets, std::cerr)) return 2;
  return RunScript(ws, ui, script.commands);
}

}  // namespace tolvane
