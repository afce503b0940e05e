// The transfer records the Edit commands go through: a Style clip carries the
// whole Style, and numbers outside a bank change nothing.

#include <gtest/gtest.h>

#include "arrangements/arrangement_clip.h"
#include "programs/program_clip.h"
#include "random_set_parts.h"
#include "set_builder.h"
#include "storage/tables.h"
#include "styles/style_accessors.h"

namespace tolvane::test {
namespace {

class Clips : public ::testing::Test {
 protected:
  Clips() {
    Rng rng(8);
    ws.Stores(a).arrangements = RandomArrangementSetData(rng, 0);
    ws.Stores(a).styles = RandomStyleSetData(rng, 2);
    ws.Stores(a).programs = RandomProgramSetData(rng);
    before = ws.Stores(b);
  }
  ScriptedUi ui;
  Workspace ws{ui, ui};
  const int a = AllocateDocumentSlot(ws);
  const int b = AllocateDocumentSlot(ws);
  SetStores before;
};

TEST_F(Clips, NumbersOutsideTheBankChangeNeitherClipNorSet) {
  ArrangementClip arrangement;
  StyleClip style;
  ProgramClip program;
  CopyArrangementToClip(arrangement, ws, a, 17);
  CopyStyleToClip(style, ws, a, 6);
  CopyProgramToClip(program, ws, a, 64);
  CopyArrangementToClip(arrangement, ws, a, -1);
  CopyStyleToClip(style, ws, a, -1);
  CopyProgramToClip(program, ws, a, -1);
  EXPECT_EQ(arrangement.item, ws.Stores(a).arrangements.records[17]);
  EXPECT_EQ(style.header, ws.Stores(a).styles.headers[6]);
  EXPECT_EQ(program.drumKit, ws.Stores(a).programs.drumKits[0]);
  for (int n : {-1, 64}) EXPECT_EQ(PasteClipToArrangement(arrangement, ws, b, n), -1);
  for (int n : {-1, 32}) EXPECT_EQ(PasteClipToStyle(style, ws, b, n), -1);
  for (int n : {-1, 66}) EXPECT_EQ(PasteClipToProgram(program, ws, b, n), -1);
  EXPECT_FALSE(ws.Slot(b).AnyModified());
  for (int k = 0; k < kSetFileKinds; ++k) EXPECT_EQ(EncodeKind(ws.Stores(b), k), EncodeKind(before, k)) << k;
}

}  // namespace
}  // namespace tolvane::test
