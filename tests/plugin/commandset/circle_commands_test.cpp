// CIRCLECEN, CIRCLEDIA and CIRCLE3PT as the user runs them from the menu.
#include <gtest/gtest.h>

#include "tests/plugin/commandset/draw_journal.h"

namespace korvo::testing {
namespace {

TEST(CircleCommands, CenterDiameterAndThreePoints) {
  const DrawCase cases[] = {
      {"centre and radius; a radius point on the centre is refused",
       "command draw_CIRCLERAD\nexpect-prompt \"Center?\"\ntap 50 50\n"
       "expect-prompt \"Radius?\"\ntap 50 50\n"
       "expect-prompt \"Radius?\"\npress 60 60\nmove 80 90\nrelease 80 90\n"
       "expect-prompt \"Center?\"\n",
       {"circle 50,50 r50"}},
      {"diameter; a second end on the first is refused",
       "command draw_CIRCLEDIA\nexpect-prompt \"First point?\"\ntap 20 50\n"
       "expect-prompt \"Second point?\"\ntap 20 50\n"
       "expect-prompt \"Second point?\"\npress 40 40\nmove 80 50\nrelease 80 50\n"
       "expect-prompt \"First point?\"\n",
       {"circle 50,50 r30"}},
      {"three points; a third on either of the others is refused",
       "command draw_CIRCLE3PT\nexpect-prompt \"First point?\"\ntap 10 50\n"
       "expect-prompt \"Second point?\"\ntap 10 50\ntap 50 90\n"
       "expect-prompt \"Third point?\"\ntap 10 50\ntap 50 90\n"
       "expect-prompt \"Third point?\"\npress 60 20\nmove 90 50\nrelease 90 50\n"
       "expect-prompt \"First point?\"\n",
       {"circle 50,50 r40"}},
      {"collinear points go to the host, which makes nothing; the command ends",
       "command draw_CIRCLE3PT\ntap 10 10\ntap 20 20\ntap 30 30\nexpect-prompt \"\"\n",
       {}},
      {"Esc while the preview shows leaves no trace",
       "command draw_CIRCLERAD\ntap 50 50\npress 60 60\nmove 80 90\n" KORVO_ESC,
       {}},
      {"Esc while the three-point preview shows leaves no trace",
       "command draw_CIRCLE3PT\ntap 10 50\ntap 50 90\npress 60 20\nmove 90 50\n" KORVO_ESC,
       {}},
  };
  for (const DrawCase& c : cases) PlayDrawCase(c);
}

}  // namespace
}  // namespace korvo::testing
