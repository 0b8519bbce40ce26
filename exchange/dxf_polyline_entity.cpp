// The DXF records of a polyline: POLYLINE, one VERTEX per vertex, SEQEND.
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
  writer.Literal("370\n");
  writer.Integer(value);
}

void WriteVertex(DxfWriter& writer, const PolylineEntity& polyline, const VertexEntity& vertex) {
  writer.Literal("0\nVERTEX\n5\n");
  writer.Handle();
  writer.Literal("100\nAcDbEntity\n8\n");
  writer.LayerName(polyline.layer);
  writer.Literal("6\n");
  // The line type as the LTYPE table names it, spaces included.
  writer.LineTypeName(polyline.lineType);
  writer.Literal("62\n");
  writer.Integer(polyline.colorIndex);
  WriteVertexLineWeight(writer, polyline.lineWeight);
  writer.Literal("100\nAcDbVertex\n100\nAcDb2dVertex\n10\n");
  writer.Real(vertex.position.x);
  writer.Literal("20\n");
  writer.Real(vertex.position.y);
  writer.Literal("30\n0\n40\n");
  writer.Real(vertex.startWidth);
  writer.Literal("41\n");
  writer.Real(vertex.endWidth);
  writer.Literal("42\n");
  writer.Real(vertex.bulge);
  writer.Literal("50\n");
  writer.Real(vertex.tangentDirection);
  writer.Literal("70\n");
  writer.Integer(vertex.vertexFlags);
}

}  // namespace

bool PolylineEntity::WriteDxf(DxfWriter& writer) const {
  if (vertexList.empty()) return true;
  writer.WriteEntity(DxfPolylineTemplate(), *this, [&](DxfField field) {
    switch (field) {
      case DxfField::PolylineFlags:
        writer.Literal(" 70\n");
        return writer.Integer(polylineFlags);
      case DxfField::CurveType:
        writer.Literal(" 75\n");
        return writer.Integer(curveType);
      case DxfField::ListOfVerts:
        // Every vertex, fit vertices and frame control points alike.
        for (const Entity* entity : vertexList) {
          if (const VertexEntity* vertex = entity->AsVertex(); vertex != nullptr)
            WriteVertex(writer, *this, *vertex);
        }
        writer.Literal("0\nSEQEND\n5\n");
        writer.Handle();
        writer.Literal("100\nAcDbEntity\n8\n");
        writer.LayerName(layer);
        writer.Literal("62\n");
        return writer.Integer(colorIndex);
      default:
        return;
    }
  });
  return !writer.failed();
}

}  // namespace korvo
