#include "icon_canvas.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

namespace korvo::icons {
namespace {

constexpr int kOversampling = 4;
constexpr double kWorld = 24;

double Radians(double degrees) {
  return degrees * std::numbers::pi / 180;
}

}  // namespace

IconCanvas::IconCanvas(int size, uint32_t background) : size_(size) {
  const int large = size * kOversampling;
  large_ = std::make_unique<Bitmap>(large, large, background);
  dc_ = std::make_unique<DeviceContext>(*large_);
  dc_->SetBackgroundColor(background);
  // The device's last pixel is world 24, so the square maps onto the whole icon.
  settings_.viewOrigin = {0, 0};
  settings_.viewExtent = {kWorld, kWorld};
  rc_ = std::make_unique<RenderContext>(*dc_, ScreenRect{0, 0, large - 1, large - 1}, settings_);
}

void IconCanvas::SetColour(uint32_t colour, double width) {
  dc_->SelectPen({PenStyle::Solid, colour});
  dc_->SelectBrush(Brush::Solid(colour));
  const double pixels = width * size_ * kOversampling / kWorld;
  rc_->penWidthPixels = std::max(1, static_cast<int>(std::lround(pixels)));
}

void IconCanvas::Line(const Point& a, const Point& b, uint32_t colour, double width) {
  SetColour(colour, width);
  rc_->DrawLine(a, b);
  // Round the joints and ends of wide lines, as a pen would.
  if (rc_->penWidthPixels >= 3) {
    FillDisc(a, width / 2, colour);
    FillDisc(b, width / 2, colour);
  }
}

void IconCanvas::Polyline(std::initializer_list<Point> points, uint32_t colour, double width) {
  const Point* previous = nullptr;
  for (const Point& p : points) {
    if (previous != nullptr) Line(*previous, p, colour, width);
    previous = &p;
  }
}

void IconCanvas::DashedLine(const Point& a, const Point& b, uint32_t colour, double dash,
                            double width) {
  const double length = std::hypot(b.x - a.x, b.y - a.y);
  if (length <= 0 || dash <= 0) return;
  const Point step{(b.x - a.x) / length, (b.y - a.y) / length};
  for (double at = 0; at < length; at += 2 * dash) {
    const double end = std::min(at + dash, length);
    Line({a.x + step.x * at, a.y + step.y * at}, {a.x + step.x * end, a.y + step.y * end}, colour,
         width);
  }
}

void IconCanvas::Arc(const Point& centre, double radius, double startDegrees, double endDegrees,
                     uint32_t colour, double width) {
  SetColour(colour, width);
  rc_->DrawArc(centre, radius, Radians(startDegrees), Radians(endDegrees));
}

void IconCanvas::Circle(const Point& centre, double radius, uint32_t colour, double width) {
  SetColour(colour, width);
  rc_->DrawCircle(centre, radius);
}

void IconCanvas::Ellipse(const Point& centre, double major, double minor, double rotationDegrees,
                         uint32_t colour, double width) {
  SetColour(colour, width);
  rc_->DrawCircle(centre, major, Radians(rotationDegrees), minor / major);
}

void IconCanvas::Fill(std::initializer_list<Point> points, uint32_t colour) {
  dc_->SelectPen({PenStyle::Solid, colour});
  dc_->SelectBrush(Brush::Solid(colour));
  std::vector<ScreenPoint> screen;
  for (const Point& p : points) screen.push_back(rc_->WorldToScreen(p));
  dc_->Polygon(screen);
}

void IconCanvas::FillDisc(const Point& centre, double radius, uint32_t colour) {
  dc_->SelectPen({PenStyle::Solid, colour});
  dc_->SelectBrush(Brush::Solid(colour));
  const ScreenPoint low = rc_->WorldToScreen({centre.x - radius, centre.y + radius});
  const ScreenPoint high = rc_->WorldToScreen({centre.x + radius, centre.y - radius});
  dc_->Ellipse(low.x, low.y, high.x + 1, high.y + 1);
}

void IconCanvas::Frame(const Point& a, const Point& b, uint32_t colour, double width) {
  Polyline({a, {b.x, a.y}, b, {a.x, b.y}, a}, colour, width);
}

void IconCanvas::Dot(const Point& p, uint32_t colour, double size) {
  const double h = size / 2;
  Fill({{p.x - h, p.y - h}, {p.x + h, p.y - h}, {p.x + h, p.y + h}, {p.x - h, p.y + h}}, colour);
}

void IconCanvas::Arrow(const Point& from, const Point& to, uint32_t colour, double width) {
  const double length = std::hypot(to.x - from.x, to.y - from.y);
  if (length <= 0) return;
  const Point d{(to.x - from.x) / length, (to.y - from.y) / length};
  const Point n{-d.y, d.x};
  const double head = 2.2 + width;
  const Point base{to.x - d.x * head, to.y - d.y * head};
  Line(from, base, colour, width);
  const double half = head * 0.55;
  Fill({to, {base.x + n.x * half, base.y + n.y * half}, {base.x - n.x * half, base.y - n.y * half}},
       colour);
}

Bitmap IconCanvas::Result() const {
  Bitmap icon(size_, size_);
  constexpr int kSamples = kOversampling * kOversampling;
  for (int y = 0; y < size_; ++y) {
    for (int x = 0; x < size_; ++x) {
      uint32_t sums[3] = {0, 0, 0};
      for (int dy = 0; dy < kOversampling; ++dy) {
        for (int dx = 0; dx < kOversampling; ++dx) {
          const uint32_t pixel = large_->Pixel(x * kOversampling + dx, y * kOversampling + dy);
          for (int channel = 0; channel < 3; ++channel)
            sums[channel] += pixel >> (8 * channel) & 0xFF;
        }
      }
      uint32_t value = 0;
      for (int channel = 0; channel < 3; ++channel)
        value |= (sums[channel] + kSamples / 2) / kSamples << (8 * channel);
      icon.SetPixel(x, y, value);
    }
  }
  return icon;
}

}  // namespace korvo::icons
