#include <array>
#include <limits>
#include <vector>

#include "plugin/commandset/array_geometry.h"
#include "plugin/commandset/array_questions.h"
#include "plugin/commandset/commands.h"
#include "plugin/commandset/edit_questions.h"
#include "plugin/commandset/host.h"
#include "plugin/commandset/plane_vector.h"
#include "plugin/commandset/sheet.h"
#include "plugin/commandset/strings.h"

namespace korvo::commandset {

namespace {

using namespace editing;
namespace S = PluginService;
namespace In = PluginInput;
namespace Flag = PluginPointFlag;

constexpr int32_t kSelectPrompt = 161;
constexpr int32_t kSheetTitle = 143;
constexpr int32_t kRowsLabel = 144;
constexpr int32_t kColumnsLabel = 150;
constexpr int32_t kDefineLabel = 165;
constexpr int32_t kUnitCell = 166;
constexpr int32_t kSurrounder = 167;
constexpr int32_t kRotateLabel = 199;
constexpr int32_t kYes = 187;
constexpr int32_t kNo = 188;
constexpr int32_t kTooFew = 162;
// Prompts: the first array's, then the later ones' that show the last answer.
constexpr int32_t kUnitCellOrigin = 153;
constexpr int32_t kUnitCellOriginAgain = 163;
constexpr int32_t kSurrounderOrigin = 170;
constexpr int32_t kSurrounderOriginAgain = 168;
constexpr int32_t kOriginHelp = 156;
constexpr int32_t kCorner = 157;
constexpr int32_t kCornerAgain = 164;
constexpr int32_t kCornerHelp = 158;
constexpr int32_t kAngle = 159;
constexpr int32_t kAngleHelp = 160;
constexpr int32_t kRotationBase = 200;
constexpr int32_t kRotationBaseHelp = 201;

constexpr int32_t kOne = 1;
constexpr int32_t kMostItems = std::numeric_limits<int32_t>::max();

// The array's values, kept from one array to the next while the command runs.
struct RectangularArray {
  int32_t rows = 2;
  int32_t columns = 2;
  uint8_t unitCell = 1;
  uint8_t rotate = 0;
  RectangularSteps steps{0, 0, 0, 0};
  double angle = 0;
  PluginPoint origin{};
  bool first = true;
};

enum class Outcome { Done, End, Failed };

Outcome AskSheet(RectangularArray& a) {
  const std::array<SheetRow, 4> rows = {{
      {SheetRowKind::IntRange, kRowsLabel, &a.rows, 0, 0, &kOne, &kMostItems},
      {SheetRowKind::IntRange, kColumnsLabel, &a.columns, 0, 0, &kOne, &kMostItems},
      {SheetRowKind::Choice, kDefineLabel, &a.unitCell, kUnitCell, kSurrounder},
      {SheetRowKind::Choice, kRotateLabel, &a.rotate, kYes, kNo},
  }};
  for (;;) {
    const int32_t result = ShowSheet(kSheetTitle, u"tool_ARRAYRECT", rows);
    if (result == kSheetNotRun) return Outcome::Failed;
    if (result != kSheetOk) return Outcome::End;
    if (a.rows != 1 || a.columns != 1) return Outcome::Done;
    ShowMessage(kTooFew, PluginMessage::Ok);
  }
}

// The origin, the other corner and the angle; the steps follow from them.
Outcome AskGeometry(RectangularArray& a) {
  const bool unitCell = a.unitCell != 0;
  PointQuestion origin{unitCell ? (a.first ? kUnitCellOrigin : kUnitCellOriginAgain)
                                : (a.first ? kSurrounderOrigin : kSurrounderOriginAgain),
                       kOriginHelp,
                       a.first ? Flag::NoBase | Flag::NoDefault | Flag::KeepWaiting
                               : Flag::NoBase | Flag::KeepWaiting,
                       a.origin, a.origin};
  PluginPoint answer{};
  if (!Answered(AskWithGuide(origin, false, &answer))) return Outcome::End;
  a.origin = answer;

  const PluginPoint extent = unitCell ? PluginPoint{a.steps.columnStep, a.steps.rowStep}
                                      : PluginPoint{a.steps.width, a.steps.height};
  const PointQuestion cornerQuestion{a.first ? kCorner : kCornerAgain, kCornerHelp,
                                     a.first ? Flag::NoDefault : 0u, a.origin, a.origin + extent};
  PluginPoint corner{};
  {
    Previews previews;
    int32_t code = 0;
    for (;;) {
      code = AskPoint(cornerQuestion, &corner);
      previews.Clear();
      if (code == In::CursorMoved) {
        previews.Show(GuideLine(a.origin, {a.origin.x, corner.y}));
        previews.Show(GuideLine({corner.x, a.origin.y}, a.origin));
      } else if (code != In::PenMoved) {
        break;
      }
    }
    if (!Answered(code)) return Outcome::End;
  }

  if (!Answered(AskAngle(kAngle, kAngleHelp, 0, a.origin, a.angle, &a.angle))) return Outcome::End;
  const PluginPoint d = corner - a.origin;
  a.steps = unitCell ? UnitCellSteps(d.x, d.y, a.rows, a.columns)
                     : SurrounderSteps(d.x, d.y, a.rows, a.columns);
  return Outcome::Done;
}

// Turns the sources themselves by the array's angle about a base the user gives.
Outcome RotateSources(const RectangularArray& a, const std::vector<PluginEntity*>& sources) {
  PluginPoint base{};
  if (!Answered(AskPoint({kRotationBase, kRotationBaseHelp, Flag::KeepWaiting, a.origin, a.origin},
                         &base))) {
    return Outcome::End;
  }
  for (PluginEntity* entity : sources) {
    Call<DrawEntityFn>(S::DrawEntity, entity, int32_t{1});
    Call<RotateEntityFn>(S::RotateEntity, entity, static_cast<const PluginPoint*>(&base), a.angle);
    Call<DrawEntityFn>(S::DrawEntity, entity, int32_t{1});
  }
  return Outcome::Done;
}

Outcome MakeCopies(const RectangularArray& a, const std::vector<PluginEntity*>& sources) {
  for (int32_t row = 0; row < a.rows; ++row) {
    for (int32_t column = 0; column < a.columns; ++column) {
      if (row == 0 && column == 0) continue;
      const PluginPoint offset = ArrayOffset(row, column, a.steps, a.angle);
      for (PluginEntity* source : sources) {
        PluginEntity* copy =
            Call<CopyEntityFn>(S::CopyEntity, source, static_cast<const char16_t*>(nullptr));
        if (copy == nullptr ||
            Call<TranslateEntityFn>(S::TranslateEntity, copy, offset.x, offset.y) == 0) {
          return Outcome::Failed;
        }
        Call<DrawEntityFn>(S::DrawEntity, copy, int32_t{0});
      }
    }
  }
  return Outcome::Done;
}

Outcome BuildArray(RectangularArray& a) {
  const std::vector<PluginEntity*> sources = SelectedEntities();
  if (sources.empty()) return Outcome::End;
  Outcome outcome = AskSheet(a);
  if (outcome == Outcome::Done) outcome = AskGeometry(a);
  if (outcome == Outcome::Done && a.rotate != 0) outcome = RotateSources(a, sources);
  if (outcome == Outcome::Done) outcome = MakeCopies(a, sources);
  return outcome;
}

int32_t SelectObjects() {
  const std::u16string prompt = LoadString(kSelectPrompt, kPluginTextCapacity);
  return Call<SelectObjectsFn>(S::SelectObjects, prompt.c_str());
}

}  // namespace

int RunRectangularArray() {
  RectangularArray array;
  Outcome outcome = Outcome::End;
  while (SelectObjects() == In::Default) {
    outcome = BuildArray(array);
    DeselectAll();
    if (outcome != Outcome::Done) break;
    array.first = false;
  }
  DeselectAll();
  return outcome == Outcome::Failed ? 0 : 1;
}

}  // namespace korvo::commandset
