#include "plugin/commandset/settings_record.h"

namespace korvo::commandset::editing {

SettingsRecord& ModuleSettings() {
  static SettingsRecord record{};
  return record;
}

}  // namespace korvo::commandset::editing
