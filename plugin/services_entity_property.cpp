#include <algorithm>
#include <cmath>
#include <string>

#include "core/drawing.h"
#include "core/entity.h"
#include "core/entity_property.h"
#include "core/insert_entity.h"
#include "plugin/entity_service_parts.h"
#include "plugin/service_support.h"

namespace korvo {
namespace {

// --- properties by group code, in the value conventions of the boundary header

enum class ValueKind { Text, Double, Int, Pair, None };

ValueKind KindOfCode(int32_t code) {
  if (code > 0xFFFF) return ValueKind::Pair;
  switch (code) {
    case 1:
    case 2:
    case 3:
    case 6:
    case 7:
    case 8:
      return ValueKind::Text;
    case 370:
      return ValueKind::Double;
    default:
      break;
  }
  if ((code >= 10 && code <= 59) || (code >= 140 && code <= 149)) return ValueKind::Double;
  if ((code >= 60 && code <= 99) || (code >= 170 && code <= 179)) return ValueKind::Int;
  return ValueKind::None;
}

void CopyText(std::u16string_view text, char16_t* out) {
  const std::size_t length =
      std::min(text.size(), static_cast<std::size_t>(kPluginTextCapacity - 1));
  std::copy_n(text.data(), length, out);
  out[length] = 0;
}

int32_t GetEntityProperty(PluginPtr context, PluginEnt entity, int32_t code, void* out) {
  const Entity* e = UsableEntity(context, entity, EntityUse::Read);
  if (e == nullptr || out == nullptr) return 0;
  PropertyValue value;
  if (!e->GetProperty(code, value)) return 0;
  if (const double* d = std::get_if<double>(&value)) {
    *static_cast<double*>(out) = *d;
  } else if (const int* i = std::get_if<int>(&value)) {
    *static_cast<int32_t*>(out) = *i;
  } else if (const Point* p = std::get_if<Point>(&value)) {
    *static_cast<PluginPoint*>(out) = ToPluginPoint(*p);
  } else if (const std::u16string* text = std::get_if<std::u16string>(&value)) {
    CopyText(*text, static_cast<char16_t*>(out));
  } else {
    return 0;
  }
  return 1;
}

// The value the plug-in passes for `code`, as the entity takes it; nothing when the value
// names what the drawing does not hold or is no number the drawing can keep.
bool ReadValue(PluginContext& context, int32_t code, const void* in, PropertyValue& value) {
  Drawing& drawing = *context.drawing;
  switch (KindOfCode(code)) {
    case ValueKind::Double: {
      const double d = *static_cast<const double*>(in);
      if (!std::isfinite(d)) return false;
      value = d;
      return true;
    }
    case ValueKind::Int: {
      int32_t i = *static_cast<const int32_t*>(in);
      if (code == 62 && i == kPluginCurrentColor) i = drawing.settings.currentColorIndex;
      value = static_cast<int>(i);
      return true;
    }
    case ValueKind::Pair: {
      const auto& p = *static_cast<const PluginPoint*>(in);
      if (!IsFinite(p)) return false;
      value = ToPoint(p);
      return true;
    }
    case ValueKind::Text:
      break;
    case ValueKind::None:
      return false;
  }
  if (code == 6) {
    LineType* type = context.CheckLineType(
        static_cast<PluginLineType*>(const_cast<void*>(static_cast<const void*>(in))));
    if (type == nullptr) return false;
    value = type;
    return true;
  }
  if (code == 8) {
    Layer* layer = context.CheckLayer(
        static_cast<PluginLayer*>(const_cast<void*>(static_cast<const void*>(in))));
    if (layer == nullptr) return false;
    value = layer;
    return true;
  }
  const std::u16string_view text = TextOf(static_cast<const char16_t*>(in));
  if (code == 7) {
    TextStyle* style = drawing.textStyles.Find(text);
    if (style == nullptr) return false;
    value = style;
    return true;
  }
  value = std::u16string(text);
  return true;
}

int32_t SetEntityProperty(PluginPtr context, PluginEnt entity, int32_t code, const void* in) {
  Entity* e = UsableEntity(context, entity, EntityUse::Modify);
  if (e == nullptr || in == nullptr) return 0;
  PropertyValue value;
  if (!ReadValue(*context, code, in, value)) return 0;
  InsertEntity* insert = e->AsPolyline() == nullptr ? e->AsInsert() : nullptr;
  const BlockDefinition* block = nullptr;
  if (insert != nullptr && code == 2) {
    block = context->drawing->blocks.Find(std::get<std::u16string>(value));
    if (block == nullptr) return 0;
  }
  RecordModification(*context, *e);
  if (!e->SetProperty(code, value)) return 0;
  if (block != nullptr) insert->SetBlock(*block);
  MarkChanged(*context, *e);
  return 1;
}

}  // namespace

void* EntityPropertyService(int32_t id) {
  switch (id) {
    case PluginService::GetEntityProperty:
      return ServiceAddressOf<GetEntityPropertyFn>(&GetEntityProperty);
    case PluginService::SetEntityProperty:
      return ServiceAddressOf<SetEntityPropertyFn>(&SetEntityProperty);
    default:
      return nullptr;
  }
}

}  // namespace korvo
