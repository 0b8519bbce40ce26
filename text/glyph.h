#pragma once

#include <cstdint>
#include <vector>

namespace korvo {

// A straight stroke in font units.
struct LineStroke {
  float x1 = 0, y1 = 0, x2 = 0, y2 = 0;
};

// A circular-arc stroke in font units, counter-clockwise from a1 to a2 (radians).
struct ArcStroke {
  float cx = 0, cy = 0, r = 0, a1 = 0, a2 = 0;
};

// One character of a stroke font. Until its strokes are read, `rightExtent` holds the pen
// advance from the file's glyph record (or 0 when the index gave only the record's place).
struct Glyph {
  float rightExtent = 0;
  float trailingSpace = 0;    // advance - rightExtent
  float leftExtent = 0;       // 0 when the glyph has no strokes
  int64_t filePosition = -1;  // of the glyph's record; -1 once the strokes are read
  std::vector<LineStroke> lines;
  std::vector<ArcStroke> arcs;

  bool StrokesRead() const { return filePosition < 0; }
  // The pen advance to the next character.
  float Advance() const { return rightExtent + trailingSpace; }
};

// Brings an arc's angles into the range the layout expects: a1 in (-2π, π], a2 in
// [a1, a1 + 2π), a2 at most 2π.
void NormalizeArcAngles(ArcStroke& arc);

// Sets the glyph's extents from its strokes (arcs already normalised): the smallest and the
// largest x over the line ends and over the horizontal reach of every arc. A glyph without
// strokes keeps the whole advance as its right extent.
void SetGlyphExtents(Glyph& glyph, float advance);

}  // namespace korvo
