#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>

namespace korvo {

// Little-endian reads from bytes of outside data. Every read checks that the bytes are
// there; a read past the end fails and leaves the position where it was.
class ByteReader {
 public:
  explicit ByteReader(std::span<const uint8_t> bytes) : bytes_(bytes) {}

  std::size_t Size() const { return bytes_.size(); }
  std::size_t Position() const { return position_; }
  std::size_t Remaining() const { return bytes_.size() - position_; }
  bool Seek(std::size_t position) {
    if (position > bytes_.size()) return false;
    position_ = position;
    return true;
  }
  bool Skip(std::size_t count) {
    if (count > Remaining()) return false;
    position_ += count;
    return true;
  }

  bool ReadU8(uint8_t& out) {
    if (Remaining() < 1) return false;
    out = bytes_[position_++];
    return true;
  }
  bool ReadU16(uint16_t& out) {
    if (Remaining() < 2) return false;
    out = static_cast<uint16_t>(bytes_[position_] | bytes_[position_ + 1] << 8);
    position_ += 2;
    return true;
  }
  bool ReadU32(uint32_t& out) {
    if (Remaining() < 4) return false;
    out = static_cast<uint32_t>(bytes_[position_]) |
          static_cast<uint32_t>(bytes_[position_ + 1]) << 8 |
          static_cast<uint32_t>(bytes_[position_ + 2]) << 16 |
          static_cast<uint32_t>(bytes_[position_ + 3]) << 24;
    position_ += 4;
    return true;
  }
  // A 32-bit IEEE float.
  bool ReadF32(float& out) {
    uint32_t bits;
    if (!ReadU32(bits)) return false;
    std::memcpy(&out, &bits, sizeof out);
    return true;
  }

 private:
  std::span<const uint8_t> bytes_;
  std::size_t position_ = 0;
};

}  // namespace korvo
