#include "view/view.h"

#include <algorithm>

#include "core/drawing.h"
#include "platform/profile.h"

namespace korvo {
namespace {

constexpr std::u16string_view kWhiteBackgroundKey = u"WHITEBCKG";
// Screens this tall double the apertures, as they double button sizes.
constexpr int kLargeScreenHeight = 480;

}  // namespace

View::View(Drawing& drawing, Profile& profile) : drawing_(drawing), profile_(profile) {
  whiteBackground_ = profile_.GetInt(kSettingsSection, kWhiteBackgroundKey, 0) != 0;
  drawing_.SetModifiedListener([this](bool modified) {
    if (modified) InvalidatePicture(PictureBitmap::Keep);
  });
}

View::~View() {
  drawing_.SetModifiedListener(nullptr);
}

void View::Resize(int width, int height) {
  width = std::max(width, 0);
  height = std::max(height, 0);
  if (ScreenPoint{width, height} == lastClientSize_) return;
  lastClientSize_ = {width, height};
  const bool largeScreen = height >= kLargeScreenHeight;
  cursorAperture_ = largeScreen ? 20 : 10;
  pickBoxSize_ = largeScreen ? 14 : 8;
  // The cursor drawn on the old window went with it: hiding it now draws nothing, and the
  // next paint draws it again.
  window_ = Bitmap(width, height, BackgroundColor());
  ++windowGeneration_;
  drawnCursor_.style = CursorStyle::None;
  windowInvalid_ = true;
  InvalidatePicture(PictureBitmap::Delete);
}

void View::InvalidatePicture(PictureBitmap bitmap) {
  needsRegen_ = true;
  if (bitmap == PictureBitmap::Delete) offscreen_.reset();
}

void View::RepaintNow() {
  Paint();
}

void View::SetWhiteBackground(bool on) {
  const bool changed = on != whiteBackground_;
  whiteBackground_ = on;
  windowBackground_ = BackgroundColor();
  profile_.SetInt(kSettingsSection, kWhiteBackgroundKey, on ? 1 : 0);
  InvalidatePicture(PictureBitmap::Delete);
  if (changed) windowInvalid_ = true;
}

uint32_t View::BackgroundColor() const {
  return whiteBackground_ ? kWhite : 0;
}

}  // namespace korvo
