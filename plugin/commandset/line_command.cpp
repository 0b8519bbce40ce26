#include "plugin/commandset/commands.h"
#include "plugin/commandset/construction_geometry.h"
#include "plugin/commandset/draw_string_ids.h"
#include "plugin/commandset/entity_creation.h"
#include "plugin/commandset/question.h"

namespace korvo::commandset {

namespace {

// How a chain of lines ended.
enum class ChainEnd { Closed, CommandEnded };

// A zero-length line is made only when the user confirms it.
Verdict ConfirmZeroLength(const PluginPoint& last, const PluginPoint& end) {
  if (!SamePoint(last, end)) return Verdict::Accept;
  int32_t answer = 0;
  if (!ShowMessage(DrawString::ZeroLengthLineQuestion, PluginMessage::YesNoCancel, &answer))
    return Verdict::EndCommand;
  if (answer == PluginMessage::ResultYes) return Verdict::Accept;
  if (answer == PluginMessage::ResultNo) return Verdict::AskAgain;
  return Verdict::EndCommand;
}

// The end question: once the chain has two segments, Enter closes it back to its start.
Question EndQuestion(const PluginPoint& last, const PluginPoint& chainStart, int segments) {
  if (segments >= 2)
    return {DrawString::LineClosePrompt, DrawString::LineEndHelp, 0, last, chainStart,
            DefaultAnswer::IsPoint};
  return {DrawString::LineEndPrompt, DrawString::LineEndHelp, PluginPointFlag::NoDefault, last,
          chainStart};
}

ChainEnd DrawChain(const PluginPoint& chainStart) {
  PluginPoint last = chainStart;
  int segments = 0;
  for (;;) {
    const Answer end = Ask(
        EndQuestion(last, chainStart, segments),
        [&](const PluginPoint& cursor, Preview& preview) {
          preview.Show(AddLine(last, cursor, Placement::Temporary));
        },
        [&](const PluginPoint& p) { return ConfirmZeroLength(last, p); });
    if (!end.Answered()) return ChainEnd::CommandEnded;
    if (AddLine(last, end.point, Placement::Drawing) == nullptr) return ChainEnd::CommandEnded;
    // Coming back to the start closes a chain of two segments or more; a shorter one starts
    // counting again from there.
    if (!SamePoint(end.point, chainStart)) {
      ++segments;
    } else if (segments > 1) {
      return ChainEnd::Closed;
    } else {
      segments = 0;
    }
    last = end.point;
    if (end.code == PluginInput::Default) return ChainEnd::Closed;
  }
}

}  // namespace

int RunLine() {
  for (;;) {
    const Answer start =
        Ask({DrawString::LineStartPrompt, DrawString::LineStartHelp, QuestionFlags::FirstOrDone});
    if (start.code != PluginInput::Picked) return 1;
    if (DrawChain(start.point) == ChainEnd::CommandEnded) return 1;
  }
}

}  // namespace korvo::commandset
