#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

#include "exchange/dxf_group.h"

namespace korvo {

// The 22 bytes that open a binary DXF file.
inline constexpr unsigned char kDxfBinarySentinel[22] = {
    0x41, 0x75, 0x74, 0x6F, 0x43, 0x41, 0x44, 0x20, 0x42, 0x69, 0x6E,
    0x61, 0x72, 0x79, 0x20, 0x44, 0x58, 0x46, 0x0D, 0x0A, 0x1A, 0x00};

// Reads the groups of a DXF file, ASCII or binary, one at a time. ASCII lines may end in
// LF, CR LF or CR alone; blanks around codes and numbers are ignored. A value that cannot
// be read throws DxfReadError naming the line or byte offset.
class DxfGroupReader {
 public:
  explicit DxfGroupReader(std::span<const uint8_t> bytes);

  bool binary() const { return binary_; }
  // The next group; false at the end of the data.
  bool Next(DxfGroup& group);
  // "line N" or "byte offset N".
  std::string Where(uint64_t position) const;

 private:
  bool NextAscii(DxfGroup& group);
  bool NextBinary(DxfGroup& group);
  // The next line without its line ending; false at the end of the data.
  bool ReadLine(std::string_view& line);
  void ParseAsciiValue(DxfGroup& group, std::string_view value, uint64_t line) const;
  [[noreturn]] void Fail(uint64_t position, const std::string& what) const;

  std::span<const uint8_t> bytes_;
  std::size_t offset_ = 0;
  uint64_t line_ = 0;
  bool binary_ = false;
  bool shortCodes_ = false;           // binary files before release 13 use one-byte codes
  bool loneCarriageReturns_ = false;  // some line ends in a CR alone
};

}  // namespace korvo
