#include "core/block_binding.h"

#include <algorithm>

#include "core/element_code.h"
#include "core/entity.h"
#include "core/entity_list.h"
#include "core/insert_entity.h"
#include "core/text_entity.h"
#include "platform/utf16.h"

namespace korvo {
namespace {

// The entities a clone of `list` holds, at any depth.
std::size_t CountParts(const EntityList& list) {
  std::size_t count = list.size();
  for (const Entity* entity : list) {
    if (const InsertEntity* insert = entity->AsInsert())
      count += CountParts(insert->expanded) + CountParts(insert->attached);
  }
  return count;
}

class Resolver {
 public:
  Resolver(const BlockTable& blocks, BlockResolutionReport& report)
      : blocks_(blocks), report_(report) {}

  void Resolve(EntityList& list) {
    // References inside a definition already sit within that definition.
    for (const BlockDefinition* block : blocks_) {
      if (static_cast<const EntityList*>(block) == &list) open_.push_back(block);
    }
    Walk(list);
  }

 private:
  void Walk(EntityList& list) {
    for (Entity* entity : list) {
      if (entity->GetElementCode() != ElementCode::Insert) continue;
      InsertEntity& insert = *entity->AsInsert();
      if (insert.expanded.empty()) Expand(insert);
      Walk(insert.attached);
    }
  }

  void Expand(InsertEntity& insert) {
    const BlockDefinition* block = blocks_.Find(insert.blockName);
    if (block == nullptr) return;
    if (std::find(open_.begin(), open_.end(), block) != open_.end()) {
      NoteSelfReference(*block);
      return;
    }
    if (open_.size() >= static_cast<std::size_t>(kMaxBlockNesting)) {
      report_.tooDeep = true;
      return;
    }
    const std::size_t parts = CountParts(*block);
    if (parts > report_.partLimit - std::min(report_.partLimit, report_.partsMade)) {
      report_.tooLarge = true;
      return;
    }
    report_.partsMade += parts;
    insert.SetBlock(*block);
    open_.push_back(block);
    Walk(insert.expanded);
    open_.pop_back();
  }

  void NoteSelfReference(const BlockDefinition& block) {
    auto& names = report_.selfReferencing;
    const bool known = std::any_of(names.begin(), names.end(), [&](const std::u16string& name) {
      return EqualsNoCase(name, block.name);
    });
    if (!known) names.push_back(block.name);
  }

  const BlockTable& blocks_;
  BlockResolutionReport& report_;
  std::vector<const BlockDefinition*> open_;  // definitions being expanded, outermost first
};

// Calls `visit` for every entity of `list` and, depth first, for every entity a reference
// or polyline carries.
template <class Visit>
void VisitDeep(EntityList& list, Visit& visit) {
  for (Entity* entity : list) {
    visit(*entity);
    if (InsertEntity* insert = entity->AsInsert()) {
      VisitDeep(insert->expanded, visit);
      VisitDeep(insert->attached, visit);
    }
    if (EntityList* vertices = entity->AsVertexList()) VisitDeep(*vertices, visit);
  }
}

LineType* ImportLineType(LineType* type, LineTypeTable& lineTypes) {
  if (type == nullptr) return nullptr;
  if (LineType* found = lineTypes.Find(type->name)) return found;
  if (type->builtIn) return type;
  auto* copy = new LineType(*type);
  lineTypes.Add(copy);
  return copy;
}

Layer* ImportLayer(Layer* layer, LayerTable& layers, LineTypeTable& lineTypes) {
  if (layer == nullptr) return nullptr;
  if (Layer* found = layers.Find(layer->name)) return found;
  auto* copy = new Layer(*layer);
  // The source's line type belongs to the other drawing's table.
  copy->lineType = ImportLineType(layer->lineType, lineTypes);
  layers.Add(copy);
  return copy;
}

TextStyle* ImportTextStyle(TextStyle* style, TextStyleTable& textStyles) {
  if (style == nullptr) return nullptr;
  if (TextStyle* found = textStyles.Find(style->name)) return found;
  auto* copy = new TextStyle(*style);
  textStyles.Add(copy);
  return copy;
}

}  // namespace

void ResolveBlockReferences(EntityList& list, const BlockTable& blocks,
                            BlockResolutionReport& report) {
  Resolver(blocks, report).Resolve(list);
}

void RebindBlock(EntityList& list, const BlockDefinition& block) {
  const bool insideBlock = static_cast<const EntityList*>(&block) == &list;
  for (Entity* entity : list) {
    InsertEntity* insert = entity->AsInsert();
    if (insert == nullptr) continue;
    // A polyline's parts are its segments, whatever block shares its internal name.
    if (EqualsNoCase(insert->blockName, block.name) &&
        insert->GetElementCode() == ElementCode::Insert) {
      if (!insideBlock) insert->SetBlock(block);
    } else {
      RebindBlock(insert->expanded, block);
      RebindBlock(insert->attached, block);
    }
  }
}

void RenameBlockReferences(EntityList& list, std::u16string_view oldName,
                           std::u16string_view newName) {
  for (Entity* entity : list) {
    InsertEntity* insert = entity->AsInsert();
    if (insert == nullptr) continue;
    if (EqualsNoCase(insert->blockName, oldName) && insert->GetElementCode() == ElementCode::Insert)
      insert->blockName = newName;
    RenameBlockReferences(insert->expanded, oldName, newName);
    RenameBlockReferences(insert->attached, oldName, newName);
  }
}

void ImportTables(EntityList& list, LayerTable& layers, LineTypeTable& lineTypes,
                  TextStyleTable& textStyles) {
  auto visit = [&](Entity& entity) {
    entity.layer = ImportLayer(entity.layer, layers, lineTypes);
    entity.lineType = ImportLineType(entity.lineType, lineTypes);
    if (TextEntity* text = entity.AsText()) text->style = ImportTextStyle(text->style, textStyles);
  };
  VisitDeep(list, visit);
}

void RebindTables(EntityList& list, const LayerTable& layers, const LineTypeTable& lineTypes,
                  const TextStyleTable& textStyles) {
  auto visit = [&](Entity& entity) {
    if (entity.layer != nullptr) {
      if (Layer* found = layers.Find(entity.layer->name)) entity.layer = found;
    }
    if (entity.lineType != nullptr) {
      if (LineType* found = lineTypes.Find(entity.lineType->name)) entity.lineType = found;
    }
    if (TextEntity* text = entity.AsText(); text != nullptr && text->style != nullptr) {
      if (TextStyle* found = textStyles.Find(text->style->name)) text->style = found;
    }
  };
  VisitDeep(list, visit);
}

}  // namespace korvo
