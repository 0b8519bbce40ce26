#include "core/point_display.h"

#include "core/drawing_settings.h"

namespace korvo {
namespace {

PointDisplay g_display;

}  // namespace

const PointDisplay& CurrentPointDisplay() {
  return g_display;
}

void SetPointDisplay(const PointDisplay& display) {
  g_display = display;
}

void PublishPointDisplay(const DrawingSettings& settings) {
  SetPointDisplay({settings.pointDisplayMode, settings.pointDisplaySize / 2});
}

ScopedPointDisplay::ScopedPointDisplay(int mode, double halfSize) : previous_(g_display) {
  SetPointDisplay({mode, halfSize});
}

ScopedPointDisplay::~ScopedPointDisplay() {
  SetPointDisplay(previous_);
}

}  // namespace korvo
