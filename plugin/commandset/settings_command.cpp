#include <array>
#include <limits>

#include "plugin/commandset/commands.h"
#include "plugin/commandset/host.h"
#include "plugin/commandset/point_display.h"
#include "plugin/commandset/settings_record.h"
#include "plugin/commandset/sheet.h"

namespace korvo::commandset {

namespace {

using namespace editing;
namespace S = PluginService;

constexpr int32_t kTitle = 104;
constexpr int32_t kWhite = 141;
constexpr int32_t kBlack = 142;
constexpr int32_t kOn = 197;
constexpr int32_t kOff = 198;
constexpr int32_t kYes = 187;
constexpr int32_t kNo = 188;
constexpr int32_t kPointModes = 195;

// A spacing is positive: anything from the smallest normal double up.
constexpr double kLeastSpacing = std::numeric_limits<double>::min();
constexpr double kMostSpacing = std::numeric_limits<double>::max();

}  // namespace

int RunSettings() {
  SettingsRecord& r = ModuleSettings();
  if (Call<GetDrawingSettingsFn>(S::GetDrawingSettings, &r) == 0) return 0;
  PluginDialog* dialog = CreateSheet(kTitle, u"SETTINGS");
  if (dialog == nullptr) return 0;
  // A mode the list does not hold cannot be shown; the host destroys the unused dialog with
  // the command's context.
  int32_t pointMode = PointDisplayIndex(r.pointDisplayMode);
  if (pointMode < 0) return 0;
  using K = SheetRowKind;
  const std::array<SheetRow, 18> rows = {{
      {K::Choice, 140, &r.whiteBackground, kWhite, kBlack},
      {K::Double, 179, &r.limitsMin[0]},
      {K::Double, 180, &r.limitsMin[1]},
      {K::Double, 181, &r.limitsMax[0]},
      {K::Double, 182, &r.limitsMax[1]},
      {K::Double, 183, &r.basePoint[0]},
      {K::Double, 184, &r.basePoint[1]},
      {K::Choice, 185, &r.gridOn, kOn, kOff},
      {K::DoubleRange, 186, &r.gridSpacing, 0, 0, &kLeastSpacing, &kMostSpacing},
      {K::Choice, 189, &r.gridSnapOn, kOn, kOff},
      {K::DoubleRange, 190, &r.snapSpacing, 0, 0, &kLeastSpacing, &kMostSpacing},
      {K::Choice, 191, &r.orthoSnapOn, kOn, kOff},
      {K::Choice, 192, &r.objectSnapOn, kOn, kOff},
      {K::Choice, 193, &r.intersectionSnapOn, kOn, kOff},
      {K::ListById, 194, &pointMode, kPointModes},
      {K::Double, 196, &r.pointDisplaySize},
      {K::Choice, 172, &r.showSplineFrame, kYes, kNo},
      {K::Int, 133, &r.splineSegments},
  }};
  if (RunSheet(dialog, rows) != kSheetOk) return 0;
  r.pointDisplayMode = PointDisplayMode(pointMode);
  return Call<SetDrawingSettingsFn>(S::SetDrawingSettings, static_cast<const SettingsRecord*>(&r));
}

}  // namespace korvo::commandset
