#pragma once

#include "text/line_type.h"

namespace korvo {

// Walks the dashes of a pattern along one path (a line, an arc, a segment): each path starts
// a new walk, so the pattern restarts at every one. `scale` is the world length of one
// pattern unit; for arcs callers divide it by the radius so that lengths become angles.
//
//   DashWalk walk(pattern, scale);
//   for (walk.BeginWalk(s, n); s <= pathLength; walk.NextDash(s, n)) draw [s, min(s + n, L)]
class DashWalk {
 public:
  // The endless dash of a continuous line, and the start that ends a walk.
  static constexpr double kEndless = 3.4028234663852886e38;

  DashWalk(const std::vector<double>& pattern, double scale) : pattern_(pattern), scale_(scale) {}

  void BeginWalk(double& start, double& length);
  // After the last dash, `start` is kEndless.
  void NextDash(double& start, double& length);

 private:
  const std::vector<double>& pattern_;
  double scale_;
  double position_ = 0;      // pattern units along the path
  std::size_t element_ = 0;  // index of the next element
  bool continuous_ = false;  // the walk is one endless dash
};

}  // namespace korvo
