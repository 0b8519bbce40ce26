#include "exchange/dxf_writer.h"

#include <clocale>
#include <cstdio>
#include <string>

#include <gtest/gtest.h>

#include "tests/support/decimal_comma_locale.h"

namespace korvo {
namespace {

// Collects the writer's output.
struct Output {
  StringDxfSink sink;
  DxfWriter writer{&sink};

  const std::string& Text() {
    EXPECT_TRUE(writer.Finish());
    return sink.text;
  }
};

TEST(DxfWriter, RealsAreFixedWithSixDecimals) {
  struct Case {
    double value;
    const char* expected;
  } cases[] = {
      {0.0, "0.000000\n"},        {-0.5, "-0.500000\n"},
      {3.14159265, "3.141593\n"}, {123456.789, "123456.789000\n"},
      {-1e-7, "-0.000000\n"},     {1e20, "100000000000000000000.000000\n"},
      {2.5e-6, "0.000003\n"},
  };
  Output out;
  std::string expected;
  for (const Case& c : cases) {
    out.writer.Real(c.value);
    expected += c.expected;
  }
  EXPECT_EQ(out.Text(), expected);
}

TEST(DxfWriter, RealsMatchPrintfDigitsInAnyLocale) {
  const double values[] = {
      1.0 / 3.0, -2.0 / 3.0, 1e15 + 0.5,  6.283185307179586, 0.1234565, 1.7976931348623157e308,
      5e-324,    2.675e-3,   1234.5678905};
  std::string printed;
  {
    const std::string previous = std::setlocale(LC_NUMERIC, nullptr);
    std::setlocale(LC_NUMERIC, "C");
    for (const double value : values) {
      char buffer[400];
      std::snprintf(buffer, sizeof buffer, "%lf\n", value);
      printed += buffer;
    }
    std::setlocale(LC_NUMERIC, previous.c_str());
  }
  testing::DecimalCommaLocale comma;
  ASSERT_TRUE(comma.active());
  Output out;
  for (const double value : values) out.writer.Real(value);
  EXPECT_EQ(out.Text(), printed);
}

TEST(DxfWriter, IntegerColorAndHandleFormats) {
  Output out;
  out.writer.Integer(-3);
  out.writer.Color(7);
  out.writer.Color(256);
  out.writer.Color(-7);
  out.writer.Color(1234567);
  out.writer.Hex(0xABCu);
  out.writer.Handle();
  out.writer.Handle();
  out.writer.Degrees(3.141592653589793 / 2);
  EXPECT_EQ(out.Text(), "-3\n     7\n   256\n    -7\n1234567\nABC\n700\n701\n90.000000\n");
  EXPECT_EQ(out.writer.nextHandle(), 0x702u);
}

TEST(DxfWriter, FillingRule) {
  // Known fields are replaced by what the filler writes; a field the filler leaves empty and
  // an unknown name keep their template line; an expanding field that writes nothing leaves
  // nothing.
  const DxfTemplate source("A\n" KORVO_DXF_FIELD("REFNUMBER") KORVO_DXF_FIELD("X_COORD_1")
                               KORVO_DXF_FIELD("Y_COORD_1") KORVO_DXF_FIELD("NO_SUCH_NAME")
                                   KORVO_DXF_FIELD("ENTITY_BODIES") "B\n");
  Output out;
  int asked = 0;
  out.writer.WriteTemplate(source, [&](DxfField field) {
    ++asked;
    if (field == DxfField::XCoord1) out.writer.Real(1.5);
  });
  EXPECT_EQ(out.Text(), "A\n700\n1.500000\n\x01Y_COORD_1>\n\x01NO_SUCH_NAME>\nB\n");
  EXPECT_EQ(asked, 3);  // REFNUMBER is the writer's own; unknown names reach no filler
}

TEST(DxfWriter, CountingPassWritesNothingButCountsHandles) {
  DxfWriter counter(nullptr);
  const DxfTemplate source("0\n" KORVO_DXF_FIELD("REFNUMBER") "5\n" KORVO_DXF_FIELD("REFNUMBER"));
  counter.WriteTemplate(source, [&](DxfField) { counter.Real(1); });
  counter.Handle();
  EXPECT_EQ(counter.nextHandle(), 0x703u);
  EXPECT_EQ(counter.bytesWritten(), 0u);
  EXPECT_TRUE(counter.Finish());
}

TEST(DxfWriter, ValuesLongerThanAnyBufferAreWrittenWhole) {
  for (const std::size_t length : {1500u, 70000u, 200000u}) {
    SCOPED_TRACE(length);
    std::u16string name(length, u'x');
    name.back() = u'y';
    Output out;
    out.writer.Literal("2\n");
    out.writer.Text(name, DxfSpaces::Replace);
    out.writer.Literal("70\n");
    const std::string& text = out.Text();
    ASSERT_EQ(text.size(), 2 + length + 1 + 3);
    EXPECT_EQ(text.substr(0, 3), "2\nx");
    EXPECT_EQ(text.substr(text.size() - 6), "xy\n70\n");
  }
}

// Takes everything until `limit` bytes were accepted, then refuses.
class FailingSink : public DxfSink {
 public:
  explicit FailingSink(std::size_t limit) : limit_(limit) {}
  bool Write(const char*, std::size_t size) override {
    if (size > limit_) return false;
    limit_ -= size;
    return true;
  }

 private:
  std::size_t limit_;
};

TEST(DxfWriter, AFailedWriteIsReported) {
  FailingSink sink(100);
  DxfWriter writer(&sink);
  for (int i = 0; i < 100000; ++i) writer.Real(i);
  EXPECT_FALSE(writer.Finish());
  EXPECT_TRUE(writer.failed());
}

}  // namespace
}  // namespace korvo
