// The Set's global record inside the program file.

#include "arrangements/global_record.h"

#include "storage/bytes.h"

namespace tolvane {

bool DecodeGlobalData(std::span<const std::uint8_t> file, GlobalSetData& data) {
  ByteReader in(file);
  in.Read(kGlobalRecordOffset, data.bytes);
  return !in.overran();
}

}  // namespace tolvane
