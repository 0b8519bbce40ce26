#pragma once

#include <cstdint>

namespace korvo {

class Entity;
class View;

// An object shown highlighted (dotted) on the window while a command works on it, without
// selecting it: its image is redrawn with XOR with the selected flag set, and put back as it
// was by Remove or the destructor. The entity must not change while highlighted.
class ObjectHighlight {
 public:
  ObjectHighlight(View& view, Entity& entity);
  ~ObjectHighlight() { Remove(); }
  ObjectHighlight(const ObjectHighlight&) = delete;
  ObjectHighlight& operator=(const ObjectHighlight&) = delete;

  void Remove();

 private:
  View& view_;
  Entity* entity_;
  uint64_t shownOn_ = 0;  // the view's window generation when drawn
};

}  // namespace korvo
