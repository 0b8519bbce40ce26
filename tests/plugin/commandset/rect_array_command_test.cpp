#include <cmath>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/plugin/commandset/edit_journal.h"

namespace korvo::testing {
namespace {

// The source: the line (20, 20)-(30, 20), picked at (25, 20).
constexpr char kSelect[] =
    "command tool_ARRAYRECT\n"
    "expect-prompt \"Select objects? <no more>\"\n"
    "tap 25 20\n"
    "default\n";

TEST(RectangularArrayCommand, CopiesLandWhereTheSheetAndPointsSay) {
  struct Case {
    const char* name;
    const char* journal;
    std::vector<Point> starts;  // sorted by x, then y
    std::vector<std::u16string> messages;
  } cases[] = {
      {"unit cell, 2 rows, 3 columns",
       "dialog ok \"Number of Rows:\"=2 Columns=3\n"
       "expect-prompt \"Unit cell origin?\"\n"
       "tap 20 20\n"
       "expect-prompt \"Other corner?\"\n"
       "tap 40 30\n"
       "default\n"
       "expect-prompt \"Select objects? <no more>\"\n"
       "key Escape\n",
       {{20, 20}, {20, 30}, {40, 20}, {40, 30}, {60, 20}, {60, 30}},
       {}},
      {"surrounder, 3 rows, 2 columns",
       "dialog ok \"Number of Rows\"=3 Columns=2 \"Define array by\"=Surrounder\n"
       "expect-prompt \"Surrounder origin?\"\n"
       "tap 20 20\n"
       "tap 60 80\n"
       "default\n"
       "key Escape\n",
       {{20, 20}, {20, 50}, {20, 80}, {60, 20}, {60, 50}, {60, 80}},
       {}},
      {"one by one is refused and the sheet comes back",
       "dialog ok \"Number of Rows\"=1 Columns=1\n"
       "answer ok\n"
       "dialog ok Columns=2\n"
       "tap 20 20\n"
       "tap 40 20\n"
       "default\n"
       "key Escape\n",
       {{20, 20}, {40, 20}},
       {u"Array must consist of at least 2 objects."}},
      {"turned a quarter, the array runs up",
       "dialog ok \"Number of Rows\"=1 Columns=3\n"
       "tap 20 20\n"
       "tap 40 20\n"
       "tap 20 60\n"  // the angle: straight up from the origin
       "key Escape\n",
       {{20, 20}, {20, 40}, {20, 60}},
       {}},
      // Rotating objects turns the source too, about the base (the origin by default).
      {"rotated objects, the source included",
       "dialog ok \"Number of Rows\"=1 Columns=2 \"Rotate objects\"=Yes\n"
       "tap 20 20\n"
       "tap 40 20\n"
       "tap 20 60\n"
       "expect-prompt \"Rotation base? <20,20>\"\n"
       "default\n"
       "key Escape\n",
       {{20, 20}, {20, 40}},
       {}},
      {"a cancelled sheet makes nothing", "dialog cancel\n", {{20, 20}}, {}},
      {"cancelled at the corner makes nothing",
       "dialog ok\n"
       "tap 20 20\n"
       "key Escape\n",
       {{20, 20}},
       {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    PluginSession s(std::string(kSelect) + c.journal);
    s.AddLine({20, 20}, {30, 20});
    const std::string before = LiveEntities(s.drawing());
    s.Play();
    EXPECT_EQ(LineStarts(s), c.starts);
    EXPECT_EQ(s.Messages(), c.messages);
    EXPECT_TRUE(s.drawing().selection.empty());
    ExpectNoPreviewLeft(s);
    if (c.starts.size() > 1) ExpectOneUndoStep(s, before);
  }
}

TEST(RectangularArrayCommand, RotatedSourceEndsWhereItWasTurned) {
  PluginSession s(std::string(kSelect) +
                  "dialog ok \"Number of Rows\"=1 Columns=2 \"Rotate objects\"=Yes\n"
                  "tap 20 20\ntap 40 20\ntap 20 60\ndefault\nkey Escape\n");
  LineEntity* source = s.AddLine({20, 20}, {30, 20});
  s.Play();
  EXPECT_NEAR(source->end.x, 20, 1e-9);
  EXPECT_NEAR(source->end.y, 30, 1e-9);
}

// A second array in the same command offers the first one's values as its defaults.
TEST(RectangularArrayCommand, SecondArrayDefaultsToTheFirst) {
  PluginSession s(std::string(kSelect) +
                  "dialog ok \"Number of Rows\"=1 Columns=2\n"
                  "tap 20 20\n"
                  "tap 40 30\n"
                  "tap 40 40\n"  // 45 degrees
                  "expect-prompt \"Select objects? <no more>\"\n"
                  "tap 25 20\n"
                  "default\n"
                  "dialog ok\n"  // two columns again
                  "expect-prompt \"Unit cell origin? <20,20>\"\n"
                  "default\n"
                  "expect-prompt \"Other corner? <40,30>\"\n"
                  "default\n"
                  "default\n"
                  "key Escape\n");
  s.AddLine({20, 20}, {30, 20});
  s.Play();
  // The same copy twice: once from each array.
  const double step = 20 * std::sqrt(0.5);
  const Point copy{std::round((20 + step) * 1e9) / 1e9, std::round((20 + step) * 1e9) / 1e9};
  EXPECT_EQ(LineStarts(s), (std::vector<Point>{{20, 20}, copy, copy}));
}

}  // namespace
}  // namespace korvo::testing
