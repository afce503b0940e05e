// Any bytes, read as each of the four IStyle files: the decoders never read
// outside the file, and whatever one accepts is written as a file that reads
// back as the same item.
#include <cstdlib>

#include "istyle/istyle_files.h"

namespace {

using namespace tolvane;

template <class Clip, class Encode>
void ReadsBack(std::span<const std::uint8_t> file, bool (*decode)(std::span<const std::uint8_t>, Clip&),
               Encode encode) {
  Clip read;
  if (!decode(file, read)) return;
  Clip again;
  if (!decode(encode(read), again) || !(again == read)) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::span<const std::uint8_t> file(data, size);
  ReadsBack(file, DecodeIStyleArrangement, [](const ArrangementClip& c) { return EncodeIStyleArrangement(c.item); });
  ReadsBack(file, DecodeIStyleStyle, [](const StyleClip& c) { return EncodeIStyleStyle(c); });
  ReadsBack(file, DecodeIStyleProgram, [](const ProgramClip& c) { return EncodeIStyleProgram(c.record); });
  ReadsBack(file, DecodeIStyleDrumKit, [](const ProgramClip& c) { return EncodeIStyleDrumKit(c.record, c.drumKit); });
  return 0;
}
