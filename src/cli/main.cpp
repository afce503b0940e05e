// tolvane-cli: reading, checking, rewriting and reporting on Sets without a window.

#include <CLI/CLI.hpp>

#include <iostream>
#include <string>
#include <vector>

#include "commands.h"
#include "console_ui.h"
#include "library/library_filter.h"
#include "library_commands.h"
#include "preset_file.h"
#include "report_commands.h"
#include "script.h"
#include "script_command.h"
#include "reports/report_date.h"
#include "set_argument.h"
#include "sets/data_folder.h"
#include "sets/set_files.h"
#include "mtools_images.h"
#include "storage/tables.h"

namespace {

const char* const kSetHelp =
    "SET is a Set's path without extension, or the path of any one of its five\n"
    "files (.ARR, .STY, .PCG, .BSQ, .SNG), or IMAGE::NAME for the Set NAME in\n"
    "the floppy disk image IMAGE (.IMG, .IMA), read and written through mtools.\n"
    "Exit status: 0 done, 1 a difference or a failed write, 2 a Set that cannot\n"
    "be read or a wrong command line.";

struct Arguments {
  std::string set;
  std::vector<std::string> sets;
  std::string destination;
  std::string date;
  std::string presets;
  std::string kind;
  std::string text;
  bool sameName = false;
};

std::string UsageError(const CLI::App*, const CLI::Error& e) {
  return std::string("tolvane-cli: ") + e.what() + "\nRun with --help for more information.\n";
}

void AddPresetsOption(CLI::App* command, Arguments& a) {
  command->add_option("--presets", a.presets, "Read the preset names from FILE instead of the program's own I3PRSTS.TXT")
      ->option_text("FILE");
}

int KindOf(const std::string& kind) {
  if (kind == "styles") return tolvane::kStyle;
  if (kind == "programs") return tolvane::kProgram;
  return tolvane::kArrangement;
}

std::vector<std::string> SetPaths(const std::vector<std::string>& arguments) {
  std::vector<std::string> paths;
  paths.reserve(arguments.size());
  for (const auto& argument : arguments) paths.push_back(tolvane::SetPathFromArgument(argument));
  return paths;
}

}  // namespace

// Edits run guarded; what throws past them is a broken invariant (at()) or memory
// running out, and ending the run is right for both.
int main(int argc, char** argv) {  // NOLINT(bugprone-exception-escape)
  using namespace tolvane;
  Arguments a;
  CLI::App app("Reads, checks, rewrites and reports on Korg i3 Sets.", "tolvane-cli");
  app.footer(kSetHelp);
  app.require_subcommand(0, 1);
  app.failure_message(UsageError);

  CLI::App* info = app.add_subcommand("info", "List the Set's named items, its style Blocks with their free events, "
                                              "and the event-memory figures.");
  info->add_option("SET", a.set, "The Set")->required()->type_name("");
  CLI::App* check = app.add_subcommand("check", "Read each Set, write its five files into a scratch folder and "
                                                "compare them with the originals byte for byte. Prints \"identical\", "
                                                "or each differing file with its first differing offset.");
  check->add_option("SET", a.sets, "The Sets")->required()->type_name("");
  CLI::App* resave = app.add_subcommand("resave", "Read SET and write all five files to DEST.");
  resave->add_option("SET", a.set, "The Set")->required()->type_name("");
  resave->add_option("DEST", a.destination, "The destination: a path without extension")->required()->type_name("");
  CLI::App* report = app.add_subcommand("report", "Write the Set report, as the report window shows it.");
  report->add_option("--date", a.date, "Put TEXT in the heading instead of the current date and time")
      ->option_text("TEXT");
  AddPresetsOption(report, a);
  report->add_option("SET", a.set, "The Set")->required()->type_name("");
  CLI::App* subset = app.add_subcommand("subset", "Write the tab-separated subset report of the Sets: one header "
                                                  "row, then the rows of each Set in the order given.");
  subset->add_option("--kind", a.kind, "The items listed")
      ->required()
      ->check(CLI::IsMember({"arrangements", "styles", "programs"}));
  AddPresetsOption(subset, a);
  subset->add_option("SET", a.sets, "The Sets")->required()->type_name("");
  CLI::App* ls = app.add_subcommand("ls", "List the Sets of each disk image with their Block count and free event "
                                          "memory, and the image's free space.");
  ls->add_option("IMAGE", a.sets, "The disk images")->required()->type_name("");
  CLI::App* diff = app.add_subcommand("diff", "Compare two Sets item by item: one line for each item that differs "
                                              "(with the fields that differ), moved to another number, or is only "
                                              "in one Set. Exit status 0 when they hold the same items, 1 when they "
                                              "differ.");
  diff->add_option("SET_A", a.set, "The first Set")->required()->type_name("");
  diff->add_option("SET_B", a.destination, "The second Set")->required()->type_name("");
  const char* const placeHelp = "Folders (with their subfolders), disk images (every Set in them) or Sets";
  CLI::App* find = app.add_subcommand("find", "List the named items whose name contains TEXT, in any case, of every "
                                              "Set of the places: Set, kind, label, name and, for Arrangements and "
                                              "Backing Sequences, the Style they call, tab-separated. Exit status 1 "
                                              "when nothing is found.");
  find->add_option("--kind", a.kind, "Only items of kind K: arrangement, style, program, backing-sequence, song")
      ->option_text("K")
      ->check([](const std::string& k) { return LibraryKindFromText(k) < 0 ? "unknown kind " + k : std::string(); });
  find->add_option("TEXT", a.text, "Part of the name; \"\" lists every item")->required()->type_name("");
  find->add_option("PLACE", a.sets, placeHelp)->required()->type_name("");
  CLI::App* duplicates = app.add_subcommand("duplicates", "Print the groups of items whose bytes are identical "
                                                          "(Styles and sequences with their events) across the "
                                                          "places, largest groups first, an empty line between "
                                                          "groups.");
  duplicates->add_flag("--same-name", a.sameName, "Print instead the groups of items that share a name and differ");
  duplicates->add_option("PLACE", a.sets, placeHelp)->required()->type_name("");
  CLI::App* run = app.add_subcommand("run", "Carry out a script of edits, as the editor's Edit menu and drops do "
                                            "them. Nothing is written but by save; a Set left with changes is "
                                            "named and exit status is 1.");
  run->footer(kScriptCommandsHelp);
  bool yes = false, no = false;
  CLI::Option* yesOption = run->add_flag("--yes", yes, "Answer Yes (or OK) to every question that has no answer");
  run->add_flag("--no", no, "Answer No (or Cancel) to every question that has no answer")->excludes(yesOption);
  AddPresetsOption(run, a);
  run->add_option("SCRIPT", a.set, "The script, or - for standard input")->required()->type_name("");

  try {
    app.parse(argc, argv);
  } catch (const CLI::ParseError& e) {
    return app.exit(e, std::cout, std::cerr) == 0 ? 0 : 2;
  }
  if (app.get_subcommands().empty()) {
    std::cerr << app.help();
    return 2;
  }

  const std::string dataFolder = DataFolder(ExecutableFolder(argv[0]));
  if (run->parsed()) {
    ScriptOptions options{dataFolder, a.presets, a.set, std::nullopt};
    if (yes || no) options.answerAll = yes;
    return RunScriptCommand(options);
  }

  ConsoleUi ui;
  Workspace ws(ui, ui);
  MtoolsImages images;
  ws.diskImages = &images;
  ui.prefix = "tolvane-cli: ";
  if (!BuildTables(ws, dataFolder)) return 2;
  if (a.presets.empty() ? !LoadPresetNames(ws) : !LoadPresetNamesFrom(ws, a.presets, std::cerr)) return 2;
  // Duplicate names are worth a warning when looking at a Set, not when
  // checking, copying or reporting on it.
  ws.prefs.warnDupl = info->parsed() ? 1 : 0;
  CliContext cx{ws, ui, std::cout, std::cerr};

  if (info->parsed()) return InfoCommand(cx, SetPathFromArgument(a.set));
  if (check->parsed()) return CheckCommand(cx, SetPaths(a.sets));
  if (ls->parsed()) return ListCommand(cx, a.sets);
  if (diff->parsed()) return DiffCommand(cx, SetPathFromArgument(a.set), SetPathFromArgument(a.destination));
  if (find->parsed()) return FindCommand(cx, a.kind.empty() ? -1 : LibraryKindFromText(a.kind), a.text, a.sets);
  if (duplicates->parsed()) return DuplicatesCommand(cx, a.sameName, a.sets);
  if (resave->parsed()) return ResaveCommand(cx, SetPathFromArgument(a.set), SetPathFromArgument(a.destination));
  if (report->parsed())
    return ReportCommand(cx, SetPathFromArgument(a.set), report->count("--date") > 0 ? a.date : CurrentReportDate());
  return SubsetCommand(cx, KindOf(a.kind), SetPaths(a.sets));
}
