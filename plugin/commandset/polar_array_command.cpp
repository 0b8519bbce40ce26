#include <array>
#include <limits>
#include <numbers>
#include <string>
#include <vector>

#include "plugin/commandset/array_geometry.h"
#include "plugin/commandset/array_questions.h"
#include "plugin/commandset/commands.h"
#include "plugin/commandset/degree_text.h"
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
namespace Message = PluginMessage;

constexpr int32_t kSelectPrompt = 161;
constexpr int32_t kSheetTitle = 218;
constexpr int32_t kCountLabel = 202;
constexpr int32_t kDefineLabel = 165;
constexpr int32_t kModeItems = 203;
constexpr int32_t kRotateLabel = 199;
constexpr int32_t kYes = 187;
constexpr int32_t kNo = 188;
constexpr int32_t kChoiceTitle = 217;
constexpr int32_t kChoiceLabel = 274;
constexpr int32_t kWholeCircleStep = 213;
constexpr int32_t kStepTooLarge = 214;
constexpr int32_t kBaseOnCentre = 219;
constexpr int32_t kStepTooLargeForCount = 220;
// Prompts: the first array's, then the later ones' that show the last answer.
constexpr int32_t kCentre = 205;
constexpr int32_t kCentreAgain = 209;
constexpr int32_t kCentreHelp = 204;
constexpr int32_t kFill = 207;
constexpr int32_t kFillAgain = 208;
constexpr int32_t kFillHelp = 206;
constexpr int32_t kBetween = 212;
constexpr int32_t kBetweenAgain = 210;
constexpr int32_t kBetweenHelp = 211;
constexpr int32_t kObjectsBase = 216;
constexpr int32_t kObjectsBaseHelp = 215;
constexpr const char16_t* kDialogName = u"tool_ARRAYPOLAR";

constexpr int32_t kFewestItems = 2;
constexpr int32_t kMostItems = std::numeric_limits<int32_t>::max();
constexpr double kFullCircle = 2 * std::numbers::pi;

constexpr uint32_t kFirstTime = Flag::NoBase | Flag::NoDefault | Flag::KeepWaiting;
constexpr uint32_t kAgain = Flag::NoBase | Flag::KeepWaiting;

// The array's values, kept from one array to the next while the command runs.
struct PolarArray {
  int32_t count = 4;
  int32_t mode = 0;
  uint8_t rotate = 0;
  double fill = kFullCircle;
  double between = std::numbers::pi / 2;
  PluginPoint centre{};
  bool centreAsked = false;
  bool fillAsked = false;
  bool betweenAsked = false;
};

enum class Outcome { Done, Again, End, Failed };

Outcome AskSheet(PolarArray& a) {
  const std::array<SheetRow, 3> rows = {{
      {SheetRowKind::IntRange, kCountLabel, &a.count, 0, 0, &kFewestItems, &kMostItems},
      {SheetRowKind::ListById, kDefineLabel, &a.mode, kModeItems},
      {SheetRowKind::Choice, kRotateLabel, &a.rotate, kYes, kNo},
  }};
  const int32_t result = ShowSheet(kSheetTitle, kDialogName, rows);
  if (result == kSheetNotRun) return Outcome::Failed;
  if (result != kSheetOk) return Outcome::End;
  // The sheet's bounds should keep these in range; the steps divide by count - 1.
  if (a.count < kFewestItems) a.count = kFewestItems;
  if (a.mode < 0 || a.mode > 2) a.mode = 0;
  return Outcome::Done;
}

// The angle to fill, and which way round when it is not the whole circle.
Outcome AskFill(PolarArray& a) {
  double direction = 0;
  const uint32_t flags = Flag::ZeroAngleAs360 | (a.fillAsked ? 0u : Flag::NoDefault);
  if (!Answered(AskAngle(a.fillAsked ? kFillAgain : kFill, kFillHelp, flags, a.centre, a.fill,
                         &direction))) {
    return Outcome::End;
  }
  a.fillAsked = true;
  a.fill = AngleOfAnswer(direction);
  if (a.fill == kFullCircle) return Outcome::Done;
  const std::u16string items =
      FillPlaceholders(u"%s\n%s", {DegreeText(a.fill), DegreeText(ComplementAngle(a.fill))});
  int32_t choice = 0;
  const std::array<SheetRow, 1> rows = {
      {{SheetRowKind::ListText, kChoiceLabel, &choice, 0, 0, nullptr, nullptr, items.c_str()}}};
  const int32_t result = ShowSheet(kChoiceTitle, kDialogName, rows);
  if (result == kSheetNotRun) return Outcome::Failed;
  if (result != kSheetOk) return Outcome::End;
  if (choice == 1) a.fill = ComplementAngle(a.fill);
  return Outcome::Done;
}

// The angle between items; with a given count it must not take the items round the circle.
Outcome AskBetween(PolarArray& a, PolarMode mode) {
  for (;;) {
    double direction = 0;
    const uint32_t flags = Flag::ZeroAngleAs360 | (a.betweenAsked ? 0u : Flag::NoDefault);
    if (!Answered(AskAngle(a.betweenAsked ? kBetweenAgain : kBetween, kBetweenHelp, flags, a.centre,
                           a.between, &direction))) {
      return Outcome::End;
    }
    a.betweenAsked = true;
    a.between = AngleOfAnswer(direction);
    if (mode != PolarMode::StepAndCount || !StepExceedsCircle(a.between, a.count)) {
      return Outcome::Done;
    }
    const double widest = kFullCircle / (a.count - 1);
    const double even = EvenStep(a.between, a.count);
    const std::u16string text =
        FillPlaceholders(LoadString(kStepTooLargeForCount, kPluginTextCapacity),
                         {DegreeText(widest), DegreeText(-widest), DegreeText(even)});
    int32_t answer = 0;
    if (Call<MessageBoxFn>(S::MessageBox, text.c_str(),
                           Message::YesNoCancel | Message::IconExclamation, &answer) == 0) {
      return Outcome::End;
    }
    if (answer == Message::ResultYes) {
      a.between = even;
      return Outcome::Done;
    }
    if (answer != Message::ResultNo) return Outcome::End;
  }
}

// The first defining point of `entity`: a polyline's is its first vertex's.
bool DefiningPoint(PluginEntity* entity, PluginPoint* out) {
  static constexpr uint8_t kReadable[] = {1, 2, 3, 4, 5, 7, 8, 9, 12, 14, 16, 18};
  constexpr uint8_t kPolyline = 9;
  uint8_t kind = 0;
  if (Call<GetEntityKindFn>(S::GetEntityKind, entity, &kind) == 0) return false;
  bool readable = false;
  for (uint8_t k : kReadable) readable = readable || k == kind;
  if (!readable) return false;
  PluginEntity* holder = entity;
  if (kind == kPolyline) {
    holder = nullptr;
    if (Call<ChildWalkFn>(S::FirstChild, entity, &holder) == 0 || holder == nullptr) return false;
  }
  return Call<GetEntityPropertyFn>(S::GetEntityProperty, holder, PluginPairCode(10, 20),
                                   static_cast<void*>(out)) != 0;
}

// The point of the sources that travels round the centre when they keep their orientation.
Outcome AskObjectsBase(const PolarArray& a, PluginEntity* last, PluginPoint* base) {
  PluginPoint reference{};
  if (!DefiningPoint(last, &reference)) return Outcome::Failed;
  for (;;) {
    if (!Answered(AskPoint({kObjectsBase, kObjectsBaseHelp, kAgain, reference, reference}, base)))
      return Outcome::End;
    if (!(*base == a.centre)) return Outcome::Done;
    const int32_t answer =
        ShowMessage(kBaseOnCentre, Message::YesNoCancel | Message::IconExclamation);
    if (answer == Message::ResultYes) return Outcome::Done;
    if (answer != Message::ResultNo) return Outcome::End;
  }
}

Outcome MakeCopies(const PolarArray& a, const PolarPlan& plan, PluginPoint base) {
  const std::vector<PluginEntity*> sources = SelectedEntities();
  DeselectAll();
  for (int32_t k = 1; k < plan.count; ++k) {
    const double theta = k * plan.step;
    for (PluginEntity* source : sources) {
      PluginEntity* copy =
          Call<CopyEntityFn>(S::CopyEntity, source, static_cast<const char16_t*>(nullptr));
      if (copy == nullptr) return Outcome::Failed;
      // Turning back about the base first keeps the copy's orientation.
      if (a.rotate == 0) {
        Call<RotateEntityFn>(S::RotateEntity, copy, static_cast<const PluginPoint*>(&base), -theta);
      }
      Call<RotateEntityFn>(S::RotateEntity, copy, static_cast<const PluginPoint*>(&a.centre),
                           theta);
      Call<DrawEntityFn>(S::DrawEntity, copy, int32_t{0});
    }
  }
  return Outcome::Done;
}

// One try at an array: Again sends the user back to the sheet.
Outcome TryArray(PolarArray& a, PluginEntity* last) {
  Outcome outcome = AskSheet(a);
  if (outcome != Outcome::Done) return outcome;
  PluginPoint centre{};
  const PointQuestion question{a.centreAsked ? kCentreAgain : kCentre, kCentreHelp,
                               a.centreAsked ? kAgain : kFirstTime, a.centre, a.centre};
  if (!Answered(AskPoint(question, &centre))) return Outcome::End;
  a.centre = centre;
  a.centreAsked = true;
  const auto mode = static_cast<PolarMode>(a.mode);
  if (mode != PolarMode::StepAndCount && (outcome = AskFill(a)) != Outcome::Done) return outcome;
  if (mode != PolarMode::CountAndFill && (outcome = AskBetween(a, mode)) != Outcome::Done) {
    return outcome;
  }
  const PolarPlan plan = PlanPolarArray(mode, a.count, a.fill, a.between);
  if (plan.outcome == PolarPlan::Outcome::StepIsWholeCircle) {
    ShowMessage(kWholeCircleStep, Message::IconStop);
    return Outcome::Again;
  }
  if (plan.outcome == PolarPlan::Outcome::StepTooLarge) {
    ShowMessage(kStepTooLarge, Message::IconStop);
    return Outcome::Again;
  }
  PluginPoint base = a.centre;
  if (a.rotate == 0 && (outcome = AskObjectsBase(a, last, &base)) != Outcome::Done) {
    return outcome;
  }
  return MakeCopies(a, plan, base);
}

int32_t SelectObjects() {
  const std::u16string prompt = LoadString(kSelectPrompt, kPluginTextCapacity);
  return Call<SelectObjectsFn>(S::SelectObjects, prompt.c_str());
}

}  // namespace

int RunPolarArray() {
  PolarArray array;
  Outcome outcome = Outcome::End;
  if (SelectObjects() == In::Default) {
    for (;;) {
      const std::vector<PluginEntity*> selected = SelectedEntities();
      if (selected.empty()) break;
      do {
        outcome = TryArray(array, selected.back());
      } while (outcome == Outcome::Again);
      DeselectAll();
      if (outcome != Outcome::Done || SelectObjects() != In::Default) break;
    }
  }
  DeselectAll();
  return outcome == Outcome::Failed ? 0 : 1;
}

}  // namespace korvo::commandset
