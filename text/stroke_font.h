#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <unordered_map>

#include "text/glyph.h"

namespace korvo {

// Baseline distance in text heights until a font file supplies another.
inline constexpr double kDefaultLineSpacingFactor = 1.6666666;

// A stroke font shared between text styles through the FontCache. The glyph index is read
// when a glyph is first asked for, a glyph's strokes when a string using it is laid out
// (text/font_loading.h).
class StrokeFont {
 public:
  explicit StrokeFont(std::u16string fontName) : name(std::move(fontName)) {}
  virtual ~StrokeFont() = default;
  StrokeFont(const StrokeFont&) = delete;
  StrokeFont& operator=(const StrokeFont&) = delete;

  std::u16string name;         // as given when first acquired
  std::u16string description;  // trimmed description line of the font file
  int referenceCount = 1;
  bool loaded = false;  // the glyph index has been read
  double lineSpacingFactor = kDefaultLineSpacingFactor;
  std::unordered_map<char16_t, Glyph> glyphs;
  // The file the glyph index came from: the font's own or, after a failure, the default
  // font's. Empty when neither could be read.
  std::filesystem::path sourcePath;
};

// The font of `name` (case-insensitive), created without touching any file on first use;
// each call adds a reference.
StrokeFont* AcquireFont(std::u16string_view name);
// Drops a reference; the last one destroys the font and removes it from the cache.
void ReleaseFont(StrokeFont* font);

// The default font, used by the STANDARD style and as the fallback.
inline constexpr char16_t kDefaultFontName[] = u"TXT";

// Holds one reference to a cached font.
class FontRef {
 public:
  FontRef() = default;
  explicit FontRef(std::u16string_view name) : font_(AcquireFont(name)) {}
  FontRef(const FontRef& other) : font_(other.font_) {
    if (font_ != nullptr) ++font_->referenceCount;
  }
  FontRef& operator=(const FontRef& other) {
    FontRef copy(other);
    std::swap(font_, copy.font_);
    return *this;
  }
  ~FontRef() {
    if (font_ != nullptr) ReleaseFont(font_);
  }

  StrokeFont* get() const { return font_; }
  StrokeFont* operator->() const { return font_; }
  StrokeFont& operator*() const { return *font_; }
  explicit operator bool() const { return font_ != nullptr; }

 private:
  StrokeFont* font_ = nullptr;
};

}  // namespace korvo
