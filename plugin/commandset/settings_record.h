#pragma once

#include "plugin/plugin_api.h"

namespace korvo::commandset::editing {

// The module's copy of the drawing settings, which the settings sheet edits in place. It is
// filled from the drawing before each use and starts afresh whenever the module is loaded.
SettingsRecord& ModuleSettings();

}  // namespace korvo::commandset::editing
