#include "plugin/commandset/strings.h"

namespace korvo::commandset {

// FIXME: filled with the drawing commands' texts.
std::span<const PluginString> DrawingStrings() {
  return {};
}

}  // namespace korvo::commandset
