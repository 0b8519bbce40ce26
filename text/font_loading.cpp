#include "text/font_loading.h"

#include <optional>
#include <string>
#include <vector>

#include "platform/utf16.h"
#include "text/font_failure_report.h"
#include "text/font_file.h"
#include "text/font_files.h"

namespace korvo {
namespace {

using Bytes = std::vector<uint8_t>;

std::optional<Bytes> ReadNamedFont(std::u16string_view name, std::filesystem::path& path) {
  const auto found = FontFilePath(name);
  if (!found) return std::nullopt;
  path = *found;
  return ReadFontFile(path);
}

// Reads the index from the font's own file or else from the default font's, reporting what
// could not be opened, and answers the bytes read so that strokes can follow from them.
std::optional<Bytes> ReadIndex(StrokeFont& font) {
  font.loaded = true;
  font.glyphs.clear();
  font.description.clear();
  font.sourcePath.clear();
  std::vector<std::u16string> failed;
  std::filesystem::path path;
  std::optional<Bytes> bytes = ReadNamedFont(font.name, path);
  if (!bytes) {
    failed.push_back(font.name);
    if (!EqualsNoCase(font.name, kDefaultFontName)) {
      bytes = ReadNamedFont(kDefaultFontName, path);
      if (!bytes) failed.emplace_back(kDefaultFontName);
    }
  }
  if (!failed.empty()) ReportFontFailure(failed);
  if (!bytes) return std::nullopt;
  font.sourcePath = path;
  ReadGlyphIndex(*bytes, font);
  return bytes;
}

Glyph* Find(StrokeFont& font, char16_t code) {
  const auto found = font.glyphs.find(code);
  return found == font.glyphs.end() ? nullptr : &found->second;
}

// The code whose glyph draws `c`, if any.
std::optional<char16_t> LayoutCode(const StrokeFont& font, char16_t c) {
  if (font.glyphs.contains(c)) return c;
  if (c == kIdeographicSpace && font.glyphs.contains(u' ')) return u' ';
  if (font.glyphs.contains(u'?')) return u'?';
  return std::nullopt;
}

}  // namespace

void EnsureGlyphIndex(StrokeFont& font) {
  if (!font.loaded) ReadIndex(font);
}

Glyph* GetGlyph(StrokeFont& font, char16_t code) {
  EnsureGlyphIndex(font);
  if (Glyph* glyph = Find(font, code)) return glyph;
  if (code == kIdeographicSpace) return nullptr;
  return Find(font, u'?');
}

Glyph* GetLayoutGlyph(StrokeFont& font, char16_t code) {
  EnsureGlyphIndex(font);
  const std::optional<char16_t> layoutCode = LayoutCode(font, code);
  return layoutCode ? Find(font, *layoutCode) : nullptr;
}

void LoadGlyphs(StrokeFont& font, std::u16string_view text) {
  std::optional<Bytes> bytes;
  bool fileRead = false;
  if (!font.loaded) {
    bytes = ReadIndex(font);
    fileRead = true;
  }
  for (const char16_t c : text) {
    // A damaged record drops its glyph; the character then falls back to "?" (and that to
    // nothing), so at most three lookups end each character.
    for (std::optional<char16_t> code = LayoutCode(font, c); code; code = LayoutCode(font, c)) {
      Glyph& glyph = font.glyphs.at(*code);
      if (glyph.StrokesRead()) break;
      if (!fileRead) {
        fileRead = true;
        bytes = ReadFontFile(font.sourcePath);
        // The file went away since its index was read: start again from the index, which
        // falls back to the default font. Glyph places from the old file mean nothing now.
        if (!bytes) {
          bytes = ReadIndex(font);
          continue;
        }
      }
      if (!bytes || !ReadGlyphStrokes(*bytes, glyph)) font.glyphs.erase(*code);
    }
  }
}

}  // namespace korvo
