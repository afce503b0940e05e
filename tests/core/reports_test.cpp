// The Set report and the subset tables of Sets made in the test, with exact
// texts, and the report files they are saved to.

#include <gtest/gtest.h>

#include <filesystem>

#include "edit_sets.h"
#include "reports/calls_sections.h"
#include "reports/report_date.h"
#include "reports/report_files.h"
#include "reports/report_sections.h"
#include "reports/set_report.h"
#include "reports/subset_report.h"
#include "storage/tables.h"

namespace fs = std::filesystem;

namespace tolvane::test {
namespace {

const std::string kRule(100, '_');

std::string Section(const std::string& title, const std::string& body) {
  return "\r\n" + title + "MYSET\r\n\r\n" + body + kRule + "\r\n";
}

// Line `n` (from 0) of text, without its line end.
std::string Line(const std::string& text, int n) {
  std::size_t start = 0;
  for (int i = 0; i < n; ++i) start = text.find("\r\n", start) + 2;
  return text.substr(start, text.find("\r\n", start) - start);
}

// EditSet with two Blocks: the Styles from U31 on are not in the file and
// have names of NUL bytes.
class Reports : public ::testing::Test {
 protected:
  int Add() { return w.Add(set, "MYSET"); }
  EditWorkspace w;
  SetStores set = EditSet(5, 2);
};

TEST_F(Reports, EmptyNamesShowAsTenBlanksAndTheDrumKitsShareTheClosingLine) {
  Arr(set, 1).SetName("");
  Prg(set, 65).SetName("");
  Bsq(set, 3).SetName("");
  const SetStores& s = w.ws.Stores(Add());
  EXPECT_EQ(Line(UserArrangementsSection(s, "MYSET"), 3),
            "A11 ARR 00         A12                A13 ARR 02         A14 ARR 03         ");
  const std::string programs = UserProgramsSection(s, "MYSET");
  EXPECT_EQ(Line(programs, 19), "Dr7 KIT 7          Dr8                " + kRule);
  EXPECT_EQ(programs.size(), Line(programs, 0).size() + 2 + Line(programs, 1).size() + 4 + 16 * 78 + 38 + 100 + 2);
  EXPECT_EQ(Line(UserStylesSection(s, "MYSET"), 5),
            "U31                U32                U33                U34                ");
  EXPECT_EQ(BackingSequencesSection(s, "MYSET"),
            Section("BACKING SEQUENCES in ", "0: BSQ 0      1: BSQ 1      2: BSQ 2      3:            4: BSQ 4      \r\n"
                                             "5: BSQ 5      6: BSQ 6      7: BSQ 7      8: BSQ 8      9: BSQ 9      \r\n"));
}

TEST_F(Reports, CallersTenToTheFirstLineElevenToEachNext) {
  for (int a = 0; a < 11; ++a) {
    Arr(set, a).SetTrackProgram(0, 321);
    if (a < 10) Arr(set, a).SetTrackProgram(1, 320);
  }
  const int d = Add();
  EXPECT_EQ(ProgramCallsSection(w.ws, d, "MYSET"),
            Section("CALLS to User PROGRAMS in ",
                    "D11: Arr A11, Arr A12, Arr A13, Arr A14, Arr A15, Arr A16, Arr A17, Arr A18, Arr A21, Arr A22\r\n"
                    "D12: Arr A11, Arr A12, Arr A13, Arr A14, Arr A15, Arr A16, Arr A17, Arr A18, Arr A21, Arr A22, "
                    "\r\n     Arr A23\r\n"));
  EXPECT_EQ(StyleCallsSection(w.ws, d, "MYSET"), Section("CALLS to User STYLES in ", ""));
  EXPECT_EQ(ArrangementCallsSection(w.ws, d, "MYSET"), Section("CALLS to User ARRANGEMENTS in ", "None\r\n"));
  w.ws.Stores(d).backingSequences.records[0].SetArrangement(3);
  w.ws.Stores(d).backingSequences.records[7].SetArrangement(3);
  EXPECT_EQ(ArrangementCallsSection(w.ws, d, "MYSET"),
            Section("CALLS to User ARRANGEMENTS in ", "A14: BSeq 0, BSeq 7\r\n"));

  BuildSetReport(w.ws, d, "");
  EXPECT_EQ(w.ui.progressCaptions, std::vector<std::string>{"Creating Set Report..."});
  EXPECT_EQ(w.ui.progressValue, 67);
}

TEST(ReportHeading, DateAtTheRightEdgeUnlessTheNameIsTooLong) {
  std::tm when{};
  when.tm_mday = 7, when.tm_mon = 2, when.tm_year = 125, when.tm_hour = 9, when.tm_min = 5;
  const std::string date = FormatReportDate(when);
  EXPECT_EQ(date, "7-Mar-2025 09:05:00");
  EXPECT_EQ(Line(SetReportHeader("DEMO", date), 3), "DEMO" + std::string(77, ' ') + date);
  // A name from a UTF-8 path is padded by the characters it shows.
  EXPECT_EQ(Line(SetReportHeader("CAF\xC3\x89", date), 3), "CAF\xC3\x89" + std::string(77, ' ') + date);
  const std::string name(95, 'N');
  EXPECT_EQ(SetReportHeader(name, date),
            std::string(40, ' ') + "Korg-i3 Set Report\r\n" + kRule + "\r\n\r\n" + name + date + "\r\n" + kRule + "\r\n");
}

TEST_F(Reports, SubsetRowsKeepNamesAsStoredAndLeaveInvalidCallsEmpty) {
  Arr(set, 0).SetName(" A  B");
  Arr(set, 0).SetStyleNumber(99);
  Arr(set, 0).SetTrackProgram(1, 321);
  Arr(set, 0).SetTrackProgram(2, 200);
  Arr(set, 1).SetName("");
  Prg(set, 65).SetName("");
  const int d = Add();
  const std::string arrangements = SubsetReportText(w.ws, d, kArrangement);
  EXPECT_EQ(Line(arrangements, 1), "MYSET\tA11\t A  B     \t\t\tA11\tProg A11  \tD12\tPRG 01    \t\t\tA11\tProg A11  "
                                   "\tA11\tProg A11  \tA11\tProg A11  \tA11\tProg A11  \tA11\tProg A11  ");
  EXPECT_EQ(Line(arrangements, 2), "MYSET\tA12\t");
  EXPECT_EQ(Line(SubsetReportText(w.ws, d, kStyle), 9), "MYSET\tU31\t");
  const std::string programs = SubsetReportText(w.ws, d, kProgram);
  EXPECT_EQ(programs.substr(programs.size() - 34), "MYSET\tDr7\tKIT 7     \r\nMYSET\tDr8\t\r\n");
  EXPECT_EQ(SubsetReportText(w.ws, d, kSong), "");
}

TEST_F(Reports, FilesAreWrittenWholeAfterTheDialogAndTheQuestion) {
  const int d = Add();
  const std::string path = w.t.dir / "R.TXT";
  w.ui.ExpectFileDialog("").ExpectFileDialog(path);
  EXPECT_FALSE(SaveReportFile(w.ws, d, "cancelled"));
  EXPECT_TRUE(SaveReportFile(w.ws, d, "text"));
  EXPECT_EQ(ReadFileBytes(path), Bytes({'t', 'e', 'x', 't', '\r', '\n'}));
  const FileDialogRequest& dialog = w.ui.fileDialogs.at(0);
  EXPECT_EQ(dialog.title, "Save Report to File...");
  EXPECT_EQ(dialog.initialFolder + "|" + dialog.initialName + "|" + dialog.defaultExtension, w.t.dir.path() + "|MYSET.TXT|TXT");
  EXPECT_EQ(dialog.filters.at(0).name + " " + dialog.filters.at(0).pattern, "Report *.TXT");

  w.ui.ExpectFileDialog(path).ExpectBox("", "Overwrite existing file?", MsgIcon::Question, MsgButtons::YesNo,
                                        MsgResult::No, MsgResult::No);
  EXPECT_FALSE(SaveReportFile(w.ws, d, "other"));
  EXPECT_EQ(ReadFileBytes(path).size(), 6u);

  w.ui.ExpectFileDialog(path).ExpectMessage("Overwrite existing file?", MsgResult::Yes);
  EXPECT_TRUE(CreateSubsetReportFile(w.ws, d, kBackingSequence));
  EXPECT_TRUE(ReadFileBytes(path).empty());
  EXPECT_EQ(w.ui.fileDialogs.back().title, "Save Backing Sequence Report to File...");
  EXPECT_EQ(w.ui.fileDialogs.back().filters.size(), 2u);

  // Saved through a link, the file it names is replaced and keeps its bits.
  const std::string link = w.t.dir / "LINK.TXT";
  fs::create_symlink(path, link);
  fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  w.ui.ExpectFileDialog(link).ExpectMessage("Overwrite existing file?", MsgResult::Yes);
  EXPECT_TRUE(SaveReportFile(w.ws, d, "linked"));
  EXPECT_TRUE(fs::is_symlink(link));
  EXPECT_EQ(ReadFileBytes(path).size(), 8u);
  EXPECT_EQ(fs::status(path).permissions() & fs::perms::all,
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);

  fs::permissions(path, fs::perms::owner_read);  // no one may write it now
  w.ui.ExpectFileDialog(path).ExpectMessage("Overwrite existing file?", MsgResult::Yes)
      .ExpectMessage("Error saving Report to file " + path);
  EXPECT_FALSE(SaveReportFile(w.ws, d, "refused"));
  EXPECT_EQ(ReadFileBytes(path).size(), 8u);
}

}  // namespace
}  // namespace tolvane::test
