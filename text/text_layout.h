#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "geometry/point.h"
#include "text/stroke_font.h"

namespace korvo {

// Generation flags of a text and of its style (the style's bits act as if set on the text).
inline constexpr uint8_t kTextBackward = 0x02;    // mirrored in x
inline constexpr uint8_t kTextUpsideDown = 0x04;  // mirrored in y

// Horizontal alignment of a text; any other value lays out as left.
inline constexpr uint8_t kAlignLeft = 0;
inline constexpr uint8_t kAlignCenter = 1;
inline constexpr uint8_t kAlignRight = 2;

// Everything the layout of one text needs. The font and the content are not owned.
struct TextPlacement {
  Point insertionPoint;
  double height = 0;  // a negative height lays out upside down
  double widthFactor = 1;
  double rotation = 0;      // radians, counter-clockwise
  double obliqueAngle = 0;  // radians; positive slants the verticals to the right
  uint8_t generationFlags = 0;
  uint8_t styleFlags = 0;
  uint8_t horizontalAlignment = kAlignLeft;
  StrokeFont* font = nullptr;   // no font lays out nothing
  std::u16string_view content;  // a line feed starts a new line
};

// Receives the strokes of a laid-out text in world coordinates.
class TextStrokeSink {
 public:
  virtual ~TextStrokeSink() = default;
  virtual void Line(const Point& from, const Point& to) = 0;
  // An elliptic arc: `radius` along the ellipse's x axis (the text's baseline, turned by
  // `rotation`), `ratio` of the other radius to it, and the angles counter-clockwise in the
  // ellipse's own frame from `start` to `end`.
  virtual void Arc(const Point& center, double radius, double ratio, double rotation, double start,
                   double end) = 0;
};

// The pen start of every line and the text's width, in font units. `width` is W, the
// width of the text's ink from the first glyph's pen origin to the last glyph's right
// extent (advances up to the last glyph, then its right extent); over several lines, that
// of the widest. `offset` is where each line's pen starts: 0 for left alignment, -W for
// right, and -(W + left extent of the first glyph) / 2 for centre when the font answers a
// glyph for code 0 (else -W).
struct TextAlignment {
  double width = 0;
  double offset = 0;
};
// Reads the strokes the content needs (LoadGlyphs) and measures it.
TextAlignment ComputeTextAlignment(StrokeFont& font, std::u16string_view content,
                                   uint8_t horizontalAlignment);

// Lays the text out into `sink`: every line stroke as a line, every arc stroke as an arc,
// or, when the text is slanted (or has no width), as a chain of lines fine enough for
// `pixelSize` (world units per pixel). A caller drawing into a render context sets its line
// type to continuous around this call (the highlight pattern excepted).
void LayOutText(const TextPlacement& text, double pixelSize, TextStrokeSink& sink);

// The box holding the insertion point and every stroke as drawn at any pixel size: both ends
// of each line stroke and the whole of each arc stroke.
void GetTextExtents(const TextPlacement& text, Point& min, Point& max);

// The rectangle the nearest-point test takes as the text, in the text's own frame relative
// to the insertion point (before rotation): along the baseline over W from the alignment
// offset, and up to the height, each side turned negative when the text is backward or
// upside down; left ≤ right and bottom ≤ top.
struct TextFrame {
  double left = 0;
  double right = 0;
  double bottom = 0;
  double top = 0;
};
TextFrame GetTextFrame(const TextPlacement& text);
// Whether `p` (world) lies within the text's frame, borders included.
bool TextFrameContains(const TextPlacement& text, const Point& p);

// The left end of the first baseline in world coordinates: the insertion point moved along
// the text direction by the alignment offset (the DXF first alignment point).
Point TextBaselineStart(const TextPlacement& text);
// Where the layout starts the pen of each line (one per line feed, plus one), in world
// coordinates: every line starts at the alignment offset of the whole text, one line
// spacing below the one before. Without a font, the insertion point for every line.
std::vector<Point> TextLineStarts(const TextPlacement& text);

// Segments of an arc stroke drawn as a chain of lines: about one per 1.5 pixels of its
// radius along the baseline, from 1 to 512.
int ArcChainSegments(double baselineRadius, double pixelSize);
// The segments a slanted arc stroke is drawn with: ArcChainSegments, raised where that is too
// coarse for a small arc so that no chord strays more than half a pixel from the arc, at most
// 512. `largestRadius` is the larger of the arc's two radii in world units, `sweep` its
// angle in radians.
int ArcChainSegmentsForSweep(double baselineRadius, double largestRadius, double sweep,
                             double pixelSize);

}  // namespace korvo
