#include "commands/transform_preview.h"

#include <gtest/gtest.h>

#include <vector>

#include "core/line_entity.h"
#include "tests/view/view_test_support.h"

namespace korvo {
namespace {

struct PreviewFixture : testing::ViewFixture {
  PreviewFixture() : ViewFixture(16, 12) {
    line = AddLine(10, 10, 50, 10);
    view.Paint();
    blank = Picture();
  }
  LineEntity* line = nullptr;
  std::string blank;
};

TEST_F(PreviewFixture, DrawsTheObjectsWhereTheTransformPutsThem) {
  std::vector<Entity*> sources{line};
  TransformPreview preview(view, sources);
  preview.Show(MoveTransform({0, 0}, {0, 50}), {});
  // The clone is the line five rows up, in the line's colour; the source does not move.
  EXPECT_EQ(Picture(),
            "................\n"
            "................\n"
            "................\n"
            "................\n"
            "................\n"
            ".rrrrr..........\n"
            "................\n"
            "................\n"
            "................\n"
            "................\n"
            ".rrrrr..........\n"
            "................\n");
  EXPECT_EQ(line->start, Point(10, 10));
  preview.Hide();
  EXPECT_EQ(Picture(), blank);
}

TEST_F(PreviewFixture, FollowsTheCursorAndLeavesNoTrace) {
  std::vector<Entity*> sources{line};
  {
    TransformPreview preview(view, sources);
    for (int step = 0; step < 6; ++step) {
      preview.Show(RotateTransform({10, 10}, {10.0 + step, 10.0 + 3 * step}), {}, Point(10, 10),
                   Point(10.0 + 10 * step, 100));
      EXPECT_NE(Picture(), blank);
    }
    // A mirror line of no length shows the band alone.
    preview.Show(MirrorTransform({30, 30}, {30, 30}), {}, Point(30, 30), Point(30, 30));
    EXPECT_TRUE(preview.shown());
  }
  EXPECT_EQ(Picture(), blank);
}

// A repaint while the picture is shown wipes it; taking it off afterwards must not draw it
// back, and the next picture is drawn whole.
TEST_F(PreviewFixture, ARepaintWhileShownLeavesNoGhost) {
  std::vector<Entity*> sources{line};
  TransformPreview preview(view, sources);
  preview.Show(MoveTransform({0, 0}, {0, 50}), {}, Point(10, 10), Point(100, 100));
  view.InvalidatePicture(PictureBitmap::Keep);
  view.Paint();
  EXPECT_EQ(Picture(), blank);
  preview.Show(MoveTransform({0, 0}, {0, 50}), {});
  const std::string moved = Picture();
  EXPECT_NE(moved, blank);
  view.Paint();
  preview.Hide();
  EXPECT_EQ(Picture(), blank);
}

TEST_F(PreviewFixture, ThePictureStartsFromTheSourcesEachTime) {
  std::vector<Entity*> sources{line};
  TransformPreview preview(view, sources);
  preview.Show(MoveTransform({0, 0}, {0, 30}), {});
  preview.Show(MoveTransform({0, 0}, {0, 30}), {});
  const Entity* clone = preview.clones().Head();
  ASSERT_NE(clone, nullptr);
  EXPECT_EQ(clone->AsLine()->start, Point(10, 40));
}

}  // namespace
}  // namespace korvo
