// Any bytes: the reader returns, never reads outside the file, and whatever
// it keeps is written as a file that reads back.
#include <cstdlib>

#include "sequences/sequence_data.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  tolvane::SongSetData read;
  tolvane::DecodeSongFile({data, size}, read);
  tolvane::SongSetData again;
  const tolvane::Bytes written = tolvane::EncodeSongFile(read);
  if (!tolvane::DecodeSongFile(written, again) || tolvane::EncodeSongFile(again) != written) std::abort();
  return 0;
}
