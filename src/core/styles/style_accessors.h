#pragma once
// Style numbers, names, labels and event counts, and the moves between a user
// Style and its transfer record.

#include <cstdint>
#include <string>
#include <utility>

#include "styles/style_data.h"

namespace tolvane {

struct PresetNames;
class Workspace;

inline constexpr int kPresetStyleCount = 48;
inline constexpr int kFirstUserStyleNumber = 48;

// Bank 0 holds the 48 preset Styles, bank 1 the Set's 32 user Styles.
std::int16_t StyleNumber(int bank, int index);
std::int16_t UserStyleIndexOfBank(int bank, int index);
// (bank, index); (65535, 65535) for a number that names no Style.
std::pair<int, int> SplitStyleNumber(int number);
std::int16_t UserIndexOfStyle(int number);
std::int16_t UserStyleNumber(int userIndex);

std::string StyleName(const PresetNames& presets, const StyleSetData& data, int number);
std::string UserStyleName(const StyleSetData& data, int userIndex);
std::string StyleLabel(int number);
std::string UserStyleLabel(int userIndex);
bool IsUserStyleEmpty(const StyleSetData& data, int userIndex);
// The style number of the first user Style of the Blocks present whose
// 10-character name is exactly `name`; -1 for none.
int FindUserStyleByName(const StyleSetData& data, const std::string& name);

// Events of a user Style, counted from its size; -1 for no Style.
int StyleEventCount(const StyleSetData& data, int userIndex);
// Events still free in the Block of the user Style; -1 for no Style. Negative
// when the Block is already over its capacity.
int BlockFreeEvents(const StyleSetData& data, int userIndex);

// Fills the clip with the Style and its origin; no Style leaves it alone.
void CopyStyleToClip(StyleClip& clip, const Workspace& ws, int d, int userIndex);
// Writes the clip into the Style and marks the Set's Styles modified. Returns
// the clip's source index, or -1 (changing nothing) for no Style.
int PasteClipToStyle(const StyleClip& clip, Workspace& ws, int d, int userIndex);

}  // namespace tolvane
