#include "commands/candidate_highlight.h"

#include <gtest/gtest.h>

#include "core/element_code.h"
#include "core/line_entity.h"
#include "platform/scoped_change.h"
#include "tests/view/view_test_support.h"

namespace korvo {
namespace {

struct HighlightFixture : testing::ViewFixture {
  HighlightFixture() : ViewFixture(16, 12) {
    a = AddLine(10, 20, 140, 20);
    b = AddLine(10, 80, 140, 80);
    view.Paint();
    blank = Picture();
  }
  // The window after drawing `line` with XOR as it stands; a second drawing takes it off.
  std::string WithXor(LineEntity& line) {
    view.DrawXor(line);
    std::string picture = Picture();
    view.DrawXor(line);
    return picture;
  }
  LineEntity* a = nullptr;
  LineEntity* b = nullptr;
  std::string blank;
};

TEST_F(HighlightFixture, ShowsTheCandidateAsATapWouldLeaveIt) {
  // An unselected candidate is drawn as selected (dotted) over its solid image.
  std::string dotted;
  {
    const ScopedChange flags(a->flags, static_cast<uint8_t>(a->flags | EntityFlag::Selected));
    dotted = WithXor(*a);
  }
  CandidateHighlight highlight;
  highlight.Track(view, a, {});
  EXPECT_EQ(highlight.candidate(), a);
  EXPECT_EQ(Picture(), dotted);
  EXPECT_NE(Picture(), blank);
  EXPECT_FALSE(a->IsSelected());  // the toggle lasts only for the drawing

  // The same candidate again draws nothing more.
  highlight.Track(view, a, {});
  EXPECT_EQ(Picture(), dotted);

  highlight.Track(view, nullptr, {});
  EXPECT_EQ(highlight.candidate(), nullptr);
  EXPECT_EQ(Picture(), blank);
}

TEST_F(HighlightFixture, ASelectedCandidateShowsSolid) {
  drawing.Select(a);
  view.Paint();
  const std::string selected = Picture();
  std::string solid;
  {
    const ScopedChange flags(a->flags, static_cast<uint8_t>(a->flags & ~EntityFlag::Selected));
    solid = WithXor(*a);
  }
  CandidateHighlight highlight;
  highlight.Track(view, a, {});
  EXPECT_EQ(Picture(), solid);
  highlight.Clear(view);
  EXPECT_EQ(Picture(), selected);
}

TEST_F(HighlightFixture, ANewCandidateTakesThePreviousHighlightOff) {
  CandidateHighlight only_b;
  only_b.Track(view, b, {});
  const std::string bHighlighted = Picture();
  only_b.Clear(view);
  ASSERT_EQ(Picture(), blank);

  CandidateHighlight highlight;
  highlight.Track(view, a, {});
  highlight.Track(view, b, {});
  EXPECT_EQ(highlight.candidate(), b);
  EXPECT_EQ(Picture(), bHighlighted);
  highlight.Clear(view);
  EXPECT_EQ(Picture(), blank);
}

TEST_F(HighlightFixture, AnInterruptedHighlightIsFinishedOnTheNextMove) {
  CandidateHighlight highlight;
  highlight.Track(view, a, [] { return true; });
  EXPECT_EQ(Picture(), blank);
  EXPECT_FALSE(highlight.progress().complete());
  highlight.Track(view, a, {});
  EXPECT_TRUE(highlight.progress().complete());
  EXPECT_NE(Picture(), blank);
  // Leaving an interrupted candidate for another one leaves nothing of it behind.
  highlight.Track(view, b, [] { return true; });
  EXPECT_EQ(Picture(), blank);
}

// A repaint takes the highlight off with everything else: the same candidate is drawn again
// from the start, and clearing then leaves no ghost.
TEST_F(HighlightFixture, ARepaintStartsTheHighlightAgainAndLeavesNoGhost) {
  CandidateHighlight highlight;
  highlight.Track(view, a, {});
  const std::string highlighted = Picture();
  ASSERT_NE(highlighted, blank);
  view.Paint();
  ASSERT_EQ(Picture(), blank);
  highlight.Track(view, a, {});
  EXPECT_EQ(Picture(), highlighted);
  view.Paint();
  highlight.Clear(view);
  EXPECT_EQ(Picture(), blank);
  EXPECT_EQ(highlight.candidate(), nullptr);
}

// A command may show an entity selected while its flag is off for the pick (trim's cutting
// edges): the highlight then draws it solid over its dotted image, as for any selected
// entity, instead of cancelling the dotted image out.
TEST_F(HighlightFixture, AnEntityShownSelectedWithoutItsFlagIsDrawnTheOtherWay) {
  drawing.Select(a);
  view.Paint();
  const std::string dotted = Picture();
  a->flags &= ~EntityFlag::Selected;
  const std::string solidOverDotted = WithXor(*a);
  ASSERT_NE(solidOverDotted, dotted);
  CandidateHighlight highlight;
  highlight.SetAlsoShownSelected([this](const Entity& entity) { return &entity == a; });
  highlight.Track(view, a, {});
  EXPECT_EQ(Picture(), solidOverDotted);
  EXPECT_FALSE(a->IsSelected());
  highlight.Clear(view);
  EXPECT_EQ(Picture(), dotted);
}

}  // namespace
}  // namespace korvo
