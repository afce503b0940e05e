// Any bytes, read as each of the four IStyle files: whatever a decoder accepts
// is written as a file that reads back as the same item.
#include "istyle/istyle_files.h"
#include "reads_back.h"

using namespace tolvane;

template <class Clip, class Encode>
void ReadsBack(std::span<const std::uint8_t> file, bool (*decode)(std::span<const std::uint8_t>, Clip&), Encode encode) {
  if (Clip read; decode(file, read)) fuzz::ExpectReadsBack(read, decode, encode);
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::span<const std::uint8_t> file(data, size);
  ReadsBack(file, DecodeIStyleArrangement, [](const ArrangementClip& c) { return EncodeIStyleArrangement(c.item); });
  ReadsBack(file, DecodeIStyleStyle, [](const StyleClip& c) { return EncodeIStyleStyle(c); });
  ReadsBack(file, DecodeIStyleProgram, [](const ProgramClip& c) { return EncodeIStyleProgram(c.record); });
  ReadsBack(file, DecodeIStyleDrumKit, [](const ProgramClip& c) { return EncodeIStyleDrumKit(c.record, c.drumKit); });
  return 0;
}
