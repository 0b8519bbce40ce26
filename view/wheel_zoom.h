#pragma once

namespace korvo {

// The window size factor of a wheel turn: `angleDelta` in eighths of a degree, 120 to a
// notch, positive away from the user, which zooms in. Each notch scales the window by 1.25.
double WheelZoomFactor(int angleDelta);

}  // namespace korvo
