#include "core/tables.h"

#include <optional>
#include <vector>

#include <gtest/gtest.h>

#include "core/drawing_settings.h"
#include "text/line_type.h"

namespace korvo {
namespace {

TEST(LayerTable, NamesDifferingInCaseShareOneEntry) {
  LayerTable layers;
  auto* first = new Layer(u"Walls", 1, nullptr, -3.0);
  auto* second = new Layer(u"WALLS", 2, nullptr, -3.0);
  layers.Add(first);
  layers.Add(second);
  EXPECT_EQ(layers.size(), 1u);
  for (std::u16string_view name : {u"walls", u"WALLS", u"Walls", u"wALLs"}) {
    EXPECT_EQ(layers.Find(name), second);
  }
  EXPECT_EQ(layers.Find(u"wall"), nullptr);
  EXPECT_EQ(std::vector<Layer*>(layers.begin(), layers.end()), std::vector<Layer*>{second});
}

TEST(LayerTable, IterationFollowsTheOrderOfFirstAddition) {
  // Files number entries in iteration order, so it must not depend on hashing.
  const std::u16string names[] = {u"Z", u"A", u"M", u"0", u"dims", u"B"};
  std::vector<Layer*> expected;
  LayerTable layers;
  for (const std::u16string& name : names) {
    expected.push_back(new Layer(name, 7, nullptr, -3.0));
    layers.Add(expected.back());
  }
  EXPECT_EQ(std::vector<Layer*>(layers.begin(), layers.end()), expected);

  // Replacing an entry keeps its place; removing one keeps the others' order.
  auto* replacement = new Layer(u"m", 3, nullptr, -3.0);
  layers.Add(replacement);
  expected[2] = replacement;
  EXPECT_EQ(std::vector<Layer*>(layers.begin(), layers.end()), expected);
  EXPECT_TRUE(layers.Remove(expected[1]));
  expected.erase(expected.begin() + 1);
  EXPECT_EQ(std::vector<Layer*>(layers.begin(), layers.end()), expected);
  EXPECT_EQ(layers.Find(u"A"), nullptr);
  // Entries after the removed one are still found, and replaced in their place.
  for (Layer* layer : expected) EXPECT_EQ(layers.Find(layer->name), layer);
  auto* lastReplacement = new Layer(u"b", 4, nullptr, -3.0);
  layers.Add(lastReplacement);
  expected.back() = lastReplacement;
  EXPECT_EQ(std::vector<Layer*>(layers.begin(), layers.end()), expected);
}

// Undo puts entries back where they were and renames them in place, so that a file written
// afterwards numbers them as before.
TEST(LayerTable, InsertAndRekeyKeepPlaces) {
  LayerTable layers;
  std::vector<Layer*> order;
  for (const char16_t* name : {u"0", u"A", u"B", u"C"}) {
    order.push_back(new Layer(name, 7, nullptr, -3.0));
    layers.Add(order.back());
  }
  const auto Order = [&] { return std::vector<Layer*>(layers.begin(), layers.end()); };
  Layer* a = order[1];
  EXPECT_EQ(layers.PositionOf(a), 1u);
  ASSERT_TRUE(layers.Remove(a, TableRemoval::Keep));
  EXPECT_EQ(layers.PositionOf(a), std::nullopt);
  layers.Insert(a, 1);
  EXPECT_EQ(Order(), order);
  for (Layer* layer : order) EXPECT_EQ(layers.Find(layer->name), layer);

  // Renamed in place: found under the new name only.
  order[2]->name = u"Beta";
  EXPECT_TRUE(layers.Rekey(order[2]));
  EXPECT_EQ(Order(), order);
  EXPECT_EQ(layers.Find(u"BETA"), order[2]);
  EXPECT_EQ(layers.Find(u"B"), nullptr);

  // A place beyond the end appends; a name already held replaces that entry in its place.
  auto* late = new Layer(u"D", 7, nullptr, -3.0);
  layers.Insert(late, 99);
  order.push_back(late);
  EXPECT_EQ(Order(), order);
  auto* twin = new Layer(u"c", 1, nullptr, -3.0);
  layers.Insert(twin, 0);
  order[3] = twin;
  EXPECT_EQ(Order(), order);
  auto* stranger = new Layer(u"E", 7, nullptr, -3.0);
  EXPECT_FALSE(layers.Rekey(stranger));
  delete stranger;
}

TEST(BlockTable, RemoveByPointerOnlyWhenItIsTheEntryUnderItsName) {
  BlockTable blocks;
  EntityList none;
  BlockDefinition* a = blocks.CreateBlock(u"DOOR", none, Point(), Point(), Size{});
  auto* stale = new BlockDefinition(u"door");
  EXPECT_FALSE(blocks.RemoveBlock(stale, TableRemoval::Destroy));
  EXPECT_EQ(blocks.Find(u"DOOR"), a);
  delete stale;
  EXPECT_TRUE(blocks.RemoveBlock(a, TableRemoval::Destroy));
  EXPECT_TRUE(blocks.empty());
}

TEST(DrawingSettings, ClearedValues) {
  DrawingSettings settings;
  settings.limitsMax = Point(1, 1);
  settings.gridSpacing = 1;
  settings.pointDisplayMode = 0;
  settings.currentColorIndex = 3;
  settings.orthoSnap = 1;
  settings.Reset();
  EXPECT_EQ(settings.limitsMin, Point(0, 0));
  EXPECT_EQ(settings.limitsMax, Point(210, 297));
  EXPECT_EQ(settings.viewExtent, (Size{210, 297}));
  EXPECT_EQ(settings.gridSpacing, 5.0);
  EXPECT_EQ(settings.snapSpacing, 2.5);
  EXPECT_EQ(settings.pointDisplayMode, 34);
  EXPECT_EQ(settings.pointDisplaySize, 5.0);
  EXPECT_EQ(settings.gridSnap, 1);
  EXPECT_EQ(settings.orthoSnap, 0);
  EXPECT_EQ(settings.mode, 1u);
  EXPECT_EQ(settings.linetypeScale, 1.0);
  EXPECT_EQ(settings.splineSegments, 8u);
  EXPECT_EQ(settings.workAngle, 0.7853981633974483);
  EXPECT_EQ(settings.currentColorIndex, 256);
  EXPECT_EQ(settings.currentLineWeight, -1.0);
  EXPECT_EQ(settings.currentLineType, &ByLayerLineType());
  EXPECT_EQ(settings.currentLayer, nullptr);
  EXPECT_EQ(settings.currentTextStyle, nullptr);
}

TEST(DrawingSettings, SetLastPointsReportsChange) {
  DrawingSettings settings;
  EXPECT_FALSE(settings.SetLastPoints(Point(0, 0), Point(0, 0)));
  EXPECT_TRUE(settings.SetLastPoints(Point(0, 0), Point(1, 0)));
  EXPECT_EQ(settings.lastPoints[1], Point(1, 0));
  EXPECT_FALSE(settings.SetLastPoints(Point(0, 0), Point(1, 0)));
}

}  // namespace
}  // namespace korvo
