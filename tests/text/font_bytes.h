#pragma once

// Font files for tests, written byte by byte after the file layout: little-endian u16/u32,
// 32-bit IEEE floats, glyph records, and the 8-byte trailer.

#include <bit>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string_view>
#include <vector>

namespace korvo::test {

struct FontBytes {
  std::vector<uint8_t> bytes;

  FontBytes& U16(uint16_t v) {
    bytes.push_back(static_cast<uint8_t>(v));
    bytes.push_back(static_cast<uint8_t>(v >> 8));
    return *this;
  }
  FontBytes& U32(uint32_t v) {
    for (int shift = 0; shift < 32; shift += 8) bytes.push_back(static_cast<uint8_t>(v >> shift));
    return *this;
  }
  FontBytes& F32(float v) { return U32(std::bit_cast<uint32_t>(v)); }
  FontBytes& Text(std::string_view text) {
    bytes.insert(bytes.end(), text.begin(), text.end());
    return *this;
  }
  uint32_t Size() const { return static_cast<uint32_t>(bytes.size()); }
};

struct Line {
  float x1, y1, x2, y2;
};
struct Arc {
  float cx, cy, r, a1, a2;
};
struct Record {
  char16_t code;
  float advance;
  std::vector<Line> lines;
  std::vector<Arc> arcs;
};

inline void AppendRecord(FontBytes& out, const Record& record) {
  out.U16(record.code).F32(record.advance).F32(0).U16(static_cast<uint16_t>(record.lines.size()));
  for (const Line& l : record.lines) out.F32(l.x1).F32(l.y1).F32(l.x2).F32(l.y2);
  out.U16(static_cast<uint16_t>(record.arcs.size()));
  for (const Arc& a : record.arcs) out.F32(a.cx).F32(a.cy).F32(a.r).F32(a.a1).F32(a.a2);
}

// Header, the records one after another, the description line and a sequential trailer.
inline std::vector<uint8_t> SequentialFont(float lineSpacing, const std::vector<Record>& records,
                                           std::string_view description = "Test font\r\n") {
  FontBytes out;
  out.U16(static_cast<uint16_t>(records.size())).F32(lineSpacing);
  for (const Record& record : records) AppendRecord(out, record);
  out.Text(description).U32(0).U32(0);
  return out.bytes;
}

// Header, the records, then the index {code, offset} of every record in order, the
// description line and the indexed trailer. `extraEntries` follow the records' own entries.
struct Entry {
  char16_t code;
  uint32_t offset;
};
inline std::vector<uint8_t> IndexedFont(const std::vector<Record>& records,
                                        std::vector<Entry> extraEntries = {},
                                        std::string_view description = "Indexed font\n",
                                        float headerLineSpacing = 3.0f) {
  FontBytes out;
  out.U16(static_cast<uint16_t>(records.size())).F32(headerLineSpacing);
  std::vector<Entry> entries;
  for (const Record& record : records) {
    entries.push_back({record.code, out.Size()});
    AppendRecord(out, record);
  }
  entries.insert(entries.end(), extraEntries.begin(), extraEntries.end());
  const uint32_t indexOffset = out.Size();
  out.U16(static_cast<uint16_t>(entries.size()));
  for (const Entry& entry : entries) out.U16(entry.code).U32(entry.offset);
  out.Text(description).U32(indexOffset).U32(0xFFFFFFFF);
  return out.bytes;
}

inline void WriteFile(const std::filesystem::path& path, const std::vector<uint8_t>& bytes) {
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file.write(reinterpret_cast<const char*>(bytes.data()),
             static_cast<std::streamsize>(bytes.size()));
}

}  // namespace korvo::test
