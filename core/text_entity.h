#pragma once

#include <cstdint>
#include <string>

#include "core/entity.h"
#include "geometry/point.h"
#include "text/text_layout.h"

namespace korvo {

class TextStyle;

// A single text: `content` drawn with the stroke font of `style`, placed at the insertion
// point (for aligned text the middle or right end of the baseline) with a height, a width
// factor, a rotation and an oblique angle. Layout is the text layer's (text/text_layout.h).
class TextEntity : public Entity {
 public:
  // All zero, width factor 1, no style, empty content: for the factory.
  TextEntity() = default;
  // The settings' current properties and text style; height and width factor go through
  // SetHeight and SetWidthFactor, so negative values turn into the mirroring bits.
  TextEntity(const Point& insertion, double textHeight, double textRotation, double textWidthFactor,
             double textObliqueAngle, uint8_t textGenerationFlags, uint8_t alignment,
             std::u16string text, const DrawingSettings& settings);

  // A negative height is stored positive and turns the text upside down.
  void SetHeight(double h);
  // A negative width factor is stored positive and turns the text backward.
  void SetWidthFactor(double w);

  int GetElementCode() const override { return ElementCode::Text; }
  Entity& CopyFrom(const Entity& other) override;
  // The insertion point and both ends of every line stroke of the laid-out text.
  bool GetExtents(Point& min, Point& max) const override;
  void Translate(const Point& offset) override;
  void Rotate(const Rotation& rotation) override;
  // Scales the text's frame vectors, so a mirroring or non-uniform scaling turns into
  // rotation, height sign, width factor and slant.
  void Scale(const Scaling& scaling) override;
  void ReadBody(ArchiveReader& archive) override;
  bool WriteBody(ArchiveWriter& archive) const override;
  // The DXF record.
  bool WriteDxf(DxfWriter& writer) const override;
  // p itself (distance 0) when it lies within the text's frame, else the insertion point.
  double NearestPoint(const Point& p, Point& out, int mode = 0) const override;
  // The insertion point.
  double NearestKeyPoint(const Point& p, Point& out) const override;
  // The content laid out, always continuous but for the highlight pattern.
  void DrawShape(RenderContext& rc) override;
  // The rectangle touches the text's frame or holds its insertion point.
  bool CrossesRect(double x1, double y1, double x2, double y2) const override;

  TextEntity* AsText() override { return this; }
  const TextEntity* AsText() const override { return this; }

  // 1 content, 7 style (get: name; set: TextStyle*), 10/20 and the pairs (10,20), (20,10)
  // insertion point, 40 height, 41 width factor, 50 rotation, 51 oblique angle (the four
  // stored as given), 71 generation flags, 72 alignment (bytes, as int).
  bool GetTypeProperty(int code, PropertyValue& out) const override;
  bool SetTypeProperty(int code, const PropertyValue& in) override;

  // What the layout needs; valid while this text and its style live unchanged.
  TextPlacement Placement() const;

  uint32_t scratch = 0;  // free for the editor's use; copied, never saved
  Point insertionPoint;
  double rotation = 0;          // radians, counter-clockwise
  double obliqueAngle = 0;      // radians; positive slants the verticals to the right
  uint8_t generationFlags = 0;  // kTextBackward, kTextUpsideDown
  uint8_t horizontalAlignment = kAlignLeft;
  TextStyle* style = nullptr;  // not owned; supplies the font; never null for a live text
  double height = 0;           // negative draws upside down (only a mirroring Scale sets it)
  double widthFactor = 1.0;
  std::u16string content;  // a line feed starts a new line
};

}  // namespace korvo
