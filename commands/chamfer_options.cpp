#include "commands/chamfer_options.h"

#include <cstdint>

#include "commands/command_engine.h"
#include "core/drawing.h"
#include "platform/profile.h"
#include "platform/property_sheet.h"

namespace korvo {
namespace {

constexpr std::u16string_view kPolylineKey = u"ChamferPolyline";
constexpr std::u16string_view kTrimKey = u"ChamferTrim";
// Negative distances would chamfer on the far side of the corner: the rows refuse them.
constexpr double kLargestDistance = 1e30;

}  // namespace

ChamferOptions LoadChamferOptions(CommandEngine& engine) {
  const DrawingSettings& settings = engine.drawing().settings;
  ChamferOptions options;
  options.first = settings.factorA;
  options.second = settings.factorB;
  options.polyline = engine.profile().GetInt(kSettingsSection, kPolylineKey, 0) != 0;
  options.trim = engine.profile().GetInt(kSettingsSection, kTrimKey, 1) != 0;
  return options;
}

bool AskChamferOptions(CommandEngine& engine, ChamferOptions& options) {
  double first = options.first, second = options.second;
  uint8_t polyline = options.polyline ? 1 : 0, trim = options.trim ? 1 : 0;
  PropertySheetModel sheet(u"Chamfer distances", u"chamfer_options_dialog");
  sheet.AddDoubleRangeRow(u"First chamfer distance", &first, 0, kLargestDistance);
  sheet.AddDoubleRangeRow(u"Second chamfer distance", &second, 0, kLargestDistance);
  sheet.AddYesNoRow(u"Polyline", &polyline);
  sheet.AddYesNoRow(u"Trim", &trim);
  if (engine.propertySheet().Run(sheet) != PropertySheetResult::Ok) return false;
  Drawing& drawing = engine.drawing();
  if (first != drawing.settings.factorA || second != drawing.settings.factorB) {
    drawing.undo.RecordChange(UndoKind::SettingsChanged);
    drawing.settings.factorA = first;
    drawing.settings.factorB = second;
  }
  engine.profile().SetInt(kSettingsSection, kPolylineKey, polyline);
  engine.profile().SetInt(kSettingsSection, kTrimKey, trim);
  options = {first, second, polyline != 0, trim != 0};
  return true;
}

}  // namespace korvo
