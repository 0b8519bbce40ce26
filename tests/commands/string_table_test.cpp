#include "commands/string_table.h"

#include <set>

#include <gtest/gtest.h>

namespace korvo {
namespace {

TEST(StringTable, QuotedTexts) {
  struct Case {
    const char* name;
    int id;
    std::u16string_view text;
  } cases[] = {
      {"coordinates", 104, u"%6.2lf, %6.2lf"},
      {"view corner", 119, u"First corner? <%g, %g>"},
      {"view corner description", 121, u"First corner of the view"},
      {"selection", 150, u"Select object? <no more>"},
      {"copy destination", 162, u"Second point? <no more>"},
      {"rotate angle description", 187, u"Angle of rotation"},
      {"rotate base", 190, u"Base point?"},
      {"scale factor", 193, u"Scale factor?"},
      {"mirror question", 243, u"Delete source objects?"},
      {"rotate question", 244, u"Delete source objects?"},
      {"window first corner", 256, u"First corner? <single>"},
      {"window opposite corner", 259, u"Opposite corner? <single>"},
      {"window first description", 260, u"First corner of window"},
      {"window opposite description", 261, u"Opposite corner of window"},
      {"trim message", 287, u"Object does not intersect an edge!"},
      {"polyline line end, as the program spells it", 209, u"End point point of line"},
      {"insertion base", 237, u"Insertion base point? <%g, %g>"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(LoadHostString(c.id), c.text);
  }
}

TEST(StringTable, UnknownIdentifierIsEmpty) {
  EXPECT_TRUE(LoadHostString(0).empty());
  EXPECT_TRUE(LoadHostString(-1).empty());
  EXPECT_TRUE(LoadHostString(99999).empty());
}

TEST(StringTable, EveryRowHasItsOwnIdentifierAndAText) {
  std::set<int> seen;
  for (const StringRow& row : HostStrings()) {
    SCOPED_TRACE(row.id);
    EXPECT_TRUE(seen.insert(row.id).second);
    EXPECT_FALSE(row.text.empty());
  }
}

}  // namespace
}  // namespace korvo
