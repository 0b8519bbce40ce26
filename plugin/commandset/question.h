#pragma once

#include <cstdint>
#include <functional>
#include <initializer_list>

#include "plugin/commandset/preview.h"
#include "plugin/plugin_api.h"

namespace korvo::commandset {

// Flags of the drawing commands' questions.
namespace QuestionFlags {
// A first point: no base point, no default, pen moves not reported.
inline constexpr uint32_t First =
    PluginPointFlag::NoBase | PluginPointFlag::NoDefault | PluginPointFlag::KeepWaiting;
// The same where Enter answers the prompt's "<done>".
inline constexpr uint32_t FirstOrDone = First | PluginPointFlag::AllowDefault;
}  // namespace QuestionFlags

// What a default answer (code 5) means to a question.
enum class DefaultAnswer {
  EndsCommand,  // the prompt offers "<done>", or no default is expected
  IsPoint,      // the reference point is the answer, checked like a given one
};

// One point question: the prompt and help string ids, the flags, the base point and the
// reference point (whose coordinates, angle or distance fill the prompt's placeholders).
struct Question {
  int32_t promptId;
  int32_t helpId;
  uint32_t flags;
  PluginPoint base{};
  PluginPoint reference{};
  DefaultAnswer onDefault = DefaultAnswer::EndsCommand;
};

// A question's rule says of a given point whether it answers.
enum class Verdict { Accept, AskAgain, EndCommand };

// Shows the preview for a cursor point.
using PreviewFn = std::function<void(const PluginPoint& cursor, Preview& preview)>;
using RuleFn = std::function<Verdict(const PluginPoint& point)>;

struct Answer {
  // Picked or Default when the question is answered; otherwise the code that ends the command.
  int32_t code;
  PluginPoint point;

  bool Answered() const { return code == PluginInput::Picked || code == PluginInput::Default; }
};

// Asks until the user answers or ends: shows `preview` while the cursor moves (the previous
// preview is erased after every reply of the host), asks again on pen moves and on points the
// `rule` refuses. A prompt the module cannot load ends the command as an unavailable service
// does.
Answer Ask(const Question& question, const PreviewFn& preview = {}, const RuleFn& rule = {});

// Rules: refuse a point equal to one of `others`; refuse a point at zero distance from
// `center`, telling the user why.
Verdict DifferentFrom(const PluginPoint& point, std::initializer_list<PluginPoint> others);
Verdict AwayFrom(const PluginPoint& point, const PluginPoint& center);

// Shows the module's string `stringId` in a message box of `style`; false when the host could
// not show it. `result` receives the button the user chose.
bool ShowMessage(int32_t stringId, int32_t style, int32_t* result = nullptr);

}  // namespace korvo::commandset
