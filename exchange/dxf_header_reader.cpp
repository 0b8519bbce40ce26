// The header variables a drawing keeps, and the active viewport's view.
#include <cmath>

#include "core/drawing.h"
#include "exchange/dxf_import_context.h"
#include "exchange/dxf_section_readers.h"

namespace korvo {
namespace {

// The groups of one variable: from its 9 group to the next.
struct Variable {
  std::string_view name;
  const DxfGroup* first = nullptr;
  const DxfGroup* last = nullptr;

  const DxfGroup* Find(int code) const {
    for (const DxfGroup* group = first; group != last; ++group) {
      if (group->code == code) return group;
    }
    return nullptr;
  }
  bool Point2(Point& out) const {
    const DxfGroup* x = Find(10);
    const DxfGroup* y = Find(20);
    if (x == nullptr || y == nullptr || !AllUsable({x->real, y->real})) return false;
    out = Point(x->real, y->real);
    return true;
  }
  bool Real(int code, double& out) const {
    const DxfGroup* group = Find(code);
    if (group == nullptr || !AllUsable({group->real})) return false;
    out = group->real;
    return true;
  }
  bool Integer(int code, int64_t& out) const {
    const DxfGroup* group = Find(code);
    if (group == nullptr) return false;
    out = group->integer;
    return true;
  }
};

void Apply(const Variable& variable, DxfImportContext& context) {
  DrawingSettings& s = context.drawing.settings;
  const std::string_view name = variable.name;
  double real = 0;
  int64_t integer = 0;
  if (name == "$LIMMIN") {
    variable.Point2(s.limitsMin);
  } else if (name == "$LIMMAX") {
    variable.Point2(s.limitsMax);
  } else if (name == "$INSBASE") {
    variable.Point2(s.basePoint);
  } else if (name == "$LTSCALE" && variable.Real(40, real)) {
    s.linetypeScale = real;
  } else if (name == "$PDSIZE" && variable.Real(40, real)) {
    s.pointDisplaySize = real;
  } else if (name == "$PDMODE" && variable.Integer(70, integer)) {
    // Only the modes the point display knows.
    const int64_t shape = integer & 0x1F, frame = integer & ~0x1F;
    if (shape <= 4 && (frame == 0 || frame == 32 || frame == 64 || frame == 96)) {
      s.pointDisplayMode = static_cast<uint8_t>(integer);
    }
  } else if (name == "$SPLFRAME" && variable.Integer(70, integer)) {
    s.splineFrame = integer != 0 ? 1 : 0;
  } else if (name == "$SPLINESEGS" && variable.Integer(70, integer) && integer > 0 &&
             integer <= 1024) {
    s.splineSegments = static_cast<uint32_t>(integer);
  } else if (name == "$TEXTSIZE" && variable.Real(40, real) && real > 0) {
    context.defaultTextHeight = real;
  } else if (name == "$VIEWSIZE" && variable.Real(40, real) && real > 0) {
    // The view's height; its width keeps the aspect the view has. The active viewport,
    // read later with the tables, gives both where the file has one.
    const double aspect = s.viewExtent.height > 0 ? s.viewExtent.width / s.viewExtent.height : 1;
    const Point center(s.viewOrigin.x + s.viewExtent.width / 2,
                       s.viewOrigin.y + s.viewExtent.height / 2);
    s.viewExtent = Size{real * aspect, real};
    s.viewOrigin = Point(center.x - real * aspect / 2, center.y - real / 2);
  } else if (name == "$VIEWCTR") {
    Point center;
    if (variable.Point2(center)) {
      s.viewOrigin = Point(center.x - s.viewExtent.width / 2, center.y - s.viewExtent.height / 2);
    }
  }
}

}  // namespace

void ReadDxfHeader(const DxfRecord& section, DxfImportContext& context) {
  const std::vector<DxfGroup>& groups = section.groups;
  // The release and code page decide how every text reads, whatever their place.
  std::vector<Variable> variables;
  for (std::size_t i = 0; i < groups.size(); ++i) {
    if (groups[i].code != 9) continue;
    Variable variable{groups[i].text, groups.data() + i + 1, groups.data() + i + 1};
    while (variable.last != groups.data() + groups.size() && variable.last->code != 9) {
      ++variable.last;
    }
    variables.push_back(variable);
  }
  for (const Variable& variable : variables) {
    const DxfGroup* value = variable.Find(1);
    if (variable.name == "$ACADVER" && value != nullptr) context.decoder.SetRelease(value->text);
  }
  for (const Variable& variable : variables) {
    const DxfGroup* value = variable.Find(3);
    if (variable.name == "$DWGCODEPAGE" && value != nullptr) {
      context.decoder.SetCodePage(value->text);
    }
  }
  for (const Variable& variable : variables) {
    Apply(variable, context);
    const DxfGroup* layer = variable.Find(8);
    if (variable.name == "$CLAYER" && layer != nullptr) {
      context.currentLayerName = context.DecodeName(layer->text);
    }
  }
}

void ApplyDxfHeaderAfterTables(DxfImportContext& context) {
  if (context.currentLayerName.empty()) return;
  Layer* layer = context.drawing.layers.Find(context.currentLayerName);
  if (layer != nullptr) context.drawing.settings.currentLayer = layer;
}

}  // namespace korvo
