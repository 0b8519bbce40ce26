// ARC3PT, ARCCEN and ARCCSA as the user runs them from the menu.
#include <gtest/gtest.h>

#include "tests/plugin/commandset/draw_journal.h"

namespace korvo::testing {
namespace {

TEST(Arc3PointCommand, ThroughThreePoints) {
  const DrawCase cases[] = {
      {"a second point on the start is refused; the end is dragged into place",
       "command draw_ARC3PT\nexpect-prompt \"Start?\"\ntap 90 50\n"
       "expect-prompt \"Second point?\"\ntap 90 50\n"
       "expect-prompt \"Second point?\"\npress 30 80\nmove 50 90\nrelease 50 90\n"
       "expect-prompt \"End?\"\ntap 90 50\ntap 50 90\n"
       "expect-prompt \"End?\"\npress 10 90\nmove 10 50\nrelease 10 50\n"
       "expect-prompt \"Start?\"\n",
       {"arc 50,50 r40 0..180"}},
      {"given clockwise, the arc still passes the second point",
       "command draw_ARC3PT\ntap 10 50\ntap 50 90\ntap 90 50\nexpect-prompt \"Start?\"\n",
       {"arc 50,50 r40 0..180"}},
      {"collinear points go to the host, which makes nothing; the command ends",
       "command draw_ARC3PT\ntap 10 10\ntap 20 20\ntap 30 30\nexpect-prompt \"\"\n",
       {}},
      {"Esc while the preview shows leaves no trace",
       "command draw_ARC3PT\ntap 90 50\ntap 50 90\npress 10 90\nmove 10 50\n" KORVO_ESC,
       {}},
  };
  for (const DrawCase& c : cases) PlayDrawCase(c);
}

TEST(ArcCenterCommand, CenterStartEnd) {
  const DrawCase cases[] = {
      {"points on the centre or the start are refused",
       "command draw_ARCCEN\nexpect-prompt \"Center?\"\ntap 50 50\n"
       "expect-prompt \"Start?\"\ntap 50 50\n"
       "expect-prompt \"Start?\"\npress 60 60\nmove 80 50\nrelease 80 50\n"
       "expect-prompt \"End?\"\ntap 80 50\ntap 50 50\n"
       "expect-prompt \"End?\"\npress 20 50\nmove 50 90\nrelease 50 90\n"
       "expect-prompt \"Center?\"\n",
       {"arc 50,50 r30 0..90"}},
      {"Esc while the preview shows leaves no trace",
       "command draw_ARCCEN\ntap 50 50\ntap 80 50\npress 50 90\nmove 20 50\n" KORVO_ESC,
       {}},
  };
  for (const DrawCase& c : cases) PlayDrawCase(c);
}

TEST(ArcCenterStartAngleCommand, IncludedAngleFromTheXAxis) {
  const DrawCase cases[] = {
      {"straight right of the centre gives the start again and is refused",
       "command draw_ARCANG\nexpect-prompt \"Center?\"\ntap 50 50\n"
       "expect-prompt \"Start?\"\ntap 80 50\n"
       "expect-prompt \"Included angle?\"\ntap 90 50\n"
       "expect-prompt \"Included angle?\"\npress 60 20\nmove 50 90\nrelease 50 90\n"
       "expect-prompt \"Center?\"\n",
       {"arc 50,50 r30 0..90"}},
      {"below the centre is three quarters of a turn from the start",
       "command draw_ARCANG\ntap 50 50\ntap 50 80\ntap 50 20\n",
       {"arc 50,50 r30 90..360"}},
      {"Esc while the preview shows leaves no trace",
       "command draw_ARCANG\ntap 50 50\ntap 80 50\npress 50 90\nmove 20 50\n" KORVO_ESC,
       {}},
  };
  for (const DrawCase& c : cases) PlayDrawCase(c);
}

}  // namespace
}  // namespace korvo::testing
