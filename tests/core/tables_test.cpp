#include <gtest/gtest.h>

#include "storage/tables.h"

namespace tolvane {
namespace {

TEST(ItemLabel, FollowsTheBankRules) {
  EXPECT_EQ(ItemLabel(kStyle, 1, 0), "U11");
  EXPECT_EQ(ItemLabel(kStyle, 1, 3), "U14");
  EXPECT_EQ(ItemLabel(kStyle, 1, 4), "U21");
  EXPECT_EQ(ItemLabel(kStyle, 1, 31), "U84");
  EXPECT_EQ(ItemLabel(kStyle, 0, 47), "P68");
  EXPECT_EQ(ItemLabel(kProgram, 4, 6), "Dr7");
  EXPECT_EQ(ItemLabel(kArrangement, 0, 63), "A88");
  EXPECT_EQ(ItemLabel(kProgram, 3, 0), "D11");
  EXPECT_EQ(ItemLabel(kProgram, 2, 63), "C88");
}

TEST(KindTable, ProgramsAndGlobalShareOneFile) {
  EXPECT_EQ(KindExtension(kProgram), KindExtension(kGlobal));
  EXPECT_EQ(KindHeaderCode(kProgram), KindHeaderCode(kGlobal));
  EXPECT_EQ(KindName(kBackingSequence), "Backing Sequence");
  EXPECT_EQ(KindName(12), "");
  EXPECT_EQ(BankLetter(kProgram, 5), " ");
  EXPECT_EQ(BankHighestIndex(kProgram, 4), 7);
}

}  // namespace
}  // namespace tolvane
