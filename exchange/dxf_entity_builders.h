#pragma once

#include <memory>

#include "core/entity.h"

namespace korvo {

class DxfImportContext;
class PolylineEntity;
struct DxfRecord;

// One function per DXF kind: the entity that a record describes, or null when it has no
// place in a drawing here (counted in the context as skipped). Each checks its numbers.
using DxfEntityBuilder = std::unique_ptr<Entity> (*)(const DxfRecord&, DxfImportContext&);

std::unique_ptr<Entity> BuildDxfLine(const DxfRecord& record, DxfImportContext& context);
std::unique_ptr<Entity> BuildDxfPoint(const DxfRecord& record, DxfImportContext& context);
std::unique_ptr<Entity> BuildDxfCircle(const DxfRecord& record, DxfImportContext& context);
std::unique_ptr<Entity> BuildDxfArc(const DxfRecord& record, DxfImportContext& context);
std::unique_ptr<Entity> BuildDxfEllipse(const DxfRecord& record, DxfImportContext& context);
std::unique_ptr<Entity> BuildDxfSolid(const DxfRecord& record, DxfImportContext& context);
std::unique_ptr<Entity> BuildDxfTrace(const DxfRecord& record, DxfImportContext& context);
std::unique_ptr<Entity> BuildDxfText(const DxfRecord& record, DxfImportContext& context);
std::unique_ptr<Entity> BuildDxfAttrib(const DxfRecord& record, DxfImportContext& context);
std::unique_ptr<Entity> BuildDxfInsert(const DxfRecord& record, DxfImportContext& context);
std::unique_ptr<Entity> BuildDxfDimension(const DxfRecord& record, DxfImportContext& context);
std::unique_ptr<Entity> BuildDxfLwPolyline(const DxfRecord& record, DxfImportContext& context);
std::unique_ptr<Entity> BuildDxfLeader(const DxfRecord& record, DxfImportContext& context);

// POLYLINE: the polyline without its vertices, with what its VERTEX records need; VERTEX
// records are added one by one, and the polyline is finished once its SEQEND is reached.
struct DxfPolylineInProgress {
  std::unique_ptr<PolylineEntity> polyline;  // null when the POLYLINE is skipped
  double startWidth = 0;                     // the default widths of its vertices
  double endWidth = 0;
  bool mirrored = false;
};
DxfPolylineInProgress BuildDxfPolyline(const DxfRecord& record, DxfImportContext& context);
void AddDxfVertex(const DxfRecord& record, DxfImportContext& context,
                  DxfPolylineInProgress& polyline);
// Null, counted, when the polyline has fewer than two vertices.
std::unique_ptr<Entity> FinishDxfPolyline(DxfPolylineInProgress& polyline,
                                          DxfImportContext& context);

// MTEXT gives one text per line: appended to `target`.
class EntityList;
void AddDxfMText(const DxfRecord& record, DxfImportContext& context, EntityList& target);

}  // namespace korvo
