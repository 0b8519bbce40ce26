#pragma once

#include <climits>
#include <cstddef>
#include <iterator>
#include <limits>
#include <random>
#include <span>

namespace korvo::testing {

// World values from the ends of the doubles, through the far and the tiny, down to the
// coordinates of a 16-pixel picture, and the values that are no number at all.
inline constexpr double kExtremeDoubles[] = {-std::numeric_limits<double>::infinity(),
                                             -1e300,
                                             -1e17,
                                             -3.5,
                                             0,
                                             1e-300,
                                             2,
                                             7.5,
                                             15,
                                             1e9,
                                             1e300,
                                             std::numeric_limits<double>::infinity(),
                                             std::numeric_limits<double>::quiet_NaN()};

// Pixel coordinates from the ends of the integers down to a 16-pixel bitmap.
inline constexpr int kExtremeInts[] = {
    INT_MIN, INT_MIN + 1, -(1 << 29) - 7, -1000000000,   -17,         -1,     0, 3, 8,
    15,      16,          1000000000,     (1 << 29) + 5, INT_MAX - 1, INT_MAX};

// Picks values of a list at random in a fixed order: the same seed gives the same run, so a
// failure repeats and two pictures drawn from one seed are drawn alike.
template <typename T>
class ExtremePicker {
 public:
  ExtremePicker(std::span<const T> values, unsigned seed)
      : values_(values), random_(seed), pick_(0, values.size() - 1) {}
  T operator()() { return values_[pick_(random_)]; }

 private:
  std::span<const T> values_;
  std::mt19937 random_;
  std::uniform_int_distribution<std::size_t> pick_;
};

inline ExtremePicker<double> ExtremeDoubles(unsigned seed) {
  return ExtremePicker<double>(kExtremeDoubles, seed);
}
inline ExtremePicker<int> ExtremeInts(unsigned seed) {
  return ExtremePicker<int>(kExtremeInts, seed);
}

}  // namespace korvo::testing
