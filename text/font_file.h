#pragma once

#include <cstdint>
#include <span>

#include "text/glyph.h"
#include "text/stroke_font.h"

namespace korvo {

// Font file layout (little-endian, floats 32-bit IEEE):
//   0       u16  glyph count N
//   2       f32  line spacing factor
//   6       glyph records (sequential form) or other data (indexed form)
//   end-8   u32  index offset
//   end-4   u32  form marker: kIndexedFontForm for the indexed form, anything else sequential
// A glyph record: u16 code, f32 advance, f32 (unused), u16 L, L × {x1 y1 x2 y2},
// u16 A, A × {cx cy r a1 a2}. The sequential form has N records from offset 6, then a
// description line; the indexed form has at the index offset a u16 count M, M entries
// {u16 code, u32 record offset} and a description line. A description line is 8-bit text up
// to a line feed.
inline constexpr uint32_t kIndexedFontForm = 0xFFFFFFFF;
inline constexpr std::size_t kFontHeaderSize = 6;
inline constexpr std::size_t kFontTrailerSize = 8;

// Reads the glyph index of a font file held in memory into `font`: its glyphs, with their
// records' places but no strokes yet, the description and, in the sequential form only, the
// line spacing factor. The bytes are outside data: a damaged record ends a sequential index,
// an index entry that cannot point at a record is dropped, so a damaged file yields the
// glyphs it holds intact. On duplicate codes the first record wins in the sequential form
// and the last index entry wins in the indexed form.
void ReadGlyphIndex(std::span<const uint8_t> bytes, StrokeFont& font);

// Reads the strokes of `glyph` from its record, normalises its arcs and sets its extents.
// False, leaving the glyph as it was, when the record does not lie whole within the file's
// records or holds a number that is not finite.
bool ReadGlyphStrokes(std::span<const uint8_t> bytes, Glyph& glyph);

}  // namespace korvo
