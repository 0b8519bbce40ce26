#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

#include "core/block_definition.h"
#include "core/drawing.h"
#include "plugin/plugin_api.h"
#include "tests/plugin/service_fixture.h"
#include "text/line_type.h"

namespace korvo::testing {
namespace {

namespace S = PluginService;

struct TableCalls : ServiceFixture {
  PluginLayer* FindLayer(const char16_t* name) {
    return Service<FindLayerFn>(S::FindLayer)(&context, name);
  }
  PluginLayer* AddLayer(const char16_t* name, uint8_t flags, int16_t color, double weight,
                        const char16_t* lineType) {
    return Service<AddLayerFn>(S::AddLayer)(&context, name, flags, color, weight, lineType);
  }
  // Every name an enumeration gives, from its first to its last.
  std::vector<std::u16string> Names(int32_t first, int32_t next) {
    std::vector<std::u16string> names;
    char16_t out[kPluginTextCapacity];
    for (int32_t ok = Service<NameWalkFn>(first)(&context, out); ok == 1;
         ok = Service<NameWalkFn>(next)(&context, out)) {
      names.emplace_back(out);
    }
    return names;
  }
  Layer* LayerOf(PluginLayer* layer) { return context.CheckLayer(layer); }
  std::size_t UndoRecords() {
    const int top = drawing().undo.Top();
    return top == 0 ? 0 : drawing().undo.GroupSize(top - 1);
  }
};

TEST(LayerServices, FindLayerByNameOrTheCurrentOne) {
  TableCalls calls;
  Layer* zero = calls.drawing().settings.currentLayer;
  auto* walls = new Layer(u"Walls", 3, nullptr, -3.0);
  calls.drawing().layers.Add(walls);
  EXPECT_EQ(calls.LayerOf(calls.FindLayer(nullptr)), zero);
  EXPECT_EQ(calls.LayerOf(calls.FindLayer(u"")), zero);
  EXPECT_EQ(calls.LayerOf(calls.FindLayer(u"WALLS")), walls);
  EXPECT_EQ(calls.FindLayer(u"Doors"), nullptr);
}

TEST(LayerServices, AddLayerFillsInWhatTheCallerLeavesOpen) {
  struct Case {
    const char* name;
    int16_t currentColor;
    double currentWeight;
    int16_t color;
    double weight;
    const char16_t* lineType;
    int16_t expectedColor;
    double expectedWeight;
    const char16_t* expectedLineType;
  } cases[] = {
      {"everything given", 256, -1.0, 5, 0.35, u"continuous", 5, 0.35, u"CONTINUOUS"},
      {"current colour", 3, -1.0, -1, 0.35, nullptr, 3, 0.35, u"CONTINUOUS"},
      {"current colour by layer", 256, -1.0, -1, 0.35, nullptr, 7, 0.35, u"CONTINUOUS"},
      {"by block colour", 256, -1.0, 0, 0.35, nullptr, 7, 0.35, u"CONTINUOUS"},
      {"by layer colour", 256, -1.0, 256, 0.35, nullptr, 7, 0.35, u"CONTINUOUS"},
      {"current weight", 256, 0.5, 1, -1.0, nullptr, 1, 0.5, u"CONTINUOUS"},
      {"current layer's weight", 256, -1.0, 1, -1.0, nullptr, 1, 0.7, u"CONTINUOUS"},
      {"by block weight", 256, -1.0, 1, -2.0, nullptr, 1, -3.0, u"CONTINUOUS"},
      {"by layer line type", 256, -1.0, 1, 0, PluginByLayerLineType(), 1, 0, u"CONTINUOUS"},
      {"by block line type", 256, -1.0, 1, 0, PluginByBlockLineType(), 1, 0, u"DASHED"},
      {"line type from the library", 256, -1.0, 1, 0, u"hidden", 1, 0, u"HIDDEN"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TableCalls calls;
    DrawingSettings& s = calls.drawing().settings;
    s.currentColorIndex = c.currentColor;
    s.currentLineWeight = c.currentWeight;
    s.currentLayer->lineWeight = 0.7;
    auto* dashed = new LineType(u"DASHED", u"", u"6, -3");
    calls.drawing().lineTypes.Add(dashed);
    s.currentLayer->lineType = dashed;
    Layer* layer = calls.LayerOf(calls.AddLayer(u"Walls", 0x04, c.color, c.weight, c.lineType));
    ASSERT_NE(layer, nullptr);
    EXPECT_EQ(calls.drawing().layers.Find(u"WALLS"), layer);
    EXPECT_EQ(layer->name, u"Walls");
    EXPECT_EQ(layer->flags, 0x04);
    EXPECT_EQ(layer->colorIndex, c.expectedColor);
    EXPECT_EQ(layer->lineWeight, c.expectedWeight);
    ASSERT_NE(layer->lineType, nullptr);
    EXPECT_EQ(layer->lineType->name, c.expectedLineType);
    EXPECT_EQ(calls.drawing().lineTypes.Find(c.expectedLineType), layer->lineType);
    EXPECT_TRUE(calls.drawing().IsModified());
    // Undo takes the layer out again.
    ASSERT_TRUE(calls.drawing().undo.Undo());
    EXPECT_EQ(calls.drawing().layers.Find(u"Walls"), nullptr);
  }
}

TEST(LayerServices, AddLayerRefusals) {
  TableCalls calls;
  EXPECT_EQ(calls.AddLayer(nullptr, 0, 1, 0, nullptr), nullptr);
  EXPECT_EQ(calls.AddLayer(u"", 0, 1, 0, nullptr), nullptr);
  EXPECT_EQ(calls.AddLayer(u"0", 0, 1, 0, nullptr), nullptr);
  EXPECT_EQ(calls.AddLayer(u"New", 0, 1, 0, u"NO SUCH TYPE"), nullptr);
  EXPECT_EQ(calls.AddLayer(u"New", 0, 1, NAN, nullptr), nullptr);
  EXPECT_EQ(calls.drawing().layers.size(), 1u);
  EXPECT_EQ(calls.drawing().undo.Top(), 0);
  ASSERT_NE(calls.AddLayer(u"New", 0, 1, 0, nullptr), nullptr);
  EXPECT_EQ(calls.AddLayer(u"NEW", 0, 1, 0, nullptr), nullptr);  // the same name in other case
}

TEST(LayerServices, EnumerationWritesBoundedNames) {
  TableCalls calls;
  calls.drawing().layers.Add(new Layer(u"Walls", 1, nullptr, -3.0));
  calls.drawing().layers.Add(new Layer(std::u16string(300, u'L'), 1, nullptr, -3.0));
  const auto names = calls.Names(S::FirstLayer, S::NextLayer);
  ASSERT_EQ(names.size(), 3u);
  EXPECT_EQ(names[0], u"0");
  EXPECT_EQ(names[1], u"Walls");
  EXPECT_EQ(names[2], std::u16string(kPluginTextCapacity - 1, u'L'));
  // The long name again, into a buffer followed by a canary.
  char16_t out[kPluginTextCapacity + 2];
  std::fill(std::begin(out), std::end(out), u'#');
  auto walk = calls.Service<NameWalkFn>(S::FirstLayer);
  auto next = calls.Service<NameWalkFn>(S::NextLayer);
  ASSERT_EQ(walk(&calls.context, out), 1);
  ASSERT_EQ(next(&calls.context, out), 1);
  ASSERT_EQ(next(&calls.context, out), 1);
  EXPECT_EQ(out[kPluginTextCapacity - 1], 0);
  EXPECT_EQ(out[kPluginTextCapacity], u'#');
  EXPECT_EQ(out[kPluginTextCapacity + 1], u'#');
  EXPECT_EQ(next(&calls.context, out), 0);
}

TEST(LayerServices, PropertiesAreRecordedOncePerLayerPerCommand) {
  TableCalls calls;
  PluginLayer* zero = calls.FindLayer(u"0");
  PluginLayer* walls = calls.AddLayer(u"Walls", 0, 1, 0.25, nullptr);
  ASSERT_NE(walls, nullptr);
  auto set = calls.Service<SetLayerPropertyFn>(S::SetLayerProperty);
  auto get = calls.Service<GetLayerPropertyFn>(S::GetLayerProperty);
  const std::size_t afterAdd = calls.UndoRecords();
  const int32_t green = 3, locked = 0x04;
  const double weight = 0.5;
  EXPECT_EQ(set(&calls.context, walls, 62, &green), 1);
  EXPECT_EQ(set(&calls.context, walls, 70, &locked), 1);
  EXPECT_EQ(set(&calls.context, walls, 370, &weight), 1);
  EXPECT_EQ(set(&calls.context, walls, 2, u"Outer walls"), 1);
  EXPECT_EQ(calls.UndoRecords(), afterAdd + 1);
  // Taking HIDDEN from the library is a step of its own; the layer is not recorded again.
  EXPECT_EQ(set(&calls.context, walls, 6, u"HIDDEN"), 1);
  EXPECT_EQ(calls.UndoRecords(), afterAdd + 2);
  EXPECT_EQ(set(&calls.context, zero, 62, &green), 1);
  EXPECT_EQ(calls.UndoRecords(), afterAdd + 3);

  char16_t text[kPluginTextCapacity];
  int32_t number = 0;
  double real = 0;
  EXPECT_EQ(get(&calls.context, walls, 2, text), 1);
  EXPECT_EQ(std::u16string(text), u"Outer walls");
  EXPECT_EQ(calls.drawing().layers.Find(u"OUTER WALLS"), calls.LayerOf(walls));
  EXPECT_EQ(calls.drawing().layers.Find(u"Walls"), nullptr);
  EXPECT_EQ(get(&calls.context, walls, 6, text), 1);
  EXPECT_EQ(std::u16string(text), u"HIDDEN");
  EXPECT_EQ(get(&calls.context, walls, 62, &number), 1);
  EXPECT_EQ(number, 3);
  EXPECT_EQ(get(&calls.context, walls, 70, &number), 1);
  EXPECT_EQ(number, 4);
  EXPECT_EQ(get(&calls.context, walls, 370, &real), 1);
  EXPECT_EQ(real, 0.5);
  EXPECT_EQ(get(&calls.context, walls, 8, &number), 0);

  // Undo brings back every value and the name the layer is filed under.
  ASSERT_TRUE(calls.drawing().undo.Undo());
  EXPECT_EQ(calls.drawing().layers.Find(u"Walls"), nullptr);  // added in the same step
  EXPECT_EQ(calls.drawing().settings.currentLayer->colorIndex, 7);
}

TEST(LayerServices, SetLayerPropertyRefusesValuesALayerCannotHold) {
  TableCalls calls;
  PluginLayer* walls = calls.AddLayer(u"Walls", 0, 1, 0.25, nullptr);
  calls.AddLayer(u"Doors", 0, 1, 0.25, nullptr);
  calls.drawing().undo.EndUndoGroup();
  auto set = calls.Service<SetLayerPropertyFn>(S::SetLayerProperty);
  const int32_t byBlock = 0, byLayer = 256, flags = 0x100;
  const double notANumber = NAN;
  struct Case {
    const char* name;
    int32_t code;
    const void* value;
  } cases[] = {
      {"name of another layer", 2, u"doors"},
      {"empty name", 2, u""},
      {"unknown line type", 6, u"NO SUCH TYPE"},
      {"colour by block", 62, &byBlock},
      {"colour by layer", 62, &byLayer},
      {"flags beyond a byte", 70, &flags},
      {"weight not a number", 370, &notANumber},
      {"code a layer has not", 10, &byBlock},
      {"no value", 62, nullptr},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(set(&calls.context, walls, c.code, c.value), 0);
  }
  const Layer* layer = calls.LayerOf(walls);
  EXPECT_EQ(layer->name, u"Walls");
  EXPECT_EQ(layer->colorIndex, 1);
  EXPECT_EQ(layer->flags, 0);
  EXPECT_EQ(layer->lineWeight, 0.25);
  EXPECT_EQ(calls.drawing().undo.IsGroupOpen(), false);  // nothing recorded
}

TEST(LayerServices, ForeignStaleAndMadeUpLayersAreRefused) {
  TableCalls calls;
  TableCalls other;
  PluginLayer* foreign = other.FindLayer(u"0");
  PluginLayer* stale = calls.AddLayer(u"Gone", 0, 1, 0, nullptr);
  ASSERT_TRUE(calls.drawing().undo.Undo());  // the layer leaves the table
  PluginLayer* madeUp = reinterpret_cast<PluginLayer*>(uintptr_t{0x40});
  auto get = calls.Service<GetLayerPropertyFn>(S::GetLayerProperty);
  auto set = calls.Service<SetLayerPropertyFn>(S::SetLayerProperty);
  const int32_t color = 2;
  for (PluginLayer* layer : {foreign, stale, madeUp, static_cast<PluginLayer*>(nullptr)}) {
    SCOPED_TRACE(reinterpret_cast<uintptr_t>(layer));
    char16_t text[kPluginTextCapacity] = u"untouched";
    EXPECT_EQ(get(&calls.context, layer, 2, text), 0);
    EXPECT_EQ(std::u16string(text), u"untouched");
    EXPECT_EQ(set(&calls.context, layer, 62, &color), 0);
  }
  EXPECT_EQ(other.drawing().settings.currentLayer->colorIndex, 7);
}

TEST(BlockServices, BlocksAreFoundWalkedAndRebasedOnce) {
  TableCalls calls;
  auto* door = new BlockDefinition(u"Door");
  auto* window = new BlockDefinition(u"Window");
  calls.drawing().blocks.Add(door);
  calls.drawing().blocks.Add(window);
  EXPECT_EQ(calls.Names(S::FirstBlock, S::NextBlock),
            (std::vector<std::u16string>{u"Door", u"Window"}));
  PluginBlock* found = calls.Service<FindBlockFn>(S::FindBlock)(&calls.context, u"DOOR");
  ASSERT_NE(found, nullptr);
  EXPECT_EQ(calls.Service<FindBlockFn>(S::FindBlock)(&calls.context, u"Stair"), nullptr);
  auto getBase = calls.Service<GetBlockBaseFn>(S::GetBlockBase);
  auto setBase = calls.Service<SetBlockBaseFn>(S::SetBlockBase);
  const PluginPoint first{2, 3}, second{4, 5}, broken{INFINITY, 0};
  EXPECT_EQ(setBase(&calls.context, found, &broken), 0);
  EXPECT_EQ(calls.drawing().undo.Top(), 0);
  EXPECT_EQ(setBase(&calls.context, found, &first), 1);
  EXPECT_EQ(setBase(&calls.context, found, &second), 1);
  EXPECT_EQ(calls.UndoRecords(), 1u);
  EXPECT_TRUE(calls.context.changedBlocks.at(door));  // references still to refresh
  PluginPoint base{};
  EXPECT_EQ(getBase(&calls.context, found, &base), 1);
  EXPECT_EQ(base.x, 4);
  EXPECT_EQ(base.y, 5);
  ASSERT_TRUE(calls.drawing().undo.Undo());
  EXPECT_EQ(door->basePoint, Point(0, 0));

  // A block of another drawing, or one this context never handed out.
  TableCalls other;
  other.drawing().blocks.Add(new BlockDefinition(u"Door"));
  PluginBlock* foreign = other.Service<FindBlockFn>(S::FindBlock)(&other.context, u"Door");
  EXPECT_EQ(setBase(&calls.context, foreign, &first), 0);
  EXPECT_EQ(getBase(&calls.context, foreign, &base), 0);
  EXPECT_EQ(getBase(&calls.context, reinterpret_cast<PluginBlock*>(window), &base), 0);
}

TEST(LineTypeServices, TheDrawingFirstThenTheLibraryReadOnce) {
  TableCalls calls;
  auto find = calls.Service<FindLineTypeFn>(S::FindLineType);
  auto name = calls.Service<GetLineTypeNameFn>(S::GetLineTypeName);
  // The drawing's own DASHED wins over the library's.
  auto* own = new LineType(u"DASHED", u"mine", u"1, -1");
  calls.drawing().lineTypes.Add(own);
  EXPECT_EQ(calls.context.CheckLineType(find(&calls.context, u"dashed")), own);
  EXPECT_FALSE(calls.context.lineTypeLibraryLoaded);
  EXPECT_EQ(calls.context.CheckLineType(find(&calls.context, nullptr)),
            calls.drawing().settings.currentLineType);

  PluginLineType* hidden = find(&calls.context, u"Hidden");
  LineType* taken = calls.context.CheckLineType(hidden);
  ASSERT_NE(taken, nullptr);
  EXPECT_EQ(calls.drawing().lineTypes.Find(u"HIDDEN"), taken);
  EXPECT_EQ(taken->pattern, (std::vector<double>{3, -1.5}));
  EXPECT_TRUE(calls.context.lineTypeLibraryLoaded);
  // The library kept what the drawing lacks, without what it took.
  for (const auto& kept : calls.context.libraryLineTypes) {
    EXPECT_NE(kept->name, u"DASHED");
    EXPECT_NE(kept->name, u"HIDDEN");
  }
  EXPECT_EQ(calls.UndoRecords(), 1u);
  EXPECT_EQ(find(&calls.context, u"HIDDEN"), hidden);
  EXPECT_EQ(calls.UndoRecords(), 1u);
  EXPECT_EQ(find(&calls.context, u"NO SUCH TYPE"), nullptr);
  // Read once: what the context dropped is not read again.
  calls.context.libraryLineTypes.clear();
  EXPECT_EQ(find(&calls.context, u"CENTER"), nullptr);

  char16_t out[kPluginTextCapacity];
  EXPECT_EQ(name(&calls.context, hidden, out), 1);
  EXPECT_EQ(std::u16string(out), u"HIDDEN");
  ASSERT_TRUE(calls.drawing().undo.Undo());
  EXPECT_EQ(calls.drawing().lineTypes.Find(u"HIDDEN"), nullptr);
  EXPECT_EQ(name(&calls.context, hidden, out), 0);  // no longer the drawing's
}

TEST(LineTypeServices, EnumerationWalksTheDrawingThenTheLibrary) {
  TableCalls calls;
  calls.drawing().lineTypes.Add(new LineType(u"DASHED", u"", u"1, -1"));
  const auto names = calls.Names(S::FirstLineType, S::NextLineType);
  std::vector<std::u16string> drawingNames;
  for (LineType* lineType : calls.drawing().lineTypes) drawingNames.push_back(lineType->name);
  ASSERT_GT(names.size(), drawingNames.size());
  EXPECT_TRUE(std::equal(drawingNames.begin(), drawingNames.end(), names.begin()));
  const std::vector<std::u16string> libraryPart(names.begin() + drawingNames.size(), names.end());
  EXPECT_EQ(std::count(libraryPart.begin(), libraryPart.end(), u"DASHED"), 0);
  EXPECT_EQ(std::count(libraryPart.begin(), libraryPart.end(), u"HIDDEN"), 1);
  EXPECT_EQ(libraryPart.size(), calls.context.libraryLineTypes.size());
  // Starting again starts with the drawing.
  EXPECT_EQ(calls.Names(S::FirstLineType, S::NextLineType), names);
}

TEST(TextStyleServices, AddFindChangeAndWalk) {
  TableCalls calls;
  auto add = calls.Service<AddTextStyleFn>(S::AddTextStyle);
  auto find = calls.Service<FindTextStyleFn>(S::FindTextStyle);
  auto get = calls.Service<GetTextStylePropertyFn>(S::GetTextStyleProperty);
  auto set = calls.Service<SetTextStylePropertyFn>(S::SetTextStyleProperty);
  EXPECT_EQ(add(&calls.context, u"standard", u"TXT", 0, 1, 0, 0), nullptr);  // name in use
  EXPECT_EQ(add(&calls.context, u"Narrow", u"TXT", 0, 0, 0, 0), nullptr);    // width factor 0
  EXPECT_EQ(add(&calls.context, u"Narrow", u"TXT", NAN, 1, 0, 0), nullptr);
  EXPECT_EQ(add(&calls.context, u"Narrow", u"TXT", 0, 1, 0, 256), nullptr);
  PluginTextStyle* narrow = add(&calls.context, u"Narrow", u"TXT", 2.5, 0.8, 0.1, 2);
  ASSERT_NE(narrow, nullptr);
  EXPECT_EQ(find(&calls.context, u"NARROW"), narrow);
  EXPECT_EQ(calls.context.CheckTextStyle(find(&calls.context, nullptr)),
            calls.drawing().settings.currentTextStyle);
  EXPECT_EQ(calls.Names(S::FirstTextStyle, S::NextTextStyle),
            (std::vector<std::u16string>{u"STANDARD", u"Narrow"}));

  char16_t text[kPluginTextCapacity];
  double number = 0;
  int32_t flags = 0;
  EXPECT_EQ(get(&calls.context, narrow, 3, text), 1);
  EXPECT_EQ(std::u16string(text), u"TXT");
  EXPECT_EQ(get(&calls.context, narrow, 41, &number), 1);
  EXPECT_EQ(number, 0.8);
  EXPECT_EQ(get(&calls.context, narrow, 51, &number), 1);
  EXPECT_EQ(number, 0.1);
  EXPECT_EQ(get(&calls.context, narrow, 71, &flags), 1);
  EXPECT_EQ(flags, 2);

  const double height = 5, negative = -1;
  EXPECT_EQ(set(&calls.context, narrow, 40, &height), 1);
  EXPECT_EQ(set(&calls.context, narrow, 40, &negative), 0);
  EXPECT_EQ(set(&calls.context, narrow, 2, u"Standard"), 0);
  EXPECT_EQ(set(&calls.context, narrow, 2, u"Slim"), 1);
  EXPECT_EQ(get(&calls.context, narrow, 40, &number), 1);
  EXPECT_EQ(number, 5);
  EXPECT_NE(calls.drawing().textStyles.Find(u"SLIM"), nullptr);
  // Undo of the last change gives the old name back.
  ASSERT_TRUE(calls.drawing().undo.Undo());
  EXPECT_EQ(calls.drawing().textStyles.Find(u"Slim"), nullptr);

  TableCalls other;
  PluginTextStyle* foreign = find(&other.context, u"STANDARD");
  EXPECT_EQ(get(&calls.context, foreign, 40, &number), 0);
  EXPECT_EQ(set(&calls.context, foreign, 40, &height), 0);
}

}  // namespace
}  // namespace korvo::testing
