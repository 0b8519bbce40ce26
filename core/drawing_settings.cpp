#include "core/drawing_settings.h"

#include "text/line_type.h"

namespace korvo {

void DrawingSettings::Reset() {
  limitsMin = Point(0, 0);
  limitsMax = Point(210, 297);  // an A4 sheet in millimetres
  basePoint = Point(0, 0);
  viewOrigin = Point(0, 0);
  viewExtent = Size{210, 297};
  gridSpacing = 5.0;
  snapSpacing = 2.5;
  factorA = 1.0;
  factorB = 1.0;
  values.fill(0.0);
  workAngle = 0.7853981633974483;
  donutInsideDiameter = 0.5;
  donutOutsideDiameter = 1.0;
  gridOn = 0;
  orthoSnap = 0;
  gridSnap = 1;
  objectSnap = 0;
  intersectionSnap = 0;
  mode = 1;
  linetypeScale = 1.0;
  pointDisplaySize = 5.0;
  pointDisplayMode = 34;
  splineFrame = 0;
  splineSegments = 8;
  currentColorIndex = 256;
  currentLineType = &ByLayerLineType();
  currentLayer = nullptr;
  currentLineWeight = -1.0;
  currentTextStyle = nullptr;
  lastPoints = {Point(0, 0), Point(0, 0)};
}

bool DrawingSettings::SetLastPoints(const Point& a, const Point& b) {
  bool changed = false;
  if (lastPoints[0] != a) lastPoints[0] = a, changed = true;
  if (lastPoints[1] != b) lastPoints[1] = b, changed = true;
  return changed;
}

}  // namespace korvo
