#include "core/entity_list.h"

#include <algorithm>
#include <bit>
#include <utility>

#include "core/entity.h"
#include "core/entity_factory.h"
#include "geometry/geometry.h"

namespace korvo {
namespace {

// Blocks grow from 16 nodes to 4096 and then stay at 4096: small lists (block definitions,
// block references) stay small and large ones waste little.
constexpr uint32_t kFirstBlock = 16;
constexpr uint32_t kLastShift = 8;
constexpr uint32_t kLargestBlock = kFirstBlock << kLastShift;
constexpr uint32_t kGrowingSlots = kFirstBlock * ((1u << kLastShift) - 1);

uint32_t BlockSize(std::size_t block) {
  return kFirstBlock << std::min<std::size_t>(block, kLastShift);
}

}  // namespace

EntityList::~EntityList() {
  DeleteAll();
}

EntityList::Node& EntityList::At(uint32_t index) const {
  const uint32_t slot = index - 1;
  uint32_t block;
  uint32_t offset;
  if (slot < kGrowingSlots) {
    block = static_cast<uint32_t>(std::bit_width(slot / kFirstBlock + 1)) - 1;
    offset = slot - kFirstBlock * ((1u << block) - 1);
  } else {
    block = kLastShift + (slot - kGrowingSlots) / kLargestBlock;
    offset = (slot - kGrowingSlots) % kLargestBlock;
  }
  return blocks_[block][offset];
}

uint32_t EntityList::AllocateNode(Entity* entity) {
  uint32_t index;
  if (freeList_ != 0) {
    index = freeList_;
    freeList_ = At(index).next;
  } else {
    if (used_ == capacity_) {
      const uint32_t size = BlockSize(blocks_.size());
      blocks_.push_back(std::make_unique<Node[]>(size));
      capacity_ += size;
    }
    index = ++used_;
  }
  Node& node = At(index);
  node.next = 0;
  node.prev = 0;
  node.entity = entity;
  ++count_;
  return index;
}

void EntityList::ReleaseBlocks() {
  blocks_.clear();
  capacity_ = used_ = freeList_ = head_ = tail_ = count_ = 0;
  if (observer_ != nullptr) observer_->Emptied();
}

ListPosition EntityList::AddTail(Entity* entity) {
  const uint32_t index = AllocateNode(entity);
  Node& node = At(index);
  node.prev = tail_;
  if (tail_ != 0) {
    At(tail_).next = index;
  } else {
    head_ = index;
  }
  tail_ = index;
  if (observer_ != nullptr) observer_->Linked({index});
  return {index};
}

ListPosition EntityList::AddHead(Entity* entity) {
  const uint32_t index = AllocateNode(entity);
  Node& node = At(index);
  node.next = head_;
  if (head_ != 0) {
    At(head_).prev = index;
  } else {
    tail_ = index;
  }
  head_ = index;
  if (observer_ != nullptr) observer_->Linked({index});
  return {index};
}

ListPosition EntityList::InsertBefore(ListPosition position, Entity* entity) {
  if (!position) return AddTail(entity);
  if (position.index == head_) return AddHead(entity);
  const uint32_t index = AllocateNode(entity);
  Node& node = At(index);
  Node& after = At(position.index);
  node.next = position.index;
  node.prev = after.prev;
  At(after.prev).next = index;
  after.prev = index;
  if (observer_ != nullptr) observer_->Linked({index});
  return {index};
}

void EntityList::RemoveAt(ListPosition position) {
  if (!position) return;
  if (observer_ != nullptr) observer_->Unlinking(position);
  Node& node = At(position.index);
  if (node.prev != 0) {
    At(node.prev).next = node.next;
  } else {
    head_ = node.next;
  }
  if (node.next != 0) {
    At(node.next).prev = node.prev;
  } else {
    tail_ = node.prev;
  }
  node.entity = nullptr;
  node.prev = 0;
  node.next = freeList_;
  freeList_ = position.index;
  if (--count_ == 0) ReleaseBlocks();
}

ListPosition EntityList::Find(const Entity* entity) const {
  for (ListPosition p = HeadPosition(); p; p = Next(p)) {
    if (GetAt(p) == entity) return p;
  }
  return {};
}

bool EntityList::Holds(ListPosition position, const Entity* entity) const {
  if (!position || position.index > used_) return false;
  return At(position.index).entity == entity && entity != nullptr;
}

void EntityList::SetAt(ListPosition position, Entity* entity) {
  if (!position) return;
  At(position.index).entity = entity;
  if (observer_ != nullptr) observer_->Linked(position);
}

void EntityList::SwapEntities(ListPosition a, ListPosition b) {
  if (!a || !b) return;
  std::swap(At(a.index).entity, At(b.index).entity);
  if (observer_ != nullptr) {
    observer_->Linked(a);
    observer_->Linked(b);
  }
}

ListPosition EntityList::Next(ListPosition position) const {
  return {At(position.index).next};
}
ListPosition EntityList::Prev(ListPosition position) const {
  return {At(position.index).prev};
}
Entity* EntityList::GetAt(ListPosition position) const {
  return At(position.index).entity;
}

void EntityList::DeleteAll() {
  // Unlink first: a destructor that looks at this list must not see deleted members.
  std::vector<Entity*> members(begin(), end());
  ReleaseBlocks();
  for (Entity* entity : members) delete entity;
}

void EntityList::RemoveAll() {
  ReleaseBlocks();
}

void EntityList::CopyFrom(const EntityList& other) {
  if (&other == this) return;
  DeleteAll();
  for (const Entity* entity : other) {
    if (Entity* copy = Clone(*entity)) AddTail(copy);
  }
}

void EntityList::AppendAll(EntityList& other) {
  if (&other == this) return;
  std::vector<Entity*> members(other.begin(), other.end());
  other.RemoveAll();
  for (Entity* entity : members) AddTail(entity);
}

Entity* EntityList::Clone(const Entity& entity) {
  std::unique_ptr<Entity> copy = CreateEntity(entity.GetElementCode());
  if (!copy) return nullptr;
  copy->CopyFrom(entity);
  return copy.release();
}

void EntityList::Translate(const Point& offset) {
  for (Entity* entity : *this) entity->Translate(offset);
}

void EntityList::Rotate(const Rotation& rotation) {
  for (Entity* entity : *this) entity->Rotate(rotation);
}

void EntityList::Scale(const Scaling& scaling) {
  for (Entity* entity : *this) entity->Scale(scaling);
}

void EntityList::TranslateToOrigin(const Point& base) {
  for (Entity* entity : *this) entity->TranslateToOrigin(base);
}

void EntityList::SetSelectedAll(bool selected) {
  for (Entity* entity : *this) {
    entity->flags =
        selected ? (entity->flags | EntityFlag::Selected) : (entity->flags & ~EntityFlag::Selected);
  }
}

bool EntityList::GetExtents(Point& min, Point& max) const {
  min = Point(kNoDistance, kNoDistance);
  max = Point(-kNoDistance, -kNoDistance);
  bool any = false;
  for (const Entity* entity : *this) {
    Point low, high;
    if (!entity->GetExtents(low, high)) continue;
    min.x = std::min(min.x, low.x);
    min.y = std::min(min.y, low.y);
    max.x = std::max(max.x, high.x);
    max.y = std::max(max.y, high.y);
    any = true;
  }
  return any;
}

double EntityList::NearestPoint(const Point& p, Point& out, int mode) const {
  double best = kMaxDouble;
  for (const Entity* entity : *this) {
    Point candidate;
    const double distance = entity->NearestPoint(p, candidate, mode);
    if (distance <= best) {
      best = distance;
      out = candidate;
    }
  }
  return best;
}

int EntityList::IntersectWith(const Entity& entity, std::vector<Point>& out) const {
  int count = 0;
  for (const Entity* member : *this) count += member->IntersectWith(entity, out);
  return count;
}

bool EntityList::AnyCrossesRect(double x1, double y1, double x2, double y2) const {
  for (const Entity* entity : *this) {
    if (entity->CrossesRect(x1, y1, x2, y2)) return true;
  }
  return false;
}

bool EntityList::AnyCrossesRect(const Point& a, const Point& b) const {
  return AnyCrossesRect(std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x),
                        std::max(a.y, b.y));
}

bool EntityList::ForEach(const std::function<bool(Entity&)>& callback) const {
  for (Entity* entity : *this) {
    if (!callback(*entity)) return false;
  }
  return true;
}

int EntityList::CountSaveable() const {
  int count = 0;
  for (const Entity* entity : *this) {
    if (!entity->IsErased() && entity->IsValid()) ++count;
  }
  return count;
}

}  // namespace korvo
