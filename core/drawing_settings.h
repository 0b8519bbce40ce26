#pragma once

#include <array>
#include <cstdint>

#include "geometry/point.h"

namespace korvo {

class LineType;
class Layer;
class TextStyle;

// One record per drawing: limits, view window, grid and snap, point display and the current
// properties of new entities. Also the argument of every entity constructor.
class DrawingSettings {
 public:
  DrawingSettings() { Reset(); }

  // The values a cleared drawing has.
  void Reset();
  // Stores each of the last two input points that differs; true when anything changed.
  bool SetLastPoints(const Point& a, const Point& b);

  Point limitsMin;
  Point limitsMax;
  Point basePoint;   // saved from file version 1 ($INSBASE)
  Point viewOrigin;  // world point of the lower-left pixel of the view
  Size viewExtent;   // world size that must fit into the view
  double gridSpacing;
  double snapSpacing;
  // Saved and copied; no behaviour depends on them yet.
  double factorA;
  double factorB;
  std::array<double, 5> values;  // saved from version 1
  double workAngle;              // working value of commands; never saved
  // The donut command's diameters; kept with the drawing but never saved.
  double donutInsideDiameter;
  double donutOutsideDiameter;
  uint8_t gridOn;
  uint8_t orthoSnap;  // never saved
  uint8_t gridSnap;
  uint8_t objectSnap;        // never saved
  uint8_t intersectionSnap;  // never saved
  uint32_t mode;             // saved from version 2
  double linetypeScale;      // 0 draws every line continuous
  double pointDisplaySize;   // saved from version 3
  uint8_t pointDisplayMode;  // saved from version 3: 0-4, 32-36, 64-68, 96-100
  uint8_t splineFrame;       // saved from version 4 ($SPLFRAME)
  uint32_t splineSegments;   // saved from version 4 ($SPLINESEGS)
  int16_t currentColorIndex;
  LineType* currentLineType;
  Layer* currentLayer;
  double currentLineWeight;
  TextStyle* currentTextStyle;
  std::array<Point, 2> lastPoints;
};

}  // namespace korvo
