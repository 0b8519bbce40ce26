#include "core/layer.h"

#include "core/color_palette.h"

namespace korvo {

uint32_t Layer::GetColor() const {
  return ColorFromIndex(colorIndex);
}

}  // namespace korvo
