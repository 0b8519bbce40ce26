#include "core/archive.h"

#include <algorithm>
#include <bit>
#include <cstring>

#include "platform/file_io.h"
#include "platform/utf16.h"

namespace korvo {
namespace {

const char* Describe(ArchiveErrorKind kind) {
  switch (kind) {
    case ArchiveErrorKind::BadClass:
      return "archive: bad class";
    case ArchiveErrorKind::BadIndex:
      return "archive: bad index";
    case ArchiveErrorKind::EndOfFile:
      return "archive: end of file";
    case ArchiveErrorKind::InvalidArgument:
      return "archive: invalid argument";
  }
  return "archive error";
}

}  // namespace

ArchiveError::ArchiveError(ArchiveErrorKind kind)
    : std::runtime_error(Describe(kind)), kind_(kind) {}

ArchiveReader::ArchiveReader(ArchiveSource& source, std::size_t size, std::size_t window)
    : size_(size), source_(&source), buffer_(std::max<std::size_t>(window, 16)) {
  window_ = buffer_.data();
}

void ArchiveReader::Refill(std::size_t count) {
  // A file in memory is one window: a short read there is the end of the file.
  if (source_ == nullptr) throw ArchiveError(ArchiveErrorKind::EndOfFile);
  // The largest single read is 8 bytes; strings are read a character at a time.
  if (count > buffer_.size()) buffer_.resize(count);
  const std::size_t wanted = std::min(buffer_.size(), Remaining());
  const std::size_t got = source_->ReadAt(offset_, buffer_.data(), wanted);
  if (got < count) throw ArchiveError(ArchiveErrorKind::EndOfFile);
  window_ = buffer_.data();
  windowStart_ = offset_;
  windowEnd_ = offset_ + got;
}

uint8_t ArchiveReader::ReadU8() {
  Need(1);
  const uint8_t value = At(0);
  ++offset_;
  return value;
}

uint16_t ArchiveReader::ReadU16() {
  Need(2);
  const uint16_t value = static_cast<uint16_t>(At(0) | (At(1) << 8));
  offset_ += 2;
  return value;
}

uint32_t ArchiveReader::ReadU32() {
  Need(4);
  uint32_t value = 0;
  for (int i = 3; i >= 0; --i) value = (value << 8) | At(static_cast<std::size_t>(i));
  offset_ += 4;
  return value;
}

double ArchiveReader::ReadF64() {
  Need(8);
  uint64_t bits = 0;
  for (int i = 7; i >= 0; --i) bits = (bits << 8) | At(static_cast<std::size_t>(i));
  offset_ += 8;
  return std::bit_cast<double>(bits);
}

Point ArchiveReader::ReadPoint() {
  const double x = ReadF64();
  const double y = ReadF64();
  return Point(x, y);
}

uint32_t ArchiveReader::ReadGuardedCount(std::size_t minItemBytes) {
  const uint32_t count = ReadU32();
  const uint32_t guard = ReadU32();
  if (guard != static_cast<uint32_t>(~count)) throw ArchiveError(ArchiveErrorKind::BadClass);
  if (minItemBytes > 0 && count > Remaining() / minItemBytes)
    throw ArchiveError(ArchiveErrorKind::EndOfFile);
  return count;
}

uint64_t ArchiveReader::ReadStringLength(bool& unicode) {
  unicode = false;
  uint8_t shortLength = ReadU8();
  if (shortLength < 0xFF) return shortLength;
  uint16_t mediumLength = ReadU16();
  if (mediumLength == 0xFFFE) {
    // The announcement of a UTF-16 string; its length follows in the same form.
    unicode = true;
    shortLength = ReadU8();
    if (shortLength < 0xFF) return shortLength;
    mediumLength = ReadU16();
  }
  if (mediumLength < 0xFFFF) return mediumLength;
  const uint32_t longLength = ReadU32();
  if (longLength < 0xFFFFFFFF) return longLength;
  const uint64_t low = ReadU32();
  const uint64_t high = ReadU32();
  return low | (high << 32);
}

std::u16string ArchiveReader::ReadString() {
  bool unicode = false;
  const uint64_t length = ReadStringLength(unicode);
  const uint64_t bytes = unicode ? length * 2 : length;
  if (length > Remaining() || bytes > Remaining()) throw ArchiveError(ArchiveErrorKind::EndOfFile);
  std::u16string text;
  text.reserve(static_cast<std::size_t>(length));
  for (uint64_t i = 0; i < length; ++i) {
    if (unicode) {
      text.push_back(static_cast<char16_t>(ReadU16()));
    } else {
      text.push_back(Cp1252ToUtf16(ReadU8()));
    }
  }
  return text;
}

std::u16string ArchiveReader::ReadNamedString() {
  const uint32_t length = ReadGuardedCount(1);
  std::u16string text = ReadString();
  if (text.size() != length) throw ArchiveError(ArchiveErrorKind::BadClass);
  return text;
}

void ArchiveWriter::Put(const void* data, std::size_t size) {
  if (file_ != nullptr) {
    file_->Write(data, size);
  } else {
    const auto* bytes = static_cast<const uint8_t*>(data);
    memory_.insert(memory_.end(), bytes, bytes + size);
  }
}

void ArchiveWriter::WriteU16(uint16_t value) {
  const uint8_t bytes[2] = {static_cast<uint8_t>(value), static_cast<uint8_t>(value >> 8)};
  Put(bytes, 2);
}

void ArchiveWriter::WriteU32(uint32_t value) {
  uint8_t bytes[4];
  for (int i = 0; i < 4; ++i) bytes[i] = static_cast<uint8_t>(value >> (8 * i));
  Put(bytes, 4);
}

void ArchiveWriter::WriteF64(double value) {
  const uint64_t bits = std::bit_cast<uint64_t>(value);
  uint8_t bytes[8];
  for (int i = 0; i < 8; ++i) bytes[i] = static_cast<uint8_t>(bits >> (8 * i));
  Put(bytes, 8);
}

void ArchiveWriter::WriteString(std::u16string_view text) {
  WriteU8(0xFF);
  WriteU16(0xFFFE);
  const uint64_t length = text.size();
  if (length < 0xFF) {
    WriteU8(static_cast<uint8_t>(length));
  } else {
    WriteU8(0xFF);
    if (length < 0xFFFE) {
      WriteU16(static_cast<uint16_t>(length));
    } else {
      WriteU16(0xFFFF);
      if (length < 0xFFFFFFFF) {
        WriteU32(static_cast<uint32_t>(length));
      } else {
        WriteU32(0xFFFFFFFF);
        WriteU32(static_cast<uint32_t>(length));
        WriteU32(static_cast<uint32_t>(length >> 32));
      }
    }
  }
  for (char16_t c : text) WriteU16(c);
}

void ArchiveWriter::WriteNamedString(std::u16string_view text) {
  WriteGuardedCount(static_cast<uint32_t>(text.size()));
  WriteString(text);
}

}  // namespace korvo
