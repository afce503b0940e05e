// tolvane-cli: reading, checking and rewriting Sets without a window.

#include <iostream>
#include <string>
#include <vector>

#include "commands.h"
#include "console_ui.h"
#include "set_argument.h"
#include "sets/set_files.h"

namespace {

const char* const kUsage =
    "Usage: tolvane-cli COMMAND [ARGUMENTS]\n"
    "\n"
    "SET is a Set's path without extension, or the path of any one of its five\n"
    "files (.ARR, .STY, .PCG, .BSQ, .SNG).\n"
    "\n"
    "Commands:\n"
    "  info SET           List the Set's named items, its style Blocks with their\n"
    "                     free events, and the event-memory figures.\n"
    "  check SET...       Read each Set, write its five files into a scratch folder\n"
    "                     and compare them with the originals byte for byte. Prints\n"
    "                     \"identical\", or each differing file with its first\n"
    "                     differing offset. Exit status 0 when all are identical,\n"
    "                     1 when any differs, 2 when any cannot be read.\n"
    "  resave SET DEST    Read SET and write all five files to DEST, a path without\n"
    "                     extension.\n"
    "  --help             Show this text.\n";

}  // namespace

int main(int argc, char** argv) {
  using namespace tolvane;
  std::vector<std::string> args(argv + 1, argv + argc);
  if (args.empty() || args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
    (args.empty() ? std::cerr : std::cout) << kUsage;
    return args.empty() ? 2 : 0;
  }
  const std::string command = args[0];
  const std::vector<std::string> operands(args.begin() + 1, args.end());
  const bool known = (command == "info" && operands.size() == 1) || (command == "check" && !operands.empty()) ||
                     (command == "resave" && operands.size() == 2);
  if (!known) {
    std::cerr << "tolvane-cli: unknown command or wrong number of arguments: " << command << "\n\n" << kUsage;
    return 2;
  }

  ConsoleUi ui;
  Workspace ws(ui, ui);
  ui.prefix = "tolvane-cli: ";
  if (!BuildTables(ws, ExecutableFolder(argv[0])) || !LoadPresetNames(ws)) return 2;
  // Duplicate names are worth a warning when looking at a Set, not when
  // checking or copying its bytes.
  ws.prefs.warnDupl = command == "info" ? 1 : 0;
  CliContext cx{ws, ui, std::cout, std::cerr};

  if (command == "info") return InfoCommand(cx, SetPathFromArgument(operands[0]));
  if (command == "check") {
    std::vector<std::string> sets;
    for (const auto& operand : operands) sets.push_back(SetPathFromArgument(operand));
    return CheckCommand(cx, sets);
  }
  return ResaveCommand(cx, SetPathFromArgument(operands[0]), SetPathFromArgument(operands[1]));
}
