#include "cli/drawing_dump.h"

#include "cli/entity_fields.h"
#include "cli/json_writer.h"
#include "core/drawing.h"
#include "core/entity.h"
#include "text/line_type.h"

namespace korvo {
namespace {

template <class T>
void NameOf(JsonWriter& json, std::string_view key, const T* entry) {
  json.Key(key);
  if (entry != nullptr) {
    json.String(entry->name);
  } else {
    json.Null();
  }
}

void WriteSettings(JsonWriter& json, const DrawingSettings& s) {
  json.BeginObject();
  json.Member("limitsMin", s.limitsMin);
  json.Member("limitsMax", s.limitsMax);
  json.Member("basePoint", s.basePoint);
  json.Member("viewOrigin", s.viewOrigin);
  json.Member("viewExtent", s.viewExtent);
  json.Member("gridSpacing", s.gridSpacing);
  json.Member("snapSpacing", s.snapSpacing);
  json.Member("factorA", s.factorA);
  json.Member("factorB", s.factorB);
  json.Key("values");
  json.BeginArray(JsonWriter::Layout::Inline);
  for (double value : s.values) json.Number(value);
  json.EndArray();
  json.Member("gridOn", s.gridOn);
  json.Member("gridSnap", s.gridSnap);
  json.Member("mode", s.mode);
  json.Member("linetypeScale", s.linetypeScale);
  json.Member("pointDisplaySize", s.pointDisplaySize);
  json.Member("pointDisplayMode", s.pointDisplayMode);
  json.Member("splineFrame", s.splineFrame);
  json.Member("splineSegments", s.splineSegments);
  json.Member("currentColorIndex", s.currentColorIndex);
  NameOf(json, "currentLineType", s.currentLineType);
  NameOf(json, "currentLayer", s.currentLayer);
  json.Member("currentLineWeight", s.currentLineWeight);
  NameOf(json, "currentTextStyle", s.currentTextStyle);
  json.EndObject();
}

void WriteTables(JsonWriter& json, const Drawing& drawing) {
  json.Key("lineTypes");
  json.BeginArray();
  for (const LineType* type : drawing.lineTypes) {
    json.BeginObject();
    json.Member("name", type->name);
    json.Member("description", type->description);
    json.Key("pattern");
    json.BeginArray(JsonWriter::Layout::Inline);
    for (double element : type->pattern) json.Number(element);
    json.EndArray();
    json.EndObject();
  }
  json.EndArray();

  json.Key("layers");
  json.BeginArray();
  for (const Layer* layer : drawing.layers) {
    json.BeginObject();
    json.Member("name", layer->name);
    json.Member("flags", layer->flags);
    NameOf(json, "lineType", layer->lineType);
    json.Member("colorIndex", layer->colorIndex);
    json.Member("lineWeight", layer->lineWeight);
    json.EndObject();
  }
  json.EndArray();

  json.Key("textStyles");
  json.BeginArray();
  for (const TextStyle* style : drawing.textStyles) {
    json.BeginObject();
    json.Member("name", style->name);
    json.Member("font", style->FontName());
    json.Member("height", style->height);
    json.Member("lineSpacingFactor",
                style->font ? style->font->lineSpacingFactor : kDefaultLineSpacingFactor);
    json.Member("widthFactor", style->widthFactor);
    json.Member("obliqueAngle", style->obliqueAngle);
    json.Member("flags", style->flags);
    json.EndObject();
  }
  json.EndArray();

  json.Key("blocks");
  json.BeginArray();
  for (const BlockDefinition* block : drawing.blocks) {
    json.BeginObject();
    json.Member("name", block->name);
    json.Member("basePoint", block->basePoint);
    json.Member("extent", block->extent);
    json.Member("origin", block->origin);
    json.Key("entities");
    WriteEntities(json, *block);
    json.EndObject();
  }
  json.EndArray();
}

}  // namespace

void WriteEntities(JsonWriter& json, const EntityList& list) {
  json.BeginArray();
  for (const Entity* entity : list) {
    json.BeginObject();
    json.Member("kind", entity->GetElementCode());
    NameOf(json, "layer", entity->layer);
    NameOf(json, "lineType", entity->lineType);
    json.Member("colorIndex", entity->colorIndex);
    json.Member("lineWeight", entity->lineWeight);
    WriteEntityFields(*entity, json);
    json.EndObject();
  }
  json.EndArray();
}

std::string DumpDrawing(const Drawing& drawing, int version) {
  JsonWriter json;
  json.BeginObject();
  json.Key("version");
  if (version >= 0) {
    json.Integer(version);
  } else {
    json.Null();
  }
  json.Key("settings");
  WriteSettings(json, drawing.settings);
  WriteTables(json, drawing);
  json.Key("entities");
  WriteEntities(json, drawing.entities);
  json.EndObject();
  return json.text();
}

}  // namespace korvo
