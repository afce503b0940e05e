// The backing sequence reader: the events kept for each item are as long as its
// track offsets say.
#include "reads_back.h"
#include "sequences/sequence_data.h"

using namespace tolvane;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  BackingSequenceSetData read;
  if (DecodeBackingSequenceFile({data, size}, read))
    for (std::size_t i = 0; i < kSequenceItemCount; ++i)
      fuzz::Expect(read.eventData[i].size() == kEventBlockSize * static_cast<std::size_t>(read.itemSizes[i]));
  fuzz::ExpectReadsBack(read, DecodeBackingSequenceFile, EncodeBackingSequenceFile);
  return 0;
}
