#pragma once
// `tolvane-cli run`: a script of edits carried out on Sets without a window.

#include <optional>
#include <string>

namespace tolvane {

struct ScriptOptions {
  std::string programFolder;
  std::string presets;            // empty: I3PRSTS.TXT beside the program
  std::string script;             // a file, or "-" for standard input
  std::optional<bool> answerAll;  // --yes, --no
};

// Exit status 0, 1 (a question without an answer, a failed open or save, a
// Set left modified) or 2 (a script that cannot be read or has an error; then
// nothing has run).
int RunScriptCommand(const ScriptOptions& options);

}  // namespace tolvane
