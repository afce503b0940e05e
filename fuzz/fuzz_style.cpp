// The style reader: at most eight Blocks, each Style whole or empty. A file
// whose first Block is damaged keeps no Block, and so no Style file.
#include "reads_back.h"
#include "styles/style_data.h"

using namespace tolvane;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  StyleSetData read;
  if (DecodeStyleFile({data, size}, read)) {
    fuzz::Expect(read.blockCount >= 1 && read.blockCount <= 8);
    for (std::size_t i = 0; i < kUserStyleCount; ++i)
      fuzz::Expect(!read.present[i] || read.data[i].empty() ||
                   read.data[i].size() == static_cast<std::size_t>(read.sizes[i]) - kStyleHeaderSize);
  }
  if (read.blockCount > 0) fuzz::ExpectReadsBack(read, DecodeStyleFile, EncodeStyleFile);
  return 0;
}
