#pragma once

namespace korvo::commandset {

// The commands of the module. Each returns 1 when it ran (whatever the user did) and 0 when it
// could not start.
int RunSettings();
int RunArc3Point();
int RunArcCenter();
int RunArcCenterStartAngle();
int RunCircleCenter();
int RunCircleDiameter();
int RunCircle3Point();
int RunPoint();
int RunLine();
int RunTrace();
int RunPolylineEdit();
int RunEllipseCenter();
int RunEllipseDiameter();
int RunRectangularArray();
int RunPolarArray();

}  // namespace korvo::commandset
