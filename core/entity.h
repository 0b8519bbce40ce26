#pragma once

#include <cstddef>
#include <cstdint>

#include "core/element_code.h"
#include "core/entity_property.h"
#include "geometry/point.h"
#include "geometry/transform.h"

namespace korvo {

class ArchiveReader;
class ArchiveWriter;
class DxfWriter;
class RenderContext;
class DrawingSettings;
class Layer;
class LineType;
class EntityList;
class LineEntity;
class PointEntity;
class SolidEntity;
class TraceEntity;
class CircleEntity;
class ArcEntity;
class TextEntity;
class InsertEntity;
class PolylineEntity;
class VertexEntity;
class WideLineSegmentEntity;
class WideArcSegmentEntity;
class MarkerEntity;

// The base of every drawing object: the properties all kinds share and the operations the
// rest of the system calls without knowing the kind. Kinds are told apart by
// GetElementCode and the As... casts, never by run-time type information.
//
// Draw, DrawShape and WriteDxf, of the base and of every kind (and EntityList::Draw), are
// declared in the core and defined above it: drawing in view/, DXF records in exchange/.
// The core holds no definition of them, not even the base's, so that it never depends on
// how a drawing is shown or exported.
//
// Entities are allocated from a pool (see entity_pool.h): a drawing holds millions of them.
class Entity {
 public:
  Entity() = default;
  // The settings' current layer, line type, line weight and colour.
  explicit Entity(const DrawingSettings& settings);
  virtual ~Entity() = default;
  Entity(const Entity&) = delete;
  Entity& operator=(const Entity&) = delete;

  static void* operator new(std::size_t size);
  static void operator delete(void* storage, std::size_t size) noexcept;

  // The operations every kind provides or inherits.
  virtual void ApplyCurrentProperties(const DrawingSettings& settings);
  // Colour, layer, line type, line weight and `visible` (not `flags`).
  virtual void CopyProperties(const Entity& other);
  virtual bool GetExtents(Point& min, Point& max) const;
  virtual bool IsFilled(double pixelSize) const;
  // Assignment from an entity of the same kind; anything else changes nothing.
  virtual Entity& CopyFrom(const Entity& other);
  virtual void Translate(const Point& offset);
  virtual void Rotate(const Rotation& rotation);
  virtual void Scale(const Scaling& scaling);
  void TranslateToOrigin(const Point& base) { Translate(Point(-base.x, -base.y)); }
  virtual int GetElementCode() const = 0;
  // The kind's part of the native record.
  virtual void ReadBody(ArchiveReader& archive) = 0;
  virtual bool WriteBody(ArchiveWriter& archive) const = 0;
  // The drawing algorithm; false aborts the whole redraw.
  virtual bool Draw(RenderContext& rc);
  // The kind's own drawing; the base draws nothing.
  virtual void DrawShape(RenderContext& rc);
  // The point of the entity nearest to p and its distance; kNoDistance when there is none.
  virtual double NearestPoint(const Point& p, Point& out, int mode = 0) const;
  virtual bool IsValid() const { return true; }
  // The nearest characteristic point (ends, midpoints, centre, ...) and its distance.
  virtual double NearestKeyPoint(const Point& p, Point& out) const;
  // Intersections append to `out` and return how many they appended. IntersectWith is the
  // double-dispatch entry: a kind answers with other.IntersectWith<Kind>(*this).
  virtual int IntersectWithCircle(const CircleEntity& circle, PointList& out) const;
  virtual int IntersectWithArc(const ArcEntity& arc, PointList& out) const;
  virtual int IntersectWithLine(const LineEntity& line, PointList& out) const;
  virtual int IntersectWithPoint(const PointEntity& point, PointList& out) const;
  virtual int IntersectWith(const Entity& other, PointList& out) const;
  virtual int IntersectSelf(PointList& out) const;
  // The DXF record(s). The base writes nothing and reports success.
  virtual bool WriteDxf(DxfWriter& writer) const;
  // Crossing-window test with x1 <= x2 and y1 <= y2.
  virtual bool CrossesRect(double x1, double y1, double x2, double y2) const;

  // Kind casts: the entity itself when it is of that kind (or derived from it), else null.
  virtual PolylineEntity* AsPolyline() { return nullptr; }
  virtual const PolylineEntity* AsPolyline() const { return nullptr; }
  virtual EntityList* AsVertexList() { return nullptr; }
  virtual const EntityList* AsVertexList() const { return nullptr; }
  virtual PointEntity* AsPoint() { return nullptr; }
  virtual const PointEntity* AsPoint() const { return nullptr; }
  virtual InsertEntity* AsInsert() { return nullptr; }
  virtual const InsertEntity* AsInsert() const { return nullptr; }
  virtual SolidEntity* AsSolid() { return nullptr; }
  virtual const SolidEntity* AsSolid() const { return nullptr; }
  virtual TraceEntity* AsTrace() { return nullptr; }
  virtual const TraceEntity* AsTrace() const { return nullptr; }
  virtual CircleEntity* AsCircle() { return nullptr; }
  virtual const CircleEntity* AsCircle() const { return nullptr; }
  virtual TextEntity* AsText() { return nullptr; }
  virtual const TextEntity* AsText() const { return nullptr; }
  virtual LineEntity* AsLine() { return nullptr; }
  virtual const LineEntity* AsLine() const { return nullptr; }
  virtual ArcEntity* AsArc() { return nullptr; }
  virtual const ArcEntity* AsArc() const { return nullptr; }
  virtual WideLineSegmentEntity* AsWideLineSegment() { return nullptr; }
  virtual const WideLineSegmentEntity* AsWideLineSegment() const { return nullptr; }
  virtual WideArcSegmentEntity* AsWideArcSegment() { return nullptr; }
  virtual const WideArcSegmentEntity* AsWideArcSegment() const { return nullptr; }
  virtual MarkerEntity* AsMarker() { return nullptr; }
  virtual const MarkerEntity* AsMarker() const { return nullptr; }
  virtual VertexEntity* AsVertex() { return nullptr; }
  virtual const VertexEntity* AsVertex() const { return nullptr; }

  // The kind's own properties by DXF group code.
  virtual bool GetTypeProperty(int code, PropertyValue& out) const;
  virtual bool SetTypeProperty(int code, const PropertyValue& in);

  // Neither hidden nor erased, on a layer, and that layer not frozen.
  bool IsVisible() const;
  bool IsSelected() const { return (flags & EntityFlag::Selected) != 0; }
  bool IsErased() const { return (flags & EntityFlag::Erased) != 0; }
  void SetColorIndex(int index) { colorIndex = static_cast<int16_t>(index); }
  // The RGB colour of the colour index (white for by-block and by-layer).
  uint32_t GetColor() const;

  // Common codes: 6 line type (get: name; set: LineType*), 8 layer (get: name; set: Layer*),
  // 62 colour index, 370 line weight; every other code goes to the kind.
  bool GetProperty(int code, PropertyValue& out) const;
  bool SetProperty(int code, const PropertyValue& in);

  double lineWeight = 0;         // mm; LineWeight::ByLayer, ByBlock or Default
  Layer* layer = nullptr;        // not owned; every entity in a drawing has one
  LineType* lineType = nullptr;  // not owned; may be a built-in line type
  int16_t colorIndex = 256;      // 0 by block, 256 by layer, 1..255 palette
  uint8_t visible = 1;           // 0: never drawn
  uint8_t flags = 0;             // EntityFlag bits

 protected:
  // The common fields of `other`, with the out-of-view bit cleared.
  void CopyHeaderFrom(const Entity& other);
};

}  // namespace korvo
