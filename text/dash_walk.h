#pragma once

#include <concepts>
#include <cstddef>
#include <type_traits>
#include <vector>

#include "text/line_type.h"

namespace korvo {

// The length one round of a pattern advances a walk, in pattern units: complete dash/gap
// pairs only, an odd last element is ignored.
double DashPeriod(const std::vector<double>& pattern);

// Steps through the dashes of a pattern along one path (a line, an arc, a segment): each path
// starts a new walk, so the pattern restarts at every one. `scale` is the world length of one
// pattern unit; for arcs callers divide it by the radius so that lengths become angles.
// Paths are drawn through WalkDashes below, which bounds the walk; this is its step.
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

// More dashes than this in the walked part of one path cannot be told apart on any device;
// such a path draws continuous rather than keep the walk busy for ever.
inline constexpr double kMaxDashes = 1 << 16;

// The part of a path that is walked, as lengths from the path's start: dashes that end before
// `from` are skipped and the walk stops at the first dash starting after `to`.
struct DashWindow {
  double from;
  double to;
};

// Receives one dash [from, to] of a walk, as lengths from the path's start. Refers to the
// callable it is made from, which must outlive it.
class DashSink {
 public:
  // Not explicit: a lambda is passed at every call.
  template <class F>
  requires(!std::same_as<F, DashSink> && std::invocable<const F&, double, double>)
      DashSink(const F& f)
      : object_(&f), call_([](const void* object, double from, double to) {
          (*static_cast<const F*>(object))(from, to);
        }) {}
  void operator()(double from, double to) const { call_(object_, from, to); }

 private:
  const void* object_;
  void (*call_)(const void*, double, double);
};

// Walks `type`'s pattern along a path `length` long, `scale` world units a pattern unit (its
// sign does not count), handing every dash that reaches `window` to `dash`, its end cut to the
// path. The walk begins at the last whole round of the pattern before the window, so the
// dashes fall where a walk from the path's start puts them.
//
// Returns false, having handed over nothing, when the path draws continuous instead: no
// pattern or one that does not advance, a scale that is zero, not a number or past the
// largest double, a path too long for its dashes to be placed, or more than kMaxDashes
// dashes in the window.
bool WalkDashes(const LineType* type, double scale, double length, DashWindow window,
                DashSink dash);

}  // namespace korvo
