#include "plugin/commandset/commands.h"

namespace korvo::commandset {

// FIXME: the drawing commands are being written; until then they do not start.
int RunArc3Point() {
  return 0;
}
int RunArcCenter() {
  return 0;
}
int RunArcCenterStartAngle() {
  return 0;
}
int RunCircleCenter() {
  return 0;
}
int RunCircleDiameter() {
  return 0;
}
int RunCircle3Point() {
  return 0;
}
int RunPoint() {
  return 0;
}
int RunLine() {
  return 0;
}
int RunEllipseCenter() {
  return 0;
}
int RunEllipseDiameter() {
  return 0;
}

}  // namespace korvo::commandset
