// Any bytes: the reader returns, never reads outside the file, and whatever
// it keeps is written as a file that reads back.
#include <cstdlib>

#include "programs/program_data.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  tolvane::ProgramSetData read;
  tolvane::DecodeProgramFile({data, size}, read);
  tolvane::ProgramSetData again;
  const tolvane::Bytes written = tolvane::EncodeProgramFile(read, tolvane::GlobalRecord{});
  if (!tolvane::DecodeProgramFile(written, again) || tolvane::EncodeProgramFile(again, tolvane::GlobalRecord{}) != written) std::abort();
  return 0;
}
