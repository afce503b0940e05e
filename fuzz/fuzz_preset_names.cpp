// Any text: the preset names reader returns and fills names of 10 characters.
#include <cstdlib>
#include <string>

#include "storage/preset_names.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  tolvane::PresetNames names;
  if (tolvane::ParsePresetNames(std::string(reinterpret_cast<const char*>(data), size), names))
    for (const auto& n : names.styles)
      if (n.size() != 10) std::abort();
  return 0;
}
