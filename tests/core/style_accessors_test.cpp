#include <gtest/gtest.h>

#include "random_styles.h"
#include "scripted_ui.h"
#include "storage/tables.h"
#include "storage/text.h"
#include "storage/workspace.h"
#include "styles/style_accessors.h"

namespace tolvane {
namespace {

TEST(StyleNumbers, SplitAndJoinAtTheBankEdges) {
  EXPECT_EQ(StyleNumber(0, 47), 47);
  EXPECT_EQ(StyleNumber(1, 0), 48);
  EXPECT_EQ(StyleNumber(2, 0), -1);
  EXPECT_EQ(UserStyleIndexOfBank(1, 31), 31);
  EXPECT_EQ(UserStyleIndexOfBank(0, 3), -1);
  EXPECT_EQ(SplitStyleNumber(47), std::make_pair(0, 47));
  EXPECT_EQ(SplitStyleNumber(48), std::make_pair(1, 0));
  EXPECT_EQ(SplitStyleNumber(79), std::make_pair(1, 31));
  EXPECT_EQ(UserIndexOfStyle(79), 31);
  EXPECT_EQ(UserIndexOfStyle(47), -1);
  EXPECT_EQ(UserStyleNumber(31), 79);
  EXPECT_EQ(UserStyleNumber(32), -1);
  // Numbers that name no Style.
  for (int n : {80, -1}) {
    EXPECT_EQ(SplitStyleNumber(n), std::make_pair(65535, 65535));
    EXPECT_EQ(UserIndexOfStyle(n), -1);
    EXPECT_EQ(StyleLabel(n), "");
  }
}

TEST(StyleNumbers, NamesAndLabels) {
  PresetNames presets;
  presets.styles[47] = "Last Pres ";
  StyleSetData data;
  data.headers[31].SetName("Mine");
  EXPECT_EQ(StyleName(presets, data, 47), "Last Pres ");
  EXPECT_EQ(StyleName(presets, data, 79), "Mine      ");
  EXPECT_EQ(StyleName(presets, data, 80), "");
  EXPECT_EQ(StyleName(presets, data, -1), "");
  EXPECT_EQ(UserStyleName(data, -1), kBlankName);
  EXPECT_EQ(StyleLabel(0), "P11");
  EXPECT_EQ(StyleLabel(47), "P68");
  EXPECT_EQ(StyleLabel(48), "U11");
  EXPECT_EQ(StyleLabel(79), "U84");
  EXPECT_EQ(UserStyleLabel(4), "U21");
  EXPECT_EQ(UserStyleLabel(32), "");
  data.headers[0].SetName(kBlankName);
  EXPECT_TRUE(IsUserStyleEmpty(data, 0));
  EXPECT_FALSE(IsUserStyleEmpty(data, 31));
  EXPECT_FALSE(IsUserStyleEmpty(data, -1));
}

TEST(StyleEvents, CountFromSizesAndShareTheBlock) {
  StyleSetData data;
  data.sizes = {};
  data.sizes[4] = 1168 + 4 * 100 + 3;  // a partial event does not count
  data.sizes[5] = 1168;
  data.sizes[6] = 1168;
  data.sizes[7] = 1168 + 4 * 250;
  EXPECT_EQ(StyleEventCount(data, 4), 100);
  EXPECT_EQ(StyleEventCount(data, -1), -1);
  for (int i = 4; i < 8; ++i) EXPECT_EQ(BlockFreeEvents(data, i), 14850);
  EXPECT_EQ(BlockFreeEvents(data, -1), -1);
  // A Block already over its capacity.
  data.sizes[4] = data.sizes[5] = data.sizes[6] = data.sizes[7] = 65535;
  EXPECT_EQ(BlockFreeEvents(data, 5), 15200 - 4 * ((65535 - 1168) / 4));
}

TEST(StyleClipboard, CopyAndPasteMoveTheWholeStyle) {
  test::ScriptedUi ui;
  Workspace ws(ui, ui);
  const int from = AllocateDocumentSlot(ws);
  const int to = AllocateDocumentSlot(ws);
  test::Rng rng(9);
  ws.Stores(from).styles = test::RandomStyleSetData(rng, 2);

  StyleClip clip;
  clip.operation = kUndoCopy;
  CopyStyleToClip(clip, ws, from, 6);
  EXPECT_EQ(clip.operation, kUndoCopy);
  EXPECT_EQ(clip.sourceSet, from);
  EXPECT_EQ(clip.sourceNumber, 6);
  const StyleSetData& source = ws.Stores(from).styles;
  EXPECT_EQ(clip.size, source.sizes[6]);
  EXPECT_EQ(clip.header, source.headers[6]);
  EXPECT_EQ(clip.data, source.data[6]);

  StyleClip untouched = clip;
  CopyStyleToClip(untouched, ws, from, -1);
  EXPECT_EQ(untouched.sourceNumber, 6);

  EXPECT_EQ(PasteClipToStyle(clip, ws, to, -1), -1);
  EXPECT_EQ(ws.Slot(to).modified[kStyle], 0);
  EXPECT_EQ(PasteClipToStyle(clip, ws, to, 2), 6);
  EXPECT_EQ(ws.Slot(to).modified[kStyle], 1);
  EXPECT_EQ(ws.Slot(from).modified[kStyle], 0);
  const StyleSetData& dest = ws.Stores(to).styles;
  EXPECT_EQ(dest.present[2], source.present[6]);
  EXPECT_EQ(dest.sizes[2], source.sizes[6]);
  EXPECT_EQ(dest.headers[2], source.headers[6]);
  EXPECT_EQ(dest.data[2], source.data[6]);
}

TEST(StyleHeader, TrackCallsIgnoreBitSevenAndKeepTheOtherBytes) {
  StyleHeader h;
  for (std::size_t b = 0; b < h.bytes.size(); ++b) h.bytes[b] = static_cast<std::uint8_t>(0xC0 + b);
  h.bytes[38 + 4 * 5] = 0x41;
  h.bytes[38 + 4 * 5 + 1] = 0x81;
  EXPECT_EQ(h.TrackProgram(5), 256 + 0x41);
  StyleHeader before = h;
  h.SetTrackProgram(2, 519);
  EXPECT_EQ(h.bytes[46], 519 % 256);
  EXPECT_EQ(h.bytes[47], 519 / 256);
  EXPECT_EQ(h.TrackProgram(2), 519);
  before.bytes[46] = h.bytes[46];
  before.bytes[47] = h.bytes[47];
  EXPECT_EQ(h, before);
  EXPECT_EQ(h.TrackProgram(6), -1);
}

}  // namespace
}  // namespace tolvane
