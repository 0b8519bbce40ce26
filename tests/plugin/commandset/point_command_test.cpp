// POINT as the user runs it from the menu.
#include <gtest/gtest.h>

#include "tests/plugin/commandset/draw_journal.h"

namespace korvo::testing {
namespace {

TEST(PointCommand, PointsUntilDone) {
  const DrawCase cases[] = {
      {"points until Enter",
       "command draw_POINT\nexpect-prompt \"Point? <done>\"\ntap 20 20\n"
       "expect-prompt \"Point? <done>\"\ntap 30 40\nkey Enter\nexpect-prompt \"\"\n",
       {"point 20,20", "point 30,40"}},
      {"Esc while the preview shows leaves no trace",
       "command draw_POINT\npress 20 20\nmove 40 40\n" KORVO_ESC,
       {}},
      {"a preview dragged to its place, then released",
       "command draw_POINT\npress 20 20\nmove 40 40\nrelease 40 40\n",
       {"point 40,40"}},
  };
  for (const DrawCase& c : cases) PlayDrawCase(c);
}

}  // namespace
}  // namespace korvo::testing
