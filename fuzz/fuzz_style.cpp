// Any bytes: the reader returns, never reads outside the file, and whatever
// it keeps is written as a file that reads back.
#include <cstdlib>

#include "styles/style_data.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  tolvane::StyleSetData read;
  tolvane::DecodeStyleFile({data, size}, read);
  tolvane::StyleSetData again;
  const tolvane::Bytes written = tolvane::EncodeStyleFile(read);
  // A file whose first Block is damaged keeps no Block at all, and a file
  // without Blocks does not read back; every other one must.
  const bool readBack = tolvane::DecodeStyleFile(written, again);
  if (read.blockCount > 0 && (!readBack || tolvane::EncodeStyleFile(again) != written)) std::abort();
  return 0;
}
