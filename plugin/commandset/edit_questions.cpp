#include "plugin/commandset/edit_questions.h"

#include <string>

#include "plugin/commandset/host.h"
#include "plugin/commandset/strings.h"

namespace korvo::commandset::editing {

namespace S = PluginService;

int32_t AskPoint(const PointQuestion& question, PluginPoint* out) {
  bool found = false;
  const std::u16string prompt = LoadString(question.prompt, kPluginTextCapacity, &found);
  if (!found) return PluginInput::NotAvailable;
  const std::u16string help = LoadString(question.help, kPluginTextCapacity);
  const int32_t code = Call<GetPointFn>(S::GetPoint, &question.base, &question.reference, out,
                                        prompt.c_str(), help.c_str(), question.flags);
  return code == 0 ? PluginInput::NotAvailable : code;
}

int32_t ShowMessage(int32_t stringId, int32_t style) {
  int32_t result = 0;
  if (Call<MessageBoxIdFn>(S::MessageBoxId, stringId, style, &result) == 0) return 0;
  return result;
}

void Previews::Show(PluginEntity* entity) {
  if (entity == nullptr) return;
  Call<DrawEntityFn>(S::DrawEntity, entity, int32_t{1});
  entities_.push_back(entity);
}

void Previews::Clear() {
  for (PluginEntity* entity : entities_) {
    Call<DrawEntityFn>(S::DrawEntity, entity, int32_t{1});
    Call<DeleteTemporaryFn>(S::DeleteTemporary, entity);
  }
  entities_.clear();
}

PluginEntity* TemporaryLine(PluginPoint a, PluginPoint b) {
  return Call<AddLineFn>(S::AddLine, &a, &b, kPluginCurrentColor, kPluginDefaultLineWeight,
                         static_cast<const char16_t*>(nullptr),
                         static_cast<const char16_t*>(nullptr), PluginTemporaryTarget());
}

PluginEntity* GuideLine(PluginPoint a, PluginPoint b) {
  return Call<AddLineFn>(S::AddLine, &a, &b, int16_t{7}, 0.0, static_cast<const char16_t*>(nullptr),
                         u"CONTINUOUS", PluginTemporaryTarget());
}

PluginEntity* TemporaryTrace(const TraceCorners& corners) {
  const PluginPoint points[4] = {corners.startLeft, corners.startRight, corners.endLeft,
                                 corners.endRight};
  return Call<AddTraceFn>(S::AddTrace, static_cast<const PluginPoint*>(points), kPluginCurrentColor,
                          kPluginDefaultLineWeight, static_cast<const char16_t*>(nullptr),
                          static_cast<const char16_t*>(nullptr), PluginTemporaryTarget());
}

std::vector<PluginEntity*> SelectedEntities() {
  std::vector<PluginEntity*> selected;
  PluginEntity* entity = nullptr;
  if (Call<SelectedWalkFn>(S::FirstSelected, &entity) == 0) return selected;
  while (entity != nullptr) {
    selected.push_back(entity);
    entity = nullptr;
    if (Call<SelectedWalkFn>(S::NextSelected, &entity) == 0) break;
  }
  return selected;
}

void DeselectAll() {
  for (PluginEntity* entity : SelectedEntities()) {
    Call<DrawEntityFn>(S::DrawEntity, entity, int32_t{1});
    Call<SetSelectedFn>(S::SetSelected, entity, int32_t{0});
    Call<DrawEntityFn>(S::DrawEntity, entity, int32_t{1});
  }
}

}  // namespace korvo::commandset::editing
