#include "exchange/dxf_group_reader.h"

#include <bit>
#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>
#include <type_traits>

#include "exchange/dxf_read_error.h"

namespace korvo {
namespace {

std::string_view Trimmed(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  return text;
}

// Plain decimals ("-12.345678", as most writers put reals) without from_chars: a significand
// below 2^53 and at most 22 decimals give exactly the double that from_chars gives, since the
// significand and the power of ten are exact doubles and the division rounds once.
bool ParsePlainDecimal(std::string_view text, double& value) {
  static constexpr double kPowersOfTen[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                            1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                            1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
  constexpr uint64_t kExactLimit = uint64_t{1} << 53;
  if (text.empty()) return false;
  std::size_t i = 0;
  const bool negative = text[0] == '-';
  if (negative || text[0] == '+') ++i;
  uint64_t significand = 0;
  int decimals = 0;
  bool point = false, digits = false;
  for (; i < text.size(); ++i) {
    const char c = text[i];
    if (c >= '0' && c <= '9') {
      significand = significand * 10 + static_cast<uint64_t>(c - '0');
      if (significand >= kExactLimit) return false;
      digits = true;
      if (point && ++decimals > 22) return false;
    } else if (c == '.' && !point) {
      point = true;
    } else {
      return false;
    }
  }
  if (!digits) return false;
  const double magnitude = static_cast<double>(significand) / kPowersOfTen[decimals];
  value = negative ? -magnitude : magnitude;
  return true;
}

// Whole text as a number; a leading '+' is allowed, as C's readers allow it.
bool ParseReal(std::string_view text, double& value) {
  if (ParsePlainDecimal(text, value)) return true;
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
  if (result.ec == std::errc::result_out_of_range) {
    // Too large or too small for a double: the sign of infinity or zero, so that the
    // entity that holds it is dropped or flattened rather than the whole file refused.
    value = text.find_first_of("eE") != std::string_view::npos &&
                    text.find("e-") == std::string_view::npos &&
                    text.find("E-") == std::string_view::npos
                ? (text.front() == '-' ? -HUGE_VAL : HUGE_VAL)
                : 0.0;
    return result.ptr == text.data() + text.size();
  }
  return result.ec == std::errc() && result.ptr == text.data() + text.size();
}

bool ParseInteger(std::string_view text, int64_t& value) {
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
  if (result.ec == std::errc() && result.ptr == text.data() + text.size()) return true;
  // Some writers put integers as reals ("1.0"); a finite real is taken truncated.
  double real = 0;
  if (!ParseReal(text, real) || !std::isfinite(real)) return false;
  constexpr double kLimit = 9.2e18;
  value = static_cast<int64_t>(std::fmax(-kLimit, std::fmin(kLimit, real)));
  return true;
}

// Binary files are little-endian whatever the machine.
template <class T>
T LoadLittle(const uint8_t* at) {
  uint64_t bits = 0;
  for (std::size_t i = sizeof(T); i-- > 0;) bits = (bits << 8) | at[i];
  if constexpr (std::is_floating_point_v<T>) {
    return std::bit_cast<T>(bits);
  } else {
    using Unsigned = std::make_unsigned_t<T>;
    return static_cast<T>(static_cast<Unsigned>(bits));
  }
}

// The first LF at or after `from`, or `size`: eight bytes at a time, since most lines are
// shorter than a call to memchr is worth.
std::size_t FindLineFeed(const char* data, std::size_t from, std::size_t size) {
  constexpr uint64_t kOnes = 0x0101010101010101ULL;
  constexpr uint64_t kHighs = 0x8080808080808080ULL;
  constexpr uint64_t kLineFeeds = kOnes * '\n';
  std::size_t at = from;
  while (size - at >= 8) {
    uint64_t word;
    std::memcpy(&word, data + at, 8);
    const uint64_t x = word ^ kLineFeeds;
    // A byte of x is zero where the word holds a line feed; the lowest flagged byte is the
    // first of them (flags above it may be false).
    const uint64_t found = (x - kOnes) & ~x & kHighs;
    if (found != 0) {
      if constexpr (std::endian::native == std::endian::little) {
        return at + static_cast<std::size_t>(std::countr_zero(found) / 8);
      }
      break;
    }
    at += 8;
  }
  while (at < size && data[at] != '\n') ++at;
  return at;
}

// A group code: an optional minus and at most four digits, nothing else.
bool ParseCode(std::string_view text, int& code) {
  const bool negative = text.front() == '-';
  if (negative) text.remove_prefix(1);
  if (text.empty() || text.size() > 4) return false;
  int value = 0;
  for (const char c : text) {
    if (c < '0' || c > '9') return false;
    value = value * 10 + (c - '0');
  }
  code = negative ? -value : value;
  return true;
}

// Whether some CR is not followed by LF: only then must every line be searched for a CR.
bool HasLoneCarriageReturn(std::span<const uint8_t> bytes) {
  const uint8_t* at = bytes.data();
  const uint8_t* end = bytes.data() + bytes.size();
  while (at < end) {
    const void* cr = std::memchr(at, '\r', static_cast<std::size_t>(end - at));
    if (cr == nullptr) return false;
    at = static_cast<const uint8_t*>(cr) + 1;
    if (at == end || *at != '\n') return true;
  }
  return false;
}

}  // namespace

DxfGroupReader::DxfGroupReader(std::span<const uint8_t> bytes) : bytes_(bytes) {
  if (bytes_.size() >= sizeof kDxfBinarySentinel &&
      std::memcmp(bytes_.data(), kDxfBinarySentinel, sizeof kDxfBinarySentinel) == 0) {
    binary_ = true;
    offset_ = sizeof kDxfBinarySentinel;
    // The first group is 0 "SECTION": a one-byte code puts the 'S' right after the zero.
    shortCodes_ = bytes_.size() > offset_ + 1 && bytes_[offset_ + 1] != 0;
  } else if (bytes_.size() >= 3 && bytes_[0] == 0xEF && bytes_[1] == 0xBB && bytes_[2] == 0xBF) {
    offset_ = 3;  // a UTF-8 byte order mark
  }
  if (!binary_) loneCarriageReturns_ = HasLoneCarriageReturn(bytes_);
}

std::string DxfGroupReader::Where(uint64_t position) const {
  return (binary_ ? "byte offset " : "line ") + std::to_string(position);
}

void DxfGroupReader::Fail(uint64_t position, const std::string& what) const {
  throw DxfReadError(Where(position) + ": " + what);
}

bool DxfGroupReader::Next(DxfGroup& group) {
  return binary_ ? NextBinary(group) : NextAscii(group);
}

bool DxfGroupReader::ReadLine(std::string_view& line) {
  const std::size_t size = bytes_.size();
  if (offset_ >= size) return false;
  const char* data = reinterpret_cast<const char*>(bytes_.data());
  // Lines of DXF are short: a plain scan beats a call per line.
  std::size_t end = offset_;
  if (loneCarriageReturns_) {
    while (end < size && data[end] != '\n' && data[end] != '\r') ++end;
  } else {
    end = FindLineFeed(data, offset_, size);
    if (end > offset_ && data[end - 1] == '\r') --end;
  }
  line = std::string_view(data + offset_, end - offset_);
  // LF, CR LF or a lone CR ends the line.
  if (end < size && data[end] == '\r') ++end;
  if (end < size && data[end] == '\n') ++end;
  offset_ = end;
  ++line_;
  return true;
}

bool DxfGroupReader::NextAscii(DxfGroup& group) {
  std::string_view codeText;
  do {
    if (!ReadLine(codeText)) return false;
    codeText = Trimmed(codeText);
    // Blank lines between groups (as at the end of a file) are passed over.
  } while (codeText.empty() && offset_ < bytes_.size());
  const uint64_t codeLineNumber = line_;
  if (codeText.empty()) return false;
  int code = 0;
  if (!ParseCode(codeText, code)) {
    Fail(codeLineNumber,
         "a group code was expected, not \"" + std::string(codeText.substr(0, 40)) + "\"");
  }
  std::string_view value;
  if (!ReadLine(value))
    Fail(codeLineNumber, "the file ends before the value of group " + std::to_string(code));
  group.code = code;
  group.position = codeLineNumber;
  ParseAsciiValue(group, value, line_);
  return true;
}

void DxfGroupReader::ParseAsciiValue(DxfGroup& group, std::string_view value, uint64_t line) const {
  group.text = value;
  group.real = 0;
  group.integer = 0;
  const DxfValueKind kind = KindOfGroup(group.code);
  if (kind == DxfValueKind::Text || kind == DxfValueKind::Chunk) return;
  const std::string_view number = Trimmed(value);
  // An empty number reads as zero, as lenient readers take it.
  if (number.empty()) return;
  const bool ok = kind == DxfValueKind::Real ? ParseReal(number, group.real)
                                             : ParseInteger(number, group.integer);
  if (!ok) {
    Fail(line, "\"" + std::string(number.substr(0, 40)) + "\" is not a number (group " +
                   std::to_string(group.code) + ")");
  }
  if (kind == DxfValueKind::Real) {
    group.integer = 0;
  } else {
    group.real = static_cast<double>(group.integer);
  }
}

bool DxfGroupReader::NextBinary(DxfGroup& group) {
  const std::size_t size = bytes_.size();
  if (offset_ >= size) return false;
  const uint64_t start = offset_;
  const uint8_t* data = bytes_.data();
  auto need = [&](std::size_t count) {
    if (size - offset_ < count) Fail(start, "the file ends inside a group");
  };
  int code = 0;
  if (shortCodes_) {
    code = data[offset_++];
    if (code == 0xFF) {
      need(2);
      code = LoadLittle<int16_t>(data + offset_);
      offset_ += 2;
    }
  } else {
    need(2);
    code = LoadLittle<int16_t>(data + offset_);
    offset_ += 2;
  }
  group.code = code;
  group.position = start;
  group.text = {};
  group.real = 0;
  group.integer = 0;
  switch (KindOfGroup(code)) {
    case DxfValueKind::Real:
      need(8);
      group.real = LoadLittle<double>(data + offset_);
      offset_ += 8;
      return true;
    case DxfValueKind::Int16:
      need(2);
      group.integer = LoadLittle<int16_t>(data + offset_);
      offset_ += 2;
      break;
    case DxfValueKind::Int32:
      need(4);
      group.integer = LoadLittle<int32_t>(data + offset_);
      offset_ += 4;
      break;
    case DxfValueKind::Int64:
      need(8);
      group.integer = LoadLittle<int64_t>(data + offset_);
      offset_ += 8;
      break;
    case DxfValueKind::Bool:
      need(1);
      group.integer = data[offset_++];
      break;
    case DxfValueKind::Chunk: {
      need(1);
      const std::size_t length = data[offset_++];
      need(length);
      group.text = std::string_view(reinterpret_cast<const char*>(data + offset_), length);
      offset_ += length;
      return true;
    }
    case DxfValueKind::Text: {
      const void* nul = std::memchr(data + offset_, 0, size - offset_);
      if (nul == nullptr) Fail(start, "a text runs past the end of the file");
      const std::size_t length = static_cast<const uint8_t*>(nul) - (data + offset_);
      group.text = std::string_view(reinterpret_cast<const char*>(data + offset_), length);
      offset_ += length + 1;
      return true;
    }
  }
  group.real = static_cast<double>(group.integer);
  return true;
}

}  // namespace korvo
