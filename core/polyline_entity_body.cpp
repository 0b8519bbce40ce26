#include "core/archive.h"
#include "core/native_context.h"
#include "core/native_entity_list.h"
#include "core/native_versions.h"
#include "core/polyline_entity.h"
#include "core/polyline_from_segments.h"

namespace korvo {
void PolylineEntity::ReadBody(ArchiveReader& archive) {
  const int version = GetLoadVersion(archive);
  if (version < kFirstVersionWithUnnamedPolylines) archive.ReadNamedString();  // read and dropped
  insertionPoint = archive.ReadPoint();
  xScale = archive.ReadF64();
  yScale = archive.ReadF64();
  rotation = archive.ReadF64();
  vertexList.DeleteAll();
  segmentList.DeleteAll();
  polylineFlags = 0;
  curveType = PolylineCurve::None;
  if (version >= kFirstVersionWithVertexList) {
    polylineFlags = archive.ReadU8();
    curveType = archive.ReadU8();
    ReadEntityList(archive, vertexList);
    for (const Entity* entity : vertexList) {
      if (entity->AsVertex() == nullptr) throw ArchiveError(ArchiveErrorKind::BadClass);
    }
  } else {
    EntityList segments;
    ReadEntityList(archive, segments);
    if (archive.ReadU8() != 0) polylineFlags |= PolylineFlag::Closed;
    if (!AppendVerticesFromSegments(segments, IsClosed(), *this)) {
      throw ArchiveError(ArchiveErrorKind::BadClass);
    }
  }
  SetOwners();
  RebuildSegments();
}

bool PolylineEntity::WriteBody(ArchiveWriter& archive) const {
  archive.WritePoint(insertionPoint);
  archive.WriteF64(xScale);
  archive.WriteF64(yScale);
  archive.WriteF64(rotation);
  archive.WriteU8(polylineFlags);
  archive.WriteU8(curveType);
  WriteEntityList(archive, vertexList);
  return true;
}

}  // namespace korvo
