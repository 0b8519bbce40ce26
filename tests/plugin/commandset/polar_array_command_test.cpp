#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/plugin/commandset/edit_journal.h"

namespace korvo::testing {
namespace {

// The source: the line (140, 100)-(150, 100), picked at (145, 100); the centre is (100, 100).
constexpr char kSelect[] =
    "command tool_ARRAYPOLAR\n"
    "expect-prompt \"Select objects? <no more>\"\n"
    "tap 145 100\n"
    "default\n";

// Where the source's start goes when the line is turned by each angle (degrees) about the
// centre, sorted as LineStarts sorts.
std::vector<Point> TurnedStarts(std::vector<double> degrees) {
  std::vector<Point> starts;
  for (double d : degrees) {
    const double a = d * std::numbers::pi / 180;
    const auto round = [](double v) { return std::round(v * 1e9) / 1e9 + 0.0; };
    starts.push_back({round(100 + 40 * std::cos(a)), round(100 + 40 * std::sin(a))});
  }
  std::sort(starts.begin(), starts.end(),
            [](Point a, Point b) { return a.x != b.x ? a.x < b.x : a.y < b.y; });
  return starts;
}

constexpr char16_t kSeventyTwo[] =
    u"Angle between items must be less than 90 degrees and greater than -90 degrees!\n\nPress "
    u"Yes to continue with 72 degrees  to spread the copies evenly over the full 360 degrees of "
    u"the circle.\n\nPress No to enter another angle between items.";

TEST(PolarArrayCommand, ItemsGoRoundTheCentreAsTheModeSays) {
  struct Case {
    const char* name;
    const char* journal;
    std::vector<double> degrees;  // the source at 0 and every copy
    std::vector<std::u16string> messages;
  } cases[] = {
      {"four items round the whole circle",
       "dialog ok \"Total number of items\"=4 \"Rotate objects\"=Yes\n"
       "expect-prompt \"Array center?\"\n"
       "tap 100 100\n"
       "expect-prompt \"Angle to fill?\"\n"
       "tap 150 100\n"  // 0 degrees: the whole circle
       "expect-prompt \"Select objects? <no more>\"\n"
       "key Escape\n",
       {0, 90, 180, 270},
       {}},
      {"four items over half the circle, the first choice kept",
       "dialog ok \"Rotate objects\"=Yes\n"
       "tap 100 100\n"
       "tap 50 100\n"  // 180 degrees: the choice sheet offers 180 and -180
       "dialog ok \"Angle to fill\"=180\n"
       "key Escape\n",
       {0, 60, 120, 180},
       {}},
      {"four items over half the circle the other way",
       "dialog ok \"Rotate objects\"=Yes\n"
       "tap 100 100\n"
       "tap 50 100\n"
       "dialog ok \"Angle to fill\"=-180\n"
       "key Escape\n",
       {0, -60, -120, -180},
       {}},
      {"five items 100 degrees apart go round: Yes spreads them evenly",
       "dialog ok \"Total number of items\"=5 \"Define array by\"=1 \"Rotate objects\"=Yes\n"
       "tap 100 100\n"
       "expect-prompt \"Angle between items?\"\n"
       "value 100\n"
       "answer yes\n"
       "key Escape\n",
       {0, 72, 144, 216, 288},
       {kSeventyTwo}},
      {"five items 100 degrees apart, No asks again",
       "dialog ok \"Total number of items\"=5 \"Define array by\"=1 \"Rotate objects\"=Yes\n"
       "tap 100 100\n"
       "value 100\n"
       "answer no\n"
       "value 30\n"
       "key Escape\n",
       {0, 30, 60, 90, 120},
       {kSeventyTwo}},
      {"fill 90 and step -30: four items stepping +30",
       "dialog ok \"Define array by\"=2 \"Rotate objects\"=Yes\n"
       "tap 100 100\n"
       "value 90\n"
       "dialog ok\n"
       "value -30\n"
       "key Escape\n",
       {0, 30, 60, 90},
       {}},
      {"fill and step both the whole circle: back to the sheet",
       "dialog ok \"Define array by\"=2 \"Rotate objects\"=Yes\n"
       "tap 100 100\n"
       "tap 150 100\n"
       "tap 150 100\n"
       "answer ok\n"
       "dialog cancel\n",
       {0},
       {u"To create a polar array of more than 1 item, decrease the angle between items!"}},
      {"a step larger than the fill: back to the sheet",
       "dialog ok \"Define array by\"=2 \"Rotate objects\"=Yes\n"
       "tap 100 100\n"
       "value 90\n"
       "dialog ok\n"
       "value 120\n"
       "answer ok\n"
       "dialog cancel\n",
       {0},
       {u"Absolute value of angle between items must be less than absoulte value of angle to "
        u"fill!"}},
      {"a cancelled sheet makes nothing", "dialog cancel\n", {0}, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    PluginSession s(std::string(kSelect) + c.journal);
    s.AddLine({140, 100}, {150, 100});
    const std::string before = LiveEntities(s.drawing());
    s.Play();
    EXPECT_EQ(LineStarts(s), TurnedStarts(c.degrees));
    EXPECT_EQ(s.Messages(), c.messages);
    EXPECT_TRUE(s.drawing().selection.empty());
    ExpectNoPreviewLeft(s);
    if (c.degrees.size() > 1) ExpectOneUndoStep(s, before);
  }
}

// Without rotation each copy keeps the source's direction; its base point travels round.
TEST(PolarArrayCommand, WithoutRotationCopiesKeepTheirDirection) {
  struct Case {
    const char* name;
    const char* journal;
    std::vector<Point> starts;
    std::size_t messages;
  } cases[] = {
      {"the source's own start as the base",
       "tap 100 100\n"
       "tap 150 100\n"
       "expect-prompt \"Base point of objects? <140, 100>\"\n"
       "default\n"
       "key Escape\n",
       {{60, 100}, {100, 60}, {100, 140}, {140, 100}},
       0},
      {"the base on the centre: No asks again",
       "tap 100 100\n"
       "tap 150 100\n"
       "tap 100 100\n"
       "answer no\n"
       "default\n"
       "key Escape\n",
       {{60, 100}, {100, 60}, {100, 140}, {140, 100}},
       1},
      {"the base on the centre: Yes makes copies on the source",
       "tap 100 100\n"
       "tap 150 100\n"
       "tap 100 100\n"
       "answer yes\n"
       "key Escape\n",
       {{140, 100}, {140, 100}, {140, 100}, {140, 100}},
       1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    PluginSession s(std::string(kSelect) + "dialog ok\n" + c.journal);
    s.AddLine({140, 100}, {150, 100});
    s.Play();
    EXPECT_EQ(LineStarts(s), c.starts);
    // Every copy runs to the right, as the source does.
    for (LineEntity* line : LiveOf<LineEntity>(s.drawing(), &Entity::AsLine)) {
      EXPECT_NEAR(line->end.x - line->start.x, 10, 1e-9);
      EXPECT_NEAR(line->end.y - line->start.y, 0, 1e-9);
    }
    ASSERT_EQ(s.Messages().size(), c.messages);
    if (c.messages > 0) {
      EXPECT_EQ(s.Messages()[0].substr(0, 35), u"With the entered rotation base all ");
    }
  }
}

}  // namespace
}  // namespace korvo::testing
