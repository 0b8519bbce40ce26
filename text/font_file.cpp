#include "text/font_file.h"

#include <cmath>
#include <string>

#include "text/byte_reader.h"

namespace korvo {
namespace {

constexpr std::size_t kLineStrokeSize = 16;
constexpr std::size_t kArcStrokeSize = 20;

// The part of the file before the trailer, where records, index and description lie.
std::span<const uint8_t> Body(std::span<const uint8_t> bytes) {
  return bytes.first(bytes.size() - kFontTrailerSize);
}

std::u16string ReadDescriptionLine(ByteReader& reader) {
  std::u16string line;
  uint8_t byte;
  while (reader.ReadU8(byte) && byte != '\n') {
    if (byte != '\r') line.push_back(static_cast<char16_t>(byte));
  }
  const auto isSpace = [](char16_t c) { return c == u' ' || (c >= u'\t' && c <= u'\r'); };
  std::size_t begin = 0;
  std::size_t end = line.size();
  while (begin < end && isSpace(line[begin])) ++begin;
  while (end > begin && isSpace(line[end - 1])) --end;
  return line.substr(begin, end - begin);
}

struct RecordHead {
  uint16_t code = 0;
  float advance = 0;
  uint16_t lineCount = 0;
};

// Reads a record's head up to and including L.
bool ReadRecordHead(ByteReader& reader, RecordHead& head) {
  float unused;
  return reader.ReadU16(head.code) && reader.ReadF32(head.advance) && reader.ReadF32(unused) &&
         reader.ReadU16(head.lineCount);
}

// Steps over a whole record, checking that it lies within the bytes.
bool SkipRecord(ByteReader& reader, RecordHead& head) {
  uint16_t arcCount;
  return ReadRecordHead(reader, head) && reader.Skip(head.lineCount * kLineStrokeSize) &&
         reader.ReadU16(arcCount) && reader.Skip(arcCount * kArcStrokeSize);
}

void ReadSequentialIndex(std::span<const uint8_t> body, uint16_t glyphCount, StrokeFont& font) {
  ByteReader reader(body);
  reader.Seek(2);
  float lineSpacing;
  if (reader.ReadF32(lineSpacing) && std::isfinite(lineSpacing))
    font.lineSpacingFactor = lineSpacing;
  for (uint16_t i = 0; i < glyphCount; ++i) {
    const std::size_t position = reader.Position();
    RecordHead head;
    if (!SkipRecord(reader, head)) return;  // truncated: no description either
    if (!std::isfinite(head.advance)) continue;
    Glyph glyph;
    glyph.rightExtent = head.advance;
    glyph.filePosition = static_cast<int64_t>(position);
    font.glyphs.try_emplace(head.code, std::move(glyph));  // the first record of a code wins
  }
  font.description = ReadDescriptionLine(reader);
}

void ReadIndexedIndex(std::span<const uint8_t> body, uint32_t indexOffset, StrokeFont& font) {
  ByteReader reader(body);
  uint16_t entryCount;
  if (indexOffset < kFontHeaderSize || !reader.Seek(indexOffset) || !reader.ReadU16(entryCount))
    return;
  for (uint16_t i = 0; i < entryCount; ++i) {
    uint16_t code;
    uint32_t recordOffset;
    if (!reader.ReadU16(code) || !reader.ReadU32(recordOffset)) return;
    // An entry pointing into the header or past the records names no record.
    if (recordOffset < kFontHeaderSize || recordOffset >= body.size()) continue;
    Glyph glyph;
    glyph.filePosition = recordOffset;
    font.glyphs.insert_or_assign(code, std::move(glyph));  // the last entry of a code wins
  }
  font.description = ReadDescriptionLine(reader);
}

}  // namespace

void ReadGlyphIndex(std::span<const uint8_t> bytes, StrokeFont& font) {
  font.glyphs.clear();
  font.description.clear();
  if (bytes.size() < kFontHeaderSize + kFontTrailerSize) return;
  ByteReader trailer(bytes);
  uint16_t glyphCount = 0;
  uint32_t indexOffset = 0;
  uint32_t form = 0;
  trailer.ReadU16(glyphCount);
  trailer.Seek(bytes.size() - kFontTrailerSize);
  trailer.ReadU32(indexOffset);
  trailer.ReadU32(form);
  if (form == kIndexedFontForm) {
    ReadIndexedIndex(Body(bytes), indexOffset, font);
  } else {
    ReadSequentialIndex(Body(bytes), glyphCount, font);
  }
}

bool ReadGlyphStrokes(std::span<const uint8_t> bytes, Glyph& glyph) {
  if (bytes.size() < kFontHeaderSize + kFontTrailerSize || glyph.filePosition < 0) return false;
  const std::span<const uint8_t> body = Body(bytes);
  if (glyph.filePosition < static_cast<int64_t>(kFontHeaderSize) ||
      glyph.filePosition >= static_cast<int64_t>(body.size())) {
    return false;
  }
  ByteReader reader(body);
  reader.Seek(static_cast<std::size_t>(glyph.filePosition));
  RecordHead head;
  // Check the counts against the bytes before anything is allocated for them.
  if (!ReadRecordHead(reader, head) || !std::isfinite(head.advance) ||
      reader.Remaining() < head.lineCount * kLineStrokeSize + 2) {
    return false;
  }
  std::vector<LineStroke> lines(head.lineCount);
  for (LineStroke& line : lines) {
    reader.ReadF32(line.x1);
    reader.ReadF32(line.y1);
    reader.ReadF32(line.x2);
    reader.ReadF32(line.y2);
    if (!std::isfinite(line.x1) || !std::isfinite(line.y1) || !std::isfinite(line.x2) ||
        !std::isfinite(line.y2)) {
      return false;
    }
  }
  uint16_t arcCount = 0;
  reader.ReadU16(arcCount);
  if (reader.Remaining() < arcCount * kArcStrokeSize) return false;
  std::vector<ArcStroke> arcs(arcCount);
  for (ArcStroke& arc : arcs) {
    reader.ReadF32(arc.cx);
    reader.ReadF32(arc.cy);
    reader.ReadF32(arc.r);
    reader.ReadF32(arc.a1);
    reader.ReadF32(arc.a2);
    if (!std::isfinite(arc.cx) || !std::isfinite(arc.cy) || !std::isfinite(arc.r) ||
        !std::isfinite(arc.a1) || !std::isfinite(arc.a2)) {
      return false;
    }
    NormalizeArcAngles(arc);
  }
  glyph.lines = std::move(lines);
  glyph.arcs = std::move(arcs);
  glyph.filePosition = -1;
  SetGlyphExtents(glyph, head.advance);
  return true;
}

}  // namespace korvo
