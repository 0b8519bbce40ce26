#include "plugin/commandset/preview.h"

#include "plugin/commandset/host.h"

namespace korvo::commandset {

namespace {

constexpr int32_t kExclusiveOr = 1;

}  // namespace

void Preview::Show(PluginEntity* entity) {
  if (entity == nullptr) return;
  if (count_ == shown_.size()) {
    Call<DeleteTemporaryFn>(PluginService::DeleteTemporary, entity);
    return;
  }
  // An entity the host would not draw must not be drawn by the erase either.
  const bool drawn = Call<DrawEntityFn>(PluginService::DrawEntity, entity, kExclusiveOr) != 0;
  shown_[count_++] = {entity, drawn};
}

void Preview::Erase() {
  for (std::size_t i = 0; i < count_; ++i) {
    if (shown_[i].drawn)
      Call<DrawEntityFn>(PluginService::DrawEntity, shown_[i].entity, kExclusiveOr);
    Call<DeleteTemporaryFn>(PluginService::DeleteTemporary, shown_[i].entity);
    shown_[i] = {};
  }
  count_ = 0;
}

}  // namespace korvo::commandset
