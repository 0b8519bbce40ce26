#include "commands/edit_command.h"

#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include "commands/command_engine.h"
#include "commands/string_table.h"
#include "commands/transform_preview.h"
#include "platform/command_menus.h"
#include "platform/point_flags.h"
#include "tests/commands/journal_session.h"

namespace korvo {
namespace {

using testing::JournalSession;

// The preview of a point question through the engine: it follows the pen while the question
// waits and is gone, pixel for pixel, once the question is answered.
TEST(AskWithPreview, FollowsThePenAndLeavesNoTrace) {
  struct Case {
    const char* name;
    bool band;
    const char* ending;
    InputResult result;
  } cases[] = {
      {"picked", false, "release 90 30\n", InputResult::Picked},
      {"picked, with a band", true, "release 90 30\n", InputResult::Picked},
      {"cancelled", true, "command 32819\n", InputResult::Cancel},
      {"pen lifted outside the window", false, "release-screen 300 300\ncommand 32819\n",
       InputResult::Cancel},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    JournalSession s(std::string("command 1000\npress 50 50\nmove 60 60\nmove 90 30\n") +
                     "command 1001\n" + c.ending);
    LineEntity* line = s.AddLine({20, 100}, {60, 100});
    Bitmap before(0, 0), during(0, 0), after(0, 0);
    std::optional<InputResult> result;
    Point at;
    s.AddProbe(JournalSession::kProbe, [&](CommandEngine& engine) {
      engine.BeginCommand(JournalSession::kProbe, kSelectionMenuBar);
      const std::vector<Entity*> sources{line};
      TransformPreview preview(engine.view(), sources);
      before = engine.view().window();
      const TransformQuestion question{Point(0, 0), StringId::DisplacementSecondPrompt,
                                       StringId::DisplacementSecondDescription, kPointNoDefault,
                                       c.band};
      result = AskWithPreview(
          engine, preview, question, [](const Point& p) { return MoveTransform(Point(0, 0), p); },
          at);
      after = engine.view().window();
      engine.EndCommand();
    });
    s.AddProbe(1001, [&](CommandEngine& engine) { during = engine.view().window(); });
    s.Play();
    EXPECT_EQ(result, c.result);
    EXPECT_NE(during, before);
    EXPECT_EQ(after, before);
    if (c.result == InputResult::Picked) {
      EXPECT_EQ(at, Point(90, 30));
    }
    EXPECT_EQ(line->start, Point(20, 100));
  }
}

}  // namespace
}  // namespace korvo
