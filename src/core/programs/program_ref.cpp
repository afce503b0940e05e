// The one-byte program reference of song tracks: a program byte B and a bank
// flag F in bit 7 of a separate flag byte.

#include "programs/program_numbers.h"

namespace tolvane {

std::int16_t DecodeProgramRef(std::uint8_t programByte, std::uint8_t flagByte) {
  const int b = programByte;
  if ((flagByte & 0x80) == 0) {
    if (b <= 63) return static_cast<std::int16_t>(320 + b);
    if (b <= 65) return static_cast<std::int16_t>(454 + b);
    return -1;
  }
  if (b <= 127) return static_cast<std::int16_t>(b);
  if (b <= 133) return static_cast<std::int16_t>(384 + b);
  if (b <= 197) return static_cast<std::int16_t>(b + 122);
  return -1;
}

void EncodeProgramRef(std::uint8_t& programByte, std::uint8_t& flagByte, int number) {
  auto set = [&](int b, bool flag) {
    programByte = static_cast<std::uint8_t>(b);
    flagByte = static_cast<std::uint8_t>(flag ? (flagByte | 0x80) : (flagByte & 0x7F));
  };
  if (number >= 0 && number <= 127) set(number, true);
  else if (number >= 256 && number <= 319) set(number - 122, true);
  else if (number >= 320 && number <= 383) set(number - 320, false);
  else if (number >= 512 && number <= 517) set(number - 384, true);
  else if (number >= 518 && number <= 519) set(number - 454, false);
  else programByte = 0;
}

}  // namespace tolvane
