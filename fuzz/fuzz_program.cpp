// The reader of Programs and of the global record: a file of the full size
// or longer reads whole (bytes past its end are no part of the Set) and is
// written back byte for byte but the names directory.
#include "programs/program_data.h"
#include "reads_back.h"

using namespace tolvane;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::span<const std::uint8_t> file(data, size);
  ProgramSetData read;
  GlobalSetData global;
  const bool whole = DecodeProgramFile(file, read);
  DecodeGlobalData(file, global);
  fuzz::Expect(whole == (size >= kProgramFileSize));
  const Bytes written = EncodeProgramFile(read, global);
  for (std::size_t i = 0; whole && i < written.size(); i = i == 87 ? 728 : i + 1) fuzz::Expect(written[i] == file[i]);
  ProgramSetData again;
  GlobalSetData globalAgain;
  fuzz::Expect(DecodeProgramFile(written, again) && DecodeGlobalData(written, globalAgain) &&
               EncodeProgramFile(again, globalAgain) == written);
  return 0;
}
