#include "cli/json_writer.h"

#include <cmath>

#include "platform/text_format.h"

namespace korvo {
namespace {

void AppendEscape(std::string& out, unsigned unit) {
  static const char kHex[] = "0123456789abcdef";
  out += "\\u";
  for (int shift = 12; shift >= 0; shift -= 4) out += kHex[(unit >> shift) & 0xF];
}

void AppendUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

bool IsHighSurrogate(char16_t c) {
  return c >= 0xD800 && c <= 0xDBFF;
}
bool IsLowSurrogate(char16_t c) {
  return c >= 0xDC00 && c <= 0xDFFF;
}

}  // namespace

void JsonWriter::NewLine() {
  out_ += '\n';
  out_.append(2 * levels_.size(), ' ');
}

void JsonWriter::BeforeValue() {
  if (afterKey_) {
    afterKey_ = false;
    return;
  }
  if (levels_.empty()) return;
  Level& level = levels_.back();
  if (!level.empty) out_ += level.inLine ? ", " : ",";
  if (!level.inLine) NewLine();
  level.empty = false;
}

void JsonWriter::BeginObject() {
  BeforeValue();
  out_ += '{';
  levels_.push_back({false, true});
}

void JsonWriter::EndObject() {
  const bool empty = levels_.back().empty;
  levels_.pop_back();
  if (!empty) NewLine();
  out_ += '}';
  if (levels_.empty()) out_ += '\n';
}

void JsonWriter::BeginArray(Layout layout) {
  BeforeValue();
  out_ += '[';
  levels_.push_back({layout == Layout::Inline, true});
}

void JsonWriter::EndArray() {
  const Level level = levels_.back();
  levels_.pop_back();
  if (!level.empty && !level.inLine) NewLine();
  out_ += ']';
}

void JsonWriter::Key(std::string_view name) {
  BeforeValue();
  out_ += '"';
  out_ += name;
  out_ += "\": ";
  afterKey_ = true;
}

void JsonWriter::String(std::u16string_view text) {
  BeforeValue();
  out_ += '"';
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char16_t c = text[i];
    if (c == u'"' || c == u'\\') {
      out_ += '\\';
      out_ += static_cast<char>(c);
    } else if (c < 0x20 || c == 0x7F) {
      AppendEscape(out_, c);
    } else if (IsHighSurrogate(c) && i + 1 < text.size() && IsLowSurrogate(text[i + 1])) {
      AppendUtf8(out_, 0x10000 + ((char32_t(c) - 0xD800) << 10) + (text[i + 1] - 0xDC00));
      ++i;
    } else if (IsHighSurrogate(c) || IsLowSurrogate(c)) {
      AppendEscape(out_, c);
    } else {
      AppendUtf8(out_, c);
    }
  }
  out_ += '"';
}

void JsonWriter::Null() {
  BeforeValue();
  out_ += "null";
}

void JsonWriter::Integer(int64_t value) {
  BeforeValue();
  out_ += std::to_string(value);
}

void JsonWriter::Number(double value) {
  if (std::isnan(value)) return String(u"NaN");
  if (std::isinf(value)) return String(value > 0 ? u"Infinity" : u"-Infinity");
  BeforeValue();
  out_ += FormatShortest(value);
}

void JsonWriter::Point(const korvo::Point& p) {
  BeginArray(Layout::Inline);
  Number(p.x);
  Number(p.y);
  EndArray();
}

void JsonWriter::Size(const korvo::Size& s) {
  BeginArray(Layout::Inline);
  Number(s.width);
  Number(s.height);
  EndArray();
}

}  // namespace korvo
