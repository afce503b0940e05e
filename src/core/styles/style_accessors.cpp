#include "styles/style_accessors.h"

#include <algorithm>

#include "storage/tables.h"
#include "storage/text.h"
#include "sets/workspace.h"

namespace tolvane {

namespace {
bool IsUserIndex(int userIndex) { return userIndex >= 0 && userIndex < kUserStyleCount; }
std::size_t At(int userIndex) { return static_cast<std::size_t>(userIndex); }
}  // namespace

std::int16_t StyleNumber(int bank, int index) {
  // An index beyond its bank would land in another bank or on no Style.
  if (bank == 0 && index >= 0 && index < kPresetStyleCount) return static_cast<std::int16_t>(index);
  if (bank == 1 && IsUserIndex(index)) return static_cast<std::int16_t>(index + kFirstUserStyleNumber);
  return -1;
}

std::int16_t UserStyleIndexOfBank(int bank, int index) {
  return bank == 1 ? static_cast<std::int16_t>(index) : std::int16_t{-1};
}

std::pair<int, int> SplitStyleNumber(int number) {
  if (number >= 0 && number < kPresetStyleCount) return {0, number};
  if (const int user = UserIndexOfStyle(number); user >= 0) return {1, user};
  return {65535, 65535};
}

std::int16_t UserIndexOfStyle(int number) {
  const int user = number - kFirstUserStyleNumber;
  return IsUserIndex(user) ? static_cast<std::int16_t>(user) : std::int16_t{-1};
}

std::int16_t UserStyleNumber(int userIndex) {
  return IsUserIndex(userIndex) ? static_cast<std::int16_t>(userIndex + kFirstUserStyleNumber) : std::int16_t{-1};
}

std::string StyleName(const PresetNames& presets, const StyleSetData& data, int number) {
  if (number >= 0 && number < kPresetStyleCount) return presets.styles[static_cast<std::size_t>(number)];
  if (const int user = UserIndexOfStyle(number); user >= 0) return UserStyleName(data, user);
  return "";
}

std::string UserStyleName(const StyleSetData& data, int userIndex) {
  // A Style of a Block the file does not hold has no name (its bytes are zero).
  if (!IsUserIndex(userIndex) || data.present[At(userIndex)] == 0) return kBlankName;
  return data.headers[At(userIndex)].Name();
}

std::string StyleLabel(int number) {
  const auto [bank, index] = SplitStyleNumber(number);
  return bank == 65535 ? "" : ItemLabel(kStyle, bank, index);
}

std::string UserStyleLabel(int userIndex) {
  return IsUserIndex(userIndex) ? ItemLabel(kStyle, 1, userIndex) : "";
}

bool IsUserStyleEmpty(const StyleSetData& data, int userIndex) {
  return IsUserIndex(userIndex) && UserStyleName(data, userIndex) == kBlankName;
}

int FindUserStyleByName(const StyleSetData& data, const std::string& name) {
  const int present = std::min(kStylesPerBlock * data.blockCount, kUserStyleCount);
  for (int i = 0; i < present; ++i)
    if (data.headers[At(i)].Name() == name) return UserStyleNumber(i);
  return -1;
}

int StyleEventCount(const StyleSetData& data, int userIndex) {
  if (!IsUserIndex(userIndex)) return -1;
  return (data.sizes[At(userIndex)] - kStyleBaseSize) / 4;
}

int BlockFreeEvents(const StyleSetData& data, int userIndex) {
  if (!IsUserIndex(userIndex)) return -1;
  const int first = userIndex / kStylesPerBlock * kStylesPerBlock;
  int used = 0;
  for (int i = first; i < first + kStylesPerBlock; ++i) used += StyleEventCount(data, i);
  return kBlockEventCapacity - used;
}

void CopyStyleToClip(StyleClip& clip, const Workspace& ws, int d, int userIndex) {
  if (!IsUserIndex(userIndex)) return;
  const StyleSetData& styles = ws.Stores(d).styles;
  clip.sourceSet = static_cast<std::int16_t>(d);
  clip.sourceNumber = static_cast<std::int16_t>(userIndex);
  clip.present = styles.present[At(userIndex)];
  clip.size = styles.sizes[At(userIndex)];
  clip.header = styles.headers[At(userIndex)];
  clip.data = styles.data[At(userIndex)];
}

int PasteClipToStyle(const StyleClip& clip, Workspace& ws, int d, int userIndex) {
  if (!IsUserIndex(userIndex)) return -1;
  StyleSetData& styles = ws.Stores(d).styles;
  styles.present[At(userIndex)] = clip.present;
  styles.sizes[At(userIndex)] = clip.size;
  styles.headers[At(userIndex)] = clip.header;
  styles.data[At(userIndex)] = clip.data;
  ws.MarkModified(d, kStyle);
  return clip.sourceNumber;
}

}  // namespace tolvane
