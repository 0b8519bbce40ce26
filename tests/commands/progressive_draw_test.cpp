#include "commands/progressive_draw.h"

#include <gtest/gtest.h>

#include "core/insert_entity.h"
#include "core/line_entity.h"
#include "tests/view/view_test_support.h"

namespace korvo {
namespace {

// Four horizontal lines a row apart, and a block reference whose three parts are three more
// rows: seven primitives, each on a row of its own.
struct ProgressiveFixture : testing::ViewFixture {
  ProgressiveFixture() : ViewFixture(16, 12) {
    for (int row = 0; row < 4; ++row)
      lines.push_back(AddLine(10, 10 + 10 * row, 100, 10 + 10 * row));
    auto* insert = new InsertEntity();
    insert->layer = drawing.settings.currentLayer;
    for (int row = 4; row < 7; ++row) {
      auto* part = new LineEntity(10, 10 + 10 * row, 100, 10 + 10 * row, drawing.settings);
      part->SetColorIndex(1);
      insert->expanded.AddTail(part);
    }
    drawing.entities.AddTail(insert);
    view.Paint();
    blank = Picture();
    for (int rows = 0; rows <= 7; ++rows) withRows.push_back(Rows(rows));
  }

  // The picture with the first `rows` rows of primitives drawn one by one; drawing them
  // again takes them off.
  std::string Rows(int rows) {
    XorRows(rows);
    std::string picture = Picture();
    XorRows(rows);
    return picture;
  }
  void XorRows(int rows) {
    int index = 0;
    for (Entity* e : drawing.entities) {
      if (InsertEntity* insert = e->AsInsert()) {
        for (Entity* part : insert->expanded)
          if (index++ < rows) view.DrawXor(*part);
      } else if (index++ < rows) {
        view.DrawXor(*e);
      }
    }
  }

  // Says "a pen move waits" once `after` primitives were asked about.
  PenMoveWaiting WaitingAfter(int after) {
    return [this, after]() { return asked++ >= after; };
  }

  std::vector<LineEntity*> lines;
  std::string blank;
  std::vector<std::string> withRows;  // the window with the first N primitives drawn
  int asked = 0;
};

TEST_F(ProgressiveFixture, DrawsEverythingWhenNothingWaits) {
  ProgressiveDraw draw;
  EXPECT_TRUE(draw.Continue(view, drawing.entities, {}));
  EXPECT_TRUE(draw.complete());
  EXPECT_EQ(draw.drawn(), 7);
  EXPECT_EQ(Picture(), withRows[7]);
  draw.Erase(view, drawing.entities);
  EXPECT_EQ(Picture(), blank);
  EXPECT_FALSE(draw.started());
}

TEST_F(ProgressiveFixture, StopsForANewerPenMoveAndResumesAtTheSameCount) {
  ProgressiveDraw draw;
  EXPECT_FALSE(draw.Continue(view, drawing.entities, WaitingAfter(2)));
  EXPECT_EQ(draw.drawn(), 2);
  EXPECT_EQ(Picture(), withRows[2]);

  // Stopped inside the block reference: its first part drawn, the rest not.
  asked = 0;
  EXPECT_FALSE(draw.Continue(view, drawing.entities, WaitingAfter(3)));
  EXPECT_EQ(draw.drawn(), 5);
  EXPECT_EQ(Picture(), withRows[5]);

  EXPECT_TRUE(draw.Continue(view, drawing.entities, {}));
  EXPECT_EQ(Picture(), withRows[7]);
  draw.Erase(view, drawing.entities);
  EXPECT_EQ(Picture(), blank);
}

TEST_F(ProgressiveFixture, ErasingAPartialDrawingLeavesNoTrace) {
  ProgressiveDraw draw;
  draw.Continue(view, drawing.entities, WaitingAfter(5));
  ASSERT_EQ(draw.drawn(), 5);
  draw.Erase(view, drawing.entities);
  EXPECT_EQ(Picture(), blank);
  // Erasing what was never drawn draws nothing.
  draw.Erase(view, drawing.entities);
  EXPECT_EQ(Picture(), blank);
}

TEST_F(ProgressiveFixture, AMoveWaitingFromTheStartDrawsNothing) {
  ProgressiveDraw draw;
  EXPECT_FALSE(draw.Continue(view, *lines[0], WaitingAfter(0)));
  EXPECT_EQ(draw.drawn(), 0);
  EXPECT_EQ(Picture(), blank);
  EXPECT_TRUE(draw.Continue(view, *lines[0], {}));
  EXPECT_NE(Picture(), blank);
  draw.Erase(view, *lines[0]);
  EXPECT_EQ(Picture(), blank);
}

}  // namespace
}  // namespace korvo
