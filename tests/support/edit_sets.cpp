#include "edit_sets.h"

#include <gtest/gtest.h>

#include "sets/set_files.h"
#include "storage/tables.h"

namespace tolvane::test {

namespace {

// "ARR 07", "PRG 12".
std::string NumberedName(const std::string& prefix, int n) {
  return prefix + (n < 10 ? " 0" : " ") + std::to_string(n);
}

}  // namespace

std::string ArrangementReferenceQuestion(const std::string& name) {
  return name + " Arrangement is referenced by\r\none or more Backing Sequences.\r\n"
                "Change references to another Arrangement?";
}

std::string ProgramReleaseQuestion(const std::string& name) {
  return "Program '" + name + "' is referenced by one or more\r\nArrangements, Styles, Backing Sequences, etc.\r\n\r\n"
                              "Redirect them to another Program?";
}

std::string DuplicateNotice(const std::string& kind, const std::string& first, const std::string& second,
                            const std::string& name) {
  return kind + " duplicate name\r\n" + first + " - " + second + "  (" + name + ")";
}

SetStores EditSet(std::uint32_t seed, int blockCount) {
  Rng rng(seed);
  SetStores set = RandomSet(rng, blockCount);
  for (int a = 0; a < kArrangementCount; ++a) {
    auto& r = Arr(set, a);
    r.SetName(NumberedName("ARR", a));
    r.SetStyleNumber(0);
    for (int t = 0; t < kArrangementTracks; ++t) r.SetTrackProgram(t, 0);
  }
  for (int u = 0; u < kUserProgramCount; ++u)
    Prg(set, u).SetName(NumberedName("PRG", u));
  set.programs.records[64].SetName("KIT 7");
  set.programs.records[65].SetName("KIT 8");
  for (int i = 0; i < kStylesPerBlock * blockCount; ++i) {
    auto& h = set.styles.headers[static_cast<std::size_t>(i)];
    h.SetName(NumberedName("STY", i));
    for (int t = 0; t < kStyleTracks; ++t) h.SetTrackProgram(t, 0);
  }
  for (int b = 0; b < kSequenceItemCount; ++b) {
    auto& r = Bsq(set, b);
    r.SetName("BSQ " + std::to_string(b));
    r.SetArrangement(100);
    r.SetStyle(0);
    for (int t = 0; t < kBackingSequenceTracks; ++t) r.SetTrackProgram(t, 0);
    auto& s = Song(set, b);
    s.SetName("SNG " + std::to_string(b));
    for (int t = 0; t < kSongTracks; ++t) s.SetTrackProgram(t, 0);
  }
  return set;
}

int EditWorkspace::Add(const SetStores& set, const std::string& name) {
  const int d = AllocateDocumentSlot(ws);
  ws.Stores(d) = set;
  ws.Slot(d).name = name;
  ws.Slot(d).folder = t.dir.path();
  return d;
}

void EditWorkspace::Close(int d) {
  ws.Slot(d).modified = {};
  ASSERT_TRUE(QueryCloseDocument(ws, d));
  UnloadDocument(ws, d);
}

void EditWorkspace::ExpectSet(int d, const SetStores& expected) const {
  for (int k = 0; k < kSetFileKinds; ++k) {
    const Bytes actual = EncodeKind(ws.Stores(d), k);
    const Bytes wanted = EncodeKind(expected, k);
    if (actual == wanted) continue;
    std::size_t at = 0;
    while (at < actual.size() && at < wanted.size() && actual[at] == wanted[at]) ++at;
    ADD_FAILURE() << "Set " << d << ": the " << KindName(k) << " file differs first at byte " << at << " ("
                  << actual.size() << " bytes, " << wanted.size() << " expected)";
  }
}

void EditWorkspace::ExpectQuestion(const std::string& text, MsgResult answer) {
  ui.ExpectBox("", text, MsgIcon::Exclamation, MsgButtons::YesNoCancel, MsgResult::Cancel, answer);
}

void EditWorkspace::ExpectNotice(const std::string& text) {
  ui.ExpectBox("", text, MsgIcon::Exclamation, MsgButtons::Ok, MsgResult::Ok, MsgResult::Ok);
}

}  // namespace tolvane::test
