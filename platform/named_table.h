#pragma once

#include <algorithm>
#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "platform/utf16.h"

namespace korvo {

// A table of named entries keyed by the upper-cased name, so names compare without regard to
// case. Iteration follows the order in which keys were first added; files number entries in
// this order, so it must stay deterministic. The table owns its entries unless
// `Ownership::IsShared` says an entry belongs to the program (the built-in line types).
// Whether a removed entry is deleted or handed back to the caller (an undo record, say).
enum class TableRemoval { Destroy, Keep };

struct TableOwnsAll {
  template <class T>
  static bool IsShared(const T*) {
    return false;
  }
};

template <class T, class Ownership = TableOwnsAll>
class NamedTable {
 public:
  NamedTable() = default;
  NamedTable(const NamedTable&) = delete;
  NamedTable& operator=(const NamedTable&) = delete;
  ~NamedTable() { Clear(); }

  // Stores `entry` under its upper-cased name. An entry already under that key is replaced
  // in place; the table keeps it alive until it is cleared, since entities may still point
  // to it.
  void Add(T* entry) {
    std::u16string key = ToUpper(entry->name);
    auto found = index_.find(key);
    if (found != index_.end()) {
      T*& slot = order_[found->second];
      if (slot == entry) return;
      if (!IsShared(slot)) retired_.push_back(slot);
      slot = entry;
      return;
    }
    index_.emplace(std::move(key), order_.size());
    order_.push_back(entry);
  }

  // Stores `entry` at `position` in the order (the end when beyond it), as Add does otherwise:
  // an entry put back where it was keeps the table's order, and so the file's numbering.
  void Insert(T* entry, std::size_t position) {
    std::u16string key = ToUpper(entry->name);
    if (index_.contains(key) || position >= order_.size()) {
      Add(entry);
      return;
    }
    for (auto& [name, at] : index_)
      if (at >= position) ++at;
    order_.insert(order_.begin() + static_cast<std::ptrdiff_t>(position), entry);
    index_.emplace(std::move(key), position);
  }

  // The entry's name changed: it stays where it is under its new key. Should another entry
  // hold that key, the entry takes that one's place as Add would. False when it is not here.
  bool Rekey(T* entry) {
    const std::optional<std::size_t> position = PositionOf(entry);
    if (!position) return false;
    std::u16string key = ToUpper(entry->name);
    const auto taken = index_.find(key);
    if (taken != index_.end() && taken->second != *position) {
      Remove(entry, TableRemoval::Keep);
      Add(entry);
      return true;
    }
    std::erase_if(index_, [&](const auto& item) { return item.second == *position; });
    index_.emplace(std::move(key), *position);
    return true;
  }

  std::optional<std::size_t> PositionOf(const T* entry) const {
    const auto found = std::find(order_.begin(), order_.end(), entry);
    if (found == order_.end()) return std::nullopt;
    return static_cast<std::size_t>(found - order_.begin());
  }

  T* Find(std::u16string_view name) const {
    auto found = index_.find(ToUpper(name));
    return found == index_.end() ? nullptr : order_[found->second];
  }

  // Unlinks the entry (found by pointer); deletes it on TableRemoval::Destroy when the table
  // owns it.
  bool Remove(T* entry, TableRemoval removal = TableRemoval::Destroy) {
    auto position = std::find(order_.begin(), order_.end(), entry);
    if (position == order_.end()) return false;
    const std::size_t removed = static_cast<std::size_t>(position - order_.begin());
    order_.erase(position);
    for (auto it = index_.begin(); it != index_.end();) {
      if (it->second == removed) {
        it = index_.erase(it);
      } else {
        if (it->second > removed) --it->second;
        ++it;
      }
    }
    if (removal == TableRemoval::Destroy && !IsShared(entry)) delete entry;
    return true;
  }

  // Deletes every owned entry and empties the table.
  void Clear() {
    for (T* entry : order_) {
      if (!IsShared(entry)) delete entry;
    }
    for (T* entry : retired_) delete entry;
    order_.clear();
    retired_.clear();
    index_.clear();
  }

  std::size_t size() const { return order_.size(); }
  bool empty() const { return order_.empty(); }
  auto begin() const { return order_.begin(); }
  auto end() const { return order_.end(); }

 private:
  static bool IsShared(const T* entry) { return Ownership::IsShared(entry); }

  std::vector<T*> order_;
  // Upper-cased name to position in order_, so that replacing an entry under an existing
  // name costs no search: a file may hold any number of records of the same name.
  std::unordered_map<std::u16string, std::size_t> index_;
  std::vector<T*> retired_;
};

}  // namespace korvo
