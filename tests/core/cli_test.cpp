// tolvane-cli, run as a user runs it.

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <tuple>

#include "set_builder.h"
#include "storage/tables.h"

namespace fs = std::filesystem;

namespace tolvane::test {
namespace {

struct CliRun {
  int status = -1;
  std::string out;  // standard output and standard error, in that order, unless errors is given
};

CliRun RunCli(const std::string& arguments, const std::string& errors = "&1") {
  CliRun run;
  const std::string command = std::string(TOLVANE_BIN_DIR) + "/tolvane-cli " + arguments + " 2>" + errors;
  FILE* pipe = ::popen(command.c_str(), "r");
  if (!pipe) return run;
  std::array<char, 4096> buffer{};
  std::size_t n;
  while ((n = std::fread(buffer.data(), 1, buffer.size(), pipe)) > 0) run.out.append(buffer.data(), n);
  const int raw = ::pclose(pipe);
  run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  return run;
}

TEST(Cli, CheckNamesTheFilesThatDifferAndWhere) {
  TempDir dir;
  Rng rng(9);
  SetStores set = RandomSet(rng, 8);
  WriteSetFiles(dir.path(), "MYSET", set);
  // Bytes after the eighth Block are not part of any Style and are not written back.
  Bytes sty = ReadFileBytes(dir / "MYSET.STY");
  const std::size_t size = sty.size();
  sty.resize(size + 3, 0xEE);
  WriteFileBytes(dir / "MYSET.STY", sty);

  CliRun run = RunCli("check " + dir / "MYSET");
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.out, dir / "MYSET: differs\n  MYSET.STY: first difference at offset " + std::to_string(size) + " (" +
                         std::to_string(size + 3) + " bytes read, " + std::to_string(size) + " written)\n");
}

// A Style of a Block the Set lacks is no item: the script stops there.
TEST(Cli, AScriptNamingAStyleOfAnAbsentBlockStops) {
  TempDir dir;
  Rng rng(5);
  WriteSetFiles(dir.path(), "ONE", RandomSet(rng, 1));
  const std::string script =
      "open X " + dir / "ONE\ncopy X style U13\nimport-istyle X style U84 " + dir / "U.ISF\npaste X style U14\n";
  WriteFileBytes(dir / "s.script", Bytes(script.begin(), script.end()));
  const CliRun run = RunCli("run " + dir / "s.script");
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.out, "tolvane-cli: line 3: no Style U84 in this Set\n");
}

TEST(Cli, ResaveWritesTheSameBytesCheckCompares) {
  TempDir dir;
  Rng rng(11);
  const SetStores set = RandomSet(rng, 4);
  WriteSetFiles(dir / "a", "MYSET", set);
  fs::create_directories(dir / "b");
  CliRun run = RunCli("resave " + dir / "a/MYSET.PCG " + dir / "b/copy");
  EXPECT_EQ(run.status, 0) << run.out;
  for (int k = 0; k < kSetFileKinds; ++k)
    EXPECT_EQ(ReadFileBytes(dir / "b/COPY" + KindExtension(k)), EncodeKind(set, k)) << k;
}

// Each command's exit status and everything it prints: the shipped Sets are
// written again byte for byte, a Set that cannot be read is named with its
// reason, and a command line that makes no sense is refused.
TEST(Cli, CommandsAnswerWithTheirStatusAndText) {
  TempDir dir;
  Rng rng(10);
  WriteSetFiles(dir.path(), "MYSET", RandomSet(rng, 1));
  fs::remove(dir / "MYSET.SNG");
  WriteSetFiles(dir.path(), "BAD", RandomSet(rng, 1));
  fs::resize_file(dir / "BAD.BSQ", 3000);
  const std::string data = TOLVANE_DATA_DIR;
  const std::tuple<std::string, int, std::string> cases[] = {
      {"check " + data + "/I3EMPTY/I3EMPTY " + data + "/DEMO/DEMO.sty", 0,
       data + "/I3EMPTY/I3EMPTY: identical\n" + data + "/DEMO/DEMO: identical\n"},
      {"check " + dir / "MYSET", 2, dir / "MYSET: File " + dir / "MYSET.SNG not found\n"},
      {"info " + dir / "BAD.ARR", 2, dir / "BAD: Error getting Backing Sequence data.\n"},
      {"frobnicate", 2, "tolvane-cli: The following argument was not expected: frobnicate\nRun with --help for more information.\n"},
  };
  for (const auto& [arguments, status, out] : cases) {
    const CliRun run = RunCli(arguments);
    EXPECT_EQ(run.status, status) << arguments;
    EXPECT_EQ(run.out, out);
  }
  EXPECT_NE(RunCli("info " + data + "/DEMO/DEMO").out.find("  A11 Pop Ballad (U23)\n"), std::string::npos);
}

// IMAGE::NAME wherever a Set is taken, and ls over images.
TEST(Cli, SetsInDiskImages) {
  TempDir dir;
  const std::string demo = std::string(TOLVANE_DATA_DIR) + "/DEMO/DEMO";
  const std::string image = dir / "DISK.IMG";
  const std::tuple<std::string, int, std::string> cases[] = {
      {"resave " + demo + " " + image + "::demo", 0, ""},
      {"resave " + image + "::DEMO.STY " + image + "::COPY", 0, ""},
      {"check " + image + "::COPY", 0, image + "::COPY: identical\n"},
      {"ls " + image + " " + dir / "NONE.IMG", 2,
       image + ": 2 Sets, 941568 bytes free\n  COPY: 8 Blocks, 51228 bytes of event memory free\n"
               "  DEMO: 8 Blocks, 51228 bytes of event memory free\n" +
           dir / "NONE.IMG: File " + dir / "NONE.IMG not found\n"},
      {"resave " + demo + " " + image + "::TOOLONGNAME", 2,
       image + "::TOOLONGNAME: a Set in a disk image has a name of 1 to 8 letters, digits or ! # $ % & ' ( ) - @ ^ _ ` { } ~\n"},
  };
  for (const auto& [arguments, status, out] : cases) {
    const CliRun run = RunCli(arguments);
    EXPECT_EQ(run.status, status) << arguments;
    EXPECT_EQ(run.out, out);
  }
  EXPECT_NE(RunCli("subset --kind styles " + image + "::COPY").out.find("\nCOPY in DISK.IMG\tU11\t"), std::string::npos);
}

std::string Expected(const std::string& name) {
  const Bytes bytes = ReadFileBytes(std::string(TOLVANE_EXPECTED_DIR) + "/" + name);
  return std::string(bytes.begin(), bytes.end());
}

// The reports of the shipped Sets stay as they are.
TEST(Cli, ReportsOfTheShippedSets) {
  for (const std::string set : {"DEMO", "I3EMPTY"}) {
    const std::string path = std::string(TOLVANE_DATA_DIR) + "/" + set + "/" + set;
    EXPECT_EQ(RunCli("report --date '1-Jan-2000 00:00:00' " + path).out, Expected(set + "_report.txt")) << set;
    for (const std::string kind : {"arrangements", "styles", "programs"})
      EXPECT_EQ(RunCli("subset --kind " + kind + " " + path).out, Expected(set + "_" + kind + ".xls")) << kind;
  }
}

// With another preset names file, as a collection of Sets is listed.
TEST(Cli, SubsetOfSeveralSetsIsOneTableWithoutTheUnreadableOnes) {
  TempDir dir;
  const std::string demo = std::string(TOLVANE_DATA_DIR) + "/DEMO/DEMO";
  for (int k = 0; k < kSetFileKinds; ++k) fs::copy_file(demo + KindExtension(k), dir / "COPY" + KindExtension(k));
  const Bytes names = ReadFileBytes(std::string(TOLVANE_DATA_DIR) + "/I3PRSTS.TXT");
  std::string text(names.begin(), names.end());
  text.replace(text.find("Prog A16"), 8, "My Sound");
  WriteFileBytes(dir / "NAMES.TXT", Bytes(text.begin(), text.end()));

  CliRun run = RunCli("subset --kind styles " + demo + " " + dir / "MISSING " + std::string(TOLVANE_DATA_DIR) +
                          "/I3EMPTY/I3EMPTY.STY " + dir / "copy --presets " + dir / "NAMES.TXT",
                      dir / "errors");
  EXPECT_EQ(run.status, 2);
  std::string table = Expected("DEMO_styles.xls");
  table.replace(table.find("Prog A16"), 8, "My Sound");
  std::string copyRows = table.substr(table.find('\n') + 1);
  for (std::size_t at = 0; at < copyRows.size(); at = copyRows.find('\n', at) + 1) copyRows.replace(at, 4, "COPY");
  const std::string empty = Expected("I3EMPTY_styles.xls");
  EXPECT_EQ(run.out, table + empty.substr(empty.find('\n') + 1) + copyRows);
  const Bytes errors = ReadFileBytes(dir / "errors");
  EXPECT_EQ(std::string(errors.begin(), errors.end()), dir / "MISSING: File " + dir / "MISSING.ARR not found\n");

  run = RunCli("report --presets " + dir / "nowhere.txt " + demo);
  EXPECT_EQ(run.status, 2);
  EXPECT_EQ(run.out, "tolvane-cli: Error getting Preset names from file " + dir / "nowhere.txt\n");
}

// The collection commands over two copies of DEMO, one with a renamed Arrangement.
TEST(Cli, DiffFindAndDuplicates) {
  TempDir dir;
  const std::string demo = std::string(TOLVANE_DATA_DIR) + "/DEMO/DEMO";
  for (const char* folder : {"a", "b"}) {
    fs::create_directories(dir / folder);
    for (int k = 0; k < kSetFileKinds; ++k) fs::copy_file(demo + KindExtension(k), dir / folder + "/DEMO" + KindExtension(k));
  }
  Bytes arr = ReadFileBytes(dir / "b/DEMO.ARR");
  arr[672] = 'X';  // the first Arrangement's first letter
  WriteFileBytes(dir / "b/DEMO.ARR", arr);
  const std::string a = dir / "a/DEMO", b = dir / "b/DEMO";
  const std::vector<std::tuple<std::string, int, std::string>> cases{
      {"diff " + a + " " + a, 0, ""},
      {"diff " + a + " " + b + ".ARR", 1, "Arrangement A11 \"Pop Ballad\" differs from \"Xop Ballad\": name\n"},
      {"diff " + a + " " + dir / "none", 2, dir / "none: File " + dir / "NONE.ARR not found\n"},
      {"find --kind arr 'op bal' " + dir.path(), 0,
       a + "\tArrangement\tA11\tPop Ballad\tU23\tBallad\n" + b + "\tArrangement\tA11\tXop Ballad\tU23\tBallad\n"},
      {"find --kind song 'op bal' " + dir.path(), 1, ""},
      {"find x " + dir / "none", 2, "tolvane-cli: " + dir / "none: Not found.\n"},
      {"duplicates --same-name " + dir.path(), 0, ""},
  };
  for (const auto& [arguments, status, out] : cases) {
    const CliRun run = RunCli(arguments);
    EXPECT_EQ(run.status, status) << arguments;
    EXPECT_EQ(run.out, out) << arguments;
  }
  const CliRun groups = RunCli("duplicates " + dir.path());
  EXPECT_EQ(groups.out.substr(0, groups.out.find("\n\n") + 2),
            a + "\tArrangement\tA22\tBossa\n" + b + "\tArrangement\tA22\tBossa\n\n");
}

}  // namespace
}  // namespace tolvane::test
