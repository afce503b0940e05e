// Any bytes: the reader of Programs and of the global record returns, never
// reads outside the file, and whatever it keeps is written as a file that
// reads back.
#include <cstdlib>

#include "programs/program_data.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  tolvane::ProgramSetData read;
  tolvane::GlobalSetData global;
  tolvane::DecodeProgramFile({data, size}, read);
  tolvane::DecodeGlobalData({data, size}, global);
  tolvane::ProgramSetData again;
  tolvane::GlobalSetData globalAgain;
  const tolvane::Bytes written = tolvane::EncodeProgramFile(read, global);
  if (!tolvane::DecodeProgramFile(written, again) || !tolvane::DecodeGlobalData(written, globalAgain) ||
      tolvane::EncodeProgramFile(again, globalAgain) != written)
    std::abort();
  return 0;
}
