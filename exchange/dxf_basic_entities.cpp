// The DXF records of points, lines, solids and traces.
#include "core/line_entity.h"
#include "core/point_entity.h"
#include "core/solid_entity.h"
#include "core/trace_entity.h"
#include "exchange/dxf_templates.h"
#include "exchange/dxf_writer.h"

namespace korvo {
namespace {

// SOLID and TRACE number the corners 0, 1, 3, 2: the last two groups swap.
bool WriteQuadrilateral(DxfWriter& writer, const DxfTemplate& source, const SolidEntity& solid) {
  const auto& c = solid.corners;
  writer.WriteEntity(source, solid, [&](DxfField field) {
    switch (field) {
      case DxfField::XCoord1:
        return writer.Real(c[0].x);
      case DxfField::YCoord1:
        return writer.Real(c[0].y);
      case DxfField::XCoord2:
        return writer.Real(c[1].x);
      case DxfField::YCoord2:
        return writer.Real(c[1].y);
      case DxfField::XCoord3:
        return writer.Real(c[3].x);
      case DxfField::YCoord3:
        return writer.Real(c[3].y);
      case DxfField::XCoord4:
        return writer.Real(c[2].x);
      case DxfField::YCoord4:
        return writer.Real(c[2].y);
      default:
        return;
    }
  });
  return !writer.failed();
}

}  // namespace

bool PointEntity::WriteDxf(DxfWriter& writer) const {
  writer.WriteEntity(DxfPointTemplate(), *this, [&](DxfField field) {
    if (field == DxfField::XCoord1) writer.Real(position.x);
    if (field == DxfField::YCoord1) writer.Real(position.y);
  });
  return !writer.failed();
}

bool LineEntity::WriteDxf(DxfWriter& writer) const {
  writer.WriteEntity(DxfLineTemplate(), *this, [&](DxfField field) {
    switch (field) {
      case DxfField::XCoord1:
        return writer.Real(start.x);
      case DxfField::YCoord1:
        return writer.Real(start.y);
      case DxfField::XCoord2:
        return writer.Real(end.x);
      case DxfField::YCoord2:
        return writer.Real(end.y);
      default:
        return;
    }
  });
  return !writer.failed();
}

bool SolidEntity::WriteDxf(DxfWriter& writer) const {
  return WriteQuadrilateral(writer, AsTrace() != nullptr ? DxfTraceTemplate() : DxfSolidTemplate(),
                            *this);
}

}  // namespace korvo
