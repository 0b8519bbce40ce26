#include "core/entity_index.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <iterator>
#include <limits>

#include <boost/geometry.hpp>
#include <boost/geometry/index/rtree.hpp>

#include "core/element_code.h"
#include "core/entity.h"
#include "core/index_box.h"
#include "core/point_display.h"
#include "core/polyline_entity.h"

namespace korvo {
namespace {

namespace bg = boost::geometry;
namespace bgi = boost::geometry::index;

using FloatPoint = bg::model::point<float, 2, bg::cs::cartesian>;
using FloatBox = bg::model::box<FloatPoint>;

// Sixteen children a node, fixed at run time: such nodes keep their children in arrays of
// their own size, where nodes fixed at compile time all take the size of an inner node, and
// a leaf of node numbers is much smaller than that.
using TreeParameters = bgi::dynamic_quadratic;
constexpr std::size_t kMaxChildren = 16;

// The tree holds node numbers only; their boxes live in one array beside it, so a member
// costs its box once.
struct BoxOfNode {
  using result_type = const FloatBox&;
  const std::vector<FloatBox>* boxes = nullptr;
  result_type operator()(uint32_t node) const { return (*boxes)[node]; }
};

using RTree = bgi::rtree<uint32_t, TreeParameters, BoxOfNode>;

// Beyond this a coordinate does not fit a float once rounded outward.
constexpr double kFloatLimit = 3.0e38;

// The neighbouring float toward −∞ or +∞ of a finite float, by its bits: a call of the
// library's nextafter for each of millions of boxes shows in a re-measure.
float NextFloat(float f, bool up) {
  if (f == 0)
    return up ? std::numeric_limits<float>::denorm_min()
              : -std::numeric_limits<float>::denorm_min();
  uint32_t bits = std::bit_cast<uint32_t>(f);
  // Away from zero the magnitude grows with the bits, toward zero it shrinks.
  bits = (f > 0) == up ? bits + 1 : bits - 1;
  return std::bit_cast<float>(bits);
}

float RoundDown(double v) {
  const float f = static_cast<float>(v);
  return static_cast<double>(f) > v ? NextFloat(f, false) : f;
}

float RoundUp(double v) {
  const float f = static_cast<float>(v);
  return static_cast<double>(f) < v ? NextFloat(f, true) : f;
}

double Clamp(double v) {
  return std::clamp(v, -kFloatLimit, kFloatLimit);
}

bool Fits(const Point& p) {
  return std::fabs(p.x) <= kFloatLimit && std::fabs(p.y) <= kFloatLimit;
}

// Ranks spread evenly over 32 bits leave room to add at either end and between neighbours
// many times before the list must be numbered again.
uint32_t RankGap(std::size_t count) {
  const uint64_t gap = uint64_t{0xFFFFFFFF} / (2 * (static_cast<uint64_t>(count) + 1));
  return static_cast<uint32_t>(std::max<uint64_t>(gap, 1));
}

bool SameBox(const FloatBox& a, const FloatBox& b) {
  return bg::get<bg::min_corner, 0>(a) == bg::get<bg::min_corner, 0>(b) &&
         bg::get<bg::min_corner, 1>(a) == bg::get<bg::min_corner, 1>(b) &&
         bg::get<bg::max_corner, 0>(a) == bg::get<bg::max_corner, 0>(b) &&
         bg::get<bg::max_corner, 1>(a) == bg::get<bg::max_corner, 1>(b);
}

// The entity's box in floats, rounded outward; false when it has none that fits. A polyline
// whose segments are stale gets them first, as drawing it would.
bool MeasureBox(Entity& entity, FloatBox& box) {
  if (PolylineEntity* polyline = entity.AsPolyline(); polyline && polyline->segmentsValid == 0)
    polyline->RebuildSegments();
  Point min, max;
  if (!GetIndexBox(entity, min, max) || !Fits(min) || !Fits(max)) return false;
  box = FloatBox(FloatPoint(RoundDown(min.x), RoundDown(min.y)),
                 FloatPoint(RoundUp(max.x), RoundUp(max.y)));
  return true;
}

}  // namespace

struct EntityIndex::Tree {
  Tree() : rtree(TreeParameters(kMaxChildren), BoxOfNode{&boxes}) {}
  std::vector<FloatBox> boxes;  // by node; meaningful for boxed nodes
  RTree rtree;
};

EntityIndex::EntityIndex(const EntityList& list) : list_(list), tree_(std::make_unique<Tree>()) {}

EntityIndex::~EntityIndex() = default;

void EntityIndex::Update() {
  // Points are as large as the display shows them: another display, other boxes.
  const PointDisplay& display = CurrentPointDisplay();
  if (display.mode != measuredDisplay_.mode || !(display.halfSize == measuredDisplay_.halfSize)) {
    measuredDisplay_ = display;
    contentStale_ = true;
  }
  if (!built_) {
    Build();
    return;
  }
  if (contentStale_) Refresh();
  if (!pending_.empty()) PlacePending();
}

void EntityIndex::Build() {
  const uint32_t slots = list_.SlotCount();
  rank_.assign(slots, 0);
  state_.assign(slots, State::Free);
  tree_->boxes.assign(slots, FloatBox());
  pending_.clear();
  unboxed_.clear();
  touched_.clear();
  gap_ = RankGap(list_.size());
  std::vector<uint32_t> boxed;
  boxed.reserve(list_.size());
  uint32_t rank = 0;
  for (ListPosition p = list_.HeadPosition(); p; p = list_.Next(p)) {
    rank_[p.index] = rank += gap_;
    if (MeasureBox(*list_.GetAt(p), tree_->boxes[p.index])) {
      state_[p.index] = State::Boxed;
      boxed.push_back(p.index);
    } else {
      state_[p.index] = State::Unboxed;
      unboxed_.push_back(p.index);
    }
  }
  // Loading all at once packs the tree, which answers faster than one grown by insertion.
  tree_->rtree =
      RTree(boxed.begin(), boxed.end(), TreeParameters(kMaxChildren), BoxOfNode{&tree_->boxes});
  built_ = true;
  contentStale_ = false;
  remarkAll_ = true;
}

void EntityIndex::Refresh() {
  struct Change {
    uint32_t node;
    bool boxed;
    FloatBox box;
  };
  std::vector<Change> changes;
  gap_ = RankGap(list_.size());
  uint32_t rank = 0;
  for (ListPosition p = list_.HeadPosition(); p; p = list_.Next(p)) {
    const uint32_t node = p.index;
    rank_[node] = rank += gap_;
    Entity& entity = *list_.GetAt(p);
    if ((entity.flags & EntityFlag::OutOfView) == 0) NoteTouched(node);
    if (state_[node] == State::Pending) continue;
    FloatBox box;
    const bool boxed = MeasureBox(entity, box);
    if (boxed ? state_[node] == State::Boxed && SameBox(box, tree_->boxes[node])
              : state_[node] == State::Unboxed)
      continue;
    changes.push_back({node, boxed, box});
  }
  contentStale_ = false;
  // Refiling one by one costs more than packing anew once many moved.
  if (changes.size() > list_.size() / 4 + 64) {
    Build();
    return;
  }
  for (const Change& change : changes) {
    Unplace(change.node);
    if (change.boxed) {
      tree_->boxes[change.node] = change.box;
      state_[change.node] = State::Boxed;
      tree_->rtree.insert(change.node);
    } else {
      state_[change.node] = State::Unboxed;
      unboxed_.push_back(change.node);
    }
  }
}

void EntityIndex::PlacePending() {
  if (pending_.size() > list_.size() / 4 + 1024) {
    Build();
    return;
  }
  std::vector<uint32_t> pending;
  pending.swap(pending_);
  for (const uint32_t node : pending) {
    // A node may have been unlinked meanwhile, or listed twice.
    if (state_[node] == State::Pending) Place(node);
  }
}

void EntityIndex::Place(uint32_t node) {
  if (MeasureBox(*list_.GetAt({node}), tree_->boxes[node])) {
    state_[node] = State::Boxed;
    tree_->rtree.insert(node);
  } else {
    state_[node] = State::Unboxed;
    unboxed_.push_back(node);
  }
}

void EntityIndex::Unplace(uint32_t node) {
  if (state_[node] == State::Boxed) {
    tree_->rtree.remove(node);
  } else if (state_[node] == State::Unboxed) {
    const auto found = std::find(unboxed_.begin(), unboxed_.end(), node);
    if (found != unboxed_.end()) {
      *found = unboxed_.back();
      unboxed_.pop_back();
    }
  }
}

void EntityIndex::Grow() {
  const uint32_t slots = list_.SlotCount();
  if (rank_.size() >= slots) return;
  rank_.resize(slots, 0);
  state_.resize(slots, State::Free);
  tree_->boxes.resize(slots);
}

void EntityIndex::AssignRank(ListPosition position) {
  const ListPosition prev = list_.Prev(position);
  const ListPosition next = list_.Next(position);
  const uint64_t low = prev ? rank_[prev.index] : 0;
  const uint64_t high = next ? rank_[next.index] : uint64_t{1} << 32;
  uint64_t rank;
  if (!next)
    rank = low + gap_;
  else if (!prev && high > gap_)
    rank = high - gap_;
  else
    rank = low + (high - low) / 2;
  if (rank > low && rank < high) {
    rank_[position.index] = static_cast<uint32_t>(rank);
  } else {
    Renumber();
  }
}

void EntityIndex::Renumber() {
  gap_ = RankGap(list_.size());
  uint32_t rank = 0;
  for (ListPosition p = list_.HeadPosition(); p; p = list_.Next(p)) rank_[p.index] = rank += gap_;
}

void EntityIndex::NoteTouched(uint32_t node) {
  if (remarkAll_) return;
  touched_.push_back(node);
  // Past this many the next pass might as well visit everyone.
  if (touched_.size() > list_.size() + 1024) {
    remarkAll_ = true;
    touched_.clear();
  }
}

void EntityIndex::Linked(ListPosition position) {
  if (!built_) return;
  Grow();
  const uint32_t node = position.index;
  if (state_[node] == State::Free)
    AssignRank(position);
  else
    Unplace(node);
  state_[node] = State::Pending;
  pending_.push_back(node);
  NoteTouched(node);
}

void EntityIndex::Unlinking(ListPosition position) {
  if (!built_) return;
  Unplace(position.index);
  state_[position.index] = State::Free;
}

void EntityIndex::Emptied() {
  built_ = false;
  contentStale_ = false;
  remarkAll_ = true;
  tree_->rtree.clear();
  tree_->boxes = {};
  rank_ = {};
  state_ = {};
  pending_ = {};
  unboxed_ = {};
  touched_ = {};
}

bool EntityIndex::Collect(const Point& low, const Point& high, std::vector<uint32_t>& nodes) const {
  if (!(low.x <= high.x && low.y <= high.y)) return false;
  const FloatBox window(FloatPoint(RoundDown(Clamp(low.x)), RoundDown(Clamp(low.y))),
                        FloatPoint(RoundUp(Clamp(high.x)), RoundUp(Clamp(high.y))));
  tree_->rtree.query(bgi::intersects(window), std::back_inserter(nodes));
  nodes.insert(nodes.end(), unboxed_.begin(), unboxed_.end());
  return true;
}

void EntityIndex::CollectAll(std::vector<uint32_t>& nodes) const {
  for (ListPosition p = list_.HeadPosition(); p; p = list_.Next(p)) nodes.push_back(p.index);
}

void EntityIndex::Query(const Point& low, const Point& high, std::vector<Entity*>& out) {
  Update();
  out.clear();
  scratch_.clear();
  if (!Collect(low, high, scratch_)) {
    for (Entity* entity : list_) out.push_back(entity);
    return;
  }
  std::sort(scratch_.begin(), scratch_.end(),
            [this](uint32_t a, uint32_t b) { return rank_[a] < rank_[b]; });
  out.reserve(scratch_.size());
  for (const uint32_t node : scratch_) out.push_back(list_.GetAt({node}));
}

void EntityIndex::RemarkOutOfView(const Point& low, const Point& high,
                                  const std::function<void(Entity&)>& remark) {
  Update();
  scratch_.clear();
  if (remarkAll_ || !Collect(low, high, scratch_)) {
    scratch_.clear();
    CollectAll(scratch_);
  } else {
    for (const uint32_t node : touched_) {
      if (node < state_.size() && state_[node] != State::Free) scratch_.push_back(node);
    }
    std::sort(scratch_.begin(), scratch_.end());
    scratch_.erase(std::unique(scratch_.begin(), scratch_.end()), scratch_.end());
  }
  touched_.clear();
  remarkAll_ = false;
  for (const uint32_t node : scratch_) {
    Entity& entity = *list_.GetAt({node});
    remark(entity);
    if ((entity.flags & EntityFlag::OutOfView) == 0) touched_.push_back(node);
  }
}

}  // namespace korvo
