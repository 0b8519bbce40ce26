// Font files are outside data: the index and stroke readers and the layout of whatever they
// yield must survive any bytes.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

#include "text/font_file.h"
#include "text/text_layout.h"

namespace {

class SumSink : public korvo::TextStrokeSink {
 public:
  void Line(const korvo::Point& from, const korvo::Point& to) override { sum += from.x + to.y; }
  void Arc(const korvo::Point& center, double radius, double ratio, double rotation, double start,
           double end) override {
    sum += center.x + radius + ratio + rotation + start + end;
  }
  double sum = 0;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  const std::span<const uint8_t> bytes(data, size);
  korvo::StrokeFont font(u"FUZZ");
  korvo::ReadGlyphIndex(bytes, font);
  // Read every glyph here, dropping the damaged ones as loading does, so that the layout
  // below finds nothing left to read and never looks for a file.
  font.loaded = true;
  std::u16string content;
  for (auto it = font.glyphs.begin(); it != font.glyphs.end();) {
    if (korvo::ReadGlyphStrokes(bytes, it->second)) {
      content.push_back(it->first);
      ++it;
    } else {
      it = font.glyphs.erase(it);
    }
  }
  content += u"\n?\u3000x";

  SumSink sink;
  korvo::TextPlacement text;
  text.height = 2.5;
  text.font = &font;
  text.content = content;
  korvo::LayOutText(text, 0.01, sink);
  text.horizontalAlignment = korvo::kAlignCenter;
  text.obliqueAngle = 0.25;
  text.generationFlags = korvo::kTextBackward | korvo::kTextUpsideDown;
  text.rotation = 1;
  korvo::LayOutText(text, 0.05, sink);
  korvo::Point min, max;
  text.horizontalAlignment = korvo::kAlignRight;
  korvo::GetTextExtents(text, min, max);
  korvo::TextFrameContains(text, {1, 1});
  return 0;
}
