#pragma once

#include <string_view>

#include "text/glyph.h"
#include "text/stroke_font.h"

namespace korvo {

inline constexpr char16_t kIdeographicSpace = 0x3000;

// The glyph of `code` for metrics, reading the glyph index first if it was not read. A code
// without a glyph answers the glyph of "?", except the ideographic space, which answers none;
// none also when the font has no "?". The strokes may not be read yet (see LoadGlyphs).
Glyph* GetGlyph(StrokeFont& font, char16_t code);

// The glyph a character is drawn with: as GetGlyph, but an ideographic space without a glyph
// of its own takes the space's.
Glyph* GetLayoutGlyph(StrokeFont& font, char16_t code);

// Reads the strokes of every glyph `text` is drawn with that were not read yet; the font file
// is read at most once per call. A glyph whose record is damaged is dropped from the font, so
// the character falls back to "?".
//
// A font file that cannot be opened, here or when the index is read, is replaced by the
// default font's file (the font keeps its name) and reported (text/font_failure_report.h);
// when that cannot be opened either, the font is left without glyphs. Either way the index
// counts as read: files are not tried again for that font until its last reference is
// released and it is acquired anew.
void LoadGlyphs(StrokeFont& font, std::u16string_view text);

// Reads the glyph index if it was not read (GetGlyph does this on its own).
void EnsureGlyphIndex(StrokeFont& font);

}  // namespace korvo
