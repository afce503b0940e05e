#pragma once
// Helpers for the fixed-width 8-bit names of the instrument.

#include <string>
#include <string_view>

namespace tolvane {

inline constexpr std::size_t kNameWidth = 10;
inline const std::string kBlankName(kNameWidth, ' ');

// Names are compared after trimming blanks at both ends.
std::string TrimBlanks(std::string_view s);
// Pads with blanks or cuts to exactly width characters.
std::string PadOrCut(std::string_view s, std::size_t width);
// ASCII upper case; bytes above 127 are left alone.
std::string UpperAscii(std::string_view s);
std::string LowerAscii(std::string_view s);
bool EqualsIgnoreAsciiCase(std::string_view a, std::string_view b);
// Decimal text of value with at least `digits` digits (NEWSET01).
std::string ZeroPadded(int value, int digits);

}  // namespace tolvane
