#pragma once
// Set names come from file paths, which are UTF-8; the instrument's own
// names are Windows-1252. These tell the two apart where both meet.

#include <cstddef>
#include <string_view>

namespace tolvane {

// Whether the bytes are well-formed UTF-8 (no overlong forms, surrogates or
// values beyond Unicode).
bool IsValidUtf8(std::string_view s);
// The characters a name shows: its code points when it is UTF-8, else its
// bytes (each a Windows-1252 character).
std::size_t ShownLength(std::string_view s);

}  // namespace tolvane
