#include "platform/command_bar.h"

#include <algorithm>

#include "platform/utf16.h"

namespace korvo {

CommandBar::Entry* CommandBar::FindEntry(std::u16string_view name) {
  for (Entry& entry : entries_) {
    if (EqualsNoCase(entry.name, name)) return &entry;
  }
  return nullptr;
}

const CommandBar::Entry* CommandBar::Find(std::u16string_view name) const {
  return const_cast<CommandBar*>(this)->FindEntry(name);
}

void CommandBar::MoveToFront(std::u16string_view name) {
  Entry* entry = FindEntry(name);
  if (entry == nullptr) {
    entries_.insert(entries_.begin(), Entry{std::u16string(name), false, true});
    return;
  }
  const auto at = entries_.begin() + (entry - entries_.data());
  std::rotate(entries_.begin(), at, at + 1);
}

bool CommandBar::Remove(std::u16string_view name) {
  Entry* entry = FindEntry(name);
  if (entry == nullptr) return false;
  entries_.erase(entries_.begin() + (entry - entries_.data()));
  return true;
}

bool CommandBar::SetChecked(std::u16string_view name, bool checked) {
  Entry* entry = FindEntry(name);
  if (entry != nullptr) entry->checked = checked;
  return entry != nullptr;
}

bool CommandBar::SetEnabled(std::u16string_view name, bool enabled) {
  Entry* entry = FindEntry(name);
  if (entry != nullptr) entry->enabled = enabled;
  return entry != nullptr;
}

}  // namespace korvo
