#include "exchange/dxf_template.h"

namespace korvo {

DxfTemplate::DxfTemplate(std::string_view source) {
  std::size_t begin = 0;
  while (begin < source.size()) {
    std::size_t end = source.find('\n', begin);
    end = end == std::string_view::npos ? source.size() : end + 1;
    const std::string_view line = source.substr(begin, end - begin);
    begin = end;

    DxfField field = DxfField::None;
    if (line.size() >= 3 && line.front() == '\x01') {
      const std::size_t close = line.find('>');
      if (close != std::string_view::npos) field = FindDxfField(line.substr(1, close - 1));
    }
    // An unknown placeholder stays a literal line, as the filling rule writes it.
    if (field == DxfField::None && !pieces_.empty() && pieces_.back().field == DxfField::None) {
      pieces_.back().text.append(line);
    } else {
      pieces_.push_back({field, std::string(line)});
    }
  }
}

}  // namespace korvo
