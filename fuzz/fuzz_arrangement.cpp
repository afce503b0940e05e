// The arrangement reader: the data length it keeps is the header's, with as
// much trailing data; a file read whole is written back as it was, but the
// header bytes the writer fills.
#include <algorithm>

#include "arrangements/arrangement_data.h"
#include "reads_back.h"

using namespace tolvane;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::span<const std::uint8_t> file(data, size);
  ArrangementSetData read;
  if (DecodeArrangementFile(file, read)) {
    const Bytes written = EncodeArrangementFile(read);
    fuzz::Expect(written.size() <= size && std::equal(written.begin() + 672, written.end(), file.begin() + 672) &&
                 std::equal(written.begin(), written.begin() + 32, file.begin()));
  }
  fuzz::Expect(GetI16(read.header, kArrangementDataLengthOffset) == read.dataLength);
  fuzz::Expect(read.trailing.size() == static_cast<std::size_t>(read.dataLength - kArrangementMinDataLength));
  fuzz::ExpectReadsBack(read, DecodeArrangementFile, EncodeArrangementFile);
  return 0;
}
