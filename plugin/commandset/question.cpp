#include "plugin/commandset/question.h"

#include <string>

#include "plugin/commandset/construction_geometry.h"
#include "plugin/commandset/draw_string_ids.h"
#include "plugin/commandset/host.h"
#include "plugin/commandset/strings.h"

namespace korvo::commandset {

Answer Ask(const Question& question, const PreviewFn& preview, const RuleFn& rule) {
  bool found = false;
  const std::u16string prompt = LoadString(question.promptId, kPluginTextCapacity, &found);
  if (!found) return {PluginInput::NotAvailable, {}};
  const std::u16string help = LoadString(question.helpId, kPluginTextCapacity);

  Preview shown;
  for (;;) {
    PluginPoint out = question.reference;
    const int32_t code =
        Call<GetPointFn>(PluginService::GetPoint, &question.base, &question.reference, &out,
                         prompt.c_str(), help.c_str(), question.flags);
    shown.Erase();
    switch (code) {
      case PluginInput::CursorMoved:
        if (preview) preview(out, shown);
        continue;
      case PluginInput::PenMoved:
        continue;
      case PluginInput::Default:
        if (question.onDefault == DefaultAnswer::EndsCommand) return {code, out};
        [[fallthrough]];
      case PluginInput::Picked: {
        const Verdict verdict = rule ? rule(out) : Verdict::Accept;
        if (verdict == Verdict::AskAgain) continue;
        if (verdict == Verdict::EndCommand) return {PluginInput::Cancel, out};
        return {code, out};
      }
      default:
        return {code, out};
    }
  }
}

Verdict DifferentFrom(const PluginPoint& point, std::initializer_list<PluginPoint> others) {
  for (const PluginPoint& other : others) {
    if (SamePoint(point, other)) return Verdict::AskAgain;
  }
  return Verdict::Accept;
}

Verdict AwayFrom(const PluginPoint& point, const PluginPoint& center) {
  // Zero distance rather than equality: a point a rounding step away would still give an
  // axis of length 0.
  if (Distance(center, point) > 0) return Verdict::Accept;
  return ShowMessage(DrawString::ZeroDistanceMessage, PluginMessage::Ok | PluginMessage::IconStop)
             ? Verdict::AskAgain
             : Verdict::EndCommand;
}

bool ShowMessage(int32_t stringId, int32_t style, int32_t* result) {
  int32_t answer = 0;
  const bool shown =
      Call<MessageBoxIdFn>(PluginService::MessageBoxId, stringId, style, &answer) != 0;
  if (result != nullptr) *result = answer;
  return shown;
}

}  // namespace korvo::commandset
