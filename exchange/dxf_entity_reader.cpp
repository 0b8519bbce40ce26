#include "exchange/dxf_entity_reader.h"

#include "core/entity_list.h"
#include "core/insert_entity.h"
#include "core/polyline_entity.h"
#include "exchange/dxf_entity_builders.h"
#include "exchange/dxf_import_context.h"
#include "exchange/dxf_record.h"

namespace korvo {
namespace {

struct KindBuilder {
  std::string_view kind;
  DxfEntityBuilder build;
};
constexpr KindBuilder kBuilders[] = {
    {"LINE", BuildDxfLine},           {"POINT", BuildDxfPoint},
    {"CIRCLE", BuildDxfCircle},       {"ARC", BuildDxfArc},
    {"ELLIPSE", BuildDxfEllipse},     {"SOLID", BuildDxfSolid},
    {"TRACE", BuildDxfTrace},         {"TEXT", BuildDxfText},
    {"INSERT", BuildDxfInsert},       {"LWPOLYLINE", BuildDxfLwPolyline},
    {"DIMENSION", BuildDxfDimension}, {"LEADER", BuildDxfLeader},
};

bool InPaperSpace(const DxfRecord& record) {
  return record.Integer(67, 0) != 0;
}

void Add(std::unique_ptr<Entity> entity, EntityList& target) {
  if (entity != nullptr) target.AddTail(entity.release());
}

// VERTEX records up to SEQEND (or whatever else comes first).
void ReadPolyline(DxfRecordReader& reader, DxfRecord& record, DxfImportContext& context,
                  EntityList& target, bool paper) {
  DxfPolylineInProgress polyline = BuildDxfPolyline(record, context);
  while (reader.PeekKind() == "VERTEX") {
    reader.Next(record);
    AddDxfVertex(record, context, polyline);
  }
  if (reader.PeekKind() == "SEQEND") reader.Next(record);
  std::unique_ptr<Entity> finished = FinishDxfPolyline(polyline, context);
  if (paper && finished != nullptr) {
    context.Skip("in paper space");
    return;
  }
  Add(std::move(finished), target);
}

// ATTRIB records up to SEQEND, as texts carried by the reference.
void ReadAttributes(DxfRecordReader& reader, DxfRecord& record, DxfImportContext& context,
                    InsertEntity* insert) {
  while (reader.PeekKind() == "ATTRIB") {
    reader.Next(record);
    std::unique_ptr<Entity> text = BuildDxfAttrib(record, context);
    if (insert != nullptr) Add(std::move(text), insert->attached);
  }
  if (reader.PeekKind() == "SEQEND") reader.Next(record);
}

}  // namespace

bool EndsDxfEntities(std::string_view kind) {
  return kind == "ENDSEC" || kind == "ENDBLK" || kind == "BLOCK" || kind == "SECTION" ||
         kind == "EOF";
}

void ReadDxfEntities(DxfRecordReader& reader, DxfRecord& record, DxfImportContext& context,
                     EntityList& target) {
  for (;;) {
    const std::string_view next = reader.PeekKind();
    if (EndsDxfEntities(next)) return;
    if (!reader.Next(record)) return;
    const bool paper = InPaperSpace(record);
    if (record.Is("POLYLINE")) {
      ReadPolyline(reader, record, context, target, paper);
      continue;
    }
    if (record.Is("MTEXT")) {
      if (paper) {
        context.Skip("in paper space");
      } else {
        AddDxfMText(record, context, target);
      }
      continue;
    }
    const KindBuilder* builder = nullptr;
    for (const KindBuilder& candidate : kBuilders) {
      if (record.kind == candidate.kind) builder = &candidate;
    }
    if (builder == nullptr) {
      if (record.kind.empty()) continue;  // groups before any record
      context.Skip(record.kind.substr(0, 40));
      continue;
    }
    const bool attributes = record.Is("INSERT") && record.Integer(66, 0) != 0;
    std::unique_ptr<Entity> entity;
    if (paper) {
      context.Skip("in paper space");
    } else {
      entity = builder->build(record, context);
    }
    if (attributes) ReadAttributes(reader, record, context, entity ? entity->AsInsert() : nullptr);
    Add(std::move(entity), target);
  }
}

}  // namespace korvo
