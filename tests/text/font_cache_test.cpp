#include <gtest/gtest.h>

#include "text/stroke_font.h"

namespace korvo {
namespace {

TEST(FontCache, NamesDifferingInLetterCaseShareOneFont) {
  StrokeFont* lower = AcquireFont(u"romans");
  StrokeFont* upper = AcquireFont(u"ROMANS");
  EXPECT_EQ(lower, upper);
  EXPECT_EQ(upper->referenceCount, 2);
  EXPECT_EQ(upper->name, u"romans");  // as first acquired
  ReleaseFont(upper);
  EXPECT_EQ(lower->referenceCount, 1);
  ReleaseFont(lower);
}

TEST(FontCache, TheLastReleaseRemovesTheFont) {
  {
    FontRef first(u"Greek");
    first->lineSpacingFactor = 3;
    FontRef copy = first;
    EXPECT_EQ(first->referenceCount, 2);
  }
  // A font made anew starts from nothing read.
  FontRef again(u"GREEK");
  EXPECT_EQ(again->referenceCount, 1);
  EXPECT_EQ(again->name, u"GREEK");
  EXPECT_DOUBLE_EQ(again->lineSpacingFactor, 1.6666666);
}

TEST(FontCache, NonAsciiNamesUseTheSystemUpperCasing) {
  FontRef lower(u"\u00e9\u03b1");  // é α
  FontRef upper(u"\u00c9\u0391");  // É Α
  EXPECT_EQ(lower.get(), upper.get());
}

}  // namespace
}  // namespace korvo
