#include "commands/toolbar_model.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <system_error>

#include "commands/command_id.h"
#include "commands/command_table.h"
#include "commands/string_table.h"
#include "platform/toolbar_definition.h"
#include "platform/utf16.h"

namespace korvo {
namespace {

// A pen that moves less than this between down and up is still a tap.
constexpr int kDragThreshold = 4;

bool IsKnownCommandText(std::u16string_view commandText) {
  if (commandText.empty()) return true;  // kept, but never tappable
  const std::u16string_view name = commandText.substr(1);
  if (commandText.front() == kScriptMarker) return !name.empty();
  return CommandTable::IdOf(name) != 0;
}

std::filesystem::path ImagePath(const std::filesystem::path& folder, std::u16string_view file) {
  if (file.empty()) return {};
  const std::filesystem::path path = folder / Utf16ToUtf8(file);
  std::error_code error;
  return std::filesystem::is_regular_file(path, error) ? path : std::filesystem::path{};
}

}  // namespace

ToolbarCommand ResolveToolbarCommand(std::u16string_view commandText) {
  if (commandText.size() < 2) return {};
  const std::u16string_view name = commandText.substr(1);
  if (commandText.front() == kScriptMarker)
    return {CommandId::RunScriptCommand, std::u16string(name)};
  return {CommandTable::IdOf(name), {}};
}

ToolbarModel::ToolbarModel(std::size_t capacity)
    : capacity_(capacity), hint_(LoadHostString(StringId::SelectCommandHint)) {}

void ToolbarModel::Clear() {
  visible_.clear();
  overflow_.clear();
  scroll_ = 0;
  pressed_.reset();
  penDown_ = false;
  dragging_ = false;
  ++revision_;
}

ToolbarLoad ToolbarModel::LoadToolbar(const std::filesystem::path& file, int buttonSize) {
  SetButtonSize(buttonSize);
  if (!loadedFile_.empty() && file == loadedFile_) return ToolbarLoad::Unchanged;
  Clear();
  const ToolbarDefinition definition = ReadToolbarDefinition(file);
  if (definition.error != ToolbarDefinitionError::None) {
    loadedFile_.clear();
    return ToolbarLoad::Failed;
  }
  loadedFile_ = file;
  background_ =
      uint32_t{definition.red} << 16 | uint32_t{definition.green} << 8 | uint32_t{definition.blue};
  const std::filesystem::path folder = file.parent_path();
  for (const ToolbarRecord& record : definition.records) {
    if (!IsKnownCommandText(record.commandText)) continue;
    ToolbarItem item{record.commandText, record.itemText, ImagePath(folder, record.imageFile)};
    (visible_.size() < capacity_ ? visible_ : overflow_).push_back(std::move(item));
  }
  return ToolbarLoad::Loaded;
}

const ToolbarItem* ToolbarModel::ItemAt(std::size_t index) const {
  if (index < visible_.size()) return &visible_[index];
  index -= visible_.size();
  return index < overflow_.size() ? &overflow_[index] : nullptr;
}

bool ToolbarModel::SetButtonEnabled(std::u16string_view name, bool enabled) {
  bool changed = false;
  for (auto* list : {&visible_, &overflow_}) {
    for (ToolbarItem& item : *list) {
      if (item.enabled == enabled || !EqualsNoCase(item.CommandName(), name)) continue;
      item.enabled = enabled;
      changed = true;
    }
  }
  if (changed) ++revision_;
  return changed;
}

bool ToolbarModel::SetButtonChecked(std::u16string_view name, bool checked) {
  bool changed = false;
  for (auto* list : {&visible_, &overflow_}) {
    for (ToolbarItem& item : *list) {
      if (item.checked == checked || !EqualsNoCase(item.CommandName(), name)) continue;
      item.checked = checked;
      changed = true;
    }
  }
  if (changed) ++revision_;
  return changed;
}

ToolbarItem* ToolbarModel::Find(std::u16string_view name, std::vector<ToolbarItem>** list) {
  for (auto* candidate : {&visible_, &overflow_}) {
    for (ToolbarItem& item : *candidate) {
      if (!EqualsNoCase(item.CommandName(), name)) continue;
      *list = candidate;
      return &item;
    }
  }
  return nullptr;
}

bool ToolbarModel::MoveButton(std::u16string_view name, std::size_t position) {
  if (name.empty()) return false;
  std::vector<ToolbarItem>* list = nullptr;
  ToolbarItem* found = Find(name, &list);
  if (found == nullptr) return false;
  ToolbarItem item = std::move(*found);
  list->erase(list->begin() + (found - list->data()));
  if (list == &overflow_ && !visible_.empty()) {
    overflow_.push_back(std::move(visible_.front()));
    visible_.erase(visible_.begin());
  }
  position = std::min(position, visible_.size());
  visible_.insert(visible_.begin() + static_cast<std::ptrdiff_t>(position), std::move(item));
  pressed_.reset();
  ++revision_;
  return true;
}

void ToolbarModel::SetButtonSize(int size) {
  size = std::max(size, 1);
  if (size == buttonSize_) return;
  buttonSize_ = size;
  scroll_ = std::clamp(RoundScroll(scroll_, buttonSize_), 0, MaxScroll());
  ++revision_;
}

void ToolbarModel::SetViewLength(int length) {
  viewLength_ = std::max(length, 0);
  scroll_ = std::clamp(scroll_, 0, MaxScroll());
}

int ToolbarModel::MaxScroll() const {
  const long long content = static_cast<long long>(Count()) * buttonSize_;
  if (content <= viewLength_) return 0;
  // Whole buttons, so that a rounded offset at the end is not pulled back.
  const long long excess = content - viewLength_;
  const long long whole = (excess + buttonSize_ - 1) / buttonSize_ * buttonSize_;
  return static_cast<int>(std::min<long long>(whole, 1 << 30));
}

void ToolbarModel::ScrollButtons(int buttons) {
  const long long target = static_cast<long long>(RoundScroll(scroll_, buttonSize_)) +
                           static_cast<long long>(buttons) * buttonSize_;
  const int scroll = static_cast<int>(std::clamp<long long>(target, 0, MaxScroll()));
  if (scroll == scroll_) return;
  scroll_ = scroll;
  ++revision_;
}

std::optional<std::size_t> ToolbarModel::IndexAt(int position) const {
  const long long along = static_cast<long long>(position) + scroll_;
  if (position < 0 || along < 0) return std::nullopt;
  const auto index = static_cast<std::size_t>(along / buttonSize_);
  if (index >= Count()) return std::nullopt;
  return index;
}

void ToolbarModel::PenDown(int position) {
  penDown_ = true;
  dragging_ = false;
  downPosition_ = position;
  downScroll_ = scroll_;
  pressed_ = IndexAt(position);
  // While a button is held its item text says what it would run.
  if (pressed_) hint_ = ItemAt(*pressed_)->itemText;
  ++revision_;
}

void ToolbarModel::PenMove(int position) {
  if (!penDown_) return;
  if (!dragging_ && std::abs(position - downPosition_) <= kDragThreshold) return;
  dragging_ = true;
  pressed_.reset();
  const long long target = static_cast<long long>(downScroll_) - (position - downPosition_);
  scroll_ = static_cast<int>(std::clamp<long long>(target, 0, MaxScroll()));
  ++revision_;
}

ToolbarPenResult ToolbarModel::PenUp(int position) {
  ToolbarPenResult result;
  if (!penDown_) return result;
  penDown_ = false;
  hint_ = LoadHostString(StringId::SelectCommandHint);
  ++revision_;
  if (dragging_) {
    dragging_ = false;
    scroll_ = std::clamp(RoundScroll(scroll_, buttonSize_), 0, MaxScroll());
    result.kind = ToolbarPenResult::Kind::Scrolled;
    return result;
  }
  const std::optional<std::size_t> pressed = pressed_;
  pressed_.reset();
  const std::optional<std::size_t> released = IndexAt(position);
  if (!pressed || released != pressed || !ItemAt(*pressed)->CanTap()) return result;
  result.kind = ToolbarPenResult::Kind::Tapped;
  result.index = *pressed;
  return result;
}

int ToolbarModel::RoundScroll(int offset, int buttonSize) {
  if (buttonSize <= 0) return offset;
  const double whole = std::round(static_cast<double>(offset) / buttonSize);
  return static_cast<int>(whole) * buttonSize;
}

}  // namespace korvo
