#pragma once
// Writing a text file whole or not at all.

#include <string>
#include <string_view>

namespace tolvane {

// Writes bytes to a new file beside path and renames it over path, so that
// a failed write leaves whatever was at path as it was. Nothing is written
// when the file or its folder is marked read-only. False when anything fails.
bool WriteFileWhole(const std::string& path, std::string_view bytes);

}  // namespace tolvane
