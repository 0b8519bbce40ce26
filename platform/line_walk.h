#pragma once

#include <algorithm>
#include <cstdint>

namespace korvo::raster {

// Integer coordinates are clamped to this before any arithmetic, which keeps every product
// of the line walk inside 64 bits.
inline constexpr int64_t kCoordinateLimit = int64_t{1} << 29;

inline int64_t ClampCoordinate(int64_t v) {
  return std::clamp(v, -kCoordinateLimit, kCoordinateLimit);
}

// Smallest integer >= a / b for b > 0.
inline int64_t CeilDiv(int64_t a, int64_t b) {
  const int64_t q = a / b;
  return (a % b != 0 && a > 0) ? q + 1 : q;
}

// Calls visit(step, x, y) for the pixels of the line from (x0, y0) to (x1, y1), end
// excluded, that lie inside [0, width) x [0, height), in walking order. `step` counts from
// the start of the whole line, clipped part included. Returns the number of steps of the
// whole line (its length along the longer axis).
//
// The walk steps along the longer axis (x on ties); at step i of n the other coordinate is
// start + sign * floor((2 * i * a + n) / (2 * n)) with a the length along the shorter axis.
// Clipping solves that formula for the steps that stay inside, so a line that reaches far
// outside costs no more than the part that is drawn.
template <class Visit>
int64_t WalkLine(int x0i, int y0i, int x1i, int y1i, int width, int height, Visit&& visit) {
  const int64_t x0 = ClampCoordinate(x0i), y0 = ClampCoordinate(y0i);
  const int64_t x1 = ClampCoordinate(x1i), y1 = ClampCoordinate(y1i);
  const int64_t dx = x1 - x0, dy = y1 - y0;
  const int64_t adx = dx < 0 ? -dx : dx, ady = dy < 0 ? -dy : dy;
  const bool xMajor = adx >= ady;
  const int64_t n = xMajor ? adx : ady;
  if (n == 0 || width <= 0 || height <= 0) return n;
  const int64_t a = xMajor ? ady : adx;
  const int64_t majorSign = (xMajor ? dx : dy) > 0 ? 1 : -1;
  const int64_t minorSign = (xMajor ? dy : dx) >= 0 ? 1 : -1;
  const int64_t major0 = xMajor ? x0 : y0, minor0 = xMajor ? y0 : x0;
  const int64_t majorLast = (xMajor ? width : height) - 1;
  const int64_t minorLast = (xMajor ? height : width) - 1;

  int64_t first = 0, last = n - 1;
  if (majorSign > 0) {
    first = std::max(first, -major0);
    last = std::min(last, majorLast - major0);
  } else {
    first = std::max(first, major0 - majorLast);
    last = std::min(last, major0);
  }
  // The minor offset f(i) = floor((2ia + n) / 2n) must stay within [low, high].
  const int64_t low = minorSign > 0 ? -minor0 : minor0 - minorLast;
  const int64_t high = minorSign > 0 ? minorLast - minor0 : minor0;
  if (a == 0) {
    if (low > 0 || high < 0) return n;
  } else {
    first = std::max(first, CeilDiv(2 * n * low - n, 2 * a));
    last = std::min(last, CeilDiv(2 * n * (high + 1) - n, 2 * a) - 1);
  }
  if (first > last) return n;

  const int64_t twoN = 2 * n, twoA = 2 * a;
  const int64_t numerator = 2 * first * a + n;
  int64_t offset = numerator / twoN;
  int64_t remainder = numerator % twoN;
  int64_t major = major0 + majorSign * first;
  int64_t minor = minor0 + minorSign * offset;
  for (int64_t i = first; i <= last; ++i) {
    if (xMajor)
      visit(i, static_cast<int>(major), static_cast<int>(minor));
    else
      visit(i, static_cast<int>(minor), static_cast<int>(major));
    major += majorSign;
    remainder += twoA;
    if (remainder >= twoN) {
      remainder -= twoN;
      minor += minorSign;
    }
  }
  return n;
}

}  // namespace korvo::raster
