#include "plugin/commandset/array_questions.h"

#include "plugin/commandset/plane_vector.h"

namespace korvo::commandset::editing {

int32_t AskWithGuide(const PointQuestion& question, bool guide, PluginPoint* out) {
  Previews previews;
  for (;;) {
    const int32_t code = AskPoint(question, out);
    previews.Clear();
    if (code == PluginInput::CursorMoved) {
      if (guide && !(*out == question.base)) previews.Show(GuideLine(question.base, *out));
    } else if (code != PluginInput::PenMoved) {
      return code;
    }
  }
}

int32_t AskAngle(int32_t prompt, int32_t help, uint32_t flags, PluginPoint base, double current,
                 double* direction) {
  // Any distance shows the direction; one unit keeps the reference near the base.
  const PointQuestion question{prompt, help, flags | PluginPointFlag::ShowAngle, base,
                               base + Polar(1.0, current)};
  PluginPoint answer{};
  const int32_t code = AskWithGuide(question, true, &answer);
  if (Answered(code)) *direction = DirectionFrom(base, answer);
  return code;
}

}  // namespace korvo::commandset::editing
