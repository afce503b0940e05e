#pragma once
// Little-endian field access on fixed-layout records, and a bounded reader for
// whole files. Nothing here reads or writes outside the buffer it is given.

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace tolvane {

using Bytes = std::vector<std::uint8_t>;

inline std::uint16_t GetU16(std::span<const std::uint8_t> b, std::size_t off) {
  return static_cast<std::uint16_t>(b[off] | (b[off + 1] << 8));
}
inline std::int16_t GetI16(std::span<const std::uint8_t> b, std::size_t off) {
  return static_cast<std::int16_t>(GetU16(b, off));
}
inline void PutU16(std::span<std::uint8_t> b, std::size_t off, std::uint16_t v) {
  b[off] = static_cast<std::uint8_t>(v & 0xFF);
  b[off + 1] = static_cast<std::uint8_t>(v >> 8);
}
inline void PutI16(std::span<std::uint8_t> b, std::size_t off, std::int16_t v) {
  PutU16(b, off, static_cast<std::uint16_t>(v));
}

// A program call in a track table: the number low byte first, where bit 7 of
// the high byte is a flag of the instrument's and not part of the number.
inline std::int16_t ReadTrackCall(std::span<const std::uint8_t> b, std::size_t off) {
  return static_cast<std::int16_t>((b[off + 1] & 0x7F) * 256 + b[off]);
}
// Writes the number and keeps the flag bit as it is.
inline void WriteTrackCall(std::span<std::uint8_t> b, std::size_t off, std::int16_t number) {
  const auto n = static_cast<std::uint16_t>(number);
  b[off] = static_cast<std::uint8_t>(n & 0xFF);
  b[off + 1] = static_cast<std::uint8_t>(((n >> 8) & 0x7F) | (b[off + 1] & 0x80));
}

// A fixed-width 8-bit text field as stored (Windows-1252, blank padded).
inline std::string GetText(std::span<const std::uint8_t> b, std::size_t off, std::size_t len) {
  return std::string(reinterpret_cast<const char*>(b.data() + off), len);
}
// Writes text into a fixed-width field: padded with blanks, cut at the width.
inline void PutText(std::span<std::uint8_t> b, std::size_t off, std::size_t len, const std::string& text) {
  for (std::size_t i = 0; i < len; ++i)
    b[off + i] = i < text.size() ? static_cast<std::uint8_t>(text[i]) : std::uint8_t{' '};
}

// Reads fields of a file held in memory. Reading past the end yields zero bytes
// and marks the reader as having overrun; callers decide what an overrun means.
class ByteReader {
 public:
  explicit ByteReader(std::span<const std::uint8_t> data) : data_(data) {}

  std::size_t size() const { return data_.size(); }
  bool overran() const { return overran_; }

  // Copies out.size() bytes at off into out (zero where the file has ended).
  void Read(std::size_t off, std::span<std::uint8_t> out) {
    const std::size_t available = off < data_.size() ? data_.size() - off : 0;
    const std::size_t n = std::min(available, out.size());
    if (n > 0) std::memcpy(out.data(), data_.data() + off, n);
    if (n < out.size()) {
      std::fill(out.begin() + static_cast<std::ptrdiff_t>(n), out.end(), std::uint8_t{0});
      overran_ = true;
    }
  }
  Bytes ReadBytes(std::size_t off, std::size_t len) {
    // Taken straight from the file where it has the bytes; no zeroing first.
    const std::size_t available = off < data_.size() ? data_.size() - off : 0;
    const std::size_t n = std::min(available, len);
    Bytes out(data_.begin() + static_cast<std::ptrdiff_t>(off < data_.size() ? off : data_.size()),
              data_.begin() + static_cast<std::ptrdiff_t>((off < data_.size() ? off : data_.size()) + n));
    if (n < len) {
      out.resize(len, 0);
      overran_ = true;
    }
    return out;
  }
  std::int16_t ReadI16(std::size_t off) {
    std::uint8_t b[2];
    Read(off, b);
    return GetI16(b, 0);
  }

 private:
  std::span<const std::uint8_t> data_;
  bool overran_ = false;
};

// Appends into a growing file image at given offsets; gaps are zero.
class ByteWriter {
 public:
  void Write(std::size_t off, std::span<const std::uint8_t> src) {
    if (data_.size() < off + src.size()) data_.resize(off + src.size(), 0);
    std::copy(src.begin(), src.end(), data_.begin() + static_cast<std::ptrdiff_t>(off));
  }
  void WriteText(std::size_t off, std::size_t len, const std::string& text) {
    if (data_.size() < off + len) data_.resize(off + len, 0);
    PutText(data_, off, len, text);
  }
  void WriteI16(std::size_t off, std::int16_t v) {
    std::uint8_t b[2];
    PutI16(b, 0, v);
    Write(off, b);
  }
  std::size_t size() const { return data_.size(); }
  Bytes Take() { return std::move(data_); }

 private:
  Bytes data_;
};

}  // namespace tolvane
