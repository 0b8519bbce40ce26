#include "commands/toolbar_model.h"

#include <fstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "commands/command_id.h"
#include "tests/support/scratch_folder.h"

namespace korvo {
namespace {

// Names of a toolbar's items, visible first, each list in order.
std::vector<std::u16string> Names(const std::vector<ToolbarItem>& items) {
  std::vector<std::u16string> names;
  for (const ToolbarItem& item : items) names.emplace_back(item.CommandName());
  return names;
}

// A definition of the given command texts, each button with an image "<i>.bmp".
std::string Definition(const std::vector<std::string>& commands) {
  std::string text = "10 20 30\n";
  for (std::size_t i = 0; i < commands.size(); ++i)
    text += std::to_string(i) + ".bmp\nItem " + std::to_string(i) + "\n" + commands[i] + "\n";
  return text;
}

class ToolbarModelTest : public ::testing::Test {
 protected:
  std::filesystem::path Write(const char* name, const std::string& bytes) {
    std::ofstream(folder_ / name, std::ios::binary) << bytes;
    return folder_ / name;
  }
  // A toolbar of `capacity` loaded from the command texts; every image exists.
  ToolbarModel Load(std::size_t capacity, const std::vector<std::string>& commands) {
    for (std::size_t i = 0; i < commands.size(); ++i)
      Write((std::to_string(i) + ".bmp").c_str(), "BM");
    ToolbarModel model(capacity);
    EXPECT_EQ(model.LoadToolbar(Write("bar.mnu", Definition(commands)), 24), ToolbarLoad::Loaded);
    return model;
  }

  testing::ScratchFolder folder_;
};

TEST_F(ToolbarModelTest, FirstRecordsFillTheVisibleList) {
  ToolbarModel model = Load(2, {"-draw_LINE", "-draw_ARC3PT", "-GRID", "-UNDO"});
  EXPECT_EQ(Names(model.Visible()), (std::vector<std::u16string>{u"draw_LINE", u"draw_ARC3PT"}));
  EXPECT_EQ(Names(model.Overflow()), (std::vector<std::u16string>{u"GRID", u"UNDO"}));
  EXPECT_EQ(model.BackgroundColour(), 0x0A141Eu);
  const ToolbarItem& first = *model.ItemAt(0);
  EXPECT_EQ(first.itemText, u"Item 0");
  EXPECT_EQ(first.image, folder_ / "0.bmp");
  EXPECT_TRUE(first.enabled);
  EXPECT_FALSE(first.checked);
  EXPECT_EQ(model.ItemAt(3)->CommandName(), u"UNDO");
  EXPECT_EQ(model.ItemAt(4), nullptr);
}

TEST_F(ToolbarModelTest, UnknownNamesAreLeftOutScriptsAndEmptyLinesKept) {
  ToolbarModel model = Load(10, {"-draw_LINE", "-no_such_command", "@MyScript", "", "@", "-"});
  EXPECT_EQ(Names(model.Visible()), (std::vector<std::u16string>{u"draw_LINE", u"MyScript", u""}));
}

TEST_F(ToolbarModelTest, MissingImageLeavesTheButtonWithoutOne) {
  Write("present.bmp", "BM");
  ToolbarModel model(10);
  const auto file =
      Write("bar.mnu", "1 2 3\npresent.bmp\nA\n-GRID\nabsent.bmp\nB\n-UNDO\n\nC\n-REDO\n");
  ASSERT_EQ(model.LoadToolbar(file, 24), ToolbarLoad::Loaded);
  ASSERT_EQ(model.Count(), 3u);
  EXPECT_EQ(model.ItemAt(0)->image, folder_ / "present.bmp");
  EXPECT_TRUE(model.ItemAt(1)->image.empty());
  EXPECT_TRUE(model.ItemAt(2)->image.empty());
}

TEST_F(ToolbarModelTest, LoadsAgainOnlyForAnotherFile) {
  ToolbarModel model = Load(10, {"-GRID"});
  model.SetButtonChecked(u"GRID", true);
  EXPECT_EQ(model.LoadToolbar(folder_ / "bar.mnu", 48), ToolbarLoad::Unchanged);
  EXPECT_TRUE(model.ItemAt(0)->checked);  // not read again
  EXPECT_EQ(model.ButtonSize(), 48);

  const auto other = Write("other.mnu", Definition({"-UNDO", "-REDO"}));
  EXPECT_EQ(model.LoadToolbar(other, 24), ToolbarLoad::Loaded);
  EXPECT_EQ(Names(model.Visible()), (std::vector<std::u16string>{u"UNDO", u"REDO"}));

  struct Case {
    const char* name;
    std::filesystem::path file;
  } failures[] = {
      {"missing", folder_ / "none.mnu"},
      {"empty", Write("empty.mnu", "")},
  };
  for (const Case& c : failures) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(model.LoadToolbar(c.file, 24), ToolbarLoad::Failed);
    EXPECT_EQ(model.Count(), 0u);
    // A failed file is tried again next time rather than taken as loaded.
    EXPECT_EQ(model.LoadToolbar(c.file, 24), ToolbarLoad::Failed);
  }
  EXPECT_EQ(model.LoadToolbar(other, 24), ToolbarLoad::Loaded);
  EXPECT_EQ(model.Count(), 2u);
}

TEST_F(ToolbarModelTest, FlagsChangeOnlyWhenTheyDiffer) {
  // The same name twice, one of them in the overflow, written in another case.
  ToolbarModel model = Load(1, {"-GRID", "-grid", "-UNDO"});
  const uint64_t start = model.Revision();
  EXPECT_FALSE(model.SetButtonEnabled(u"GRID", true));
  EXPECT_FALSE(model.SetButtonChecked(u"GRID", false));
  EXPECT_EQ(model.Revision(), start);

  EXPECT_TRUE(model.SetButtonChecked(u"Grid", true));
  EXPECT_TRUE(model.ItemAt(0)->checked);
  EXPECT_TRUE(model.ItemAt(1)->checked);
  EXPECT_FALSE(model.ItemAt(2)->checked);
  const uint64_t afterCheck = model.Revision();
  EXPECT_GT(afterCheck, start);
  EXPECT_FALSE(model.SetButtonChecked(u"GRID", true));
  EXPECT_EQ(model.Revision(), afterCheck);

  EXPECT_TRUE(model.SetButtonEnabled(u"undo", false));
  EXPECT_FALSE(model.ItemAt(2)->enabled);
  EXPECT_FALSE(model.SetButtonEnabled(u"no_such", false));
}

TEST_F(ToolbarModelTest, MoveButton) {
  struct Case {
    const char* name;
    const char16_t* button;
    std::size_t position;
    std::vector<std::u16string> visible;
    std::vector<std::u16string> overflow;
  } cases[] = {
      {"visible to the front", u"ZOOMALL", 0, {u"ZOOMALL", u"GRID", u"UNDO"}, {u"REDO", u"LAYERS"}},
      {"visible further on", u"GRID", 2, {u"UNDO", u"ZOOMALL", u"GRID"}, {u"REDO", u"LAYERS"}},
      {"position past the end", u"GRID", 9, {u"UNDO", u"ZOOMALL", u"GRID"}, {u"REDO", u"LAYERS"}},
      {"from the overflow", u"LAYERS", 1, {u"UNDO", u"LAYERS", u"ZOOMALL"}, {u"REDO", u"GRID"}},
      {"unknown name", u"STYLES", 0, {u"GRID", u"UNDO", u"ZOOMALL"}, {u"REDO", u"LAYERS"}},
      {"other case", u"zoomall", 1, {u"GRID", u"ZOOMALL", u"UNDO"}, {u"REDO", u"LAYERS"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ToolbarModel model = Load(3, {"-GRID", "-UNDO", "-ZOOMALL", "-REDO", "-LAYERS"});
    model.MoveButton(c.button, c.position);
    EXPECT_EQ(Names(model.Visible()), c.visible);
    EXPECT_EQ(Names(model.Overflow()), c.overflow);
  }
}

TEST_F(ToolbarModelTest, TapIsPressAndReleaseOnTheSameTappableButton) {
  // Buttons of 24 pixels: 0..23 the first, 24..47 the second, ...
  struct Case {
    const char* name;
    int down;
    int up;
    ToolbarPenResult::Kind kind;
    std::size_t index;
  } cases[] = {
      {"on the first", 5, 10, ToolbarPenResult::Kind::Tapped, 0},
      {"on the second's edge", 24, 27, ToolbarPenResult::Kind::Tapped, 1},
      {"ends on another button", 22, 25, ToolbarPenResult::Kind::Nothing, 0},
      {"empty command line", 50, 50, ToolbarPenResult::Kind::Nothing, 0},
      {"disabled", 75, 75, ToolbarPenResult::Kind::Nothing, 0},
      {"past the last button", 100, 100, ToolbarPenResult::Kind::Nothing, 0},
      {"dragged away and back", 5, 5, ToolbarPenResult::Kind::Scrolled, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ToolbarModel model = Load(10, {"-GRID", "-UNDO", "", "-REDO"});
    model.SetButtonEnabled(u"REDO", false);
    model.SetViewLength(48);
    model.PenDown(c.down);
    if (c.kind == ToolbarPenResult::Kind::Scrolled) model.PenMove(c.down + 20);
    const ToolbarPenResult result = model.PenUp(c.up);
    EXPECT_EQ(result.kind, c.kind);
    if (c.kind == ToolbarPenResult::Kind::Tapped) {
      EXPECT_EQ(result.index, c.index);
    }
    EXPECT_EQ(model.HintText(), u"Select a command");
    EXPECT_FALSE(model.PressedIndex().has_value());
  }
}

TEST_F(ToolbarModelTest, HeldButtonShowsItsTextAndPressedLook) {
  ToolbarModel model = Load(10, {"-GRID", "-UNDO"});
  EXPECT_EQ(model.HintText(), u"Select a command");
  model.PenDown(30);
  EXPECT_EQ(model.PressedIndex(), std::optional<std::size_t>(1));
  EXPECT_EQ(model.HintText(), u"Item 1");
  model.PenUp(30);
  EXPECT_EQ(model.HintText(), u"Select a command");
}

TEST_F(ToolbarModelTest, DragScrollsAndRoundsToWholeButtons) {
  // Eight buttons of 24 pixels in a row 72 long: at most 120 pixels of scrolling.
  std::vector<std::string> commands(8, "-GRID");
  struct Case {
    const char* name;
    int startScroll;  // reached by an earlier drag
    int down;
    int move;
    int scroll;
  } cases[] = {
      {"less than half a button back", 0, 60, 50, 0},
      {"past half a button", 0, 60, 47, 24},
      {"exactly half rounds away from zero", 0, 60, 48, 24},
      {"two buttons", 0, 70, 20, 48},
      {"beyond the end stops at the end", 0, 70, -500, 120},
      {"back beyond the start", 48, 10, 300, 0},
      {"small moves are no drag", 0, 30, 27, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ToolbarModel model = Load(10, commands);
    model.SetViewLength(72);
    if (c.startScroll != 0) {
      model.PenDown(70);
      model.PenMove(70 - c.startScroll);
      ASSERT_EQ(model.PenUp(70 - c.startScroll).kind, ToolbarPenResult::Kind::Scrolled);
      ASSERT_EQ(model.ScrollOffset(), c.startScroll);
    }
    model.PenDown(c.down);
    model.PenMove(c.move);
    model.PenUp(c.move);
    EXPECT_EQ(model.ScrollOffset(), c.scroll);
  }
}

TEST_F(ToolbarModelTest, ScrolledRowTapsTheButtonUnderThePen) {
  ToolbarModel model = Load(2, {"-GRID", "-UNDO", "-REDO", "-LAYERS"});
  model.SetViewLength(48);
  model.PenDown(40);
  model.PenMove(-8);  // 48 pixels: two buttons on, the overflow in view
  ASSERT_EQ(model.PenUp(-8).kind, ToolbarPenResult::Kind::Scrolled);
  EXPECT_EQ(model.ScrollOffset(), 48);
  model.PenDown(30);
  const ToolbarPenResult tap = model.PenUp(30);
  ASSERT_EQ(tap.kind, ToolbarPenResult::Kind::Tapped);
  EXPECT_EQ(model.ItemAt(tap.index)->CommandName(), u"LAYERS");
}

TEST(ToolbarModel, RoundScroll) {
  struct Case {
    const char* name;
    int offset, size, rounded;
  } cases[] = {
      {"zero", 0, 24, 0},         {"below half", 11, 24, 0},       {"half", 12, 24, 24},
      {"above half", 13, 24, 24}, {"negative half", -12, 24, -24}, {"large", 100, 48, 96},
      {"no size", 13, 0, 13},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(ToolbarModel::RoundScroll(c.offset, c.size), c.rounded);
  }
}

TEST(ToolbarModel, ResolveCommand) {
  struct Case {
    const char* name;
    const char16_t* text;
    int id;
    const char16_t* script;
  } cases[] = {
      {"table name", u"-draw_LINE", CommandId::DrawLine, u""},
      {"any marker, any case", u"#Draw_Line", CommandId::DrawLine, u""},
      {"script", u"@Gear", CommandId::RunScriptCommand, u"Gear"},
      {"unknown", u"-nothing", 0, u""},
      {"marker only", u"-", 0, u""},
      {"empty", u"", 0, u""},
      {"assistant switch", u"-ASSISTANT", CommandId::NestedCommandBar, u""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const ToolbarCommand command = ResolveToolbarCommand(c.text);
    EXPECT_EQ(command.id, c.id);
    EXPECT_EQ(command.scriptName, c.script);
  }
}

}  // namespace
}  // namespace korvo
