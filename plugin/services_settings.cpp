// The settings record (167, 168): the drawing's settings and the view's background.
#include <algorithm>
#include <cmath>
#include <cstring>
#include <initializer_list>

#include "commands/command_engine.h"
#include "core/drawing.h"
#include "core/undo_kind.h"
#include "plugin/plugin_context.h"
#include "plugin/service_support.h"
#include "plugin/service_table.h"
#include "plugin/service_text.h"
#include "view/view.h"

namespace korvo {
namespace {

bool IsPointDisplayMode(int mode) {
  const int figure = mode & ~0x0F;
  return (mode & 0x0F) <= 4 && (figure == 0 || figure == 32 || figure == 64 || figure == 96);
}

int32_t GetDrawingSettings(PluginContext* context, SettingsRecord* out) {
  if (context == nullptr || !context->IsLive() || out == nullptr) return 0;
  const DrawingSettings& s = context->drawing->settings;
  const View& view = *context->view;
  SettingsRecord r;
  std::memset(&r, 0, sizeof r);
  r.whiteBackground = view.whiteBackground() ? 1 : 0;
  r.limitsMin[0] = s.limitsMin.x;
  r.limitsMin[1] = s.limitsMin.y;
  r.limitsMax[0] = s.limitsMax.x;
  r.limitsMax[1] = s.limitsMax.y;
  r.basePoint[0] = s.basePoint.x;
  r.basePoint[1] = s.basePoint.y;
  r.viewOrigin[0] = s.viewOrigin.x;
  r.viewOrigin[1] = s.viewOrigin.y;
  r.viewExtent[0] = s.viewExtent.width;
  r.viewExtent[1] = s.viewExtent.height;
  // The client area less one pixel each way, at the view's pixel size: the world size from
  // the first to the last pixel.
  const ScreenRect client = view.ClientRect();
  const double pixelSize = view.PixelSize();
  r.visibleSize[0] = std::max(client.right - client.left, 0) * pixelSize;
  r.visibleSize[1] = std::max(client.bottom - client.top, 0) * pixelSize;
  r.gridSpacing = s.gridSpacing;
  r.snapSpacing = s.snapSpacing;
  for (std::size_t i = 0; i < s.values.size(); ++i) r.values[i] = s.values[i];
  r.workAngle = s.workAngle;
  // FIXME: the drawing keeps no working area of the commands besides workAngle, so the
  // record's further working values go out as 0 and come back ignored.
  r.lineWeight = s.currentLineWeight;
  r.gridOn = s.gridOn;
  r.orthoSnapOn = s.orthoSnap;
  r.gridSnapOn = s.gridSnap;
  r.objectSnapOn = s.objectSnap;
  r.intersectionSnapOn = s.intersectionSnap;
  r.showSplineFrame = s.splineFrame;
  r.splineSegments = static_cast<int32_t>(s.splineSegments);
  r.mode = static_cast<int32_t>(s.mode);
  r.linetypeScale = s.linetypeScale;
  r.pointDisplaySize = s.pointDisplaySize;
  r.pointDisplayMode = s.pointDisplayMode;
  r.colorIndex = s.currentColorIndex;
  r.lineType = context->HandleOf(s.currentLineType);
  r.layer = context->HandleOf(s.currentLayer);
  r.textStyle = context->HandleOf(s.currentTextStyle);
  std::memcpy(static_cast<void*>(out), &r, sizeof r);
  return 1;
}

// The object a handle stands for. A handle the context never issued is refused; 0 (no object)
// only where the drawing has none either, so the record cannot clear a current entry.
template <typename T>
bool Resolve(PluginHandle handle, T* current, T* (PluginContext::*lookup)(PluginHandle) const,
             const PluginContext& context, T*& result) {
  if (handle == 0) {
    result = nullptr;
    return current == nullptr;
  }
  result = (context.*lookup)(handle);
  return result != nullptr;
}

// The values the drawing cannot hold refuse the record as a whole.
bool Holdable(const SettingsRecord& r) {
  for (double v : {r.limitsMin[0], r.limitsMin[1], r.limitsMax[0], r.limitsMax[1], r.basePoint[0],
                   r.basePoint[1], r.viewOrigin[0], r.viewOrigin[1], r.viewExtent[0],
                   r.viewExtent[1], r.gridSpacing, r.snapSpacing, r.workAngle, r.lineWeight,
                   r.linetypeScale, r.pointDisplaySize}) {
    if (!std::isfinite(v)) return false;
  }
  for (double v : r.values) {
    if (!std::isfinite(v)) return false;
  }
  return r.splineSegments >= 0 && IsPointDisplayMode(r.pointDisplayMode) && r.gridSpacing > 0 &&
         r.snapSpacing > 0 && r.viewExtent[0] > 0 && r.viewExtent[1] > 0;
}

int32_t SetDrawingSettings(PluginContext* context, const SettingsRecord* record) {
  if (context == nullptr || !context->IsLive() || record == nullptr) return 0;
  SettingsRecord r;
  std::memcpy(&r, static_cast<const void*>(record), sizeof r);
  if (!Holdable(r)) return 0;
  Drawing& drawing = *context->drawing;
  DrawingSettings& s = drawing.settings;
  LineType* lineType = nullptr;
  Layer* layer = nullptr;
  TextStyle* textStyle = nullptr;
  if (!Resolve(r.lineType, s.currentLineType, &PluginContext::LineTypeOfHandle, *context,
               lineType) ||
      !Resolve(r.layer, s.currentLayer, &PluginContext::LayerOfHandle, *context, layer) ||
      !Resolve(r.textStyle, s.currentTextStyle, &PluginContext::TextStyleOfHandle, *context,
               textStyle)) {
    return 0;
  }

  drawing.undo.RecordChange(UndoKind::SettingsChanged);
  context->view->SetWhiteBackground(r.whiteBackground != 0);
  s.limitsMin = Point(r.limitsMin[0], r.limitsMin[1]);
  s.limitsMax = Point(r.limitsMax[0], r.limitsMax[1]);
  s.basePoint = Point(r.basePoint[0], r.basePoint[1]);
  s.viewOrigin = Point(r.viewOrigin[0], r.viewOrigin[1]);
  s.viewExtent = Size{r.viewExtent[0], r.viewExtent[1]};
  s.gridSpacing = r.gridSpacing;
  s.snapSpacing = r.snapSpacing;
  for (std::size_t i = 0; i < s.values.size(); ++i) s.values[i] = r.values[i];
  s.workAngle = r.workAngle;
  s.currentLineWeight = r.lineWeight;
  s.gridOn = r.gridOn;
  s.orthoSnap = r.orthoSnapOn;
  s.gridSnap = r.gridSnapOn;
  s.objectSnap = r.objectSnapOn;
  s.intersectionSnap = r.intersectionSnapOn;
  s.splineFrame = r.showSplineFrame;
  s.splineSegments = static_cast<uint32_t>(r.splineSegments);
  s.mode = static_cast<uint32_t>(r.mode);
  s.linetypeScale = r.linetypeScale;
  s.pointDisplaySize = r.pointDisplaySize;
  s.pointDisplayMode = r.pointDisplayMode;
  s.currentColorIndex = r.colorIndex;
  s.currentLineType = lineType;
  s.currentLayer = layer;
  s.currentTextStyle = textStyle;
  drawing.SetModifiedFlag(true);
  // The mode buttons show the switches the record may have changed.
  context->engine->SendModeStates();
  // The window shows the new background, grid and view: at once, or when the plug-in ends.
  context->view->Paint();
  return 1;
}

}  // namespace

void* SettingsService(int32_t id) {
  switch (id) {
    case PluginService::GetDrawingSettings:
      return ServiceAddressOf<GetDrawingSettingsFn>(&GetDrawingSettings);
    case PluginService::SetDrawingSettings:
      return ServiceAddressOf<SetDrawingSettingsFn>(&SetDrawingSettings);
    default:
      return nullptr;
  }
}

}  // namespace korvo
