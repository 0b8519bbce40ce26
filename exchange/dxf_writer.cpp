#include "exchange/dxf_writer.h"

#include <charconv>
#include <cmath>
#include <cstring>
#include <numbers>

#include "core/dxf_group_codes.h"
#include "core/entity.h"
#include "core/entity_list.h"
#include "core/layer.h"
#include "platform/file_io.h"
#include "text/line_type.h"

namespace korvo {
namespace {

constexpr std::size_t kBufferSize = 1 << 16;
// The longest "%lf" text: 309 integer digits, sign, point and six decimals.
constexpr std::size_t kMaxNumberText = 330;

}  // namespace

bool FileDxfSink::Write(const char* data, std::size_t size) {
  file_.Write(data, size);
  return !file_.Failed();
}

int64_t DxfLineWeight(double lineWeight) {
  // NaN, infinity or a size no integer group holds (a damaged file, a plug-in's value)
  // would make the conversion undefined: such a weight is written as the default.
  constexpr double kLimit = 1e9;
  if (!(std::fabs(lineWeight) * 100 < kLimit)) return -3;
  if (lineWeight < 0) return static_cast<int64_t>(lineWeight);
  return static_cast<int64_t>(lineWeight * 100 + 1e-7);
}

DxfWriter::DxfWriter(DxfSink* sink) : sink_(sink) {
  if (sink_ != nullptr) buffer_ = std::make_unique<char[]>(kBufferSize);
}

DxfWriter::~DxfWriter() = default;

char* DxfWriter::Reserve(std::size_t size) {
  if (used_ + size > kBufferSize) Flush();
  return buffer_.get() + used_;
}

void DxfWriter::Flush() {
  if (used_ == 0) return;
  if (!sink_->Write(buffer_.get(), used_)) failed_ = true;
  flushed_ += used_;
  used_ = 0;
}

bool DxfWriter::Finish() {
  if (!counting()) Flush();
  return !failed_;
}

void DxfWriter::Literal(std::string_view text) {
  if (counting()) return;
  if (text.size() > kBufferSize) {
    // Longer than the buffer: straight through, in order.
    Flush();
    if (!sink_->Write(text.data(), text.size())) failed_ = true;
    flushed_ += text.size();
    return;
  }
  char* out = Reserve(text.size());
  std::memcpy(out, text.data(), text.size());
  used_ += text.size();
}

void DxfWriter::Real(double value) {
  if (counting()) return;
  char* out = Reserve(kMaxNumberText);
  // Fixed notation with six decimals gives the digits of "%lf", rounded the same way, and
  // never looks at the locale.
  const auto result =
      std::to_chars(out, out + kMaxNumberText - 1, value, std::chars_format::fixed, 6);
  char* end = result.ec == std::errc() ? result.ptr : out;
  *end++ = '\n';
  used_ += static_cast<std::size_t>(end - out);
}

void DxfWriter::Degrees(double radians) {
  Real(radians * 180.0 / std::numbers::pi);
}

void DxfWriter::Integer(int64_t value) {
  if (counting()) return;
  char* out = Reserve(24);
  char* end = std::to_chars(out, out + 23, value).ptr;
  *end++ = '\n';
  used_ += static_cast<std::size_t>(end - out);
}

void DxfWriter::RightAligned(int value, std::size_t width) {
  if (counting()) return;
  char digits[16];
  const std::size_t length =
      static_cast<std::size_t>(std::to_chars(digits, digits + sizeof digits, value).ptr - digits);
  const std::size_t padding = length < width ? width - length : 0;
  char* out = Reserve(padding + length + 1);
  std::memset(out, ' ', padding);
  std::memcpy(out + padding, digits, length);
  out[padding + length] = '\n';
  used_ += padding + length + 1;
}

void DxfWriter::Color(int value) {
  RightAligned(value, 6);
}

void DxfWriter::GroupCode(int code) {
  RightAligned(code, 3);
}

void DxfWriter::Hex(uint32_t value) {
  if (counting()) return;
  char* out = Reserve(10);
  char* end = std::to_chars(out, out + 9, value, 16).ptr;
  for (char* c = out; c != end; ++c) {
    if (*c >= 'a') *c = static_cast<char>(*c - 'a' + 'A');
  }
  *end++ = '\n';
  used_ += static_cast<std::size_t>(end - out);
}

void DxfWriter::Handle() {
  Hex(TakeHandle());
}

void DxfWriter::Text(std::u16string_view text, DxfSpaces spaces) {
  if (counting()) return;
  scratch_.clear();
  EncodeDxfText(text, spaces, scratch_);
  Literal(scratch_);
}

void DxfWriter::LayerName(const Layer* layer) {
  if (counting()) return;
  if (layer == nullptr) return Literal("0\n");
  if (layer != cachedLayer_) {
    cachedLayerText_.clear();
    EncodeDxfText(layer->name, DxfSpaces::Replace, cachedLayerText_);
    cachedLayer_ = layer;
  }
  Literal(cachedLayerText_);
}

void DxfWriter::LineTypeName(const LineType* lineType) {
  if (counting()) return;
  if (lineType == nullptr) return Literal("BYLAYER\n");
  if (lineType != cachedLineType_) {
    cachedLineTypeText_.clear();
    EncodeDxfText(lineType->name, DxfSpaces::Keep, cachedLineTypeText_);
    cachedLineType_ = lineType;
  }
  Literal(cachedLineTypeText_);
}

bool DxfWriter::WriteCommonField(DxfField field, const Entity& entity) {
  switch (field) {
    case DxfField::Layer:
      LayerName(entity.layer);
      return true;
    case DxfField::LineType:
      LineTypeName(entity.lineType);
      return true;
    case DxfField::Color:
      GroupCode(DxfGroup::ColorIndex);
      Color(entity.colorIndex);
      return true;
    case DxfField::LineWeight:
      GroupCode(DxfGroup::LineWeight);
      Integer(DxfLineWeight(entity.lineWeight));
      return true;
    default:
      return false;
  }
}

void DxfWriter::WriteEntities(const EntityList& list) {
  for (const Entity* entity : list) {
    if (entity->IsErased() || !entity->IsValid()) continue;
    // A kind without a DXF form answers false; the rest of the list is written all the same.
    entity->WriteDxf(*this);
  }
}

}  // namespace korvo
