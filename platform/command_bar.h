#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace korvo {

// The bar of recently used command names, most recent first. Each entry has a check state
// (its command runs) and an enabled state. Names compare without regard to case.
class CommandBar {
 public:
  struct Entry {
    std::u16string name;
    bool checked = false;
    bool enabled = true;
  };

  // Puts the name first, adding it (checked off, enabled) when it is not in the bar.
  void MoveToFront(std::u16string_view name);
  bool Remove(std::u16string_view name);
  // False when the name is not in the bar.
  bool SetChecked(std::u16string_view name, bool checked);
  bool SetEnabled(std::u16string_view name, bool enabled);

  const Entry* Find(std::u16string_view name) const;
  const std::vector<Entry>& Entries() const { return entries_; }

 private:
  Entry* FindEntry(std::u16string_view name);

  std::vector<Entry> entries_;
};

}  // namespace korvo
