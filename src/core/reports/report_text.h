#pragma once
// The pieces every report text is made of: CR LF line ends, the ruling line
// and names shown in a fixed width.

#include <string>
#include <string_view>

namespace tolvane {

inline constexpr std::string_view kCrLf = "\r\n";
inline constexpr std::size_t kReportWidth = 100;

// 100 underscores: the line under a heading and at the end of every section.
std::string RuleLine();
// A name as the reports show it: NUL bytes (the names of Styles whose Block
// the file does not hold) become blanks; nothing else changes.
std::string ShownName(std::string_view name);
// ShownName cut or padded with blanks to the 10 characters of a name column.
std::string NameColumn(std::string_view name);

}  // namespace tolvane
