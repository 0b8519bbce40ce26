#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "core/entity_list.h"
#include "core/point_display.h"
#include "geometry/point.h"

namespace korvo {

class Entity;

// A spatial index of one entity list (the drawing's): for a rectangle, the members that may
// have anything there, in list order, without walking the list.
//
// Each member is filed under its index box (core/index_box.h). The index follows the list
// by itself: it observes every node that is linked, unlinked or given another entity, so
// code that adds, removes or reorders entities through the list needs to know nothing of it.
// What it cannot see is an entity changed in place (moved, reshaped, a reference's block
// redefined, an undo restoring a copy): after such a change the drawing calls
// NoteContentChanged (marking the drawing modified does), and the next question re-measures
// every member and refiles those whose box moved. Nothing is built until the first
// question, so reading a file costs nothing here. Points are as large as the point display
// shows them, so a change of the display re-measures too.
//
// Boxes are kept in single precision, rounded outward; members whose box is missing or too
// large for that are answered for every rectangle.
class EntityIndex final : public EntityListObserver {
 public:
  explicit EntityIndex(const EntityList& list);
  ~EntityIndex();
  EntityIndex(const EntityIndex&) = delete;
  EntityIndex& operator=(const EntityIndex&) = delete;

  // The members whose box meets [low, high] (borders included), with every member the index
  // cannot place, in list order. A rectangle with NaN or low above high gets every member.
  void Query(const Point& low, const Point& high, std::vector<Entity*>& out);

  // Some member may have changed in place: re-measure all of them before the next answer.
  // FIXME: every edit then costs a walk of the whole list (about 60 ms at a million lines);
  // the editing commands know which entities they changed and could say so instead.
  void NoteContentChanged() { contentStale_ = true; }

  // The members whose out-of-view mark may be wrong for the window [low, high]: those whose
  // box meets it, and every member whose mark was clear after the last such pass or that
  // was linked or changed since. `remark` is called once for each; the index then keeps
  // those left unmarked for the next pass. Everyone else is marked out of view already and
  // stays so: its box misses the window.
  void RemarkOutOfView(const Point& low, const Point& high,
                       const std::function<void(Entity&)>& remark);

  // Brings the index up to date now (it otherwise does so at the next question).
  void Update();

  void Linked(ListPosition position) override;
  void Unlinking(ListPosition position) override;
  void Emptied() override;

 private:
  struct Tree;
  enum class State : uint8_t { Free, Pending, Unboxed, Boxed };

  void Build();
  void Refresh();
  void PlacePending();
  // Files the node under its entity's box, or among the unboxed.
  void Place(uint32_t node);
  // Takes the node out of the tree or the unboxed; its state is the caller's.
  void Unplace(uint32_t node);
  void Grow();
  void AssignRank(ListPosition position);
  void Renumber();
  void NoteTouched(uint32_t node);
  // Every node the tree or the unboxed hold for [low, high], in no order; false when the
  // rectangle cannot be asked (NaN, or low above high).
  bool Collect(const Point& low, const Point& high, std::vector<uint32_t>& nodes) const;
  void CollectAll(std::vector<uint32_t>& nodes) const;

  const EntityList& list_;
  std::unique_ptr<Tree> tree_;
  std::vector<uint32_t> rank_;  // list order, by node
  std::vector<State> state_;    // by node
  std::vector<uint32_t> pending_;
  std::vector<uint32_t> unboxed_;
  std::vector<uint32_t> touched_;  // may carry a clear out-of-view mark
  std::vector<uint32_t> scratch_;
  uint32_t gap_ = 1;              // between the ranks of neighbours after a renumbering
  PointDisplay measuredDisplay_;  // points' boxes follow the display they were measured with
  bool built_ = false;
  bool contentStale_ = false;
  bool remarkAll_ = true;
};

}  // namespace korvo
