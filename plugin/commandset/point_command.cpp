#include "plugin/commandset/commands.h"
#include "plugin/commandset/draw_string_ids.h"
#include "plugin/commandset/entity_creation.h"
#include "plugin/commandset/question.h"

namespace korvo::commandset {

int RunPoint() {
  // The first point has no base; each further one is asked from the last point made.
  uint32_t flags =
      PluginPointFlag::NoBase | PluginPointFlag::NoDefault | PluginPointFlag::AllowDefault;
  PluginPoint last{};
  for (;;) {
    const Answer point = Ask({DrawString::PointPrompt, DrawString::PointHelp, flags, last, last},
                             [](const PluginPoint& cursor, Preview& preview) {
                               preview.Show(AddPoint(cursor, Placement::Temporary));
                             });
    if (point.code != PluginInput::Picked) return 1;
    if (AddPoint(point.point, Placement::Drawing) == nullptr) return 1;
    last = point.point;
    flags = PluginPointFlag::NoDefault | PluginPointFlag::AllowDefault;
  }
}

}  // namespace korvo::commandset
