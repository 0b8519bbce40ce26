#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

#include "geometry/point.h"

namespace korvo {

// Builds one JSON document. Objects and arrays of objects are laid out one member per
// line; arrays of plain values stay on one line. Doubles are written in their shortest form
// that reads back as the same value; the values JSON cannot hold become the strings "NaN",
// "Infinity" and "-Infinity". Strings are UTF-8; a UTF-16 unit that is half of no pair is
// kept as its \u escape so that nothing is lost.
class JsonWriter {
 public:
  enum class Layout { Lines, Inline };

  void BeginObject();
  void EndObject();
  void BeginArray(Layout layout = Layout::Lines);
  void EndArray();
  // The name of the next member of the current object.
  void Key(std::string_view name);

  void String(std::u16string_view text);
  void Null();
  void Integer(int64_t value);
  void Number(double value);
  void Point(const korvo::Point& p);  // [x, y]
  void Size(const korvo::Size& s);    // [width, height]

  // Key and value in one.
  template <class T>
  void Member(std::string_view name, const T& value);

  const std::string& text() const { return out_; }

 private:
  struct Level {
    bool inLine;
    bool empty;
  };
  void BeforeValue();
  void NewLine();

  std::string out_;
  std::vector<Level> levels_;
  bool afterKey_ = false;
};

template <class T>
void JsonWriter::Member(std::string_view name, const T& value) {
  Key(name);
  if constexpr (std::is_convertible_v<T, std::u16string_view>) {
    String(value);
  } else if constexpr (std::is_same_v<T, korvo::Point>) {
    Point(value);
  } else if constexpr (std::is_same_v<T, korvo::Size>) {
    Size(value);
  } else if constexpr (std::is_floating_point_v<T>) {
    Number(value);
  } else {
    Integer(static_cast<int64_t>(value));
  }
}

}  // namespace korvo
