// The LTYPE, LAYER, STYLE and VPORT tables; other tables are passed over.
#include <cmath>
#include <numbers>

#include "core/drawing.h"
#include "core/element_code.h"
#include "exchange/dxf_font_names.h"
#include "exchange/dxf_import_context.h"
#include "exchange/dxf_section_readers.h"
#include "text/line_type.h"

namespace korvo {
namespace {

constexpr double kRadiansPerDegree = std::numbers::pi / 180.0;
// More dash elements than any pattern needs are damage.
constexpr std::size_t kMaxDashes = 1024;

void ReadLineType(const DxfRecord& record, DxfImportContext& context) {
  LineType* type = context.LineTypeNamed(record.Text(2));
  // The built-in types are shared by every drawing and stay as the program defines them.
  if (type->builtIn != 0) return;
  type->description = context.Decode(record.Text(3));
  type->pattern.clear();
  for (const DxfGroup& group : record.groups) {
    if (group.code != 49 || type->pattern.size() >= kMaxDashes) continue;
    if (AllUsable({group.real})) type->pattern.push_back(group.real);
  }
}

void ReadLayer(const DxfRecord& record, DxfImportContext& context) {
  Layer* layer = context.LayerNamed(record.Text(2));
  constexpr int64_t kFrozen = 1, kLocked = 4;
  const int64_t flags = record.Integer(70, 0);
  layer->SetFrozen((flags & kFrozen) != 0);
  layer->SetLocked((flags & kLocked) != 0);
  // A negative colour is a layer that is off: the sign is kept, as the layer's own colour
  // index holds it.
  int64_t color = record.Integer(62, 7);
  if (color < -256 || color > 256) color = 7;
  if (const DxfGroup* trueColor = record.Find(420)) {
    const int index = NearestColorIndex(static_cast<uint32_t>(trueColor->integer) & 0xFFFFFF);
    color = color < 0 ? -index : index;
  }
  layer->SetColorIndex(static_cast<int>(color));
  const std::string_view lineType = record.Text(6);
  layer->lineType = lineType.empty() ? &ContinuousLineType() : context.LineTypeNamed(lineType);
  layer->lineWeight = LineWeightFromDxf(record.Integer(370, -3));
  // A layer can only be by layer or by block through its entities.
  if (layer->lineWeight == LineWeight::ByLayer || layer->lineWeight == LineWeight::ByBlock) {
    layer->lineWeight = LineWeight::Default;
  }
}

void ReadStyle(const DxfRecord& record, DxfImportContext& context) {
  // Shape files sit in the table as styles of flag 1; they hold no text style.
  constexpr int64_t kShapeFile = 1;
  if ((record.Integer(70, 0) & kShapeFile) != 0 || record.Text(2).empty()) return;
  TextStyle* style = context.StyleNamed(record.Text(2));
  const double height = record.Real(40, 0), width = record.Real(41, 1);
  const double oblique = record.Real(50, 0) * kRadiansPerDegree;
  if (AllUsable({height, width, oblique})) {
    style->height = height >= 0 ? height : 0;
    style->widthFactor = width != 0 ? width : 1.0;
    style->obliqueAngle = oblique;
  }
  style->flags = static_cast<uint8_t>(record.Integer(71, 0) & 0x06);
  // The font: the extended data's font name when a writer gave one, else the file name.
  std::u16string font;
  bool extended = false;
  for (const DxfGroup& group : record.groups) {
    if (group.code == 1001) extended = group.text == "ACAD";
    if (group.code == 1000 && extended && font.empty()) font = context.Decode(group.text);
  }
  std::u16string_view mapped = ShippedFontFor(font);
  if (font.empty() || mapped == kDefaultFontName) {
    mapped = ShippedFontFor(context.Decode(record.Text(3)));
  }
  style->font = FontRef(mapped);
}

// The view of the active viewport, with its snap and grid.
void ReadViewport(const DxfRecord& record, DxfImportContext& context) {
  const std::string_view name = record.Text(2);
  if (name != "*ACTIVE" && name != "*Active" && name != "*active") return;
  DrawingSettings& s = context.drawing.settings;
  const Point center = record.PointAt(12);
  const double height = record.Real(40, 0), aspect = record.Real(41, 0);
  if (AllUsable({center.x, center.y, height, aspect}) && height > 0 && aspect > 0) {
    s.viewExtent = Size{height * aspect, height};
    s.viewOrigin = Point(center.x - height * aspect / 2, center.y - height / 2);
  }
  const double snap = record.Real(14, 0), grid = record.Real(15, 0);
  if (AllUsable({snap}) && snap > 0) s.snapSpacing = snap;
  if (AllUsable({grid}) && grid > 0) s.gridSpacing = grid;
  if (record.Has(75)) s.gridSnap = record.Integer(75, 0) != 0 ? 1 : 0;
  if (record.Has(76)) s.gridOn = record.Integer(76, 0) != 0 ? 1 : 0;
}

}  // namespace

void ReadDxfTables(DxfRecordReader& reader, DxfRecord& record, DxfImportContext& context) {
  for (;;) {
    const std::string_view next = reader.PeekKind();
    if (next == "SECTION" || next == "EOF") return;
    if (!reader.Next(record)) return;
    if (record.Is("ENDSEC")) return;
    if (record.Is("LTYPE")) {
      ReadLineType(record, context);
    } else if (record.Is("LAYER")) {
      ReadLayer(record, context);
    } else if (record.Is("STYLE")) {
      ReadStyle(record, context);
    } else if (record.Is("VPORT")) {
      ReadViewport(record, context);
    }
    // TABLE, ENDTAB and the records of other tables (VIEW, UCS, APPID, DIMSTYLE,
    // BLOCK_RECORD) hold nothing a drawing here keeps.
  }
}

void SkipDxfSection(DxfRecordReader& reader, DxfRecord& record) {
  for (;;) {
    const std::string_view next = reader.PeekKind();
    if (next == "SECTION" || next == "EOF") return;
    if (!reader.Next(record) || record.Is("ENDSEC")) return;
  }
}

}  // namespace korvo
