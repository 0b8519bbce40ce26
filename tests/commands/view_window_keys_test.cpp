#include <gtest/gtest.h>

#include "commands/command_id.h"
#include "tests/commands/journal_session.h"

namespace korvo {
namespace {

// Enter and Space open the command palette while no command runs, once the shell has given
// it a handler; during a question they answer it instead.
TEST(ViewWindowKeys, EnterAndSpaceOpenThePaletteOnlyWhenNoCommandRuns) {
  struct Case {
    const char* name;
    const char* journal;
    bool handler;
    int opened;
  } cases[] = {
      {"enter", "key Enter\n", true, 1},
      {"space", "key Space\n", true, 1},
      {"no palette in this session", "key Enter\nkey Space\n", false, 0},
      {"a command waits for a point", "command ZOOMWIN\nkey Enter\ncommand 32819\n", true, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    testing::JournalSession run(c.journal);
    int opened = 0;
    if (c.handler) {
      run.AddProbe(CommandId::CommandPalette, [&](CommandEngine& engine) {
        EXPECT_EQ(engine.CurrentCommandId(), 0);
        ++opened;
      });
    }
    run.Play();
    EXPECT_EQ(opened, c.opened);
  }
}

}  // namespace
}  // namespace korvo
