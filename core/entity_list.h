#pragma once

#include <cstdint>
#include <functional>
#include <iterator>
#include <memory>
#include <string_view>
#include <vector>

#include "geometry/point.h"
#include "geometry/transform.h"

namespace korvo {

class Entity;
class BlockDefinition;
class RenderContext;

// A handle to one node of an EntityList; stays valid until that node is removed.
struct ListPosition {
  uint32_t index = 0;  // 0 = none
  explicit operator bool() const { return index != 0; }
  friend bool operator==(ListPosition, ListPosition) = default;
};

// Told of every change of which entity a node holds, so that a structure kept beside a list
// (the drawing's spatial index) follows it whoever makes the change.
class EntityListObserver {
 public:
  // The node now holds an entity: just linked (added), or given another one (SetAt,
  // SwapEntities).
  virtual void Linked(ListPosition position) = 0;
  // The node is about to be unlinked; it still holds its entity.
  virtual void Unlinking(ListPosition position) = 0;
  // Every node is gone (the list was emptied; node handles start again from 1).
  virtual void Emptied() = 0;

 protected:
  ~EntityListObserver() = default;
};

// The ordered container of entities used by the drawing, by every block definition and by
// compound entities. Unless a caller removes an entity explicitly, the list owns it:
// deleting all members or destroying the list deletes them.
//
// Nodes are 16 bytes (two 32-bit links and the entity) kept in blocks that never move, so a
// drawing of millions of entities spends little on its list.
class EntityList {
 public:
  EntityList() = default;
  EntityList(const EntityList&) = delete;
  EntityList& operator=(const EntityList&) = delete;
  virtual ~EntityList();

  // Linking, without copying.
  ListPosition AddTail(Entity* entity);
  ListPosition AddHead(Entity* entity);
  // Before `position`; with no position, appends.
  ListPosition InsertBefore(ListPosition position, Entity* entity);
  // Unlinks the node without deleting the entity.
  void RemoveAt(ListPosition position);
  ListPosition Find(const Entity* entity) const;
  // True when `position` is a live node of this list that holds `entity`. Safe for positions
  // that were removed meanwhile or that belong to another list.
  bool Holds(ListPosition position, const Entity* entity) const;
  // Puts `entity` into the node in place of the one it held, which is neither deleted nor
  // linked anywhere any more.
  void SetAt(ListPosition position, Entity* entity);
  // Exchanges the entities held by two nodes; the nodes stay where they are.
  void SwapEntities(ListPosition a, ListPosition b);

  ListPosition HeadPosition() const { return {head_}; }
  ListPosition TailPosition() const { return {tail_}; }
  ListPosition Next(ListPosition position) const;
  ListPosition Prev(ListPosition position) const;
  Entity* GetAt(ListPosition position) const;
  Entity* Head() const { return head_ ? GetAt({head_}) : nullptr; }
  Entity* Tail() const { return tail_ ? GetAt({tail_}) : nullptr; }
  std::size_t size() const { return count_; }
  bool empty() const { return count_ == 0; }

  // Deletes every entity, then empties the list.
  void DeleteAll();
  // Unlinks every entity without deleting any (for lists that do not own their members).
  void RemoveAll();
  // DeleteAll, then a clone of each of other's entities.
  void CopyFrom(const EntityList& other);
  // Moves other's entities to the end of this list; other is left empty.
  void AppendAll(EntityList& other);
  // A new entity of the same kind with the same contents; null if the factory fails.
  static Entity* Clone(const Entity& entity);

  // Draws each member in order; stops at the first that aborts and returns false. Defined
  // in view/, as Entity::Draw is.
  bool Draw(RenderContext& rc) const;

  void Translate(const Point& offset);
  void Rotate(const Rotation& rotation);
  void Scale(const Scaling& scaling);
  void TranslateToOrigin(const Point& base);
  // Sets or clears the selected bit of every member (no selection bookkeeping).
  void SetSelectedAll(bool selected);
  // Widens [min, max] (starting from ±3.4028234663852886e38) by every member that has
  // extents, whatever its flags; false when none had.
  bool GetExtents(Point& min, Point& max) const;
  // The smallest distance over all members (later members win ties);
  // 1.7976931348623157e308 for an empty list.
  double NearestPoint(const Point& p, Point& out, int mode = 0) const;
  int IntersectWith(const Entity& entity, std::vector<Point>& out) const;
  virtual bool AnyCrossesRect(double x1, double y1, double x2, double y2) const;
  virtual bool AnyCrossesRect(const Point& a, const Point& b) const;
  // Calls `callback` for each member until it returns false; false if it ever did.
  bool ForEach(const std::function<bool(Entity&)>& callback) const;
  // Members that are neither erased nor invalid: what a file holds.
  int CountSaveable() const;

  // At most one observer; null for none. The list does not own it.
  void SetObserver(EntityListObserver* observer) { observer_ = observer; }
  // One past the highest node handle handed out so far: handles are 1..SlotCount()-1, and
  // GetAt of a handle in that range is null when its node is free.
  uint32_t SlotCount() const { return used_ + 1; }

  class Iterator {
   public:
    using iterator_category = std::bidirectional_iterator_tag;
    using value_type = Entity*;
    using difference_type = std::ptrdiff_t;
    using pointer = Entity**;
    using reference = Entity*;

    Iterator() = default;
    Iterator(const EntityList* list, ListPosition position) : list_(list), position_(position) {}
    Entity* operator*() const { return list_->GetAt(position_); }
    Iterator& operator++() { return position_ = list_->Next(position_), *this; }
    Iterator operator++(int) {
      Iterator old = *this;
      ++*this;
      return old;
    }
    Iterator& operator--() {
      return position_ = position_ ? list_->Prev(position_) : list_->TailPosition(), *this;
    }
    Iterator operator--(int) {
      Iterator old = *this;
      --*this;
      return old;
    }
    friend bool operator==(const Iterator& a, const Iterator& b) {
      return a.position_ == b.position_;
    }
    ListPosition position() const { return position_; }

   private:
    const EntityList* list_ = nullptr;
    ListPosition position_;
  };
  Iterator begin() const { return Iterator(this, HeadPosition()); }
  Iterator end() const { return Iterator(this, ListPosition{}); }

 private:
  struct Node {
    uint32_t next;
    uint32_t prev;
    Entity* entity;
  };

  Node& At(uint32_t index) const;
  uint32_t AllocateNode(Entity* entity);
  void ReleaseBlocks();

  std::vector<std::unique_ptr<Node[]>> blocks_;
  uint32_t capacity_ = 0;  // node slots in all blocks
  uint32_t used_ = 0;      // slots handed out at least once
  uint32_t freeList_ = 0;  // reusable slots, linked through `next`
  uint32_t head_ = 0;
  uint32_t tail_ = 0;
  uint32_t count_ = 0;
  EntityListObserver* observer_ = nullptr;
};

}  // namespace korvo
