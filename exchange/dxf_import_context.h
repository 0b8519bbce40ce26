#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <unordered_map>

#include "exchange/dxf_record.h"
#include "exchange/dxf_text_decoder.h"
#include "geometry/point.h"

namespace korvo {

class Drawing;
class Entity;
class Layer;
class LineType;
class TextStyle;

// The object coordinate system of a 2D entity, from its extrusion (groups 210, 220, 230).
// Only extrusions along z are 2D here: (0, 0, -1) mirrors x, anything tilted is 3D.
struct DxfOcs {
  bool planar = true;
  bool mirrored = false;

  static DxfOcs Of(const DxfRecord& record);
  Point Map(const Point& p) const { return mirrored ? Point(-p.x, p.y) : p; }
  // A direction angle in radians.
  double MapAngle(double radians) const;
};

// What an import shares across its sections: the drawing, the text decoding, the tables by
// their names as the file spells them, and the count of what was left out.
class DxfImportContext {
 public:
  explicit DxfImportContext(Drawing& target) : drawing(target) {}
  DxfImportContext(const DxfImportContext&) = delete;
  DxfImportContext& operator=(const DxfImportContext&) = delete;

  std::u16string Decode(std::string_view raw) const { return decoder.Decode(raw); }
  // A table name: decoded, blanks at its end dropped, control characters (which no name
  // can show) made underscores.
  std::u16string DecodeName(std::string_view raw) const;

  // Table entries by name, each added with default properties when the file has none of
  // that name (yet: a later table record fills it in). An empty name gives layer "0",
  // line type BYLAYER and text style STANDARD.
  Layer* LayerNamed(std::string_view raw);
  LineType* LineTypeNamed(std::string_view raw);
  TextStyle* StyleNamed(std::string_view raw);

  // Layer (8), line type (6), colour (62, or 420 as the nearest palette index) and line
  // weight (370), with the defaults of DXF where a group is missing.
  void ApplyCommon(const DxfRecord& record, Entity& entity);

  // Counts one entity left out, under a kind ("HATCH") or a reason ("in paper space").
  void Skip(std::string_view what, int64_t count = 1);
  // "Skipped while reading the DXF file: 2 HATCH, 1 SPLINE."; empty when nothing was.
  std::u16string SkippedReport() const;

  Drawing& drawing;
  DxfTextDecoder decoder;
  double defaultTextHeight = 0.2;   // $TEXTSIZE
  std::u16string currentLayerName;  // $CLAYER

 private:
  std::map<std::string, int64_t, std::less<>> skipped_;
  std::unordered_map<std::string, Layer*> layers_;
  std::unordered_map<std::string, LineType*> lineTypes_;
  std::unordered_map<std::string, TextStyle*> styles_;
  // Most entities in a row share their layer and line type.
  std::string lastLayerName_;
  Layer* lastLayer_ = nullptr;
  std::string lastLineTypeName_;
  LineType* lastLineType_ = nullptr;
};

// The palette index (1..255) nearest to a true colour 0x00RRGGBB.
int NearestColorIndex(uint32_t rgb);

// A DXF line weight (370) in millimetres: -1, -2 and -3 as they are, hundredths otherwise.
double LineWeightFromDxf(int64_t value);

// Whether every number is finite and within the range drawings use.
bool AllUsable(std::initializer_list<double> values);

}  // namespace korvo
