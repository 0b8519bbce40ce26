#pragma once

#include <span>

#include "core/entity_list.h"

namespace korvo {

class Entity;

// Lends entities to the operations that take an EntityList, for the lifetime of a scope;
// the list never owns them, and they stay where they are.
class BorrowedList {
 public:
  explicit BorrowedList(Entity& entity) { list_.AddTail(&entity); }
  explicit BorrowedList(std::span<Entity* const> entities) {
    for (Entity* entity : entities) list_.AddTail(entity);
  }
  ~BorrowedList() { list_.RemoveAll(); }
  BorrowedList(const BorrowedList&) = delete;
  BorrowedList& operator=(const BorrowedList&) = delete;

  EntityList& list() { return list_; }
  const EntityList& list() const { return list_; }

 private:
  EntityList list_;
};

}  // namespace korvo
