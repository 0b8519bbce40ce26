#include "text/dash_walk.h"

#include <algorithm>
#include <cmath>

namespace korvo {
namespace {

// Beyond this many rounds of the pattern along a path, the positions of its dashes fall
// between the doubles near the path's end and cannot be placed.
constexpr double kMaxResolvedPeriods = 1e12;

}  // namespace

double DashPeriod(const std::vector<double>& pattern) {
  double period = 0;
  for (std::size_t i = 0; i + 1 < pattern.size(); i += 2)
    period += std::fabs(pattern[i]) + std::fabs(pattern[i + 1]);
  return period;
}

void DashWalk::BeginWalk(double& start, double& length) {
  element_ = 0;
  continuous_ = false;
  // A pattern that never advances (all zeros, or not finite) would never end a walk: it
  // draws continuous instead.
  const double advance = DashPeriod(pattern_);
  if (pattern_.size() < 2 || scale_ == 0 || !(advance * std::fabs(scale_) > 0) ||
      !std::isfinite(advance * scale_)) {
    continuous_ = true;
    start = 0;
    length = kEndless;
    return;
  }
  position_ = 0;
  NextDash(start, length);
}

void DashWalk::NextDash(double& start, double& length) {
  // Only complete dash/gap pairs count; an odd last element is ignored.
  const std::size_t pairs = pattern_.size() / 2;
  if (pairs == 0 || scale_ == 0 || continuous_) {
    start = kEndless;
    length = 0;
    return;
  }
  if (element_ >= pairs * 2) element_ = 0;
  start = position_ * scale_;
  const double dash = std::fabs(pattern_[element_]);
  const double gap = std::fabs(pattern_[element_ + 1]);
  length = dash * scale_;
  position_ += dash + gap;
  element_ += 2;
}

bool WalkDashes(const LineType* type, double scale, double length, DashWindow window,
                DashSink dash) {
  if (type == nullptr || type->IsContinuous()) return false;
  scale = std::fabs(scale);
  const double period = DashPeriod(type->pattern) * scale;
  if (!(period > 0) || !std::isfinite(period) || !std::isfinite(length)) return false;
  if (!(length / period < kMaxResolvedPeriods)) return false;
  if ((window.to - window.from) / period > kMaxDashes) return false;

  const double offset = std::floor(window.from / period) * period;
  DashWalk walk(type->pattern, scale);
  double start = 0;
  double size = 0;
  // Far along a path a step can vanish against the offset; the count still ends the walk.
  double steps = 0;
  for (walk.BeginWalk(start, size); start + offset <= window.to && steps <= kMaxDashes + 1;
       walk.NextDash(start, size), ++steps) {
    const double from = start + offset;
    const double to = std::min(from + size, length);
    if (to >= window.from) dash(from, to);
  }
  return true;
}

}  // namespace korvo
