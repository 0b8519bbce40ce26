#include "exchange/dxf_import_context.h"

#include <cmath>
#include <numbers>

#include "core/color_palette.h"
#include "core/drawing.h"
#include "core/element_code.h"
#include "core/entity.h"
#include "platform/utf16.h"
#include "text/line_type.h"

namespace korvo {
namespace {

// Coordinates beyond this are taken as damage: squaring them would overflow.
constexpr double kLargestUsable = 1e150;

std::string_view TrimEnd(std::string_view raw) {
  while (!raw.empty() && (raw.back() == ' ' || raw.back() == '\t')) raw.remove_suffix(1);
  return raw;
}

}  // namespace

DxfOcs DxfOcs::Of(const DxfRecord& record) {
  DxfOcs ocs;
  const double x = record.Real(210, 0), y = record.Real(220, 0), z = record.Real(230, 1);
  const double length = std::sqrt(x * x + y * y + z * z);
  if (!std::isfinite(length) || length == 0) return ocs;
  // A normal this close to z is z: writers round the normals they store.
  constexpr double kAlongZ = 1e-9;
  ocs.planar = std::fabs(x / length) < kAlongZ && std::fabs(y / length) < kAlongZ;
  ocs.mirrored = z < 0;
  return ocs;
}

double DxfOcs::MapAngle(double radians) const {
  // Seen from +z, the x axis of a (0, 0, -1) system points along -x.
  return mirrored ? std::numbers::pi - radians : radians;
}

std::u16string DxfImportContext::DecodeName(std::string_view raw) const {
  std::u16string name = decoder.Decode(TrimEnd(raw));
  for (char16_t& c : name) {
    if (c < 0x20 || c == 0x7F) c = '_';
  }
  return name;
}

Layer* DxfImportContext::LayerNamed(std::string_view raw) {
  raw = TrimEnd(raw);
  if (raw.empty()) raw = "0";
  if (lastLayer_ != nullptr && raw == lastLayerName_) return lastLayer_;
  Layer*& slot = layers_[std::string(raw)];
  if (slot == nullptr) {
    const std::u16string name = DecodeName(raw);
    slot = drawing.layers.Find(name);
    if (slot == nullptr) {
      slot = new Layer(name, 7, &ContinuousLineType(), -3.0);
      drawing.layers.Add(slot);
    }
  }
  lastLayerName_.assign(raw);
  lastLayer_ = slot;
  return slot;
}

LineType* DxfImportContext::LineTypeNamed(std::string_view raw) {
  raw = TrimEnd(raw);
  if (raw.empty()) return &ByLayerLineType();
  if (lastLineType_ != nullptr && raw == lastLineTypeName_) return lastLineType_;
  LineType*& slot = lineTypes_[std::string(raw)];
  if (slot == nullptr) {
    const std::u16string name = DecodeName(raw);
    slot = drawing.lineTypes.Find(name);
    if (slot == nullptr) {
      slot = new LineType(name, u"", u"");
      drawing.lineTypes.Add(slot);
    }
  }
  lastLineTypeName_.assign(raw);
  lastLineType_ = slot;
  return slot;
}

TextStyle* DxfImportContext::StyleNamed(std::string_view raw) {
  raw = TrimEnd(raw);
  if (raw.empty()) raw = "STANDARD";
  TextStyle*& slot = styles_[std::string(raw)];
  if (slot == nullptr) {
    const std::u16string name = DecodeName(raw);
    slot = drawing.textStyles.Find(name);
    if (slot == nullptr) {
      slot = new TextStyle(name, kDefaultFontName, 0, 1.0, 0, 0);
      drawing.textStyles.Add(slot);
    }
  }
  return slot;
}

void DxfImportContext::ApplyCommon(const DxfRecord& record, Entity& entity) {
  std::string_view layer, lineType;
  int64_t color = 256, weight = -1, trueColor = -1;
  for (const DxfGroup& group : record.groups) {
    switch (group.code) {
      case 8:
        layer = group.text;
        break;
      case 6:
        lineType = group.text;
        break;
      case 62:
        color = group.integer;
        break;
      case 420:
        trueColor = group.integer;
        break;
      case 370:
        weight = group.integer;
        break;
      default:
        break;
    }
  }
  entity.layer = LayerNamed(layer);
  entity.lineType = LineTypeNamed(lineType);
  // Colours beyond the palette and its two specials are damage; by layer stands in for
  // them. Negative ones are kept, as the native file keeps them.
  if (color < -256 || color > 256) color = 256;
  if (trueColor >= 0) color = NearestColorIndex(static_cast<uint32_t>(trueColor) & 0xFFFFFF);
  entity.SetColorIndex(static_cast<int>(color));
  entity.lineWeight = LineWeightFromDxf(weight);
}

void DxfImportContext::Skip(std::string_view what, int64_t count) {
  auto found = skipped_.find(what);
  if (found == skipped_.end()) found = skipped_.emplace(std::string(what), 0).first;
  found->second += count;
}

std::u16string DxfImportContext::SkippedReport() const {
  if (skipped_.empty()) return {};
  std::string text = "Skipped while reading the DXF file:";
  bool first = true;
  for (const auto& [what, count] : skipped_) {
    text += first ? " " : ", ";
    text += std::to_string(count) + " " + what;
    first = false;
  }
  text += ".";
  return Utf8ToUtf16(text);
}

int NearestColorIndex(uint32_t rgb) {
  const int red = static_cast<int>((rgb >> 16) & 0xFF);
  const int green = static_cast<int>((rgb >> 8) & 0xFF);
  const int blue = static_cast<int>(rgb & 0xFF);
  int best = 7;
  long bestDistance = -1;
  for (int index = 1; index <= 255; ++index) {
    const uint32_t color = ColorFromIndex(index);
    const long dr = static_cast<long>(RedOf(color)) - red;
    const long dg = static_cast<long>(GreenOf(color)) - green;
    const long db = static_cast<long>(BlueOf(color)) - blue;
    const long distance = dr * dr + dg * dg + db * db;
    if (bestDistance < 0 || distance < bestDistance) {
      best = index;
      bestDistance = distance;
    }
  }
  return best;
}

double LineWeightFromDxf(int64_t value) {
  if (value == -1 || value == -2 || value == -3) return static_cast<double>(value);
  if (value < 0 || value > 100000) return LineWeight::Default;
  return static_cast<double>(value) / 100.0;
}

bool AllUsable(std::initializer_list<double> values) {
  for (double value : values) {
    if (!(std::fabs(value) <= kLargestUsable)) return false;
  }
  return true;
}

}  // namespace korvo
