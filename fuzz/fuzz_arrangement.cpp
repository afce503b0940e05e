// Any bytes: the reader returns, never reads outside the file, and whatever
// it keeps is written as a file that reads back.
#include <cstdlib>

#include "arrangements/arrangement_data.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  tolvane::ArrangementSetData read;
  tolvane::DecodeArrangementFile({data, size}, read);
  tolvane::ArrangementSetData again;
  const tolvane::Bytes written = tolvane::EncodeArrangementFile(read);
  if (!tolvane::DecodeArrangementFile(written, again) || tolvane::EncodeArrangementFile(again) != written) std::abort();
  return 0;
}
