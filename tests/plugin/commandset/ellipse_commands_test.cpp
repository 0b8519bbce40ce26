// ELLIPSECEN and ELLIPSEDIA as the user runs them from the menu.
#include <gtest/gtest.h>

#include "tests/plugin/commandset/draw_journal.h"

namespace korvo::testing {
namespace {

TEST(EllipseCenterCommand, AxesAndAngles) {
  const DrawCase cases[] = {
      {"a major end on the centre is refused with a message; then axes and angles",
       "command draw_ELLIPSERAD\nexpect-prompt \"Center? <done>\"\ntap 100 100\n"
       "expect-prompt \"Major axis endpoint? <done>\"\ntap 100 100\nanswer ok\n"
       "expect-message \"Distance between points must be greater than zero.\"\n"
       "expect-prompt \"Major axis endpoint? <done>\"\npress 130 120\nmove 140 100\n"
       "release 140 100\n"
       "expect-prompt \"Minor radius? <40>\"\npress 90 130\nmove 100 120\nrelease 100 120\n"
       "expect-prompt \"Start angle? <0>\"\npress 130 130\nmove 100 140\nrelease 100 140\n"
       "expect-prompt \"End angle? <360>\"\npress 70 70\nmove 60 100\nrelease 60 100\n"
       "expect-prompt \"Center? <done>\"\n",
       {"ellipse 100,100 r40 ratio 0.5 axis 0 90..180"},
       {kZeroDistance}},
      {"a minor point farther out than the major end: the major axis points at it",
       "command draw_ELLIPSERAD\ntap 100 100\ntap 120 100\ntap 100 140\n"
       "expect-prompt \"Start angle? <0>\"\ntap 100 130\ntap 100 60\n",
       {"ellipse 100,100 r40 ratio 0.5 axis 90 0..180"}},
      {"start and end on the major axis: the whole ellipse",
       "command draw_ELLIPSERAD\ntap 100 100\ntap 140 100\ntap 100 120\ntap 150 100\n"
       "tap 180 100\n",
       {"ellipse 100,100 r40 ratio 0.5 axis 0 0..360"}},
      {"Enter takes the major end as minor point, start and end",
       "command draw_ELLIPSERAD\ntap 100 100\ntap 140 100\nkey Enter\nkey Enter\nkey Enter\n"
       "expect-prompt \"Center? <done>\"\n",
       {"ellipse 100,100 r40 ratio 1 axis 0 0..360"}},
      {"a minor point on the centre is refused with a message",
       "command draw_ELLIPSERAD\ntap 100 100\ntap 140 100\ntap 100 100\nanswer ok\n"
       "tap 100 110\nkey Enter\nkey Enter\n",
       {"ellipse 100,100 r40 ratio 0.25 axis 0 0..360"},
       {kZeroDistance}},
      {"Esc while the minor radius preview shows leaves no trace",
       "command draw_ELLIPSERAD\ntap 100 100\ntap 140 100\npress 100 130\nmove 100 120\n" KORVO_ESC,
       {}},
      {"Esc while the end angle preview shows leaves no trace",
       "command draw_ELLIPSERAD\ntap 100 100\ntap 140 100\ntap 100 120\ntap 100 140\n"
       "press 60 60\nmove 60 100\n" KORVO_ESC,
       {}},
      {"Enter at the centre question ends",
       "command draw_ELLIPSERAD\nkey Enter\nexpect-prompt \"\"\n",
       {}},
  };
  for (const DrawCase& c : cases) PlayDrawCase(c);
}

TEST(EllipseDiameterCommand, AxisEndsThenAngles) {
  const DrawCase cases[] = {
      {"the other end on the first is refused with a message; the centre lies midway",
       "command draw_ELLIPSEDIA\nexpect-prompt \"Major axis endpoint? <done>\"\ntap 60 100\n"
       "expect-prompt \"Other major axis endpoint?\"\ntap 60 100\nanswer ok\n"
       "expect-prompt \"Other major axis endpoint?\"\npress 120 120\nmove 140 100\n"
       "release 140 100\n"
       "expect-prompt \"Minor radius? <40>\"\ntap 100 110\n"
       "expect-prompt \"Start angle? <0>\"\nkey Enter\n"
       "expect-prompt \"End angle? <360>\"\ntap 100 50\n"
       "expect-prompt \"Major axis endpoint? <done>\"\n",
       {"ellipse 100,100 r40 ratio 0.25 axis 0 0..270"},
       {kZeroDistance}},
      {"Esc while the axis preview shows leaves no trace",
       "command draw_ELLIPSEDIA\ntap 60 100\npress 120 120\nmove 140 100\n" KORVO_ESC,
       {}},
  };
  for (const DrawCase& c : cases) PlayDrawCase(c);
}

}  // namespace
}  // namespace korvo::testing
