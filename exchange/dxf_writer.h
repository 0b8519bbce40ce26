#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "exchange/dxf_field.h"
#include "exchange/dxf_sink.h"
#include "exchange/dxf_template.h"
#include "exchange/dxf_text.h"

namespace korvo {

class Entity;
class EntityList;
class Layer;
class LineType;

// A line weight as DXF group 370 holds it: millimetres as whole hundredths (truncated), the
// special values (by layer, by block, default) as they are. Products like 2.11 × 100 that
// land just below a whole number count as that number. A weight that is not a number or
// too large for the group is written as the default, -3.
int64_t DxfLineWeight(double lineWeight);

// Writes DXF text: template walking, the handle counter and the number and text formats.
// Output is collected in a buffer and handed to the sink in large pieces.
//
// A writer without a sink formats nothing and only counts handles: the export runs that pass
// first so that the header can name the next free handle before any handle is written.
class DxfWriter {
 public:
  static constexpr uint32_t kFirstHandle = 0x700;

  explicit DxfWriter(DxfSink* sink);
  ~DxfWriter();
  DxfWriter(const DxfWriter&) = delete;
  DxfWriter& operator=(const DxfWriter&) = delete;

  bool counting() const { return sink_ == nullptr; }
  // Bytes produced so far, flushed or not.
  uint64_t bytesWritten() const { return flushed_ + used_; }
  uint32_t nextHandle() const { return nextHandle_; }

  // The bytes as they stand.
  void Literal(std::string_view text);
  // A group code line, "%3d\n": right-aligned in three characters.
  void GroupCode(int code);
  // "%lf\n": fixed notation, six decimals, always with a decimal point.
  void Real(double value);
  // The angle in degrees as "%lf\n".
  void Degrees(double radians);
  // "%d\n"
  void Integer(int64_t value);
  // "%6d\n": right-aligned in six characters.
  void Color(int value);
  // "%X\n"
  void Hex(uint32_t value);
  // The next handle as "%X\n"; the counter moves on.
  void Handle();
  uint32_t TakeHandle() { return nextHandle_++; }
  // EncodeDxfText of `text`.
  void Text(std::u16string_view text, DxfSpaces spaces);
  // The names entity records repeat, encoded once per table entry in a row.
  void LayerName(const Layer* layer);
  void LineTypeName(const LineType* lineType);

  // Walks `source`: literal lines are written as they stand; REFNUMBER takes the next handle;
  // any other placeholder is offered to `fill` (called with the field), and when that writes
  // nothing the placeholder line itself is written, except for placeholders that expand into
  // records.
  template <class Fill>
  void WriteTemplate(const DxfTemplate& source, Fill&& fill) {
    for (const DxfTemplate::Piece& piece : source.pieces()) {
      if (piece.field == DxfField::None) {
        Literal(piece.text);
      } else if (piece.field == DxfField::RefNumber) {
        Handle();
      } else {
        const uint64_t before = bytesWritten();
        fill(piece.field);
        if (bytesWritten() == before && !counting() && !IsExpandingField(piece.field)) {
          Literal(piece.text);
        }
      }
    }
  }

  // An entity record: the common entity placeholders (layer, line type, colour, line weight)
  // first, then the kind's own through `fill`.
  template <class Fill>
  void WriteEntity(const DxfTemplate& source, const Entity& entity, Fill&& fill) {
    WriteTemplate(source, [&](DxfField field) {
      if (!WriteCommonField(field, entity)) fill(field);
    });
  }

  // Every entity of `list` in list order, leaving out erased and invalid ones.
  void WriteEntities(const EntityList& list);

  // Hands the rest of the buffer to the sink; false if any write failed.
  bool Finish();
  bool failed() const { return failed_; }

 private:
  bool WriteCommonField(DxfField field, const Entity& entity);
  // `value` and a line feed, spaces before it up to `width` characters.
  void RightAligned(int value, std::size_t width);
  // Room for `size` more bytes in the buffer (flushing first when needed).
  char* Reserve(std::size_t size);
  void Flush();

  DxfSink* sink_;
  std::unique_ptr<char[]> buffer_;
  std::size_t used_ = 0;
  uint64_t flushed_ = 0;
  uint32_t nextHandle_ = kFirstHandle;
  bool failed_ = false;
  std::string scratch_;
  const Layer* cachedLayer_ = nullptr;
  std::string cachedLayerText_;
  const LineType* cachedLineType_ = nullptr;
  std::string cachedLineTypeText_;
};

}  // namespace korvo
