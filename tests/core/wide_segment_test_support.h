#pragma once

#include <cstdint>
#include <cstring>
#include <vector>

namespace korvo::testing {

// Little-endian doubles, the way the native file holds them.
inline void PutF64(std::vector<uint8_t>& bytes, double value) {
  uint64_t bits = 0;
  std::memcpy(&bits, &value, sizeof bits);
  for (int i = 0; i < 8; ++i) bytes.push_back(static_cast<uint8_t>(bits >> (8 * i)));
}

inline void PutU32(std::vector<uint8_t>& bytes, uint32_t value) {
  for (int i = 0; i < 4; ++i) bytes.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

}  // namespace korvo::testing
