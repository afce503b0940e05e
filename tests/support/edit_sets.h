#pragma once
// Sets for edit scenarios: random bytes in every carried field, with names
// and calls made plain so that each test decides who calls what.

#include <string>

#include "set_builder.h"

namespace tolvane::test {

// Arrangement n is named "ARR nn" (two digits) and calls preset Style P11
// and preset Program A11 on every track. User Program u is "PRG nn", the
// drum kits "KIT 7" and "KIT 8"; present user Style i is "STY nn". Backing
// Sequence b is "BSQ b" and calls Arrangement 100 (none), preset Style P11
// and A11; Song n is "SNG n" with A11 on every track. Nothing else calls
// anything.
SetStores EditSet(std::uint32_t seed, int blockCount = 2);

inline ArrangementRecord& Arr(SetStores& s, int n) { return s.arrangements.records[static_cast<std::size_t>(n)]; }
inline ProgramRecord& Prg(SetStores& s, int u) { return s.programs.records[static_cast<std::size_t>(u)]; }
inline BackingSequenceRecord& Bsq(SetStores& s, int b) {
  return s.backingSequences.records[static_cast<std::size_t>(b)];
}
inline SongRecord& Song(SetStores& s, int n) { return s.songs.records[static_cast<std::size_t>(n)]; }

// The full texts of the questions and notices edits show.
std::string ArrangementReferenceQuestion(const std::string& name);
std::string ProgramReleaseQuestion(const std::string& name);
// kind "Arrangement" or "Program"; first and second are labels.
std::string DuplicateNotice(const std::string& kind, const std::string& first, const std::string& second,
                            const std::string& name);

// A workspace whose Sets are put straight into document slots.
struct EditWorkspace {
  // Puts the Set into the lowest free slot as if opened; returns its number.
  int Add(const SetStores& set, const std::string& name);
  // Closes Set d as its window does (without asking to save).
  void Close(int d);
  // Each of the five files of Set d, encoded, equals that of expected.
  void ExpectSet(int d, const SetStores& expected) const;
  // Scripts a Yes/No/Cancel question (Cancel the default) and its answer.
  void ExpectQuestion(const std::string& text, MsgResult answer);
  // Scripts a notice with only an OK button.
  void ExpectNotice(const std::string& text);

  TestWorkspace t;
  ScriptedUi& ui = t.ui;
  Workspace& ws = t.ws;
};

}  // namespace tolvane::test
