// tolvane-cli, run as a user runs it.

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <array>
#include <cstdio>
#include <filesystem>

#include "set_builder.h"
#include "storage/tables.h"

namespace fs = std::filesystem;

namespace tolvane::test {
namespace {

struct CliRun {
  int status = -1;
  std::string out;  // standard output and standard error, in that order
};

CliRun RunCli(const std::string& arguments) {
  CliRun run;
  const std::string command = std::string(TOLVANE_BIN_DIR) + "/tolvane-cli " + arguments + " 2>&1";
  FILE* pipe = ::popen(command.c_str(), "r");
  if (!pipe) return run;
  std::array<char, 4096> buffer{};
  std::size_t n;
  while ((n = std::fread(buffer.data(), 1, buffer.size(), pipe)) > 0) run.out.append(buffer.data(), n);
  const int raw = ::pclose(pipe);
  run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  return run;
}

TEST(Cli, ShippedSetsAreRewrittenByteForByte) {
  const std::string data = TOLVANE_DATA_DIR;
  CliRun run = RunCli("check " + data + "/I3EMPTY/I3EMPTY " + data + "/DEMO/DEMO.sty");
  EXPECT_EQ(run.status, 0) << run.out;
  EXPECT_EQ(run.out, data + "/I3EMPTY/I3EMPTY: identical\n" + data + "/DEMO/DEMO: identical\n");
}

TEST(Cli, GeneratedSetsAreRewrittenByteForByte) {
  TempDir dir;
  std::string arguments = "check";
  std::string expected;
  for (int blocks = 1; blocks <= 8; ++blocks) {
    Rng rng(static_cast<std::uint32_t>(100 + blocks));
    const std::string name = "SET" + std::to_string(blocks);
    WriteSetFiles(dir.path(), name, RandomSet(rng, blocks));
    arguments += " " + dir / name;
    expected += dir / name + ": identical\n";
  }
  CliRun run = RunCli(arguments);
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out, expected);
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

TEST(Cli, UnreadableSetsNameTheFileAndTheReason) {
  TempDir dir;
  Rng rng(10);
  WriteSetFiles(dir.path(), "MYSET", RandomSet(rng, 1));
  fs::remove(dir / "MYSET.SNG");
  CliRun run = RunCli("check " + dir / "MYSET");
  EXPECT_EQ(run.status, 2);
  EXPECT_EQ(run.out, dir / "MYSET: File " + dir / "MYSET.SNG not found\n");

  WriteSetFiles(dir.path(), "BAD", RandomSet(rng, 1));
  Bytes bsq = ReadFileBytes(dir / "BAD.BSQ");
  bsq.resize(3000);
  WriteFileBytes(dir / "BAD.BSQ", bsq);
  run = RunCli("info " + dir / "BAD.ARR");
  EXPECT_EQ(run.status, 2);
  EXPECT_EQ(run.out, dir / "BAD: Error getting Backing Sequence data.\n");
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

TEST(Cli, InfoListsTheDemoSet) {
  CliRun run = RunCli("info " + std::string(TOLVANE_DATA_DIR) + "/DEMO/DEMO");
  EXPECT_EQ(run.status, 0);
  EXPECT_NE(run.out.find("  A11 Pop Ballad (U23)\n"), std::string::npos) << run.out;
  EXPECT_NE(run.out.find("Styles: 8 Blocks\n"), std::string::npos);
  EXPECT_NE(run.out.find("  Block 1: 9250 events free\n"), std::string::npos);
}

TEST(Cli, UsageErrorsAreReported) {
  CliRun run = RunCli("frobnicate");
  EXPECT_EQ(run.status, 2);
  EXPECT_EQ(run.out.rfind("tolvane-cli: unknown command or wrong number of arguments: frobnicate\n", 0), 0u);
  run = RunCli("--help");
  EXPECT_EQ(run.status, 0);
  EXPECT_NE(run.out.find("  resave SET DEST"), std::string::npos);
}

}  // namespace
}  // namespace tolvane::test
