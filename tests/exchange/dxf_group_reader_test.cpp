// The group reader's numbers: every real reads as std::from_chars reads it, bit for bit,
// whichever way the reader takes to it.
#include <charconv>
#include <cmath>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "exchange/dxf_group_reader.h"
#include "platform/text_format.h"

namespace korvo {
namespace {

double ReadReal(const std::string& text) {
  const std::string file = "10\n" + text + "\n";
  DxfGroupReader reader(
      std::span<const uint8_t>(reinterpret_cast<const uint8_t*>(file.data()), file.size()));
  DxfGroup group;
  EXPECT_TRUE(reader.Next(group));
  EXPECT_EQ(group.code, 10);
  return group.real;
}

double FromChars(const std::string& text) {
  double value = 0;
  const char* begin = text.data() + (text[0] == '+' ? 1 : 0);
  std::from_chars(begin, text.data() + text.size(), value);
  return value;
}

void ExpectSameBits(const std::string& text) {
  const double read = ReadReal(text), expected = FromChars(text);
  EXPECT_EQ(std::memcmp(&read, &expected, sizeof read), 0) << text << ": " << read;
}

TEST(DxfGroupReader, RealsReadAsFromCharsReadsThem) {
  const char* texts[] = {"0",
                         "-0.0",
                         "1.",
                         ".5",
                         "+2.5",
                         "123.456789",
                         "-0.000001",
                         "9007199254740991",
                         "9007199254740993",
                         "0.1234567890123456789012",
                         "1e10",
                         "6.283185307179586",
                         "-1.7976931348623157e308",
                         "4.9e-324",
                         "00000000000000000000012.5"};
  for (const char* text : texts) ExpectSameBits(text);
  // What the export writes: six decimals of numbers of every size.
  std::mt19937_64 random(7);
  std::uniform_real_distribution<double> exponent(-8, 12);
  for (int i = 0; i < 20000; ++i) {
    const double value = std::pow(10.0, exponent(random)) * (i % 2 != 0 ? -1 : 1);
    ExpectSameBits(FormatFixed(value, 6));
    ExpectSameBits(FormatShortest(value));
  }
}

}  // namespace
}  // namespace korvo
