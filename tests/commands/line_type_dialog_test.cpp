#include "commands/line_type_dialog.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "text/line_type_table.h"

namespace korvo {
namespace {

// A drawing's table with the built-ins and DASHED, a library with DASHED and CENTER.
struct Types {
  Types() {
    table.AddBuiltIns();
    dashed = new LineType(u"DASHED", u"__ __", u"2,-1");
    table.Add(dashed);
    library.push_back(std::make_unique<LineType>(u"dashed", u"from the library", u"3,-3"));
    library.push_back(std::make_unique<LineType>(u"CENTER", u"____ _ ", u"4,-1,1,-1"));
  }
  LineTypeDialogModel Model(const LineTypeValues& values, int mask = 0) {
    return LineTypeDialogModel(table, library, values, mask, true);
  }
  LineTypeTable table;
  LineType* dashed;
  LineTypeLibrary library;
};

std::vector<std::u16string> Names(const LineTypeDialogModel& model) {
  std::vector<std::u16string> names;
  for (const LineType* type : model.LineTypes()) names.push_back(type->name);
  return names;
}

TEST(LineTypeDialog, ListsBuiltInsThenTheDrawingsThenWhatOnlyTheLibraryHas) {
  Types types;
  const LineTypeValues values{&ContinuousLineType(), 256, -1.0, 1.0};
  struct Case {
    const char* name;
    int mask;
    std::vector<std::u16string> expected;
  } cases[] = {
      {"everything", 0, {u"BYBLOCK", u"BYLAYER", u"CONTINUOUS", u"DASHED", u"CENTER"}},
      {"without the by-types",
       LineTypeDialogMask::kNoByLineTypes,
       {u"CONTINUOUS", u"DASHED", u"CENTER"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const LineTypeDialogModel model = types.Model(values, c.mask);
    EXPECT_EQ(Names(model), c.expected);
    EXPECT_EQ(model.LineTypes()[model.SelectedLineType()], &ContinuousLineType());
    EXPECT_TRUE(model.IsFromLibrary(model.LineTypes().size() - 1));
    EXPECT_FALSE(model.IsFromLibrary(model.LineTypes().size() - 2));
  }
}

TEST(LineTypeDialog, ShowsTheValuesItIsFilledWith) {
  Types types;
  struct Case {
    const char* name;
    LineTypeValues values;
    int mask;
    std::u16string weight;
    std::u16string color;
    bool byLayer, byBlock;
    std::vector<std::u16string> entries;
  } cases[] = {
      {"by layer",
       {types.dashed, 256, -1.0, 1.0},
       0,
       u"By Layer",
       u"",
       true,
       false,
       {u"By Layer", u"By Block", u"Default"}},
      {"by block",
       {types.dashed, 0, -2.0, 1.0},
       0,
       u"By Block",
       u"",
       false,
       true,
       {u"By Layer", u"By Block", u"Default"}},
      {"a colour and millimetres",
       {types.dashed, 5, 0.35, 1.0},
       0,
       u"0.35",
       u"5",
       false,
       false,
       {u"By Layer", u"By Block", u"Default"}},
      {"whole millimetres keep two decimals",
       {types.dashed, 5, 1.0, 1.0},
       0,
       u"1.00",
       u"5",
       false,
       false,
       {u"By Layer", u"By Block", u"Default"}},
      {"a layer's default",
       {types.dashed, 7, -3.0, 1.0},
       LineTypeDialogMask::kLayer,
       u"Default",
       u"7",
       false,
       false,
       {u"Default"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const LineTypeDialogModel model = types.Model(c.values, c.mask);
    EXPECT_EQ(model.LineWeightText(), c.weight);
    EXPECT_EQ(model.ColorText(), c.color);
    EXPECT_EQ(model.ByLayerPressed(), c.byLayer);
    EXPECT_EQ(model.ByBlockPressed(), c.byBlock);
    EXPECT_EQ(model.LineWeightEntries(), c.entries);
    EXPECT_EQ(model.LineTypes()[model.SelectedLineType()], types.dashed);
  }
}

TEST(LineTypeDialog, ReadsTheFieldsBackOrRefusesThem) {
  Types types;
  struct Case {
    const char* name;
    int mask;
    std::u16string weight, scale, color;
    bool accepted;
    double lineWeight, linetypeScale;
    int colorIndex;
    std::u16string error;
  } cases[] = {
      {"a weight typed in millimetres", 0, u"0.35", u"1", u"", true, 0.35, 1.0, 256, u""},
      {"the default entry", 0, u"Default", u"1", u"", true, -3.0, 1.0, 256, u""},
      {"the by-layer entry", 0, u"By Layer", u"1", u"", true, -1.0, 1.0, 256, u""},
      {"the by-block entry", 0, u"By Block", u"2.5", u"", true, -2.0, 2.5, 256, u""},
      {"a by-layer weight where none is offered", LineTypeDialogMask::kNoByLineWeights, u"By Layer",
       u"1", u"", false, 0, 0, 0, u"Please enter a number."},
      {"a negative weight", 0, u"-0.5", u"1", u"", false, 0, 0, 0,
       u"Please enter a number between 0 and 1.79769e+308."},
      {"a colour number", 0, u"Default", u"1", u"3", true, -3.0, 1.0, 3, u""},
      {"colour 0 typed", 0, u"Default", u"1", u"0", false, 0, 0, 0,
       u"Please enter an integer between 1 and 255."},
      {"colour 256 typed", 0, u"Default", u"1", u"256", false, 0, 0, 0,
       u"Please enter an integer between 1 and 255."},
      {"a colour that is no integer", 0, u"Default", u"1", u"3.5", false, 0, 0, 0,
       u"Please enter an integer."},
      {"a scale of 0", 0, u"Default", u"0", u"", false, 0, 0, 0,
       u"Please enter a number between 1e-15 and 1.79769e+308."},
      {"the smallest scale", 0, u"Default", u"1e-15", u"", true, -3.0, 1e-15, 256, u""},
      {"a scale that is no number", 0, u"Default", u"x", u"", false, 0, 0, 0,
       u"Please enter a number."},
      {"a scale with trailing garbage", 0, u"Default", u"2x", u"", false, 0, 0, 0,
       u"Please enter a number."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    LineTypeDialogModel model = types.Model({types.dashed, 256, -1.0, 1.0}, c.mask);
    model.SetLineWeightText(c.weight);
    model.SetScaleText(c.scale);
    model.SetColorText(c.color);
    ASSERT_EQ(model.Accept(), c.accepted);
    if (!c.accepted) {
      EXPECT_EQ(model.ErrorMessage(), c.error);
      // Nothing of a refused reading is kept.
      EXPECT_EQ(model.Result().lineWeight, -1.0);
      continue;
    }
    EXPECT_EQ(model.Result().lineWeight, c.lineWeight);
    EXPECT_EQ(model.Result().linetypeScale, c.linetypeScale);
    EXPECT_EQ(model.Result().colorIndex, c.colorIndex);
  }
}

TEST(LineTypeDialog, ByLayerEmptiesTheColourBoxAndATypedNumberWins) {
  Types types;
  LineTypeDialogModel model = types.Model({types.dashed, 5, -1.0, 1.0});
  ASSERT_TRUE(model.PressByLayer());
  EXPECT_EQ(model.ColorText(), u"");
  EXPECT_TRUE(model.ByLayerPressed());
  EXPECT_EQ(model.SwatchIndex(), 256);
  model.SetColorText(u"3");
  EXPECT_EQ(model.SwatchIndex(), 3);
  EXPECT_FALSE(model.ByLayerPressed());
  ASSERT_TRUE(model.Accept());
  EXPECT_EQ(model.Result().colorIndex, 3);

  ASSERT_TRUE(model.PressByBlock());
  EXPECT_TRUE(model.ByBlockPressed());
  EXPECT_FALSE(model.ByLayerPressed());
  ASSERT_TRUE(model.Accept());
  EXPECT_EQ(model.Result().colorIndex, 0);
}

TEST(LineTypeDialog, TheSwatchFollowsOnlyPaletteNumbers) {
  Types types;
  LineTypeDialogModel model = types.Model({types.dashed, 5, -1.0, 1.0});
  for (const auto& [text, index] : std::vector<std::pair<std::u16string, int>>{
           {u"1", 1}, {u"255", 255}, {u"256", 5}, {u"0", 5}, {u"abc", 5}}) {
    SCOPED_TRACE(std::string(text.begin(), text.end()));
    model.SetColorText(text);
    EXPECT_EQ(model.SwatchIndex(), index);
  }
}

TEST(LineTypeDialog, TheLayerMaskHasNoColourButtons) {
  Types types;
  LineTypeDialogModel model = types.Model({types.dashed, 5, -3.0, 1.0}, LineTypeDialogMask::kLayer);
  EXPECT_FALSE(model.HasColorButtons());
  EXPECT_FALSE(model.PressByLayer());
  EXPECT_FALSE(model.PressByBlock());
  EXPECT_EQ(model.ColorText(), u"5");
}

TEST(LineTypeDialog, ChoosesTypesByNameWithoutRegardToCase) {
  Types types;
  LineTypeDialogModel model = types.Model({types.dashed, 5, -3.0, 1.0});
  ASSERT_TRUE(model.SelectLineType(u"center"));
  ASSERT_TRUE(model.Accept());
  EXPECT_EQ(model.Result().lineType, types.library[1].get());
  EXPECT_TRUE(model.ResultFromLibrary());
  EXPECT_FALSE(model.SelectLineType(u"NOSUCH"));
  EXPECT_FALSE(model.SelectLineType(std::size_t{99}));
}

}  // namespace
}  // namespace korvo
