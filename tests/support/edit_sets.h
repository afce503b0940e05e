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

// "ARR 07", "PRG 12": the names EditSet gives.
std::string NumberedName(const std::string& prefix, int n);

// A workspace whose Sets are put straight into document slots.
struct EditWorkspace {
  // Puts the Set into the lowest free slot as if opened; returns its number.
  int Add(const SetStores& set, const std::string& name);
  // Closes Set d as its window does (without asking to save).
  void Close(int d);
  // Each of the five files of Set d, encoded, equals that of expected.
  void ExpectSet(int d, const SetStores& expected) const;

  TestWorkspace t;
  ScriptedUi& ui = t.ui;
  Workspace& ws = t.ws;
};

}  // namespace tolvane::test
