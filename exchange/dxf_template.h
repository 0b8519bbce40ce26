#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "exchange/dxf_field.h"

namespace korvo {

// Writes a template line holding a placeholder: 0x01, the name, ">" and a line feed.
#define KORVO_DXF_FIELD(name) "\x01" name ">\n"

// A template prepared for writing: runs of literal lines joined into one piece, and each
// placeholder line with its field. The source is the template text, lines ending with a line
// feed; a placeholder line is 0x01, a name in capitals, ">" and a line feed.
class DxfTemplate {
 public:
  struct Piece {
    DxfField field = DxfField::None;  // None: `text` is written as it stands
    std::string text;                 // the literal lines, or the placeholder line itself
  };

  explicit DxfTemplate(std::string_view source);

  const std::vector<Piece>& pieces() const { return pieces_; }

 private:
  std::vector<Piece> pieces_;
};

}  // namespace korvo
