#pragma once
// The instrument's names are 8-bit Windows-1252 text; the windows show and
// take QString. Every conversion between the two happens here.

#include <QString>

#include <string>
#include <string_view>

namespace tolvane {

QString FromCp1252(std::string_view bytes);
// Characters Windows-1252 cannot hold become "?".
std::string ToCp1252(const QString& text);

// Messages join item names (Windows-1252) and Set names taken from file
// paths (UTF-8): text that is valid UTF-8 is read as such, any other as
// Windows-1252.
QString FromMessageText(std::string_view bytes);

// File paths travel through the core as UTF-8.
QString FromPath(const std::string& path);
std::string ToPath(const QString& path);

}  // namespace tolvane
