#pragma once

#include <string>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>

#include "core/drawing.h"
#include "exchange/dxf_export.h"
#include "exchange/dxf_sink.h"

namespace korvo::testing {

// The whole DXF file of `drawing`.
inline std::string DxfText(const Drawing& drawing) {
  StringDxfSink sink;
  EXPECT_TRUE(WriteDxfDrawing(drawing, sink));
  return sink.text;
}

// The text between the line `begin` (a whole line, without its line feed) and the next
// occurrence of `end` after it; empty when `begin` is missing.
inline std::string Between(const std::string& text, std::string_view begin, std::string_view end,
                           std::size_t from = 0) {
  std::string line(1, '\n');
  line.append(begin);
  line.push_back('\n');
  const std::size_t start = text.find(line, from);
  if (start == std::string::npos) return {};
  const std::size_t bodyStart = start + line.size();
  const std::size_t stop = text.find(end, bodyStart);
  return text.substr(bodyStart, stop == std::string::npos ? std::string::npos : stop - bodyStart);
}

// The records of the ENTITIES section as written (from its first "0" line to ENDSEC).
inline std::string EntitiesSection(const std::string& text) {
  return Between(text, "ENTITIES", "0\nENDSEC\n");
}

// Code/value pairs of DXF text; group codes with their leading spaces removed.
struct Group {
  std::string code;
  std::string value;
};
inline std::vector<Group> Groups(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t begin = 0;
  while (begin < text.size()) {
    std::size_t end = text.find('\n', begin);
    if (end == std::string::npos) end = text.size();
    lines.push_back(text.substr(begin, end - begin));
    begin = end + 1;
  }
  std::vector<Group> groups;
  for (std::size_t i = 0; i + 1 < lines.size(); i += 2) {
    std::string code = lines[i];
    code.erase(0, code.find_first_not_of(' '));
    groups.push_back({code, lines[i + 1]});
  }
  return groups;
}

}  // namespace korvo::testing
