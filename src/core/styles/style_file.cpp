// The style file: a 32-byte header, the names of the first four user Styles,
// then up to 8 Blocks, each a table of 4 entries followed by the 4 Style bodies.

#include <algorithm>

#include "storage/text.h"
#include "styles/style_data.h"

namespace tolvane {

namespace {

constexpr std::size_t kBlockEntrySize = 6;
constexpr std::size_t kFileNamesOffset = 32;
// Where the first Style of a Block starts in the instrument's Block memory.
constexpr std::int32_t kFirstPlacement = 32;
constexpr std::string_view kNeverUsedPrefix = "UserStyle";

std::size_t UserIndex(int block, int place) { return static_cast<std::size_t>(block) * kStylesPerBlock + place; }

// The instrument keeps each Style of a Block on a 16-byte boundary.
std::int32_t RoundedUp16(std::int32_t size) { return ((size - 1) / 16 + 1) * 16; }

// The instrument fills its never-used user Styles with "UserStyle..." names;
// they are shown and saved as empty Styles.
bool IsNeverUsedStyle(const StyleHeader& header) {
  return std::equal(kNeverUsedPrefix.begin(), kNeverUsedPrefix.end(), header.bytes.begin());
}

}  // namespace

bool DecodeStyleFile(std::span<const std::uint8_t> file, StyleSetData& data) {
  data = StyleSetData{};
  ByteReader in(file);
  in.Read(0, data.header);

  std::size_t blockStart = kStyleFirstBlockOffset;
  for (int b = 0; b < kStyleBlockCount; ++b) {
    std::array<std::uint8_t, kBlockTableSize> table{};
    in.Read(blockStart, table);
    std::array<std::int32_t, kStylesPerBlock> sizes{};
    for (int k = 0; k < kStylesPerBlock; ++k) {
      const std::size_t entry = kBlockEntrySize * static_cast<std::size_t>(k);
      sizes[static_cast<std::size_t>(k)] = table[entry + 5] * 256 + table[entry + 4];
      // A Style is at least its header; anything less means the table is damaged.
      if (sizes[static_cast<std::size_t>(k)] < static_cast<std::int32_t>(kStyleHeaderSize)) return false;
    }

    std::size_t body = blockStart + kBlockTableSize;
    for (int k = 0; k < kStylesPerBlock; ++k) {
      const std::size_t i = UserIndex(b, k);
      const auto size = sizes[static_cast<std::size_t>(k)];
      data.present[i] = 1;
      data.sizes[i] = size;
      in.Read(body, data.headers[i].bytes);
      data.data[i] = in.ReadBytes(body + kStyleHeaderSize, static_cast<std::size_t>(size) - kStyleHeaderSize);
      if (IsNeverUsedStyle(data.headers[i])) {
        data.headers[i].SetName(kBlankName);
        data.data[i].clear();
      }
      body += static_cast<std::size_t>(size);
    }
    data.blockCount = static_cast<std::uint8_t>(b + 1);
    // A file that ends inside this Block still counts it (the rest reads as
    // zero), but it was not read whole.
    if (body > file.size()) return false;
    if (body == file.size()) break;
    blockStart = body;
  }
  return true;
}

Bytes EncodeStyleFile(const StyleSetData& data) {
  ByteWriter out;
  out.Write(0, data.header);
  for (int i = 0; i < kStylesPerBlock; ++i)
    out.Write(kFileNamesOffset + kNameWidth * static_cast<std::size_t>(i),
              std::span<const std::uint8_t>(data.headers[static_cast<std::size_t>(i)].bytes).first(kNameWidth));

  const int blocks = std::min<int>(data.blockCount, kStyleBlockCount);
  std::size_t blockStart = kStyleFirstBlockOffset;
  for (int b = 0; b < blocks; ++b) {
    std::array<std::uint8_t, kBlockTableSize> table{};
    std::int32_t placement = kFirstPlacement;
    std::size_t body = blockStart + kBlockTableSize;
    for (int k = 0; k < kStylesPerBlock; ++k) {
      const std::size_t i = UserIndex(b, k);
      const std::int32_t size = data.sizes[i];
      const std::size_t entry = kBlockEntrySize * static_cast<std::size_t>(k);
      table[entry + 0] = static_cast<std::uint8_t>(placement % 256);
      table[entry + 1] = 0;
      table[entry + 2] = static_cast<std::uint8_t>(placement / 256);
      table[entry + 3] = 4;
      table[entry + 4] = static_cast<std::uint8_t>(size % 256);
      table[entry + 5] = static_cast<std::uint8_t>(size / 256);
      placement += RoundedUp16(size);

      // The body takes exactly size bytes: a shorter data part (an empty Style)
      // leaves zero bytes, a longer one would run into the next Style.
      const std::size_t bodySize = static_cast<std::size_t>(std::max<std::int32_t>(size, kStyleHeaderSize));
      const std::size_t dataRoom = bodySize - kStyleHeaderSize;
      const Bytes& part = data.data[i];
      out.Write(body, data.headers[i].bytes);
      out.Write(body + kStyleHeaderSize, std::span<const std::uint8_t>(part).first(std::min(part.size(), dataRoom)));
      body += bodySize;
      out.Write(body, {});  // the zero bytes up to the end of the body
    }
    out.Write(blockStart, table);
    blockStart = body;
  }
  return out.Take();
}

StyleClip MakeEmptyStyleTemplate(const StyleHeader& templateHeader) {
  StyleClip clip;
  clip.header = templateHeader;
  clip.header.SetName(kBlankName);
  clip.present = 1;
  clip.size = kStyleBaseSize;
  return clip;
}

}  // namespace tolvane
