#include "text/dash_walk.h"

#include <cmath>

namespace korvo {

void DashWalk::BeginWalk(double& start, double& length) {
  element_ = 0;
  continuous_ = false;
  // A pattern that never advances (all zeros, or not finite) would never end a walk: it
  // draws continuous instead.
  double advance = 0;
  for (std::size_t i = 0; i + 1 < pattern_.size(); i += 2)
    advance += std::fabs(pattern_[i]) + std::fabs(pattern_[i + 1]);
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

}  // namespace korvo
