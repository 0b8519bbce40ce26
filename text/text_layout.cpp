#include "text/text_layout.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "geometry/curve_geometry.h"
#include "geometry/geometry.h"
#include "text/font_loading.h"

namespace korvo {
namespace {

// The ideographic space takes more room than the space glyph it borrows.
constexpr double kIdeographicSpaceScale = 1.6;

double PenAdvance(const Glyph& glyph, char16_t c) {
  const double advance = double{glyph.rightExtent} + double{glyph.trailingSpace};
  return c == kIdeographicSpace ? advance * kIdeographicSpaceScale : advance;
}

// Font units to world: scale, slant, mirror, then rotate about the insertion point.
struct TextMapping {
  Point origin;
  double hs = 0;  // signed height
  double sx = 0;
  double sy = 0;
  double slant = 0;  // tan of the signed oblique angle
  double cos = 1;
  double sin = 0;
  bool mirroredX = false;
  bool mirroredY = false;

  explicit TextMapping(const TextPlacement& text) : origin(text.insertionPoint) {
    const uint8_t flags = text.generationFlags | text.styleFlags;
    hs = (flags & kTextUpsideDown) ? -text.height : text.height;
    const double ws = (flags & kTextBackward) ? -text.widthFactor : text.widthFactor;
    sx = std::fabs(text.height) * ws;
    sy = hs;
    double oblique = text.obliqueAngle;
    if (hs < 0) oblique = -oblique;
    if (ws < 0) oblique = -oblique;
    slant = std::tan(oblique);
    cos = std::cos(text.rotation);
    sin = std::sin(text.rotation);
    mirroredX = ws < 0;
    mirroredY = hs < 0;
  }

  // `local` is already in world units, in the text's own frame.
  Point ToWorld(const Point& local) const {
    return {origin.x + local.x * cos - local.y * sin, origin.y + local.x * sin + local.y * cos};
  }
  Point Local(double x, double y, double pen, const Point& lineOffset) const {
    return {(x + pen) * sx + y * sy * slant + lineOffset.x, y * sy + lineOffset.y};
  }
  Point Map(double x, double y, double pen, const Point& lineOffset) const {
    return ToWorld(Local(x, y, pen, lineOffset));
  }
};

// Bound: each arc stroke is given to the sink as a shape that holds all its ink, however
// finely it is drawn (extents).
enum class ArcStrokes { Draw, Bound };

void DrawArcStroke(const ArcStroke& arc, const TextPlacement& text, const TextMapping& mapping,
                   double pen, const Point& lineOffset, double pixelSize, TextStrokeSink& sink) {
  const double baselineRadius = arc.r * std::fabs(text.height) * std::fabs(text.widthFactor);
  // A slanted arc is no longer elliptic in the text's frame, and a text without width has
  // no ellipse at all: both go as lines through points of the arc.
  if (text.obliqueAngle == 0 && text.widthFactor != 0) {
    double start = arc.a1;
    double end = arc.a2;
    if (mapping.mirroredY) {
      const double a = start;
      start = -end;
      end = -a;
    }
    if (mapping.mirroredX) {
      const double a = start;
      start = kPi - end;
      end = kPi - a;
    }
    sink.Arc(mapping.Map(arc.cx, arc.cy, pen, lineOffset), baselineRadius,
             1 / std::fabs(text.widthFactor), text.rotation, start, end);
    return;
  }
  const double largestRadius =
      arc.r * std::fabs(text.height) * std::max(std::fabs(text.widthFactor), 1.0);
  const int n = ArcChainSegmentsForSweep(baselineRadius, largestRadius, arc.a2 - arc.a1, pixelSize);
  const double a1 = arc.a1;
  const double a2 = arc.a2;
  const double step = (a2 - a1) / n;
  Point previous =
      mapping.Map(arc.cx + arc.r * std::cos(a1), arc.cy + arc.r * std::sin(a1), pen, lineOffset);
  for (int i = 1; i <= n; ++i) {
    const double a = i == n ? a2 : std::min(a1 + i * step, a2);
    const Point next =
        mapping.Map(arc.cx + arc.r * std::cos(a), arc.cy + arc.r * std::sin(a), pen, lineOffset);
    sink.Line(previous, next);
    previous = next;
  }
}

// The ink of an arc stroke drawn at any pixel size: the exact elliptic arc when it stays
// one, else the image of the circle's bounding square, whose corners go to the sink as the
// square's two diagonals (the mapping is affine, so the image holds every chord).
void BoundArcStroke(const ArcStroke& arc, const TextPlacement& text, const TextMapping& mapping,
                    double pen, const Point& lineOffset, TextStrokeSink& sink) {
  if (text.obliqueAngle == 0 && text.widthFactor != 0) {
    DrawArcStroke(arc, text, mapping, pen, lineOffset, 1, sink);
    return;
  }
  const auto corner = [&](double sx, double sy) {
    return mapping.Map(arc.cx + sx * arc.r, arc.cy + sy * arc.r, pen, lineOffset);
  };
  sink.Line(corner(-1, -1), corner(1, 1));
  sink.Line(corner(1, -1), corner(-1, 1));
}

void LayOut(const TextPlacement& text, double pixelSize, TextStrokeSink& sink,
            ArcStrokes arcStrokes) {
  if (text.font == nullptr) return;
  StrokeFont& font = *text.font;
  const TextAlignment alignment =
      ComputeTextAlignment(font, text.content, text.horizontalAlignment);
  const TextMapping mapping(text);
  double pen = alignment.offset;
  Point lineOffset;
  for (const char16_t c : text.content) {
    if (c == u'\n') {
      lineOffset.y -= font.lineSpacingFactor * mapping.hs;
      pen = alignment.offset;
      continue;
    }
    const Glyph* glyph = GetLayoutGlyph(font, c);
    if (glyph == nullptr) continue;
    for (const LineStroke& line : glyph->lines) {
      sink.Line(mapping.Map(line.x1, line.y1, pen, lineOffset),
                mapping.Map(line.x2, line.y2, pen, lineOffset));
    }
    for (const ArcStroke& arc : glyph->arcs) {
      if (arcStrokes == ArcStrokes::Draw)
        DrawArcStroke(arc, text, mapping, pen, lineOffset, pixelSize, sink);
      else
        BoundArcStroke(arc, text, mapping, pen, lineOffset, sink);
    }
    pen += PenAdvance(*glyph, c);
  }
}

class ExtentsSink : public TextStrokeSink {
 public:
  ExtentsSink(Point& min, Point& max) : min_(min), max_(max) {}
  void Line(const Point& from, const Point& to) override {
    Include(from);
    Include(to);
  }
  void Arc(const Point& center, double radius, double ratio, double rotation, double start,
           double end) override {
    Point low, high;
    ArcBox({center, radius, ratio, rotation}, start, end, low, high);
    Include(low);
    Include(high);
  }

 private:
  void Include(const Point& p) {
    min_.x = std::min(min_.x, p.x);
    min_.y = std::min(min_.y, p.y);
    max_.x = std::max(max_.x, p.x);
    max_.y = std::max(max_.y, p.y);
  }
  Point& min_;
  Point& max_;
};

}  // namespace

int ArcChainSegments(double baselineRadius, double pixelSize) {
  const double n = (baselineRadius + pixelSize / 2) / pixelSize * 0.6666666666666666;
  // Written so that NaN (no pixel size) ends at the lower limit.
  if (!(n >= 1)) return 1;
  if (n >= 512) return 512;
  return static_cast<int>(n);
}

int ArcChainSegmentsForSweep(double baselineRadius, double largestRadius, double sweep,
                             double pixelSize) {
  const int n = ArcChainSegments(baselineRadius, pixelSize);
  // The count above follows the radius alone, so a small circle (the degree sign of a
  // slanted text) would collapse into a single chord. A chord over the angle s strays
  // R(1 - cos(s/2)) from an arc of radius R: keep that within half a pixel.
  const double radiusInPixels = largestRadius / pixelSize;
  const double angle = std::fabs(sweep);
  // Up to a quarter pixel of radius any chord is close enough.
  if (!(radiusInPixels > 0.25) || !std::isfinite(radiusInPixels) || !(angle > 0)) return n;
  const double largestStep = 2 * std::acos(1 - 0.5 / radiusInPixels);
  const double needed = std::ceil(angle / largestStep);
  if (!(needed < 512)) return 512;
  return std::max(n, static_cast<int>(needed));
}

TextAlignment ComputeTextAlignment(StrokeFont& font, std::u16string_view content,
                                   uint8_t horizontalAlignment) {
  LoadGlyphs(font, content);
  TextAlignment alignment;
  std::optional<double> firstLeftExtent;
  double pen = 0;        // pen position within the current line
  double lineWidth = 0;  // ink width of the current line so far
  bool lineHasGlyph = false;
  bool anyGlyph = false;
  double widest = 0;
  const auto endLine = [&] {
    if (lineHasGlyph) widest = anyGlyph ? std::max(widest, lineWidth) : lineWidth;
    anyGlyph |= lineHasGlyph;
    pen = 0;
    lineWidth = 0;
    lineHasGlyph = false;
  };
  for (const char16_t c : content) {
    if (c == u'\n') {
      endLine();
      continue;
    }
    const Glyph* glyph = GetLayoutGlyph(font, c);
    if (glyph == nullptr) continue;
    if (!firstLeftExtent) firstLeftExtent = glyph->leftExtent;
    lineWidth = pen + glyph->rightExtent;
    lineHasGlyph = true;
    pen += PenAdvance(*glyph, c);
  }
  endLine();
  alignment.width = widest;
  if (horizontalAlignment == kAlignRight) {
    alignment.offset = -alignment.width;
  } else if (horizontalAlignment == kAlignCenter) {
    // Centring needs an answer for code 0 (normally the "?" substitute); without one the
    // text is placed as right aligned.
    if (GetGlyph(font, 0) != nullptr) {
      alignment.offset = -(alignment.width + firstLeftExtent.value_or(0)) / 2;
    } else {
      alignment.offset = -alignment.width;
    }
  }
  return alignment;
}

void LayOutText(const TextPlacement& text, double pixelSize, TextStrokeSink& sink) {
  LayOut(text, pixelSize, sink, ArcStrokes::Draw);
}

void GetTextExtents(const TextPlacement& text, Point& min, Point& max) {
  min = max = text.insertionPoint;
  ExtentsSink sink(min, max);
  LayOut(text, 1, sink, ArcStrokes::Bound);
}

TextFrame GetTextFrame(const TextPlacement& text) {
  TextFrame frame;
  if (text.font == nullptr) return frame;
  const TextAlignment alignment =
      ComputeTextAlignment(*text.font, text.content, text.horizontalAlignment);
  const TextMapping mapping(text);
  const double x1 = alignment.offset * mapping.sx;
  const double x2 = (alignment.offset + alignment.width) * mapping.sx;
  frame.left = std::min(x1, x2);
  frame.right = std::max(x1, x2);
  frame.bottom = std::min(0.0, mapping.hs);
  frame.top = std::max(0.0, mapping.hs);
  return frame;
}

bool TextFrameContains(const TextPlacement& text, const Point& p) {
  const TextFrame frame = GetTextFrame(text);
  // Into the text's own frame: turn back about the insertion point.
  const double c = std::cos(text.rotation);
  const double s = std::sin(text.rotation);
  const Point d = p - text.insertionPoint;
  const Point local(d.x * c + d.y * s, -d.x * s + d.y * c);
  return local.x >= frame.left && local.x <= frame.right && local.y >= frame.bottom &&
         local.y <= frame.top;
}

Point TextBaselineStart(const TextPlacement& text) {
  if (text.font == nullptr) return text.insertionPoint;
  const TextAlignment alignment =
      ComputeTextAlignment(*text.font, text.content, text.horizontalAlignment);
  const TextMapping mapping(text);
  return mapping.ToWorld({alignment.offset * mapping.sx, 0});
}

std::vector<Point> TextLineStarts(const TextPlacement& text) {
  const std::size_t lines =
      1 + static_cast<std::size_t>(std::count(text.content.begin(), text.content.end(), u'\n'));
  if (text.font == nullptr) return std::vector<Point>(lines, text.insertionPoint);
  const TextAlignment alignment =
      ComputeTextAlignment(*text.font, text.content, text.horizontalAlignment);
  const TextMapping mapping(text);
  std::vector<Point> starts;
  starts.reserve(lines);
  for (std::size_t i = 0; i < lines; ++i) {
    const double down = static_cast<double>(i) * text.font->lineSpacingFactor * mapping.hs;
    starts.push_back(mapping.ToWorld({alignment.offset * mapping.sx, -down}));
  }
  return starts;
}

}  // namespace korvo
