// Any bytes: the reader returns, never reads outside the file, and whatever
// it keeps is written as a file that reads back.
#include <cstdlib>

#include "sequences/sequence_data.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  tolvane::BackingSequenceSetData read;
  tolvane::DecodeBackingSequenceFile({data, size}, read);
  tolvane::BackingSequenceSetData again;
  const tolvane::Bytes written = tolvane::EncodeBackingSequenceFile(read);
  if (!tolvane::DecodeBackingSequenceFile(written, again) || tolvane::EncodeBackingSequenceFile(again) != written) std::abort();
  return 0;
}
