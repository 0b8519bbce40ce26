#include "exchange/dxf_export.h"

#include <cmath>

#include "core/drawing.h"
#include "core/drawing_file.h"
#include "exchange/dxf_tables.h"
#include "exchange/dxf_templates.h"
#include "exchange/dxf_writer.h"
#include "platform/file_io.h"
#include "platform/message_box.h"

namespace korvo {
namespace {

// The main template's placeholders.
void FillMainField(DxfWriter& writer, const Drawing& drawing, uint32_t handleSeed, DxfField field) {
  const DrawingSettings& settings = drawing.settings;
  switch (field) {
    case DxfField::InsBaseX:
      return writer.Real(settings.basePoint.x);
    case DxfField::InsBaseY:
      return writer.Real(settings.basePoint.y);
    case DxfField::ExtMinX:
      return writer.Real(settings.limitsMin.x);
    case DxfField::ExtMinY:
      return writer.Real(settings.limitsMin.y);
    case DxfField::ExtMaxX:
      return writer.Real(settings.limitsMax.x);
    case DxfField::ExtMaxY:
      return writer.Real(settings.limitsMax.y);
    case DxfField::LtypeScale:
      return writer.Real(settings.linetypeScale);
    case DxfField::ClayerName:
      if (settings.currentLayer == nullptr) return writer.Literal("0\n");
      return writer.Text(settings.currentLayer->name, DxfSpaces::Replace);
    case DxfField::PdMode:
      return writer.Integer(settings.pointDisplayMode);
    case DxfField::PdSize:
      return writer.Real(settings.pointDisplaySize);
    case DxfField::SplFrame:
      return writer.Integer(settings.splineFrame);
    case DxfField::SplineSegs:
      return writer.Integer(settings.splineSegments);
    case DxfField::HandSeed:
      // The next free handle, so that a reader numbering new objects from here makes no
      // duplicates.
      return writer.Hex(handleSeed);
    case DxfField::VportCenX:
      return writer.Real(settings.viewOrigin.x + settings.viewExtent.width / 2);
    case DxfField::VportCenY:
      return writer.Real(settings.viewOrigin.y + settings.viewExtent.height / 2);
    case DxfField::VportHeight:
      return writer.Real(settings.viewExtent.height);
    case DxfField::VportAspect: {
      // An empty view has no aspect; a square one keeps the file readable.
      const double aspect = settings.viewExtent.width / settings.viewExtent.height;
      return writer.Real(std::isfinite(aspect) ? aspect : 1.0);
    }
    case DxfField::SnapStepX:
    case DxfField::SnapStepY:
      return writer.Real(settings.snapSpacing);
    case DxfField::GridStepX:
    case DxfField::GridStepY:
      return writer.Real(settings.gridSpacing);
    case DxfField::SnapMode:
      return writer.Integer(settings.gridSnap != 0 ? 1 : 0);
    case DxfField::GridMode:
      return writer.Integer(settings.gridOn != 0 ? 1 : 0);
    case DxfField::LtypeNumOfTypes:
      return writer.Integer(static_cast<int64_t>(drawing.lineTypes.size()));
    case DxfField::LayerNumOfLayers:
      return writer.Integer(static_cast<int64_t>(drawing.layers.size()));
    case DxfField::LayerNumOfStyles:
      return writer.Integer(static_cast<int64_t>(drawing.textStyles.size()));
    case DxfField::LinetypesBodies:
      return WriteDxfLineTypes(writer, drawing.lineTypes);
    case DxfField::LayerBodies:
      return WriteDxfLayers(writer, drawing.layers);
    case DxfField::StyleBodies:
      return WriteDxfTextStyles(writer, drawing.textStyles);
    case DxfField::BlockBodies:
      return WriteDxfBlocks(writer, drawing.blocks);
    case DxfField::EntityBodies:
      return writer.WriteEntities(drawing.entities);
    default:
      return;
  }
}

// One walk of the main template.
bool WriteMainTemplate(const Drawing& drawing, DxfWriter& writer, uint32_t handleSeed) {
  writer.WriteTemplate(DxfMainTemplate(),
                       [&](DxfField field) { FillMainField(writer, drawing, handleSeed, field); });
  return writer.Finish();
}

}  // namespace

bool WriteDxfDrawing(const Drawing& drawing, DxfSink& sink) {
  // The header comes first but names the next free handle: count the handles beforehand.
  DxfWriter counter(nullptr);
  WriteMainTemplate(drawing, counter, 0);
  DxfWriter writer(&sink);
  return WriteMainTemplate(drawing, writer, counter.nextHandle());
}

bool ExportDxf(const Drawing& drawing, const std::filesystem::path& path,
               MessageBoxService& messages) {
  bool created = false;
  const bool written = WriteFileAtomically(path, [&](FileWriter& file) {
    created = true;
    FileDxfSink sink(file);
    return WriteDxfDrawing(drawing, sink);
  });
  if (!created) {
    messages.Show(u"Invalid filename.", MessageButtons::Ok, MessageIcon::Exclamation);
  } else if (!written) {
    // The previous file is still there; say that this one was not written.
    messages.Show(kFailedToSaveDocument, MessageButtons::Ok, MessageIcon::Exclamation);
  }
  return written;
}

}  // namespace korvo
