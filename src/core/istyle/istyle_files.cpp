#include "istyle/istyle_files.h"

#include <algorithm>

namespace tolvane {

namespace {

constexpr std::size_t kDrumKitDataFileOffset = kIStyleItemOffset + kProgramRecordSize;  // 169

// The file has the header and at least `length` bytes after it.
bool Holds(std::span<const std::uint8_t> file, std::size_t length) {
  return file.size() >= kIStyleItemOffset + length &&
         std::equal(kIStyleHeader.begin(), kIStyleHeader.end(), file.begin());
}

template <class Clip>
void FromNoSet(Clip& clip) {
  clip.sourceSet = -1;
  clip.sourceNumber = -1;
}

template <std::size_t N>
void CopyOut(std::span<const std::uint8_t> file, std::size_t offset, std::array<std::uint8_t, N>& out) {
  std::copy_n(file.begin() + static_cast<std::ptrdiff_t>(offset), N, out.begin());
}

Bytes WithHeader(std::size_t length) {
  Bytes file(kIStyleItemOffset + length, 0);
  std::copy(kIStyleHeader.begin(), kIStyleHeader.end(), file.begin());
  return file;
}

template <std::size_t N>
void CopyIn(Bytes& file, std::size_t offset, const std::array<std::uint8_t, N>& in) {
  std::copy(in.begin(), in.end(), file.begin() + static_cast<std::ptrdiff_t>(offset));
}

}  // namespace

bool DecodeIStyleArrangement(std::span<const std::uint8_t> file, ArrangementClip& clip) {
  if (!Holds(file, kArrangementRecordSize)) return false;
  CopyOut(file, kIStyleItemOffset, clip.item.bytes);
  FromNoSet(clip);
  return true;
}

bool DecodeIStyleStyle(std::span<const std::uint8_t> file, StyleClip& clip) {
  if (!Holds(file, kStyleHeaderSize) || file.size() - kIStyleStyleDataOffset > kIStyleMaxStyleData) return false;
  CopyOut(file, kIStyleItemOffset, clip.header.bytes);
  clip.data.assign(file.begin() + static_cast<std::ptrdiff_t>(kIStyleStyleDataOffset), file.end());
  clip.size = static_cast<std::int32_t>(file.size() - kIStyleItemOffset);
  clip.present = 1;
  FromNoSet(clip);
  return true;
}

bool DecodeIStyleProgram(std::span<const std::uint8_t> file, ProgramClip& clip) {
  if (!Holds(file, kProgramRecordSize)) return false;
  CopyOut(file, kIStyleItemOffset, clip.record.bytes);
  clip.drumKit = {};
  clip.isDrumKit = false;
  FromNoSet(clip);
  return true;
}

bool DecodeIStyleDrumKit(std::span<const std::uint8_t> file, ProgramClip& clip) {
  if (!Holds(file, kProgramRecordSize + kDrumKitDataSize)) return false;
  CopyOut(file, kIStyleItemOffset, clip.record.bytes);
  CopyOut(file, kDrumKitDataFileOffset, clip.drumKit);
  clip.isDrumKit = true;
  FromNoSet(clip);
  return true;
}

Bytes EncodeIStyleArrangement(const ArrangementRecord& record) {
  Bytes file = WithHeader(kArrangementRecordSize);
  CopyIn(file, kIStyleItemOffset, record.bytes);
  return file;
}

Bytes EncodeIStyleStyle(const StyleClip& clip) {
  const std::size_t dataLength =
      static_cast<std::size_t>(std::max<std::int32_t>(clip.size, kStyleHeaderSize)) - kStyleHeaderSize;
  Bytes file = WithHeader(kStyleHeaderSize + dataLength);
  CopyIn(file, kIStyleItemOffset, clip.header.bytes);
  std::copy_n(clip.data.begin(), std::min(clip.data.size(), dataLength),
              file.begin() + static_cast<std::ptrdiff_t>(kIStyleStyleDataOffset));
  return file;
}

Bytes EncodeIStyleProgram(const ProgramRecord& record) {
  Bytes file = WithHeader(kProgramRecordSize);
  CopyIn(file, kIStyleItemOffset, record.bytes);
  return file;
}

Bytes EncodeIStyleDrumKit(const ProgramRecord& record, const DrumKitData& kit) {
  Bytes file = WithHeader(kProgramRecordSize + kDrumKitDataSize);
  CopyIn(file, kIStyleItemOffset, record.bytes);
  CopyIn(file, kDrumKitDataFileOffset, kit);
  return file;
}

}  // namespace tolvane
