#include "plugin/commandset/strings.h"

namespace korvo::commandset {

// FIXME: filled with the editing commands' texts.
std::span<const PluginString> EditingStrings() {
  return {};
}

}  // namespace korvo::commandset
