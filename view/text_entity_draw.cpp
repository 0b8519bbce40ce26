#include "core/text_entity.h"
#include "platform/scoped_change.h"
#include "text/line_type.h"
#include "text/text_layout.h"
#include "view/render_context.h"

namespace korvo {
namespace {

// Hands the laid-out strokes to the render context.
class RenderSink : public TextStrokeSink {
 public:
  explicit RenderSink(RenderContext& rc) : rc_(rc) {}
  void Line(const Point& from, const Point& to) override { rc_.DrawLine(from, to); }
  void Arc(const Point& center, double radius, double ratio, double rotation, double start,
           double end) override {
    rc_.DrawArc(center, radius, start, end, rotation, ratio);
  }

 private:
  RenderContext& rc_;
};

}  // namespace

void TextEntity::DrawShape(RenderContext& rc) {
  if (content.empty()) return;
  // Strokes of a glyph are too short for a dash pattern to mean anything: text draws
  // continuous, except with the highlight pattern, which must still show the selection.
  const ScopedChange continuous(
      rc.lineType, rc.lineType == &SelectedLineType() ? rc.lineType : &ContinuousLineType());
  RenderSink sink(rc);
  LayOutText(Placement(), rc.pixelSize, sink);
}

}  // namespace korvo
