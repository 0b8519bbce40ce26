// The DXF records of a polyline: POLYLINE, one VERTEX per vertex, SEQEND.
#include "core/dxf_group_codes.h"
#include "core/polyline_entity.h"
#include "core/vertex_entity.h"
#include "exchange/dxf_templates.h"
#include "exchange/dxf_writer.h"

namespace korvo {
namespace {

// The line weight of a vertex: nothing for by layer, the other special values as they are.
void WriteVertexLineWeight(DxfWriter& writer, double lineWeight) {
  if (lineWeight == -1.0) return;
  const int64_t value = DxfLineWeight(lineWeight);
  if (value == -4) return;
  writer.GroupCode(DxfGroup::LineWeight);
  writer.Integer(value);
}

// The fields a vertex and the end of the sequence share with their polyline.
bool WriteSharedField(DxfWriter& writer, const PolylineEntity& polyline, DxfField field) {
  switch (field) {
    case DxfField::Layer:
      writer.LayerName(polyline.layer);
      return true;
    case DxfField::LineType:
      // The line type as the LTYPE table names it, spaces included.
      writer.LineTypeName(polyline.lineType);
      return true;
    case DxfField::ColorNumber:
      writer.Integer(polyline.colorIndex);
      return true;
    case DxfField::OptionalLineWeight:
      WriteVertexLineWeight(writer, polyline.lineWeight);
      return true;
    default:
      return false;
  }
}

void WriteVertex(DxfWriter& writer, const PolylineEntity& polyline, const VertexEntity& vertex) {
  writer.WriteTemplate(DxfVertexTemplate(), [&](DxfField field) {
    if (WriteSharedField(writer, polyline, field)) return;
    switch (field) {
      case DxfField::XCoord1:
        return writer.Real(vertex.position.x);
      case DxfField::YCoord1:
        return writer.Real(vertex.position.y);
      case DxfField::StartWidth:
        return writer.Real(vertex.startWidth);
      case DxfField::EndWidth:
        return writer.Real(vertex.endWidth);
      case DxfField::Bulge:
        return writer.Real(vertex.bulge);
      case DxfField::TangentDirection:
        return writer.Real(vertex.tangentDirection);
      case DxfField::VertexFlags:
        return writer.Integer(vertex.vertexFlags);
      default:
        return;
    }
  });
}

}  // namespace

bool PolylineEntity::WriteDxf(DxfWriter& writer) const {
  if (vertexList.empty()) return true;
  writer.WriteEntity(DxfPolylineTemplate(), *this, [&](DxfField field) {
    switch (field) {
      case DxfField::PolylineFlags:
        writer.GroupCode(DxfGroup::PolylineFlags);
        return writer.Integer(polylineFlags);
      case DxfField::CurveType:
        writer.GroupCode(DxfGroup::CurveType);
        return writer.Integer(curveType);
      case DxfField::ListOfVerts:
        // Every vertex, fit vertices and frame control points alike.
        for (const Entity* entity : vertexList) {
          if (const VertexEntity* vertex = entity->AsVertex(); vertex != nullptr)
            WriteVertex(writer, *this, *vertex);
        }
        return writer.WriteTemplate(
            DxfSeqendTemplate(), [&](DxfField shared) { WriteSharedField(writer, *this, shared); });
      default:
        return;
    }
  });
  return !writer.failed();
}

}  // namespace korvo
