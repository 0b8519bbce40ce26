// MTEXT as one text per line.
// FIXME: lines are broken only where the content breaks them; wrapping at the reference
// width (group 41) needs the text's measured width word by word.
#include <cmath>

#include "core/entity_list.h"
#include "core/text_entity.h"
#include "core/text_style.h"
#include "exchange/dxf_entity_builders.h"
#include "exchange/dxf_import_context.h"
#include "exchange/dxf_text_codes.h"
#include "text/text_layout.h"

namespace korvo {
namespace {

// Lines of MTEXT are 5/3 of the text height apart at a spacing factor of 1.
constexpr double kLineSpacing = 5.0 / 3.0;
// No wider page of text is believable; more lines are damage.
constexpr std::size_t kMaxLines = 100000;

// The content: groups 3 (leading chunks) then 1 (the last), in file order.
std::string Content(const DxfRecord& record) {
  std::string content;
  for (const DxfGroup& group : record.groups) {
    if (group.code == 3) content.append(group.text);
  }
  content.append(record.Text(1));
  return content;
}

}  // namespace

void AddDxfMText(const DxfRecord& record, DxfImportContext& context, EntityList& target) {
  // Points and direction of MTEXT are world coordinates; only a tilted extrusion matters.
  if (!DxfOcs::Of(record).planar) {
    context.Skip("MTEXT not in the xy plane");
    return;
  }
  const std::vector<std::u16string> lines = PlainMTextLines(context.Decode(Content(record)));
  TextStyle* style = context.StyleNamed(record.Text(7));
  double height = record.Real(40, 0);
  if (!(height > 0)) height = style->height > 0 ? style->height : context.defaultTextHeight;
  const double spacing = kLineSpacing * height * record.Real(44, 1.0);
  // The direction: the x axis vector (11, 21) when given, else the rotation in radians.
  double rotation = record.Real(50, 0);
  if (record.Has(11)) {
    const Point axis = record.PointAt(11);
    if (axis.x != 0 || axis.y != 0) rotation = std::atan2(axis.y, axis.x);
  }
  const Point insertion = record.PointAt(10);
  if (!AllUsable({insertion.x, insertion.y, height, spacing, rotation}) ||
      lines.size() > kMaxLines) {
    context.Skip("MTEXT with unusable numbers");
    return;
  }
  // Attachment 1..9: top, middle, bottom rows of left, centre, right.
  int64_t attachment = record.Integer(71, 1);
  if (attachment < 1 || attachment > 9) attachment = 1;
  const int64_t row = (attachment - 1) / 3, column = (attachment - 1) % 3;
  const double block = height + spacing * static_cast<double>(lines.size() - 1);
  // Distance from the insertion point down to the first baseline.
  const double firstDown = row == 0 ? height : row == 1 ? height - block / 2 : height - block;
  const double ux = -std::sin(rotation), uy = std::cos(rotation);
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (lines[i].empty()) continue;
    const double down = firstDown + spacing * static_cast<double>(i);
    auto text = std::make_unique<TextEntity>();
    context.ApplyCommon(record, *text);
    text->style = style;
    text->content = lines[i];
    text->height = height;
    text->widthFactor = 1.0;
    text->rotation = rotation;
    text->horizontalAlignment = static_cast<uint8_t>(column);
    text->insertionPoint = Point(insertion.x - ux * down, insertion.y - uy * down);
    target.AddTail(text.release());
  }
}

}  // namespace korvo
