#include "commands/text_style_preview.h"

#include "core/drawing.h"
#include "core/text_entity.h"
#include "view/symbol_preview.h"

namespace korvo {

std::unique_ptr<Bitmap> RenderTextStylePreview(const TextStyle& style, std::u16string_view sample,
                                               int width, int height) {
  Drawing drawing;
  drawing.New();
  auto* shown = new TextStyle(style);
  drawing.textStyles.Add(shown);
  drawing.settings.currentTextStyle = shown;
  // A style without a fixed height still shows its proportions: the picture is fitted anyway.
  double textHeight = style.height > 0 ? style.height : 1.0;
  double widthFactor = style.widthFactor;
  // The text turns its negative height and width factor into its mirroring bits.
  if ((style.flags & TextStyle::kUpsideDown) != 0) textHeight = -textHeight;
  if ((style.flags & TextStyle::kBackwards) != 0) widthFactor = -widthFactor;
  drawing.entities.AddTail(new TextEntity(Point(0, 0), textHeight, 0, widthFactor,
                                          style.obliqueAngle, 0, 0, std::u16string(sample),
                                          drawing.settings));
  return RenderSymbolPreview(drawing, width, height);
}

}  // namespace korvo
