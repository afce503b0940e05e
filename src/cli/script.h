#pragma once
// Scripts for `tolvane-cli run`: one command a line, checked whole before
// anything runs, then carried out through the same core routines as the
// editor's Edit menu and drops.

#include <optional>
#include <string>
#include <vector>

namespace tolvane {

enum class ScriptVerb {
  Open, New, Copy, Cut, Paste, Delete, Insert, EraseBank, Undo, Drag, Drop,
  Import, ImportIStyle, ExportIStyle, Answer, Save, Close,
};

struct ScriptCommand {
  int line = 0;  // counted from 1
  ScriptVerb verb = ScriptVerb::Open;
  std::string handle;
  int kind = -1;
  // The number a grid cell carries (or a list line); for erase-bank an item
  // of the bank.
  int item = -1;
  std::string path;    // open, import, istyle files, save as
  std::string answer;  // "yes", "no", "cancel", "ok" or an item label
};

struct ScriptError {
  int line = 0;
  std::string text;
};

// The whole script, or the first line that cannot be carried out as written.
struct ParsedScript {
  std::vector<ScriptCommand> commands;
  std::optional<ScriptError> error;
};
ParsedScript ParseScript(const std::string& text);

// The commands, for the usage text.
extern const char* const kScriptCommandsHelp;

}  // namespace tolvane
